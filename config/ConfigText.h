#pragma once

#include <QString>
#include <QStringList>

// The configuration text as it is generated: the line forms of a server .cfg script, appended in
// order. Comment lines (section headers, gametype sub-headers, separators) are written only when
// the text is made with comments.
class ConfigText {
public:
    explicit ConfigText(bool comments = true)
        : m_comments(comments) {}

    // `verb name "`, e.g. `set sv_hostname "`: a value line up to its value.
    static QString prefix(const char* verb, const char* name);

    // prefix ends with the opening double quote, e.g. `set sv_hostname "`; the text goes in as it
    // stands, then the closing quote.
    void valueLine(const QString& prefix, const QString& text);
    // `set name "value"`
    void switchLine(const char* name, const char* value);
    // Check-box choice: "1" when checked, "0" otherwise.
    void switchLine(const char* name, bool checked);
    // `sets .Key "text"`
    void infoLine(const QString& key, const QString& text);

    // A line as it stands, e.g. one of the user's own.
    void verbatim(const QString& line);

    void header(const char* title);
    void subHeader(const char* name);
    void separator();

    const QStringList& lines() const { return m_lines; }

private:
    void comment(QString line);

    bool m_comments;
    QStringList m_lines;
};
