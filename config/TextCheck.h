#pragma once

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

// The problems of a text, in line order; on one line in a fixed order of their kinds.
QList<Problem> checkText(QStringView text, const Vocabulary& known);
