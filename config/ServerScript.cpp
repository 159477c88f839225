#include "config/ServerScript.h"

#include <algorithm>
#include <optional>

namespace ServerScript {

namespace {

bool isBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

// Outside quotes the server takes control characters and every byte above 0x7F for blanks.
bool isBlank(char16_t c) {
    return c <= 0x20 || c >= 0x80;
}

enum class State : char { Outside, Quote, LineComment, BlockComment };

// Positions [from, to) that a reading takes inside quotes or a comment.
struct Span {
    qsizetype from = 0;
    qsizetype to = 0;
    State state = State::Quote;
};

// After a cut the rest is read afresh, and so on every 1,023 bytes of a long command. Read from
// any position, the text goes on as any other reading that is in the same state there: it ends
// where that one ends. So long commands' readings are kept, and a rest is read only until it meets
// one of them; reading each rest to its end would take time growing with the square of the
// command's length (seconds for a line of a megabyte).
struct LongReading {
    quint64 id = 0; // 0 for none
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype bytes = 0; // of [begin, end)
    bool unclosedComment = false;
    QList<Span> inside; // in order, not overlapping, up to `until`
    // Where it met another kept reading and went on as that one, or its end.
    qsizetype until = 0;
    const LongReading* then = nullptr;
    quint64 thenId = 0; // the one met, unless its place has been taken since
    // The bytes of [begin, walked), walked to where the last question was.
    qsizetype walked = 0;
    qsizetype walkedBytes = 0;
    quint64 lastUse = 0;

    // The state of the reading at a position it reads, and where a span holding it ends; nothing
    // when that is no longer known.
    std::optional<State> stateAt(qsizetype position, qsizetype* spanEnd) const {
        if (position >= until) {
            if (!then || then->id != thenId)
                return std::nullopt;
            return then->stateAt(position, spanEnd);
        }
        const auto after =
            std::upper_bound(inside.cbegin(), inside.cend(), position,
                             [](qsizetype p, const Span& span) { return p < span.from; });
        if (after == inside.cbegin() || position >= std::prev(after)->to)
            return State::Outside;
        *spanEnd = std::prev(after)->to;
        return std::prev(after)->state;
    }

    // Whether a reading in `state` at `position` goes on as this one. A block comment is searched
    // for its "*/" from `position` on, so this one must not close it before.
    bool joins(qsizetype position, State state) const {
        if (id == 0 || position < begin || position >= end)
            return false;
        qsizetype spanEnd = 0;
        return stateAt(position, &spanEnd) == state &&
               (state != State::BlockComment || spanEnd >= position + 2);
    }
};

class Reader {
public:
    Reader(QStringView text, Visitor& visitor, const FileFormat& format = {})
        : m_text(reinterpret_cast<const char16_t*>(text.data()))
        , m_size(text.size())
        , m_visitor(visitor)
        , m_utf8(format.encoding == FileFormat::Encoding::Utf8)
        , m_markBytes(m_utf8 && format.byteOrderMark ? 3 : 0)
        , m_finalBreakBytes(format.finalLineBreak ? byteLength(format.lineBreak, format.encoding)
                                                  : 0) {}

    Totals run();
    QList<WordRange> wordsOf(qsizetype begin, qsizetype end) {
        QList<WordRange> words;
        split(begin, end, words, Mode::Part);
        return words;
    }

private:
    struct Split {
        qsizetype end = 0;
        bool unclosedQuote = false;
        bool unclosedComment = false; // a "/*" without its "*/", the last comment
        // Where the reading met a kept one and goes on as it.
        LongReading* joined = nullptr;
        qsizetype joinedAt = 0;
    };

    // How much a split notes: a whole command's reading may be kept; a rest's may join a kept one.
    enum class Mode { Part, Whole, Rest };

    Split split(qsizetype from, qsizetype limit, QList<WordRange>& words, Mode mode);
    LongReading* joining(qsizetype position, State state);
    void keep(qsizetype begin, const Split& whole, qsizetype bytes);
    void deliver(const CommandRange& command, const QList<WordRange>& words, const Split& split);
    qsizetype bytes(qsizetype from, qsizetype to) const;
    qsizetype bytesFrom(LongReading& reading, qsizetype position) const;
    qsizetype unitLength(qsizetype at) const;
    qsizetype unitBytes(qsizetype at) const;
    int lineAt(qsizetype position);

    const char16_t* m_text;
    qsizetype m_size;
    Visitor& m_visitor;
    bool m_utf8;
    qsizetype m_markBytes;       // before the first command
    qsizetype m_finalBreakBytes; // added after a last line without a line break

