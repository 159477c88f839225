#pragma once

#include "config/FileFormat.h"
#include "config/ValueKind.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Where the server would hold something other than what a .cfg text shows.
struct Problem {
    int line = 0;     // from 1
    QString variable; // the variable or info key concerned, as written, or empty
    QString message;  // a sentence fragment: lower-case start, ends with '.'
    // "Line 12 (sv_hostname): …", or "Line 12: …" without a variable.
    QString text() const;
};

// What the program knows of the variables its pages write.
class Vocabulary {
public:
    void add(const QString& name, ValueKind kind); // names are not case-sensitive
    std::optional<ValueKind> kind(QStringView name) const;

private:
    QHash<QString, ValueKind> m_kinds; // by lower-case name
};

// The problems of a text as it stands in a file of `format` (its line breaks those of the file),
// in line order; on one line in a fixed order of their kinds. Commands written together on a line,
// with ';' between them, are taken as written.
QList<Problem> checkText(QStringView text, const Vocabulary& known, const FileFormat& format = {});

// The same for the one line that a value typed into an edit makes, `NAME "VALUE"` after its
// command word: any double quote inside the value is a problem, since the user typed it as text.
QList<Problem> checkValueLine(QStringView line, const Vocabulary& known,
                              const FileFormat& format = {});
