#include "config/TextCheck.h"

#include "config/CfgFile.h"
#include "config/CharacterNames.h"
#include "config/EnglishNumber.h"
#include "config/ServerScript.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

using namespace ServerScript;

namespace {

QString number(qsizetype n) {
    return englishNumber(n);
}

// Names are compared lower-cased character by character, so that a lookup needs no copy.
constexpr qsizetype kShortName = 64;

void lowerInto(QStringView name, char16_t* out) {
    for (const QChar c : name)
        *out++ = static_cast<char16_t>(QChar::toLower(c.unicode()));
}

QString lowered(QStringView name) {
    QString key(name.size(), Qt::Uninitialized);
    lowerInto(name, reinterpret_cast<char16_t*>(key.data()));
    return key;
}

bool isLineBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// A character of a variable name, or of set, sets and seta, as the program writes them.
bool isNameCharacter(QChar c) {
    const char16_t u = c.unicode();
    return u > 0x20 && u < 0x80 && u != u'"' && u != u';' && u != u'/';
}

// The kinds of problem, in the order they are listed on one line.
enum Rule {
    CannotStore,
    QuoteInValue,
    TakenForBlank,
    CutAtComment,
    NotAComment,
    NoClosingQuote,
    CutCommand,
    LongGameValue,
    LeftOutOfInfo,
    InfoTooLarge,
    NotANumber,
    WithoutSet,
    FileTooLarge,
    OpenComment,
};

struct Found {
    Rule rule;
    Problem problem;
};

// The characters of a line that the file cannot store: the first, and how many there are.
struct Unstorable {
    QString first;
    int count = 0;
    QString variable; // of the line's first assignment
};

// The lines holding characters that a file of this encoding cannot store, by line.
QMap<int, Unstorable> unstorable(QStringView text, FileFormat::Encoding encoding) {
    QMap<int, Unstorable> found;
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') &&
             (i + 1 == text.size() || text[i + 1] != QLatin1Char('\n')))) {
            ++line;
            continue;
        }
        qsizetype length = 1;
        bool bad = false;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            length = 2;
            bad = encoding == FileFormat::Encoding::Windows1252;
        } else if (c.isSurrogate()) {
            bad = true; // no encoding holds half a character
        } else {
            bad = encoding == FileFormat::Encoding::Windows1252 &&
                  CfgFile::windows1252Byte(c.unicode()) < 0;
        }
        if (bad) {
            Unstorable& here = found[line];
            if (here.count++ == 0)
                here.first = text.sliced(i, length).toString();
        }
        i += length - 1;
    }
    return found;
}

QString encodingName(FileFormat::Encoding encoding) {
    return encoding == FileFormat::Encoding::Utf8 ? QStringLiteral("UTF-8")
                                                  : QStringLiteral("Windows-1252");
}

class Checker : public Visitor {
public:
    // `valueLine`: the text is one line made from a typed value, whose quotes are all text.
    Checker(QStringView text, const Vocabulary& known, const FileFormat& format, bool valueLine)
        : m_text(text)
        , m_known(known)
        , m_format(format)
        , m_typedValue(valueLine)
        , m_unstorable(unstorable(text, format.encoding)) {}

    void command(const CommandRange& command, std::span<const WordRange> words) override;
    QList<Problem> finish(const Totals& totals);

private:
    // Where an assignment's name stands among its words; the value follows it.
    struct Parts {
        Verb verb = Verb::Bare;
        size_t name = 0;
    };
    // A value line: `set NAME "…` (or `NAME "…` for a known NAME), as the program writes them.
    struct ValueLine {
        QStringView name;
        bool quoteInside = false; // a double quote stands inside what the line shows as the value
        QString reads;            // the value the server reads instead, when one is inside
    };
    // A cut command, waiting to see whether anything runs after the cut.
    struct Cut {
        int line = 0;
        qsizetype bytes = 0;
        QStringView variable;
        bool keepsWords = false;
        bool restRuns = false;
        QStringList runs; // the first few commands of the rest, as the server runs them
        int moreRuns = 0;
    };

