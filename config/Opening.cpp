#include "config/Opening.h"

#include "config/Document.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// The line breaks of the text, and the two that the custom lines box breaks lines at too: a line
// holding one would show as two there, and be written as two.
bool isLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator;
}

} // namespace

Opening::Opening(const QString& text)
    : m_text(text) {
    m_lineStarts.append(0);
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        if (m_text[i] == QLatin1Char('\r') && i + 1 < m_text.size() &&
            m_text[i + 1] == QLatin1Char('\n'))
            ++i;
        if (isLineBreak(m_text[i]))
            m_lineStarts.append(i + 1);
    }
    auto lineOf = [this](qsizetype position) {
        return static_cast<int>(
                   std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), position) -
                   m_lineStarts.cbegin()) -
               1;
    };

    const ServerScript::Script script = ServerScript::read(m_text);
    for (const ServerScript::Command& command : script.commands) {
        Part part{command.begin, command.end, lineOf(command.begin)};
        // What the server runs of a cut line is not what the line shows: it stays as it is.
        const std::optional<ServerScript::Assignment> assignment =
            command.cut || command.rest ? std::nullopt : ServerScript::assignment(command);
        if (assignment) {
            part.setting = static_cast<int>(m_settings.size());
            m_settings.append({assignment->verb, assignment->name, assignment->value});
            m_byName[assignment->name.toLower()].append(part.setting);
        }
        m_parts.append(part);
    }
    static const QSet<QString> generated = [] {
        const QStringList comments = documentComments();
        return QSet<QString>(comments.cbegin(), comments.cend());
    }();
    for (const ServerScript::Comment& comment : script.comments) {
        Part part{comment.begin, comment.end, lineOf(comment.begin)};
        const QString line = m_text.mid(
            m_lineStarts[part.line],
            (part.line + 1 < m_lineStarts.size() ? m_lineStarts[part.line + 1] : m_text.size()) -
                m_lineStarts[part.line]);
        part.generated = generated.contains(line.trimmed()) &&
                         generated.contains(m_text.mid(part.begin, part.end - part.begin));
        m_documentComments = m_documentComments || part.generated;
        m_parts.append(part);
    }
    std::stable_sort(m_parts.begin(), m_parts.end(),
                     [](const Part& a, const Part& b) { return a.begin < b.begin; });
}

QList<Opening::Setting*> Opening::settingsOf(QStringView name) {
    QList<Setting*> found;
    const QList<int> indices = m_byName.value(name.toString().toLower());
    for (auto index = indices.crbegin(); index != indices.crend(); ++index)
        found.append(&m_settings[*index]);
    return found;
}

Opening::Setting* Opening::find(QStringView name) {
    const QList<Setting*> found = settingsOf(name);
    return found.isEmpty() ? nullptr : found.first();
}

int Opening::takenCount() const {
    return static_cast<int>(std::count_if(m_settings.cbegin(), m_settings.cend(),
                                          [](const Setting& s) { return s.taken; }));
}

// A part that does not go into the custom lines: a setting a page holds, a setting before it of
// the same variable (the page's line stands for them; later ones stay and still come after it),
// a generated comment.
bool Opening::isLeftOut(const Part& part) const {
    if (part.generated)
        return true;
    if (part.setting < 0)
        return false;
    const QList<int> same = m_byName.value(m_settings[part.setting].name.toLower());
    for (qsizetype i = same.indexOf(part.setting); i < same.size(); ++i)
        if (m_settings[same[i]].taken)
            return true;
    return false;
}

QStringList Opening::customLines() const {
    QStringList lines;
    QList<bool> leftOut(m_lineStarts.size(), false);
    for (const Part& part : m_parts)
        leftOut[part.line] = leftOut[part.line] || isLeftOut(part);
    auto lineText = [this](int line) {
        qsizetype end = line + 1 < m_lineStarts.size() ? m_lineStarts[line + 1] : m_text.size();
        while (end > m_lineStarts[line] && isLineBreak(m_text[end - 1]))
            --end;
        return m_text.mid(m_lineStarts[line], end - m_lineStarts[line]);
    };
    static const QRegularExpression lineBreak(QStringLiteral("\\r\\n|[\\n\\r\\x{2028}\\x{2029}]"));
    auto addLines = [&lines](const QString& text) {
        for (const QString& line : text.split(lineBreak))
            if (!line.trimmed().isEmpty())
                lines.append(line);
    };

    qsizetype part = 0;
    int coveredUntil = -1; // lines that a part written on its own already holds
    for (int line = 0; line < m_lineStarts.size(); ++line) {
        if (!leftOut[line]) {
            if (line > coveredUntil)
                addLines(lineText(line));
            while (part < m_parts.size() && m_parts[part].line <= line)
                ++part;
            continue;
        }
        // Some of the line went to the pages: what did not stays, part by part.
        for (; part < m_parts.size() && m_parts[part].line <= line; ++part) {
            const Part& p = m_parts[part];
            if (isLeftOut(p))
                continue;
            const QString source = m_text.mid(p.begin, p.end - p.begin).trimmed();
            addLines(source);
            const auto lastLine = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(),
                                                   qMax(p.begin, p.end - 1)) -
                                  m_lineStarts.cbegin() - 1;
            coveredUntil = qMax(coveredUntil, static_cast<int>(lastLine));
        }
    }
    return lines;
}

QString Opening::note() const {
    QStringList twice;
    QStringList withSet;
    for (const Setting& setting : m_settings) {
        if (!setting.taken)
            continue;
        // Those before the one a page holds are gone; only the last one left none after it.
        const QList<int> same = m_byName.value(setting.name.toLower());
        const auto count = static_cast<int>(same.size());
        if (count > 1 && &m_settings[same.last()] == &setting)
            twice.append(QStringLiteral("%1 (%2 times)").arg(setting.name).arg(count));
        if (setting.verb == ServerScript::Verb::Seta || setting.verb == ServerScript::Verb::Bare)
            withSet.append(setting.name);
    }
    QStringList said;
    if (!twice.isEmpty())
        said.append(QStringLiteral("set more than once, the last one is on the pages: %1.")
                        .arg(twice.join(QLatin1String(", "))));
    if (!withSet.isEmpty())
        said.append(
            QStringLiteral("now written with set: %1.").arg(withSet.join(QLatin1String(", "))));
    if (said.isEmpty())
        return {};
    return QStringLiteral("// Opened: ") + said.join(QLatin1Char(' '));
}
