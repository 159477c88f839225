#pragma once

#include "config/FileFormat.h"
#include "config/ServerScript.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// An opened .cfg text, read as the server reads it: the settings it gives (every command that sets
// a variable, the rest of a cut command among them, a line without "set" only for a variable the
// server has at start), which the pages take. The text itself stays the document's layout:
// "Finish!" writes it again with the user's changes made where they stand, and every other byte as
// it was.
class Opening {
public:
    explicit Opening(const QString& text = {}, const FileFormat& format = {});

    struct Setting {
        ServerScript::Verb verb = ServerScript::Verb::Set;
        QString name; // as written
        QString value;
        bool taken = false; // a page holds it now, or keeps it as the file's
    };

    // The setting of `name` (any letter case) that the server holds at the end: the last one of
    // that name. Null when the text sets no such variable.
    Setting* find(QStringView name);
    const Setting* find(QStringView name) const;

    // After the pages have taken theirs: how many settings they hold, and how many lines hold
    // something they do not (a command, a comment), which stay as they are.
    int takenCount() const;
    int otherLineCount() const;

    // The text as the file holds it (its own line breaks), and the file's format.
    const QString& text() const { return m_text; }
    const FileFormat& format() const { return m_format; }

    // A setting line of a generated document: its variable, its value and the line as written.
    struct Line {
        QString name;
        QString value;
        QString text;
    };
    // The settings of generated lines, in order; lines that set nothing are left out.
    static QList<Line> settingLines(const QStringList& lines);

    // The text with the pages' changes made in place. `before` is what the pages wrote when the
    // text was opened, `after` what they write now (both from settingLines), `own` the user's own
    // lines for the end:
    // - a changed value of a variable the text sets is rewritten where the server ends with it
    //   (its last command), with the verb and name as written and the new value in double quotes
    //   in place of all the file writes of the old one;
    // - a variable the pages wrote that they no longer write loses every command of it: a line
    //   left with nothing else goes with its line break;
    // - a variable the text does not set that is new or changed gets its line after the line of
    //   the nearest setting before it that the text holds, else before the nearest after it, else
    //   at the end, as do the own lines. Added lines take the text's most common line break.
    // `loose` are settings of variables no page writes (a mod's own), with what the text set them
    // to in `before`: each is changed where the server ends with it as a page's is, or, when the
    // text does not set it, gets its line before the first line that starts a map (`map`,
    // `map_rotate`), else at the end.
    QString rewritten(const QList<Line>& before, const QList<Line>& after, const QStringList& own,
                      const QList<Line>& loose = {}) const;

private:
    // Where a setting's command stands in the text.
    struct Place {
        qsizetype begin = 0; // the command, without its ';' or line break
        qsizetype end = 0;
        qsizetype nameEnd = 0;
        qsizetype valueBegin = 0; // its value's words, with their quotes
        qsizetype valueEnd = 0;   // of a cut command, those the server runs
        bool cut = false;
        bool rest = false; // it runs as the rest of a cut command
    };
    // What the file writes of a setting's value, for it to be replaced whole: a cut value up to
    // its last word, and the bytes around it that the server takes for blanks.
    std::pair<qsizetype, qsizetype> writtenValue(const Place& place) const;

    qsizetype lineStart(qsizetype position) const;
    // After the line holding `position`, with its line break.
    qsizetype nextLineStart(qsizetype position) const;

    QString m_text;
    FileFormat m_format;
    QList<Setting> m_settings;           // in text order
    QList<Place> m_places;               // by setting
    QHash<QString, QList<int>> m_byName; // by lower-case name: the settings of that name, in order
    // Lines that hold a command or comment which is no setting: the others depend on what the
    // pages take.
    QList<int> m_settingLines; // by setting, from 0
    QList<bool> m_lineHoldsOther;
    QList<qsizetype> m_lineStarts;
    qsizetype m_mapLine = -1; // where the line of the first command that starts a map begins
};
