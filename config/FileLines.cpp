#include "config/FileLines.h"

FileLines::FileLines(const QString& text, const FileFormat& format)
    : m_text(text)
    , m_format(format) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        const qsizetype length =
            c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? 2
                                                                                              : 1;
        m_lines.append(text.mid(start, i - start));
        m_breaks.append(text.mid(i, length));
        i += length - 1;
        start = i + 1;
    }
    if (start < text.size() || m_lines.isEmpty()) {
        m_lines.append(text.mid(start));
        m_breaks.append(QString());
    }
    if (!text.isEmpty())
        m_format.finalLineBreak = !m_breaks.last().isEmpty();
}

QString FileLines::text(const QString& shown) const {
    if (shown.isEmpty())
        return {};
    const QStringList lines = shown.split(QLatin1Char('\n'));
    if (lines == m_lines)
        return m_text;
    const qsizetype most = qMin(lines.size(), m_lines.size());
    qsizetype same = 0;
    while (same < most && lines[same] == m_lines[same])
        ++same;
    qsizetype sameAtEnd = 0;
    while (sameAtEnd < most - same &&
           lines[lines.size() - 1 - sameAtEnd] == m_lines[m_lines.size() - 1 - sameAtEnd])
        ++sameAtEnd;

    QString text;
    text.reserve(shown.size() + lines.size() * 2);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString lineBreak;
        if (i < same)
            lineBreak = m_breaks[i];
        else if (i >= lines.size() - sameAtEnd)
            lineBreak = m_breaks[m_lines.size() - (lines.size() - i)];
        const bool last = i + 1 == lines.size();
        if (last)
            lineBreak = m_format.finalLineBreak
                            ? (lineBreak.isEmpty() ? m_format.lineBreak : lineBreak)
                            : QString();
        else if (lineBreak.isEmpty())
            lineBreak = m_format.lineBreak;
        text += lines[i];
        text += lineBreak;
    }
    return text;
}