    QStringView wordAt(const WordRange& word) const {
        return m_text.sliced(word.begin, word.end - word.begin);
    }
    std::optional<Parts> partsOf(std::span<const WordRange> words) const;
    QString joined(std::span<const WordRange> words) const;
    QString shown(const CommandRange& command, std::span<const WordRange> words) const;
    bool continuesValue(qsizetype lineStart) const;
    std::optional<ValueLine> valueLine(qsizetype begin) const;
    void report(int line, Rule rule, QStringView variable, const QString& message);
    void startLine(const CommandRange& command, std::span<const WordRange> words);
    void closeLine();
    void closeCut();
    void checkAssignment(int line, std::span<const WordRange> words);
    void checkWords(const CommandRange& command, std::span<const WordRange> words);
    qsizetype bytes(QStringView text) const { return byteLength(text, m_format.encoding); }
    void checkNumber(int line, QStringView name, QStringView value);
    void checkInfo(int line, QStringView name, QStringView value);
    int lineOfByte(qsizetype byte) const;

    QStringView m_text;
    const Vocabulary& m_known;
    const FileFormat& m_format;
    const bool m_typedValue;
    QMap<int, Unstorable> m_unstorable;
    QList<Found> m_found;

    // The line whose commands are coming in.
    int m_line = 0;
    int m_lineCommands = 0;
    bool m_lastQuoteOpen = false;
    std::optional<ValueLine> m_valueLine;
    int m_openQuoteLine = 0; // a value line left open, until the next line shows whether it runs

    std::optional<Cut> m_cut;

    QHash<QString, qsizetype> m_info; // bytes in the server info by lower-case key
    qsizetype m_infoBytes = 0;
    bool m_infoReported = false;
};

std::optional<Checker::Parts> Checker::partsOf(std::span<const WordRange> words) const {
    // "# …" is no comment to the server but a command it does not know: it names no variable.
    if (words.empty() || wordAt(words[0]).startsWith(QLatin1Char('#')))
        return std::nullopt;
    const Verb verb = verbOf(wordAt(words[0]));
    const size_t name = verb == Verb::Bare ? 0 : 1;
    if (words.size() < name + 2)
        return std::nullopt;
    return Parts{verb, name};
}

QString Checker::joined(std::span<const WordRange> words) const {
    QString value;
    for (const WordRange& word : words) {
        if (&word != &words.front())
            value += QLatin1Char(' ');
        value += wordAt(word);
    }
    return value;
}

// A command as the server runs it, quoted words in their quotes, with its line; a long one
// shortened.
QString Checker::shown(const CommandRange& command, std::span<const WordRange> words) const {
    constexpr qsizetype kLongest = 60;
    QString text;
    for (const WordRange& word : words) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        if (word.quoted)
            text += QLatin1Char('"');
        text += wordAt(word);
        if (word.quoted)
            text += QLatin1Char('"');
        if (text.size() > kLongest)
            break;
    }
    if (text.size() > kLongest)
        text = text.left(kLongest - 1) + QChar(0x2026);
    return QCoreApplication::translate("TextCheck", "%1 (line %2)")
        .arg(text, englishNumber(command.line));
}

// Whether the line from `lineStart` goes on with a value that a line break cut: it holds an odd
// number of double quotes, the first of them touching the text before it or opening the line
// (`def"`), not opening a value of its own (`set b "y`).
bool Checker::continuesValue(qsizetype lineStart) const {
    const QStringView t = m_text;
    qsizetype end = lineStart;
    while (end < t.size() && !isBreak(t[end]))
        ++end;
    const QStringView line = t.sliced(lineStart, end - lineStart);
    if (line.count(QLatin1Char('"')) % 2 == 0)
        return false;
    const qsizetype quote = line.indexOf(QLatin1Char('"'));
    qsizetype before = quote;
    while (before > 0 && isLineBlank(line[before - 1]))
        --before;
    return before == 0 || before == quote;
}

