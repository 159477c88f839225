#pragma once

#include "config/FileFormat.h"

#include <QString>
#include <QStringList>

// A file's text as an editor shows it (LF line breaks, none after the last line) beside the line
// break each line has in the file, so that an edited text goes back to its file with every line
// that stayed keeping its own line break.
class FileLines {
public:
    FileLines() = default;
    // `text` with its own line breaks (LF, CR LF or CR), in a file of `format`.
    FileLines(const QString& text, const FileFormat& format);

    QString shown() const { return m_lines.join(QLatin1Char('\n')); }

    // The file's text for `shown`, an edit of shown(): the lines before and after the edited
    // ones keep their line breaks, the others take the format's; the last line ends with a line
    // break when the file's did. For shown() itself, the file's text as it was.
    QString text(const QString& shown) const;

private:
    QString m_text; // as the file holds it
    QStringList m_lines;
    QStringList m_breaks; // after each line; the last one's is empty when the file has none
    FileFormat m_format;
};
