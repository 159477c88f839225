#pragma once

#include <QString>

// How a document's text is stored in its file: the encoding, a byte order mark, the line break of
// the lines that have none of their own, and whether the last line ends with one. A new document
// is Windows-1252 with CR LF after every line; an opened file keeps what it had.
struct FileFormat {
    enum class Encoding { Windows1252, Utf8 };
    Encoding encoding = Encoding::Windows1252;
    bool byteOrderMark = false; // UTF-8 only
    QString lineBreak = QStringLiteral("\r\n");
    bool finalLineBreak = true;

    bool operator==(const FileFormat&) const = default;
};
