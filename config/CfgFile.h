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
// partial one. A replaced file keeps its permissions; a new file gets the usual ones.
WriteResult write(const QString& path, const QByteArray& bytes);

} // namespace CfgFile
