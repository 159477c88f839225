#include "remote/RemoteTransfer.h"

#include "remote/RemoteBackend.h"

#include <QLocale>
#include <QRegularExpression>

using Outcome = RemoteTransfer::Outcome;

RemoteTransfer::RemoteTransfer(const RemoteAddress& address, const QString& password,
                               const Settings& settings, const std::atomic_bool& cancel,
                               Progress progress)
    : m_backend(RemoteBackend::get(&m_loadError)) {
    if (m_backend)
        d = m_backend->createTransfer(address, password, settings, cancel, progress);
}

RemoteTransfer::~RemoteTransfer() {
    if (m_backend)
        m_backend->destroyTransfer(d);
}

Outcome RemoteTransfer::unloaded() const {
    Outcome outcome;
    outcome.failure = Failure::Other;
    outcome.reason = m_loadError;
    return outcome;
}

Outcome RemoteTransfer::fetch() {
    if (!m_backend)
        return unloaded();
    Outcome outcome;
    m_backend->fetch(d, &outcome);
    return outcome;
}

Outcome RemoteTransfer::list() {
    if (!m_backend)
        return unloaded();
    Outcome outcome;
    m_backend->list(d, &outcome);
    return outcome;
}

Outcome RemoteTransfer::store(const QByteArray& bytes, const QByteArray& expected, bool force,
                              const std::function<QString(const QByteArray&)>& keep) {
    if (!m_backend)
        return unloaded();
    Outcome outcome;
    m_backend->store(d, bytes, expected, force, keep, &outcome);
    return outcome;
}

namespace {

// QRegularExpression finds nothing in text that is not valid UTF-16: the stand-ins for bytes that
// are not UTF-8 are matched as U+FFFD, which keeps every position.
QString matchable(QString text) {
    for (QChar& c : text)
        if (c.isLowSurrogate() || c.isHighSurrogate())
            c = QChar::ReplacementCharacter;
    return text;
}

} // namespace

QString RemoteTransfer::temporaryName(const QString& fileName, bool old, const QString& suffix) {
    return QLatin1Char('.') + fileName +
           (old ? QStringLiteral(".ledgerwick-old-") : QStringLiteral(".ledgerwick-new-")) + suffix;
}

bool RemoteTransfer::isTemporaryName(const QString& name, QString* fileName, bool* old) {
    static const QRegularExpression form(
        QStringLiteral(R"(^\.(.+)\.ledgerwick-(new|old)-[0-9a-z]{6}$)"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(matchable(name));
    if (!match.hasMatch())
        return false;
    *fileName = name.mid(match.capturedStart(1), match.capturedLength(1));
    *old = match.captured(2) == QLatin1String("old");
    return true;
}

QList<RemoteEntry> RemoteTransfer::parseListing(const QByteArray& listing, const QDateTime& now) {
    // type+permissions, links, owner, group, size, month, day, time or year, name.
    static const QRegularExpression form(
        QStringLiteral(R"(^([dl\-bcps])([rwxsStT\-]{9})\S*\s+\d+\s+(\S+)\s+(\S+)\s+(\d+)\s+)"
                       R"((\w{3})\s+(\d{1,2})\s+(\d{1,2}:\d{2}|\d{4})\s)"));
    // Each entry starts with its type and permissions; a line that does not is the rest of the
    // name before it, which held a line break.
    QStringList records;
    QList<QByteArray> lines = listing.split('\n');
    // The line break that ends the last entry.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray line : std::as_const(lines)) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = RemoteAddress::pathFromBytes(line);
        if (form.match(matchable(text)).hasMatch() || records.isEmpty())
            records.append(text);
        else
            records.last() += QLatin1Char('\n') + text;
    }
    QList<RemoteEntry> entries;
    const QLocale c = QLocale::c();
    for (const QString& record : std::as_const(records)) {
        const QRegularExpressionMatch match = form.match(matchable(record));
        if (!match.hasMatch())
            continue;
        RemoteEntry entry;
        const QChar type = match.captured(1).at(0);
        QString name = record.mid(match.capturedEnd(0));
        if (type == QLatin1Char('l')) {
            const qsizetype arrow = name.indexOf(QStringLiteral(" -> "));
            if (arrow >= 0) {
                entry.linkTarget = name.mid(arrow + 4);
                name.truncate(arrow);
            }
        }
        if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        entry.name = name;
        entry.isFolder = type == QLatin1Char('d');
        entry.isLink = type == QLatin1Char('l');
        entry.isFile = type == QLatin1Char('-');
        const QString bits = match.captured(2);
        int mode = 0;
        for (int i = 0; i < 9; ++i) {
            const QChar bit = bits[i];
            if (bit != QLatin1Char('-') && bit != QLatin1Char('S') && bit != QLatin1Char('T'))
                mode |= 0400 >> i;
        }
        if (bits[2] == QLatin1Char('s') || bits[2] == QLatin1Char('S'))
            mode |= 04000;
        if (bits[5] == QLatin1Char('s') || bits[5] == QLatin1Char('S'))
            mode |= 02000;
        if (bits[8] == QLatin1Char('t') || bits[8] == QLatin1Char('T'))
            mode |= 01000;
        entry.mode = mode;
        entry.owner = match.captured(3);
        entry.group = match.captured(4);
        entry.size = match.captured(5).toLongLong();
        int month = 0;
        for (int m = 1; m <= 12; ++m)
            if (c.monthName(m, QLocale::ShortFormat)
                    .compare(match.captured(6), Qt::CaseInsensitive) == 0)
                month = m;
        const int day = match.captured(7).toInt();
        const QString clock = match.captured(8);
        if (clock.contains(QLatin1Char(':'))) {
            // Within the last half year: the year is this one, or last year for a later month.
            int year = now.date().year();
            const QDate date(year, month, day);
            if (date.isValid() && date > now.date().addDays(1))
                --year;
            entry.time = QDateTime(QDate(year, month, day),
                                   QTime::fromString(clock, QStringLiteral("H:mm")));
        } else {
            entry.time = QDateTime(QDate(clock.toInt(), month, day), QTime(0, 0));
        }
        entries.append(entry);
    }
    return entries;
}
