#include "config/ConfigText.h"

namespace {
const QLatin1Char quote('"');
}

QString ConfigText::prefix(const char* verb, const char* name) {
    return QLatin1String(verb) + QLatin1Char(' ') + QLatin1String(name) + QLatin1String(" \"");
}

void ConfigText::valueLine(const QString& prefix, const QString& text) {
    m_lines.append(prefix + text + quote);
}

void ConfigText::switchLine(const char* name, const char* value) {
    m_lines.append(QLatin1String("set ") + QLatin1String(name) + QLatin1String(" \"") +
                   QLatin1String(value) + quote);
}

void ConfigText::switchLine(const char* name, bool checked) {
    switchLine(name, checked ? "1" : "0");
}

void ConfigText::infoLine(const QString& key, const QString& text) {
    m_lines.append(QLatin1String("sets ") + key + QLatin1String(" \"") + text + quote);
}

void ConfigText::verbatim(const QString& line) {
    m_lines.append(line);
}

void ConfigText::comment(QString line) {
    if (m_comments)
        m_lines.append(std::move(line));
}

void ConfigText::header(const char* title) {
    comment(QLatin1String("//") + QLatin1String(title));
}

void ConfigText::subHeader(const char* name) {
    comment(QLatin1String("//-- ") + QLatin1String(name));
}

void ConfigText::separator() {
    comment(QStringLiteral("//"));
}