    // Kept from command to command, so that reading allocates only for the largest command.
    QList<WordRange> m_words;
    QList<WordRange> m_cutWords;
    QList<Span> m_inside;      // of the last whole split
    QList<Comment> m_comments; // of the last split, reported once it is known to run
    // A few, as quotes and comments read one way from some cuts and another way from others.
    LongReading m_long[4];
    quint64 m_uses = 0;
    qsizetype m_linePosition = 0;
    int m_line = 1;
    int m_unclosedCommentLine = 0;
};

// One command as the server splits it, from `from` to its separator, or to `limit` where the
// server cut it: its words and comments. A whole split notes where it is inside quotes and
// comments; a rest's stops where it meets a kept reading.
Reader::Split Reader::split(qsizetype from, qsizetype limit, QList<WordRange>& words, Mode mode) {
    words.clear();
    m_comments.clear();
    const bool tracked = mode != Mode::Part;
    if (tracked)
        m_inside.clear();
    Split result;
    auto join = [&](qsizetype at, State state) {
        result.joined = mode == Mode::Rest ? joining(at, state) : nullptr;
        result.joinedAt = at;
        return result.joined != nullptr;
    };
    const char16_t* const t = m_text;
    // Of a long command, the words after its cut only tell that there are some: one is kept.
    const qsizetype pastAnyCut = from + 2 * kCommandBytes + 2;
    auto word = [&](qsizetype begin, qsizetype end, bool quoted) {
        if (begin > pastAnyCut && !words.isEmpty() && words.last().begin > pastAnyCut)
            words.last() = {begin, end, quoted};
        else
            words.append({begin, end, quoted});
    };
    qsizetype p = from;
    while (p < limit) {
        const char16_t c = t[p];
        if (isBreak(c) || c == u';')
            break;
        if (isBlank(c)) {
            ++p;
            continue;
        }
        if (join(p, State::Outside))
            break;
        if (c == u'"') {
            qsizetype q = p + 1;
            while (q < limit && t[q] != u'"' && !isBreak(t[q]))
                ++q;
            word(p + 1, q, true);
            const bool closed = q < limit && t[q] == u'"';
            result.unclosedQuote = !closed;
            if (tracked)
                m_inside.append({p + 1, closed ? q + 1 : q, State::Quote});
            p = closed ? q + 1 : q;
            continue;
        }
        if (c == u'/' && p + 1 < limit && (t[p + 1] == u'/' || t[p + 1] == u'*')) {
            const State state = t[p + 1] == u'/' ? State::LineComment : State::BlockComment;
            if (join(p + 2, state)) {
                m_comments.append({0, p, p + 2});
                m_inside.append({p + 1, p + 2, state});
                break;
            }
            qsizetype end = p + 2;
            if (state == State::LineComment) {
                while (end < limit && !isBreak(t[end]))
                    ++end;
            } else {
                const qsizetype close = QStringView(t, limit).indexOf(u"*/", p + 2);
                end = close < 0 ? limit : close + 2;
                result.unclosedComment = close < 0;
            }
            m_comments.append({0, p, end});
            if (tracked)
                m_inside.append({p + 1, end, state});
            p = end;
            continue;
        }
        qsizetype q = p + 1;
        while (q < limit) {
            const char16_t d = t[q];
            if (isBlank(d) || d == u'"' || d == u';')
                break;
            if (d == u'/' && q + 1 < limit && (t[q + 1] == u'/' || t[q + 1] == u'*'))
                break;
            ++q;
        }
        word(p, q, false);
        p = q;
    }
    if (result.joined) {
        result.end = result.joined->end;
        result.unclosedComment = result.joined->unclosedComment;
    } else {
        result.end = p;
    }
    return result;
}

LongReading* Reader::joining(qsizetype position, State state) {
    for (LongReading& reading : m_long) {
        if (reading.joins(position, state)) {
            reading.lastUse = ++m_uses;
            return &reading;
        }
    }
    return nullptr;
}

// Keeps the last whole or rest split, a long command's, in place of the reading used least lately.
void Reader::keep(qsizetype begin, const Split& whole, qsizetype bytes) {
    // The one met was used last, so it is not the one replaced.
    const LongReading* then = whole.joined;
    const quint64 thenId = then ? then->id : 0;
    LongReading* reading = &m_long[0];
    for (LongReading& other : m_long) {
        if (other.lastUse < reading->lastUse)
            reading = &other;
    }
    reading->id = ++m_uses;
    reading->begin = begin;
    reading->end = whole.end;
    reading->bytes = bytes;
    reading->unclosedComment = whole.unclosedComment;
    reading->inside.swap(m_inside);
    reading->until = whole.joined ? whole.joinedAt : whole.end;
    reading->then = then;
    reading->thenId = thenId;
    reading->walked = begin;
    reading->walkedBytes = 0;
    reading->lastUse = m_uses;
}

qsizetype Reader::bytes(qsizetype from, qsizetype to) const {
    return byteLength(QStringView(m_text + from, to - from),
                      m_utf8 ? FileFormat::Encoding::Utf8 : FileFormat::Encoding::Windows1252);
}

// The bytes from `position` to the reading's end, walking from where the last question was.
qsizetype Reader::bytesFrom(LongReading& reading, qsizetype position) const {
    if (position >= reading.walked)
        reading.walkedBytes += bytes(reading.walked, position);
    else
        reading.walkedBytes -= bytes(position, reading.walked);
    reading.walked = position;
    return reading.bytes - reading.walkedBytes;
}

qsizetype Reader::unitLength(qsizetype at) const {
    return QChar::isHighSurrogate(m_text[at]) && at + 1 < m_size &&
                   QChar::isLowSurrogate(m_text[at + 1])
               ? 2
               : 1;
}

qsizetype Reader::unitBytes(qsizetype at) const {
    return bytes(at, at + unitLength(at));
}

int Reader::lineAt(qsizetype position) {
    for (; m_linePosition < position; ++m_linePosition) {
        const char16_t c = m_text[m_linePosition];
        if (c == u'\n' ||
            (c == u'\r' && !(m_linePosition + 1 < m_size && m_text[m_linePosition + 1] == u'\n')))
            ++m_line;
    }
    return m_line;
}

void Reader::deliver(const CommandRange& command, const QList<WordRange>& words,
                     const Split& split) {
    m_visitor.command(command, words);
    for (Comment& comment : m_comments) {
        comment.line = lineAt(comment.begin);
        m_visitor.comment(comment);
    }
    // An open comment swallows the rest of the file only if nothing runs after it.
    if (!words.isEmpty())
        m_unclosedCommentLine = 0;
    if (split.unclosedComment)
        m_unclosedCommentLine = m_comments.last().line;
}

Totals Reader::run() {
    qsizetype restUntil = 0; // commands beginning before this run only because of a cut
    qsizetype p = 0;
    while (p < m_size) {
        const qsizetype begin = p;
        CommandRange command;
        command.line = lineAt(begin);
        command.begin = begin;
        command.rest = begin < restUntil;
        Split whole = split(begin, m_size, m_words, command.rest ? Mode::Rest : Mode::Whole);
        command.end = whole.end;
        // The byte order mark reaches the server as blanks in front of the first command.
        const qsizetype mark = begin == 0 ? m_markBytes : 0;
        command.bytes = mark + (whole.joined ? bytes(begin, whole.joinedAt) +
                                                   bytesFrom(*whole.joined, whole.joinedAt)
                                             : bytes(begin, whole.end));
        const qsizetype written = command.bytes - mark;
        // A comment left open runs over the line break that the saver adds at the end.
        if (whole.unclosedComment && !isBreak(m_text[m_size - 1]))
            command.bytes += m_finalBreakBytes;
        if (command.bytes <= kCommandBytes) {
            if (whole.joined) // short: read whole
                whole = split(begin, m_size, m_words, Mode::Part);
            command.unclosedQuote = whole.unclosedQuote;
            deliver(command, m_words, whole);
            p = whole.end;
            if (p < m_size)
                p += m_text[p] == u'\r' && p + 1 < m_size && m_text[p + 1] == u'\n' ? 2 : 1;
            continue;
        }
        // The first 1,023 bytes run, the next byte is lost, and what follows is read afresh.
        // Where the limit falls inside a line break (inside a comment: two bytes for a lone CR or
        // LF), the rest starts after it either way.
        qsizetype counted = mark;
        qsizetype q = begin;
        while (q < whole.end && counted + unitBytes(q) <= kCommandBytes) {
            counted += unitBytes(q);
            q += unitLength(q);
        }
        qsizetype cut = q;
        qsizetype rest = q;
        if (q < whole.end) {
            rest = q + unitLength(q);
            if (counted < kCommandBytes)
                cut = rest;
        }
        // A rest that met a kept reading within a few cuts' length is cheap to read again (at
        // most four times the text in all); one that went further is kept.
        constexpr qsizetype kWorthKeeping = 4096;
        const Split part = split(begin, cut, m_cutWords, Mode::Part);
        command.cut = true;
        command.unclosedQuote = part.unclosedQuote;
        if (!command.rest) {
            command.cutKeepsWords =
                std::equal(m_cutWords.cbegin(), m_cutWords.cend(), m_words.cbegin(), m_words.cend(),
                           [](const WordRange& a, const WordRange& b) {
                               return a.begin == b.begin && a.end == b.end && a.quoted == b.quoted;
                           });
        }
        if (!whole.joined || whole.joinedAt - begin >= kWorthKeeping)
            keep(begin, whole, written);
        deliver(command, m_cutWords, part);
        restUntil = std::max(restUntil, whole.end);
        p = rest;
    }
    Totals totals;
    totals.unclosedCommentLine = m_unclosedCommentLine;
    totals.fileBytes = m_markBytes;
    if (m_size > 0)
        totals.fileBytes +=
            bytes(0, m_size) + (isBreak(m_text[m_size - 1]) ? 0 : m_finalBreakBytes);
    return totals;
}

class ScriptBuilder : public Visitor {
public:
    ScriptBuilder(QStringView text, Script& script)
        : m_text(text)
        , m_script(script) {}

