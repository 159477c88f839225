#pragma once

#include "config/ServerScript.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// An existing .cfg text, read as the server reads it, on its way into the pages: the settings it
// gives, of which the pages take those they can hold exactly, and everything else, kept as it
// stands in the file.
class Opening {
public:
    explicit Opening(const QString& text);

    struct Setting {
        ServerScript::Verb verb = ServerScript::Verb::Set;
        QString name; // as written
        QString value;
        bool taken = false; // a page holds it now
    };

    // The setting of `name` (any letter case) that the server holds at the end: the last one of
    // that name. Null when the text sets no such variable.
    Setting* find(QStringView name);
    // Every setting of `name`, the last one first. A page that cannot hold the last one may hold
    // an earlier one: the later ones then stay custom lines and still come after the page's line.
    QList<Setting*> settingsOf(QStringView name);

    // After the pages have taken theirs:
    // how many settings they hold;
    int takenCount() const;
    // whether the text holds comment lines a generated document holds (headers, separators);
    bool hasDocumentComments() const { return m_documentComments; }
    // every line the pages do not hold, in file order: whole lines as they stand where nothing of
    // them went to a page, else the commands and comments of the line that did not;
    QStringList customLines() const;
    // a comment line saying what changed on the way into the pages (a variable set more than once,
    // a seta or a line without set now written with set), or nothing.
    QString note() const;

private:
    // A command or a comment of the text, as a range of it.
    struct Part {
        qsizetype begin = 0;
        qsizetype end = 0;
        int line = 0;           // from 0
        int setting = -1;       // its setting, for a command that sets a variable
        bool generated = false; // a comment line of a generated document, alone on its line
    };

    bool isLeftOut(const Part& part) const;

    QString m_text;
    QList<qsizetype> m_lineStarts;
    QList<Part> m_parts; // in file order
    QList<Setting> m_settings;
    QHash<QString, QList<int>> m_byName; // by lower-case name: the settings of that name, in order
    bool m_documentComments = false;
};
