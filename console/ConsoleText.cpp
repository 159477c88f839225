#include "console/ConsoleText.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace ConsoleText {

namespace {

const QByteArray kMarker(4, '\xff');

bool lostByConsole(QChar c) {
    return c.unicode() > 127 || c == QLatin1Char('%');
}

} // namespace

QByteArray marker() {
    return kMarker;
}

std::optional<QByteArray> request(const QString& text) {
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return kMarker + bytes;
}

QString decode(QByteArrayView bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

std::optional<QString> printText(const QByteArray& packet) {
    static const QByteArray head = kMarker + "print\n";
    if (!packet.startsWith(head))
        return std::nullopt;
    return decode(QByteArrayView(packet).sliced(head.size()));
}

QString Status::value(const QString& key) const {
    for (const auto& [k, v] : info)
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

std::optional<Status> status(const QByteArray& packet) {
    static const QByteArray head = kMarker + "statusResponse\n";
    if (!packet.startsWith(head))
        return std::nullopt;
    const QStringList lines = decode(QByteArrayView(packet).sliced(head.size()))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    Status result;
    if (lines.isEmpty())
        return result;
    QStringList parts = lines.first().split(QLatin1Char('\\'));
    // The pairs begin with a backslash, so the first part is empty.
    if (!parts.isEmpty() && parts.first().isEmpty())
        parts.removeFirst();
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        result.info.append({parts[i], parts[i + 1]});
    result.players = lines.mid(1);
    return result;
}

Listing listing(QStringView text) {
    static const QRegularExpression total(QStringLiteral("^(\\d+) total cvars$"));
    static const QRegularExpression indexes(QStringLiteral("^\\d+ cvar indexes$"));
    Listing result;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || indexes.match(line).hasMatch())
            continue;
        if (const auto match = total.match(line); match.hasMatch()) {
            result.total = match.captured(1).toInt();
            continue;
        }
        // The flag columns, a blank, the name, a blank, the value in double quotes. A name holds
        // no blank and no quote, so the first ' "' follows it.
        const qsizetype quote = line.indexOf(QLatin1String(" \""));
        const QStringView front = quote < 0 ? QStringView() : line.left(quote);
        const qsizetype nameAt = front.lastIndexOf(QLatin1Char(' ')) + 1;
        if (quote < 0 || nameAt == quote || !line.endsWith(QLatin1Char('"')) ||
            line.size() < quote + 3) {
            result.unread.append(line.toString());
            continue;
        }
        result.variables.append({front.sliced(nameAt).toString(),
                                 line.sliced(quote + 2).chopped(1).toString(),
                                 front.left(qMax<qsizetype>(0, nameAt - 1)).toString()});
    }
    return result;
}

std::optional<Query> query(QStringView text) {
    // "NAME" is:"VALUE^7" default:"DEFAULT^7"  or  "NAME" is:"VALUE^7", the default
    // then, for a latched value waiting:  latched: "NEW"
    static const QRegularExpression line(
        QStringLiteral("^\"([^\"]*)\" is:\"(.*)\\^7\"(?: default:\".*\"|, the default)$"));
    static const QRegularExpression latched(QStringLiteral("^latched: \"(.*)\"$"));
    const QList<QStringView> lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto match = line.match(lines[i]);
        if (!match.hasMatch())
            continue;
        Query result{match.captured(1), match.captured(2), std::nullopt};
        if (i + 1 < lines.size())
            if (const auto waiting = latched.match(lines[i + 1]); waiting.hasMatch())
                result.latched = waiting.captured(1);
        return result;
    }
    return std::nullopt;
}

QString withoutColours(QString text) {
    static const QRegularExpression code(QStringLiteral("\\^[0-9]"));
    return text.remove(code);
}

bool sendableValue(QStringView value) {
    for (const QChar c : value)
        if (c == QLatin1Char('"') || c == QLatin1Char(';') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r') || c.category() == QChar::Other_Control ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    return request(value.toString()).has_value();
}

bool onlyByFile(QStringView value) {
    return std::any_of(value.begin(), value.end(), lostByConsole);
}

QString asConsoleCarries(QString value) {
    for (QChar& c : value)
        if (lostByConsole(c))
            c = QLatin1Char('.');
    return value;
}

bool sendableWord(QStringView word) {
    if (word.isEmpty() || word.startsWith(QLatin1String("//")) ||
        word.startsWith(QLatin1String("/*")))
        return false;
    for (const QChar c : word)
        if (c.isSpace() || c.unicode() >= 0x80)
            return false;
    return sendableValue(word);
}

} // namespace ConsoleText