    void command(const CommandRange& range, std::span<const WordRange> words) override {
        if (words.empty())
            return;
        Command command;
        command.line = range.line;
        command.begin = range.begin;
        command.end = range.end;
        command.bytes = range.bytes;
        command.cut = range.cut;
        command.rest = range.rest;
        command.words.reserve(static_cast<qsizetype>(words.size()));
        for (const WordRange& word : words)
            command.words.append(
                {m_text.sliced(word.begin, word.end - word.begin).toString(), word.quoted});
        m_script.commands.append(std::move(command));
    }

    void comment(const Comment& comment) override { m_script.comments.append(comment); }

private:
    QStringView m_text;
    Script& m_script;
};

QString joined(const QList<Word>& words, qsizetype from) {
    QString value;
    for (qsizetype i = from; i < words.size(); ++i) {
        if (i > from)
            value += QLatin1Char(' ');
        value += words[i].text;
    }
    return value;
}

} // namespace

Totals visit(QStringView text, Visitor& visitor, const FileFormat& format) {
    return Reader(text, visitor, format).run();
}

QList<WordRange> wordsOf(QStringView text, qsizetype begin, qsizetype end) {
    struct : Visitor {
        void command(const CommandRange&, std::span<const WordRange>) override {}
    } none;
    return Reader(text, none).wordsOf(begin, end);
}

Script read(QStringView text, const FileFormat& format) {
    Script script;
    ScriptBuilder builder(text, script);
    const Totals totals = visit(text, builder, format);
    script.unclosedCommentLine = totals.unclosedCommentLine;
    script.fileBytes = totals.fileBytes;
    return script;
}

qsizetype byteLength(QStringView text, FileFormat::Encoding encoding) {
    qsizetype n = text.size();
    const bool utf8 = encoding == FileFormat::Encoding::Utf8;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            n += utf8 ? 2 : -1; // four bytes in UTF-8 for the two units
            ++i;
        } else if (utf8) {
            n += c < 0x800 ? 1 : 2;
        }
    }
    return n;
}

