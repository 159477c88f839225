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

// The Windows-1252 byte of a character, or -1 when the code page has none. The five bytes the code
// page leaves undefined stand for the control characters of the same number.
int windows1252Byte(char16_t c);

enum class Failure { None, Create, Write };

struct WriteResult {
    Failure failure = Failure::None;
    // The operating system's description of what failed.
    QString reason;

    bool ok() const { return failure == Failure::None; }
};

// Writes bytes to a temporary file beside the target (the target of a link) and renames it over
// the target only when every byte is on the disk, so that a failed save never damages an existing
// file and leaves no partial one. A replaced file keeps its permissions and, where we may, its
// owner; a new file gets the usual ones. The temporary file is QSaveFile's: without a name while
// it is written where the file system allows (Linux's O_TMPFILE), otherwise, and for the moment
// of the rename, named after the target and six letters or digits ("server.cfg.TPsdBL"). A save
// cut short by a crash can leave one of those names beside the file. Temporary files that saves of
// earlier versions left in the folder (".ledgerwick-*.tmp") are removed first.
WriteResult write(const QString& path, const QByteArray& bytes);

enum class ReadFailure { None, Open, NotRegular, NotText, Utf16, TooLarge };

struct ReadResult {
    // As the file holds it: its own line breaks, a byte order mark dropped.
    QString text;
    FileFormat format;
    ReadFailure failure = ReadFailure::None;
    // The operating system's description of what failed when opening or reading; for NotRegular
    // what the name is instead ("a folder", "a named pipe", "a socket", "a device"); empty for
    // the other failures.
    QString reason;

    bool ok() const { return failure == ReadFailure::None; }
};

// The text of a whole file: Open when it cannot be opened or read (missing, not permitted),
// NotRegular for a folder, named pipe, socket or device (refused without waiting for a writer or a
// device), Utf16 for UTF-16 text (a byte order mark FF FE or FE FF, or NUL bytes in every other
// place), NotText when it holds other NUL bytes, TooLarge over 1 MiB (1,048,576 bytes), which is
// refused before it is read.
ReadResult read(const QString& path);

// The same for what standard input holds until its end, which may be a pipe or a terminal.
ReadResult readStandardInput();
// The same for bytes at hand (a file read from a server): whether they are text, by the rules
// above, and which.
ReadResult readBytes(const QByteArray& bytes);

// What stands at a path, looked at without opening it (so never waiting).
struct Found {
    enum class Kind { RegularFile, Other, Nothing, Unknown };
    Kind kind = Kind::Nothing;
    // For Other: "a folder", "a named pipe", "a socket", "a device"; for Nothing and Unknown: the
    // system's reason.
    QString words;
};
Found lookAt(const QString& path);

// File names are bytes. A name that is not UTF-8 keeps each byte that is not as a character of its
// own (U+DC80 to U+DCFF), so that it opens, and saves, as the name it was.
QString fileNameFromBytes(const QByteArray& name);
QByteArray fileNameBytes(const QString& name);

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
