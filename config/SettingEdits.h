#pragma once

#include "config/Opening.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// Settings of an opened file changed without the pages' controls (the command line's --set and
// --unset): the setting lines the pages would write before and after the change, for
// Opening::rewritten(), so that a value changes where it stands and a new line goes where
// "Finish!" would put it.
class SettingEdits {
public:
    // A variable or info key the pages write, as they write it: its name as declared and the
    // command word of its line ("set", or "sets" for the server info); and whether the server
    // reads it as a number (a check box, or a choice between numbers, is one too).
    struct Written {
        QString name;
        QString verb;
        bool number = false;
    };
    // `pages`: every variable the pages write, in the order of the document.
    explicit SettingEdits(QList<Written> pages);

    // Names in any letter case; the last word on a name counts.
    void set(const QString& name, const QString& value);
    void unset(const QString& name);

    // The line the pages write for `name` set to `value`; `set NAME "VALUE"` for one they do not.
    QString lineOf(const QString& name, const QString& value) const;

    struct Lines {
        // What the text sets of the pages' variables and of the edited ones, as the pages write it.
        QList<Opening::Line> before;
        // The same with the edits made: the pages' variables in the order of the document ...
        QList<Opening::Line> after;
        // ... and the edited variables no page writes, in the order they were given.
        QList<Opening::Line> loose;
    };
    Lines lines(const Opening& opening) const;

private:
    QList<Written> m_pages;
    QHash<QString, qsizetype> m_pageIndex; // by lower-case name
    // By name, in the order given: the value, or none to leave the variable out.
    QList<std::pair<QString, std::optional<QString>>> m_edits;

    void edit(const QString& name, const std::optional<QString>& value);
    const std::optional<QString>* editOf(const QString& name) const;
};
