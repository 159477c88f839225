#include "config/Opening.h"

#include <QSet>

#include <algorithm>

namespace {

bool isBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Reads the commands and comments of a text once, noting each setting and where it stands.
class Reader : public ServerScript::Visitor {
public:
    Reader(const QString& text, const QList<qsizetype>& lineStarts)
        : m_text(text)
        , m_lineStarts(lineStarts)
        , m_other(lineStarts.size(), false) {}

    void command(const ServerScript::CommandRange& command,
                 std::span<const ServerScript::WordRange> words) override {
        if (words.empty())
            return;
        const QStringView word = wordText(words.front());
        if (firstMap < 0 && (word.compare(u"map", Qt::CaseInsensitive) == 0 ||
                             word.compare(u"map_rotate", Qt::CaseInsensitive) == 0))
            firstMap = command.begin;
        // What the server runs counts, also the rest of a cut command; a line without "set" sets
        // only a variable the server has by then.
        const ServerScript::Verb verb = ServerScript::verbOf(wordText(words.front()));
        const size_t name = verb == ServerScript::Verb::Bare ? 0 : 1;
        if (words.size() < name + 2 || (verb == ServerScript::Verb::Bare &&
                                        !ServerScript::registeredAtStart(wordText(words[0])))) {
            markOther(command.begin, command.end);
            return;
        }
        QString value;
        for (size_t i = name + 1; i < words.size(); ++i) {
            if (i > name + 1)
                value += QLatin1Char(' ');
            value += wordText(words[i]);
        }
        const ServerScript::WordRange& first = words[name + 1];
        settings.append({verb, wordText(words[name]).toString(), value});
        places.append({command.begin, command.end, words[name].end,
                       first.begin - (first.quoted ? 1 : 0), valueEnd(words.back()), command.cut,
                       command.rest});
        lines.append(command.line - 1);
    }

    void comment(const ServerScript::Comment& comment) override {
        markOther(comment.begin, comment.end);
    }

    QList<Opening::Setting> settings;
    struct Place {
        qsizetype begin, end, nameEnd, valueBegin, valueEnd;
        bool cut, rest;
    };
    QList<Place> places;
    QList<int> lines;
    qsizetype firstMap = -1; // the first command that starts a map

    QList<bool> takeOther() { return std::move(m_other); }

    // After a word, with its closing quote when it has one.
    qsizetype valueEnd(const ServerScript::WordRange& word) const {
        const bool closed =
            word.quoted && word.end < m_text.size() && m_text[word.end] == QLatin1Char('"');
        return word.end + (closed ? 1 : 0);
    }

private:
    QStringView wordText(const ServerScript::WordRange& word) const {
        return QStringView(m_text).mid(word.begin, word.end - word.begin);
    }

    int lineOf(qsizetype position) const {
        return static_cast<int>(
                   std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), position) -
                   m_lineStarts.cbegin()) -
               1;
    }

    void markOther(qsizetype begin, qsizetype end) {
        for (int line = lineOf(begin), last = lineOf(qMax(begin, end - 1)); line <= last; ++line)
            m_other[line] = true;
    }

    const QString& m_text;
    const QList<qsizetype>& m_lineStarts;
    QList<bool> m_other;
};

// A change to the text: [from, to) becomes `with`. Insertions have from == to.
struct Edit {
    qsizetype from = 0;
    qsizetype to = 0;
    QString with;
    int order = 0; // of insertions at one place
};

} // namespace

Opening::Opening(const QString& text, const FileFormat& format)
    : m_text(text)
    , m_format(format) {
    m_lineStarts.append(0);
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        if (m_text[i] == QLatin1Char('\r') && i + 1 < m_text.size() &&
            m_text[i + 1] == QLatin1Char('\n'))
            ++i;
        if (isBreak(m_text[i]) && i + 1 < m_text.size())
            m_lineStarts.append(i + 1);
    }
    Reader reader(m_text, m_lineStarts);
    ServerScript::visit(m_text, reader);
    m_settings = std::move(reader.settings);
    m_settingLines = std::move(reader.lines);
    m_lineHoldsOther = reader.takeOther();
    if (reader.firstMap >= 0)
        m_mapLine = lineStart(reader.firstMap);
    m_places.reserve(reader.places.size());
    for (const Reader::Place& place : std::as_const(reader.places))
        m_places.append({place.begin, place.end, place.nameEnd, place.valueBegin, place.valueEnd,
                         place.cut, place.rest});
    for (qsizetype i = 0; i < m_settings.size(); ++i)
        m_byName[m_settings[i].name.toLower()].append(static_cast<int>(i));
}

