#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a saved .cfg file and how they reach the disk.
namespace CfgFile {

struct Encoded {
    QByteArray bytes;
    // When a character cannot be stored: its line, counted from 1, and the character itself.
    int badLine = 0;
    QString badCharacter;

    bool ok() const { return badLine == 0; }
};

// Windows-1252 text with CR LF after every line. A text that does not end with a line break gets
// one; an empty text stays empty. Line breaks may be LF, CR LF or CR.
Encoded encode(const QString& text);

enum class Failure { None, Create, Write };

struct WriteResult {
    Failure failure = Failure::None;
    // The operating system's description of what failed.
    QString reason;

    bool ok() const { return failure == Failure::None; }
};

// Writes bytes to a temporary file beside the target and renames it over the target only when
// every byte is on the disk, so that a failed save never damages an existing file and leaves no
// partial one. A replaced file keeps its permissions; a new file gets the usual ones. Temporary
// files that a save cut short (by a crash) left in the folder are removed first.
WriteResult write(const QString& path, const QByteArray& bytes);

enum class ReadFailure { None, Open, NotText, TooLarge };

struct ReadResult {
    QString text;
    ReadFailure failure = ReadFailure::None;
    // The operating system's description of what failed when opening or reading; empty for the
    // other failures.
    QString reason;

    bool ok() const { return failure == ReadFailure::None; }
};

// The text of a whole file: Open when it cannot be opened or read (missing, not permitted, a
// folder), NotText when it holds a NUL byte, TooLarge over 1 MiB (1,048,576 bytes), which is
// refused before it is read.
ReadResult read(const QString& path);

// Valid UTF-8 (a byte order mark dropped) as UTF-8, anything else as Windows-1252; line breaks
// stay as they are.
QString decode(const QByteArray& bytes);

} // namespace CfgFile