std::optional<Checker::ValueLine> Checker::valueLine(qsizetype begin) const {
    const QStringView t = m_text;
    const qsizetype size = t.size();
    auto blanks = [&](qsizetype p) {
        while (p < size && isLineBlank(t[p]))
            ++p;
        return p;
    };
    auto name = [&](qsizetype p) {
        while (p < size && isNameCharacter(t[p]))
            ++p;
        return p;
    };
    qsizetype p = blanks(begin);
    qsizetype end = name(p);
    const QStringView first = t.sliced(p, end - p);
    if (first.isEmpty())
        return std::nullopt;
    ValueLine line;
    if (verbOf(first) != Verb::Bare) {
        p = blanks(end);
        if (p == end)
            return std::nullopt;
        end = name(p);
        line.name = t.sliced(p, end - p);
        if (line.name.isEmpty())
            return std::nullopt;
    } else if (m_known.kind(first)) {
        line.name = first;
    } else {
        return std::nullopt;
    }
    p = blanks(end);
    if (p == end || p == size || t[p] != QLatin1Char('"'))
        return std::nullopt;
    // The server's value ends at the next double quote; the line shows it ending there too when
    // nothing but blanks or a comment follows.
    for (qsizetype q = p + 1; q < size && !isBreak(t[q]); ++q) {
        if (t[q] != QLatin1Char('"'))
            continue;
        const qsizetype after = blanks(q + 1);
        line.quoteInside = !(after == size || isBreak(t[after]) ||
                             t.sliced(after).startsWith(QLatin1String("//")));
        break;
    }
    return line;
}

void Checker::report(int line, Rule rule, QStringView variable, const QString& message) {
    m_found.append({rule, Problem{line, variable.toString(), message}});
}

void Checker::command(const CommandRange& command, std::span<const WordRange> words) {
    if (!command.rest) {
        closeCut();
        if (command.cut) {
            Cut cut;
            cut.line = command.line;
            cut.bytes = command.bytes;
            cut.keepsWords = command.cutKeepsWords;
            if (const auto parts = partsOf(words))
                cut.variable = wordAt(words[parts->name]);
            m_cut = cut;
        }
    }
    if (words.empty())
        return;
    if (command.rest && m_cut) {
        m_cut->restRuns = true;
        constexpr qsizetype kListed = 3;
        if (m_cut->runs.size() < kListed)
            m_cut->runs.append(shown(command, words));
        else
            ++m_cut->moreRuns;
    }
    if (command.line != m_line) {
        closeLine();
        startLine(command, words);
    }
    ++m_lineCommands;
    m_lastQuoteOpen = command.unclosedQuote;
    if (!command.rest) {
        if (const auto found = m_unstorable.find(command.line);
            found != m_unstorable.end() && found->variable.isEmpty()) {
            if (const auto parts = partsOf(words))
                found->variable = wordAt(words[parts->name]).toString();
        }
        if (!m_typedValue)
            checkWords(command, words);
    }
    checkAssignment(command.line, words);
}