Opening::Setting* Opening::find(QStringView name) {
    return const_cast<Setting*>(std::as_const(*this).find(name));
}

const Opening::Setting* Opening::find(QStringView name) const {
    const auto same = m_byName.constFind(name.toString().toLower());
    return same == m_byName.cend() ? nullptr : &m_settings[same->last()];
}

int Opening::takenCount() const {
    return static_cast<int>(std::count_if(m_settings.cbegin(), m_settings.cend(),
                                          [](const Setting& s) { return s.taken; }));
}

int Opening::otherLineCount() const {
    QList<bool> other = m_lineHoldsOther;
    for (qsizetype i = 0; i < m_settings.size(); ++i)
        if (!m_settings[i].taken)
            other[m_settingLines[i]] = true;
    return static_cast<int>(std::count(other.cbegin(), other.cend(), true));
}

QList<Opening::Line> Opening::settingLines(const QStringList& lines) {
    QList<Line> settings;
    for (const QString& line : lines) {
        const ServerScript::Script script = ServerScript::read(line);
        for (const ServerScript::Command& command : script.commands)
            if (const auto assignment = ServerScript::assignment(command))
                settings.append({assignment->name, assignment->value, line});
    }
    return settings;
}

qsizetype Opening::lineStart(qsizetype position) const {
    return *std::prev(std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), position));
}

qsizetype Opening::nextLineStart(qsizetype position) const {
    const auto next = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), position);
    return next == m_lineStarts.cend() ? m_text.size() : *next;
}

std::pair<qsizetype, qsizetype> Opening::writtenValue(const Place& place) const {
    qsizetype begin = place.valueBegin;
    qsizetype end = place.valueEnd;
    if (place.cut) {
        // What the file writes runs on past the cut, to the last word of the command's source.
        const QList<ServerScript::WordRange> words =
            ServerScript::wordsOf(m_text, place.begin, place.end);
        if (!words.isEmpty()) {
            const ServerScript::WordRange& last = words.last();
            const bool closed =
                last.quoted && last.end < place.end && m_text[last.end] == QLatin1Char('"');
            end = qMax(end, last.end + (closed ? 1 : 0));
        }
    }
    // Outside quotes the server reads `Café` as `Caf`: the é is the file's all the same.
    while (begin > place.nameEnd && m_text[begin - 1].unicode() >= 0x80)
        --begin;
    while (end < place.end && m_text[end].unicode() >= 0x80)
        ++end;
    return {begin, end};
}

