#include "config/ServerScript.h"

#include <algorithm>

namespace ServerScript {

namespace {

bool isBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

// Outside quotes the server takes control characters and every byte above 0x7F for blanks.
bool isBlank(char16_t c) {
    return c <= 0x20 || c >= 0x80;
}

bool sameWords(std::span<const WordRange> a, std::span<const WordRange> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const WordRange& x, const WordRange& y) {
                          return x.begin == y.begin && x.end == y.end && x.quoted == y.quoted;
                      });
}

class Reader {
public:
    Reader(QStringView text, Visitor& visitor)
        : m_text(reinterpret_cast<const char16_t*>(text.data()))
        , m_size(text.size())
        , m_visitor(visitor) {}

    Totals run();

private:
    struct Split {
        qsizetype end = 0;
        bool unclosedQuote = false;
        bool unclosedComment = false; // a "/*" without its "*/", the last comment
    };

    Split split(qsizetype from, qsizetype limit, QList<WordRange>& words);
    void deliver(const CommandRange& command, const QList<WordRange>& words, const Split& split);
    qsizetype bytes(qsizetype from, qsizetype to) const;
    qsizetype unitLength(qsizetype at) const;
    qsizetype unitBytes(qsizetype at) const;
    int lineAt(qsizetype position);

    const char16_t* m_text;
    qsizetype m_size;
    Visitor& m_visitor;

    // Kept from command to command, so that reading allocates only for the largest command.
    QList<WordRange> m_words;
    QList<WordRange> m_cutWords;
    QList<Comment> m_comments; // those of the last split, reported once it is known to run
    qsizetype m_linePosition = 0;
    int m_line = 1;
    int m_unclosedCommentLine = 0;
};

// One command as the server splits it, from `from` to its separator, or to `limit` where the
// server cut it: its words and comments.
Reader::Split Reader::split(qsizetype from, qsizetype limit, QList<WordRange>& words) {
    words.clear();
    m_comments.clear();
    Split result;
    const char16_t* const t = m_text;
    qsizetype p = from;
    while (p < limit) {
        const char16_t c = t[p];
        if (isBreak(c) || c == u';')
            break;
        if (c == u'"') {
            qsizetype q = p + 1;
            while (q < limit && t[q] != u'"' && !isBreak(t[q]))
                ++q;
            words.append({p + 1, q, true});
            if (q < limit && t[q] == u'"') {
                p = q + 1;
            } else {
                result.unclosedQuote = true;
                p = q;
            }
            continue;
        }
        if (c == u'/' && p + 1 < limit && t[p + 1] == u'/') {
            qsizetype q = p + 2;
            while (q < limit && !isBreak(t[q]))
                ++q;
            m_comments.append({0, p, q});
            p = q;
            continue;
        }
        if (c == u'/' && p + 1 < limit && t[p + 1] == u'*') {
            const qsizetype close = QStringView(t, limit).indexOf(u"*/", p + 2);
            const qsizetype end = close < 0 ? limit : close + 2;
            result.unclosedComment = close < 0;
            m_comments.append({0, p, end});
            p = end;
            continue;
        }
        if (isBlank(c)) {
            ++p;
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
        words.append({p, q, false});
        p = q;
    }
    result.end = p;
    return result;
}

// A line break counts as the CR LF it is saved as; a surrogate pair as the one character it is.
qsizetype Reader::bytes(qsizetype from, qsizetype to) const {
    qsizetype n = to - from;
    for (qsizetype i = from; i < to; ++i) {
        const char16_t c = m_text[i];
        if (c >= 0x0E && (c < 0xD800 || c >= 0xDC00))
            continue;
        if (c == u'\n' && !(i > 0 && m_text[i - 1] == u'\r'))
            ++n;
        else if (c == u'\r' && !(i + 1 < m_size && m_text[i + 1] == u'\n'))
            ++n;
        else if (QChar::isHighSurrogate(c) && i + 1 < m_size &&
                 QChar::isLowSurrogate(m_text[i + 1]))
            --n;
    }
    return n;
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
        const Split whole = split(begin, m_size, m_words);
        CommandRange command;
        command.line = lineAt(begin);
        command.begin = begin;
        command.end = whole.end;
        command.bytes = bytes(begin, whole.end);
        // A comment left open runs over the line break that the saver adds at the end.
        if (whole.unclosedComment && !isBreak(m_text[m_size - 1]))
            command.bytes += 2;
        command.rest = begin < restUntil;
        if (command.bytes <= kCommandBytes) {
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
        qsizetype counted = 0;
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
        const Split part = split(begin, cut, m_cutWords);
        command.cut = true;
        command.unclosedQuote = part.unclosedQuote;
        command.cutKeepsWords = sameWords(m_cutWords, m_words);
        deliver(command, m_cutWords, part);
        restUntil = std::max(restUntil, whole.end);
        p = rest;
    }
    Totals totals;
    totals.unclosedCommentLine = m_unclosedCommentLine;
    if (m_size > 0)
        totals.fileBytes = bytes(0, m_size) + (isBreak(m_text[m_size - 1]) ? 0 : 2);
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

Totals visit(QStringView text, Visitor& visitor) {
    return Reader(text, visitor).run();
}

Script read(QStringView text) {
    Script script;
    ScriptBuilder builder(text, script);
    const Totals totals = visit(text, builder);
    script.unclosedCommentLine = totals.unclosedCommentLine;
    script.fileBytes = totals.fileBytes;
    return script;
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