// A double quote that touches a word (`"My "Best" Server"`, `x"y"`) splits what the line shows as
// one word; outside quotes the server takes bytes above 0x7F for blanks (`Café` is `Caf`). Both
// once a command.
void Checker::checkWords(const CommandRange& command, std::span<const WordRange> words) {
    const QStringView t = m_text;
    auto endsWord = [&](qsizetype p) {
        if (p >= t.size() || p >= command.end)
            return true;
        const QChar c = t[p];
        return c.unicode() <= 0x20 || c == QLatin1Char(';') ||
               t.sliced(p).startsWith(QLatin1String("//")) ||
               t.sliced(p).startsWith(QLatin1String("/*"));
    };
    auto reads = [&]() {
        const auto parts = partsOf(words);
        return parts ? joined(words.subspan(parts->name + 1)) : joined(words);
    };
    auto closesOnItsLine = [&](qsizetype p) {
        while (p < t.size() && t[p] != QLatin1Char('"') && !isBreak(t[p]))
            ++p;
        return p < t.size() && t[p] == QLatin1Char('"');
    };
    const auto parts = partsOf(words);
    const QStringView variable = parts ? wordAt(words[parts->name]) : QStringView();
    // What is said of values is not said of a "#" line: it sets nothing.
    const bool unknown = wordAt(words[0]).startsWith(QLatin1Char('#'));
    bool unknownSaid = false;
    auto reportOnce = [&](bool& reported, Rule rule, const QString& message) {
        if (reported)
            return;
        reported = true;
        if (!unknown) {
            report(command.line, rule, variable, message);
        } else if (!unknownSaid) {
            unknownSaid = true;
            report(command.line, NotAComment, {},
                   QCoreApplication::translate(
                       "TextCheck", "the server takes no \"#\" for a comment: it runs the line "
                                    "as a command it does not know, which sets nothing."));
        }
    };
    bool quoteReported = false;
    bool blankReported = false;
    bool commentReported = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const WordRange& word = words[i];
        const bool closed = word.quoted && word.end < t.size() && t[word.end] == QLatin1Char('"');
        // A quote left open is the line break's problem, told of its own.
        const bool touches = word.quoted ? closed && !endsWord(word.end + 1)
                                         : word.end < t.size() && t[word.end] == QLatin1Char('"') &&
                                               closesOnItsLine(word.end + 1);
        if (touches) {
            reportOnce(quoteReported, QuoteInValue,
                       QCoreApplication::translate(
                           "TextCheck", "a double quote ends the value; the server reads \"%1\" "
                                        "instead.")
                           .arg(reads()));
        }
        if (word.quoted)
            continue;
        // A comment glued to a value cuts it: `http://dl.example.org` is `http:`.
        const bool inValue = parts && i > parts->name;
        if (inValue && word.end + 1 < command.end && t[word.end] == QLatin1Char('/') &&
            (t[word.end + 1] == QLatin1Char('/') || t[word.end + 1] == QLatin1Char('*'))) {
            reportOnce(commentReported, CutAtComment,
                       QCoreApplication::translate(
                           "TextCheck", "the server reads \"%1\"; put the value in double "
                                        "quotes.")
                           .arg(reads()));
        }
        if (blankReported)
            continue;
        const qsizetype before = word.begin - 1;
        qsizetype high = -1;
        if (before >= command.begin && t[before].unicode() >= 0x80)
            high = before;
        else if (word.end < command.end && t[word.end].unicode() >= 0x80)
            high = word.end;
        if (high < 0)
            continue;
        const qsizetype length =
            t[high].isHighSurrogate() && high + 1 < t.size() && t[high + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        reportOnce(blankReported, TakenForBlank,
                   QCoreApplication::translate(
                       "TextCheck", "outside double quotes the server takes \"%1\" for a "
                                    "blank; it reads \"%2\" instead.")
                       .arg(t.sliced(high, length).toString(), reads()));
    }
}

void Checker::startLine(const CommandRange& command, std::span<const WordRange> words) {
    // Reported where the value goes on after the line break: elsewhere the server holds the value
    // as the line shows it.
    if (m_openQuoteLine != 0 && command.line == m_openQuoteLine + 1 &&
        continuesValue(command.begin)) {
        report(m_openQuoteLine, NoClosingQuote, m_valueLine->name,
               QCoreApplication::translate(
                   "TextCheck", "the value has no closing double quote: the line break ends it, "
                                "and the next line runs as a command of its own."));
    }
    m_openQuoteLine = 0;
    m_line = command.line;
    m_lineCommands = 0;
    m_valueLine.reset();
    const bool atLineStart = command.begin == 0 || isBreak(m_text[command.begin - 1]);
    if (!atLineStart || command.rest)
        return;
    m_valueLine = valueLine(command.begin);
    if (m_valueLine && m_valueLine->quoteInside) {
        if (const auto parts = partsOf(words))
            m_valueLine->reads = joined(words.subspan(parts->name + 1));
    }
}

void Checker::closeLine() {
    if (!m_valueLine)
        return;
    if (m_typedValue && m_valueLine->quoteInside) {
        report(m_line, QuoteInValue, m_valueLine->name,
               m_lineCommands > 1
                   ? QCoreApplication::translate(
                         "TextCheck", "a double quote ends the value; the server runs the rest as "
                                      "commands.")
                   : QCoreApplication::translate(
                         "TextCheck", "a double quote ends the value; the server reads \"%1\" "
                                      "instead.")
                         .arg(m_valueLine->reads));
    }
    // The value line stays for the next line's report.
    if (m_lastQuoteOpen)
        m_openQuoteLine = m_line;
}

