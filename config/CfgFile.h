#pragma once

#include "config/FileFormat.h"

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
// partial one. A replaced file keeps its permissions; a new file gets the usual ones.
WriteResult write(const QString& path, const QByteArray& bytes);

enum class ReadFailure { None, Open, NotText, TooLarge };

struct ReadResult {
    // As the file holds it: its own line breaks, a byte order mark dropped.
    QString text;
    FileFormat format;
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
// stay as they are. `format`, when given, gets what the bytes say of their file: UTF-8 when they
// start with a byte order mark or hold valid UTF-8 beyond ASCII, else Windows-1252; the most
// common line break (CR LF when there is none); whether the last line ends with one.
QString decode(const QByteArray& bytes, FileFormat* format = nullptr);

// `text` (line breaks as they stand) as the bytes of a file of `format`; only the encoding and
// the byte order mark of the format apply. Windows-1252 keeps the five bytes it leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) as the control characters they are read as, so that every
// file reads and writes back byte for byte.
Encoded encodeAsIs(const QString& text, const FileFormat& format);

} // namespace CfgFile