QString Opening::rewritten(const QList<Line>& before, const QList<Line>& after,
                           const QStringList& own, const QList<Line>& loose) const {
    QHash<QString, QString> was;
    for (const Line& line : before)
        was.insert(line.name.toLower(), line.value);
    // The command of each variable that the server ends with, by lower-case name, for the
    // variables the pages write: a value is changed there, whether or not a page could show it.
    QHash<QString, int> held;
    for (const QList<Line>* lines : {&before, &after, &loose})
        for (const Line& line : *lines)
            if (const auto same = m_byName.constFind(line.name.toLower()); same != m_byName.cend())
                held.insert(same.key(), same->last());
    QSet<QString> written;
    for (const QList<Line>* lines : {&after, &loose})
        for (const Line& line : *lines)
            written.insert(line.name.toLower());

    QList<Edit> edits;
    QList<std::pair<qsizetype, qsizetype>> removed;
    const QString quote(QLatin1Char('"'));

    // Values changed where they stand; settings no longer written taken out, every one of them.
    for (auto setting = held.cbegin(); setting != held.cend(); ++setting) {
        if (was.contains(setting.key()) && !written.contains(setting.key())) {
            for (const int index : m_byName.value(setting.key()))
                removed.append({m_places[index].begin, m_places[index].end});
        }
    }
    for (const QList<Line>* lines : {&after, &loose})
        for (const Line& line : *lines) {
            const QString name = line.name.toLower();
            const auto setting = held.constFind(name);
            if (setting == held.cend() || (was.contains(name) && line.value == was.value(name)))
                continue;
            const Place& place = m_places[*setting];
            const auto [from, to] = writtenValue(place);
            // A value written right after its name (`set sv_hostname\xE9Caf`) gets a blank.
            const QString blank = from == place.nameEnd ? QStringLiteral(" ") : QString();
            edits.append({from, to, blank + quote + line.value + quote});
        }

    // A command taken out takes its ';' with it (the one after it, else the one before), and a
    // line left with blanks only goes whole, with its line break.
    for (auto& [from, to] : removed) {
        qsizetype start = from;
        while (start < to && isBlank(m_text[start]))
            ++start;
        if (to < m_text.size() && m_text[to] == QLatin1Char(';')) {
            ++to;
            while (to < m_text.size() && isBlank(m_text[to]))
                ++to;
            from = start;
        } else {
            qsizetype back = from;
            while (back > 0 && isBlank(m_text[back - 1]))
                --back;
            if (back > 0 && m_text[back - 1] == QLatin1Char(';'))
                from = back - 1;
            else
                from = start;
        }
    }
    std::sort(removed.begin(), removed.end());
    QList<std::pair<qsizetype, qsizetype>> merged;
    for (const auto& range : std::as_const(removed)) {
        if (!merged.isEmpty()) {
            qsizetype gap = merged.last().second;
            while (gap < range.first && isBlank(m_text[gap]))
                ++gap;
            if (gap >= range.first) {
                merged.last().second = qMax(merged.last().second, range.second);
                continue;
            }
        }
        merged.append(range);
    }
    for (auto [from, to] : std::as_const(merged)) {
        const qsizetype start = lineStart(from);
        qsizetype end = to;
        while (end < m_text.size() && isBlank(m_text[end]))
            ++end;
        const bool alone = std::all_of(m_text.cbegin() + start, m_text.cbegin() + from, isBlank) &&
                           (end == m_text.size() || isBreak(m_text[end]));
        if (alone) {
            from = start;
            to = nextLineStart(end);
        }
        edits.append({from, to, QString()});
    }

    // New lines after the nearest held setting before them, else before the nearest after them,
    // else at the end; not beside what runs only as the rest of a cut line (inside an old block
    // of comments, say), which is no line of its own.
    QHash<QString, int> anchors = held;
    anchors.removeIf([this](const auto& setting) { return m_places[setting.value()].rest; });
    const QString& lineBreak = m_format.lineBreak;
    const bool endsWithBreak = !m_text.isEmpty() && isBreak(m_text.back());
    int order = 0;
    auto atEnd = [&](const QString& line) {
        if (endsWithBreak || m_text.isEmpty())
            edits.append({m_text.size(), m_text.size(), line + lineBreak, order});
        else
            edits.append({m_text.size(), m_text.size(), lineBreak + line, order});
        ++order;
    };
    for (qsizetype i = 0; i < after.size(); ++i) {
        const QString name = after[i].name.toLower();
        if (held.contains(name) || (was.contains(name) && was.value(name) == after[i].value))
            continue;
        qsizetype anchor = -1;
        bool afterAnchor = true;
        for (qsizetype j = i - 1; j >= 0 && anchor < 0; --j)
            if (const auto setting = anchors.constFind(after[j].name.toLower());
                setting != anchors.cend())
                anchor = nextLineStart(qMax(m_places[*setting].begin, m_places[*setting].end - 1));
        for (qsizetype j = i + 1; j < after.size() && anchor < 0; ++j)
            if (const auto setting = anchors.constFind(after[j].name.toLower());
                setting != anchors.cend()) {
                anchor = lineStart(m_places[*setting].begin);
                afterAnchor = false;
            }
        if (anchor < 0 || (afterAnchor && anchor == m_text.size()))
            atEnd(after[i].text);
        else
            edits.append({anchor, anchor, after[i].text + lineBreak, order++});
    }
    // A mod's own variable before the map starts, so that the map starts with it set.
    for (const Line& line : loose) {
        const QString name = line.name.toLower();
        if (held.contains(name) || (was.contains(name) && was.value(name) == line.value))
            continue;
        if (m_mapLine >= 0)
            edits.append({m_mapLine, m_mapLine, line.text + lineBreak, order++});
        else
            atEnd(line.text);
    }
    for (const QString& line : own)
        atEnd(line);

    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        if (a.from != b.from)
            return a.from < b.from;
        // At one place: insertions first, in their order.
        const bool aInserts = a.from == a.to;
        const bool bInserts = b.from == b.to;
        if (aInserts != bInserts)
            return aInserts;
        return a.order < b.order;
    });
    QString result;
    result.reserve(m_text.size() + 64 * (after.size() + loose.size() + own.size()));
    qsizetype copied = 0;
    for (const Edit& edit : std::as_const(edits)) {
        if (edit.from > copied)
            result += QStringView(m_text).mid(copied, edit.from - copied);
        result += edit.with;
        copied = qMax(copied, edit.to);
    }
    result += QStringView(m_text).mid(copied);
    // A text that ended without a line break still does, whatever its last line is now.
    if (!m_text.isEmpty() && !endsWithBreak && !result.isEmpty() && isBreak(result.back())) {
        const bool lineFeed = result.back() == QLatin1Char('\n');
        result.chop(1);
        if (lineFeed && result.endsWith(QLatin1Char('\r')))
            result.chop(1);
    }
    return result;
}