void Checker::closeCut() {
    if (m_cut && (!m_cut->keepsWords || m_cut->restRuns)) {
        QString message;
        if (m_typedValue) {
            message = QCoreApplication::translate(
                          "TextCheck",
                          "the line is %1 bytes long; the server cuts it after 1,023 and runs "
                          "the rest as a command.")
                          .arg(number(m_cut->bytes));
        } else if (!m_cut->restRuns) {
            message = QCoreApplication::translate(
                          "TextCheck",
                          "the line is %1 bytes long; the server reads only its first 1,023.")
                          .arg(number(m_cut->bytes));
        } else {
            QString runs = m_cut->runs.join(QLatin1String(", "));
            if (m_cut->moreRuns > 0)
                runs = QCoreApplication::translate("TextCheck", "%1 and %2 more")
                           .arg(runs, number(m_cut->moreRuns));
            message = QCoreApplication::translate(
                          "TextCheck", "the line is %1 bytes long; the server cuts it after "
                                       "1,023 and runs the rest: %2.")
                          .arg(number(m_cut->bytes), runs);
        }
        report(m_cut->line, CutCommand, m_cut->variable, message);
    }
    m_cut.reset();
}

void Checker::checkAssignment(int line, std::span<const WordRange> words) {
    const auto parts = partsOf(words);
    if (!parts)
        return;
    const QStringView name = wordAt(words[parts->name]);
    const std::span<const WordRange> valueWords = words.subspan(parts->name + 1);
    // Most values are one word, looked at where it stands.
    const QString several = valueWords.size() > 1 ? joined(valueWords) : QString();
    const QStringView value = valueWords.size() > 1 ? QStringView(several) : wordAt(valueWords[0]);
    const std::optional<ValueKind> kind = m_known.kind(name);

    if (name.startsWith(QLatin1String("g_"), Qt::CaseInsensitive) ||
        name.startsWith(QLatin1String("scr_"), Qt::CaseInsensitive)) {
        const qsizetype length = bytes(value);
        if (length >= 256) {
            report(line, LongGameValue, name,
                   QCoreApplication::translate(
                       "TextCheck", "the value is %1 characters long; at 256 or more the server "
                                    "cannot load the map.")
                       .arg(number(length)));
        }
    }
    if (parts->verb == Verb::Sets || name.compare(u"sv_hostname", Qt::CaseInsensitive) == 0)
        checkInfo(line, name, value);
    if (kind == ValueKind::Number)
        checkNumber(line, name, value);
    // The server has its own variables by the time it runs the file; the game's come with a map.
    if (parts->verb == Verb::Bare && kind && !registeredAtStart(name)) {
        report(line, WithoutSet, name,
               QCoreApplication::translate(
                   "TextCheck", "without \"set\" the server ignores this line when it starts with "
                                "the file."));
    }
}

// The server reads a number from its leading digits, and 0 when there are none.
void Checker::checkNumber(int line, QStringView name, QStringView value) {
    if (value.isEmpty()) {
        report(line, NotANumber, name,
               QCoreApplication::translate("TextCheck", "the server reads an empty value as 0."));
        return;
    }
    const qsizetype sign = value.front() == QLatin1Char('-') ? 1 : 0;
    qsizetype end = sign;
    while (end < value.size() && value[end] >= QLatin1Char('0') && value[end] <= QLatin1Char('9'))
        ++end;
    if (end == value.size() && end > sign)
        return;
    QStringView digits = value.sliced(sign, end - sign);
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits = digits.sliced(1);
    bool fits = false;
    const qlonglong n = digits.toLongLong(&fits);
    QString read = digits.isEmpty() ? QStringLiteral("0") : fits ? number(n) : digits.toString();
    if (sign && read != QLatin1String("0"))
        read.prepend(QLatin1Char('-'));
    report(line, NotANumber, name,
           QCoreApplication::translate("TextCheck", "the server reads \"%1\" as %2.")
               .arg(value.toString(), read));
}

// The server name and every `sets` variable go into the server info as `\name\value`.
void Checker::checkInfo(int line, QStringView name, QStringView value) {
    const bool leftOut = value.contains(QLatin1Char('\\')) || value.contains(QLatin1Char(';'));
    if (leftOut) {
        report(line, LeftOutOfInfo, name,
               QCoreApplication::translate(
                   "TextCheck", "the server leaves a value holding \\ or ; out of the server info "
                                "that server lists show."));
    }
    const qsizetype infoBytes = leftOut ? 0 : 2 + bytes(name) + bytes(value);
    qsizetype& held = m_info[lowered(name)];
    m_infoBytes += infoBytes - held;
    held = infoBytes;
    if (!m_infoReported && m_infoBytes > kCommandBytes) {
        m_infoReported = true;
        report(line, InfoTooLarge, name,
               QCoreApplication::translate(
                   "TextCheck", "the server info reaches %1 bytes; the server keeps at most 1,023 "
                                "and leaves keys out.")
                   .arg(number(m_infoBytes)));
    }
}