Verb verbOf(QStringView firstWord) {
    if (firstWord.compare(u"set", Qt::CaseInsensitive) == 0)
        return Verb::Set;
    if (firstWord.compare(u"sets", Qt::CaseInsensitive) == 0)
        return Verb::Sets;
    if (firstWord.compare(u"seta", Qt::CaseInsensitive) == 0)
        return Verb::Seta;
    return Verb::Bare;
}

bool registeredAtStart(QStringView name) {
    // Measured on a server: a bare line of each of these took effect.
    static constexpr QStringView kEngine[] = {
        u"sv_hostname", u"sv_maxclients",    u"sv_privateclients", u"sv_privatepassword",
        u"sv_pure",     u"sv_allowdownload", u"sv_cheats",         u"sv_floodprotect",
        u"sv_fps",      u"sv_maxrate",       u"sv_maxping",        u"sv_minping",
        u"net_ip",      u"net_port",         u"g_gametype",        u"rconpassword"};
    return std::any_of(std::cbegin(kEngine), std::cend(kEngine), [name](QStringView known) {
        return name.compare(known, Qt::CaseInsensitive) == 0;
    });
}

std::optional<Assignment> assignment(const Command& command) {
    const QList<Word>& words = command.words;
    if (words.isEmpty())
        return std::nullopt;
    const Verb verb = verbOf(words.first().text);
    const qsizetype name = verb == Verb::Bare ? 0 : 1;
    if (words.size() < name + 2)
        return std::nullopt;
    return Assignment{verb, words[name].text, joined(words, name + 1)};
}

} // namespace ServerScript
