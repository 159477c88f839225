#pragma once

#include "config/FileFormat.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <span>

// How the server reads a .cfg text: its commands, their words and comments, and byte lengths of
// the file. The text stands as in its file, line breaks included; the file's format tells the
// bytes of each character (one in Windows-1252, a surrogate pair once though the file cannot hold
// it; one to four in UTF-8), the byte order mark before the first line, and the line break the
// saver adds after a last line that has none.
namespace ServerScript {

// The longest command the server runs whole, and the most of a file it runs at all.
constexpr qsizetype kCommandBytes = 1023;
constexpr qsizetype kFileBytes = 16384;

struct Word {
    QString text;
    bool quoted = false;
};

// A cut command's source and bytes are those written, up to where the server would have ended it
// uncut; what runs after the cut follows as rest commands, which begin inside that source. A
// command spans lines only through a "/* */" comment.
struct Command {
    int line = 0;        // the line (from 1) on which the command begins
    qsizetype begin = 0; // its source in the text: [begin, end), without its ';' or line break
    qsizetype end = 0;
    QList<Word> words;   // as the server splits it, comments left out
    qsizetype bytes = 0; // its length in bytes of the saved file
    bool cut = false;    // over 1,023 bytes: words are those of the first 1,023 bytes
    bool rest = false;   // what the server runs as a new command after a cut one
};

// "//…" or "/*…*/" outside quotes, as a range of the text.
struct Comment {
    int line = 0;
    qsizetype begin = 0;
    qsizetype end = 0;
};

struct Script {
    QList<Command> commands; // in order; a line with nothing but blanks/comments gives no command
    QList<Comment> comments;
    // The line of a "/*" never closed (it swallows the rest of the file), or 0.
    int unclosedCommentLine = 0;
    // Size of the file: its byte order mark, its lines, the final line break the format adds when
    // the text has none; an empty text is its byte order mark alone.
    qsizetype fileBytes = 0;
};

Script read(QStringView text, const FileFormat& format = {});

// The bytes of `text` in a file of this encoding.
qsizetype byteLength(QStringView text, FileFormat::Encoding encoding);

enum class Verb { Set, Sets, Seta, Bare };

struct Assignment {
    Verb verb = Verb::Set;
    QString name;
    QString value;
};

// "set|sets|seta NAME VALUE…" (command word in any letter case; VALUE = the remaining words
// joined by one blank, possibly empty when given as "") or "NAME VALUE…" (Bare: any other first
// word with at least one more word). Nothing for a command with fewer words ("set x" sets
// nothing).
std::optional<Assignment> assignment(const Command& command);

// What a command's first word makes of it: Bare for anything but set, sets and seta.
Verb verbOf(QStringView firstWord);

// A variable the server registers itself at start, before it runs a .cfg (any letter case): a
// line without "set" changes only such a one. Among the pages' variables these are the engine's;
// the game's own (scr_…, g_allowVote…, g_password …) exist only once a map loads.
bool registeredAtStart(QStringView name);

// The same reading with each word as a range of the text instead of a copy, one command at a
// time: for callers that look at every command of a large text and keep few of its words, such
// as the checks that run on every keystroke.

struct WordRange {
    qsizetype begin = 0; // the word's characters, without its quotes
    qsizetype end = 0;
    bool quoted = false;
};

struct CommandRange {
    int line = 0;
    qsizetype begin = 0; // as in Command
    qsizetype end = 0;
    qsizetype bytes = 0;
    bool cut = false;
    bool rest = false;
    bool unclosedQuote = false; // a double quote opened and ended only by the command's end
    // Cut, yet what runs has all the words of the whole source; only for a cut that is no rest.
    bool cutKeepsWords = false;
};

class Visitor {
public:
    virtual ~Visitor() = default;
    // Every command in order, also those without words (blank or comment-only lines), which
    // read() leaves out.
    virtual void command(const CommandRange& command, std::span<const WordRange> words) = 0;
    virtual void comment(const Comment&) {}
};

struct Totals {
    int unclosedCommentLine = 0;
    qsizetype fileBytes = 0;
};

Totals visit(QStringView text, Visitor& visitor, const FileFormat& format = {});

// The words of [begin, end) of `text` read as one command that is not cut: what a cut command
// writes. Past two cuts' length only the last word is kept.
QList<WordRange> wordsOf(QStringView text, qsizetype begin, qsizetype end);

} // namespace ServerScript