// The line holding the given byte (from 1) of the file.
int Checker::lineOfByte(qsizetype byte) const {
    int line = 1;
    qsizetype counted =
        m_format.encoding == FileFormat::Encoding::Utf8 && m_format.byteOrderMark ? 3 : 0;
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text[i];
        const qsizetype length =
            c.isHighSurrogate() && i + 1 < m_text.size() && m_text[i + 1].isLowSurrogate() ? 2 : 1;
        counted += bytes(m_text.sliced(i, length));
        i += length - 1;
        if (counted >= byte)
            return line;
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') &&
             (i + 1 == m_text.size() || m_text[i + 1] != QLatin1Char('\n'))))
            ++line;
    }
    return line; // in the line break the saver adds
}

QList<Problem> Checker::finish(const Totals& totals) {
    closeCut();
    closeLine();
    for (auto found = m_unstorable.cbegin(); found != m_unstorable.cend(); ++found) {
        const QString others =
            found->count > 1 ? QCoreApplication::translate("TextCheck", " and %1 more on this line")
                                   .arg(number(found->count - 1))
                             : QString();
        report(found.key(), CannotStore, found->variable,
               QCoreApplication::translate("TextCheck",
                                           "the character %1%2 cannot be stored in a %3 file.")
                   .arg(describeCharacter(found->first), others, encodingName(m_format.encoding)));
    }
    if (totals.fileBytes > kFileBytes) {
        report(lineOfByte(kFileBytes + 1), FileTooLarge, {},
               QCoreApplication::translate(
                   "TextCheck", "the file is %1 bytes long; the server runs nothing of a file over "
                                "16,384 bytes.")
                   .arg(number(totals.fileBytes)));
    }
    if (totals.unclosedCommentLine != 0) {
        report(totals.unclosedCommentLine, OpenComment, {},
               QCoreApplication::translate(
                   "TextCheck", "the comment opened here is never closed; the server ignores the "
                                "rest of the file."));
    }
    std::stable_sort(m_found.begin(), m_found.end(), [](const Found& a, const Found& b) {
        return a.problem.line != b.problem.line ? a.problem.line < b.problem.line : a.rule < b.rule;
    });
    QList<Problem> problems;
    problems.reserve(m_found.size());
    for (Found& found : m_found)
        problems.append(std::move(found.problem));
    return problems;
}

} // namespace

QString Problem::text() const {
    const QString where = englishNumber(line);
    if (variable.isEmpty())
        return QCoreApplication::translate("TextCheck", "Line %1: %2").arg(where, message);
    return QCoreApplication::translate("TextCheck", "Line %1 (%2): %3")
        .arg(where, variable, message);
}

void Vocabulary::add(const QString& name, ValueKind kind) {
    m_kinds.insert(lowered(name), kind);
}

std::optional<ValueKind> Vocabulary::kind(QStringView name) const {
    if (m_kinds.isEmpty())
        return std::nullopt;
    QHash<QString, ValueKind>::const_iterator found;
    if (name.size() <= kShortName) {
        char16_t buffer[kShortName];
        lowerInto(name, buffer);
        found = m_kinds.constFind(
            QString::fromRawData(reinterpret_cast<const QChar*>(buffer), name.size()));
    } else {
        found = m_kinds.constFind(lowered(name));
    }
    if (found == m_kinds.cend())
        return std::nullopt;
    return *found;
}

QList<Problem> checkText(QStringView text, const Vocabulary& known, const FileFormat& format) {
    Checker checker(text, known, format, false);
    const Totals totals = visit(text, checker, format);
    return checker.finish(totals);
}

QList<Problem> checkValueLine(QStringView line, const Vocabulary& known, const FileFormat& format) {
    Checker checker(line, known, format, true);
    const Totals totals = visit(line, checker, format);
    return checker.finish(totals);
}
