#include "config/LineDiff.h"

#include <dtl/dtl.hpp>

#include <string>
#include <vector>

namespace {

constexpr int kContext = 3;

// The lines of a text without their line breaks, and whether its last line has one.
QStringList splitLines(const QString& text, bool* endsWithBreak) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    *endsWithBreak = start == text.size();
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// "a,b" as a hunk header writes it: a line count of 1 is left out, and an empty range names the
// line before it.
QString range(int first, int count) {
    if (count == 1)
        return QString::number(first + 1);
    return QStringLiteral("%1,%2").arg(count == 0 ? first : first + 1).arg(count);
}

} // namespace

LineDiff::LineDiff(const QString& before, const QString& after)
    : m_before(splitLines(before, &m_beforeEnds))
    , m_after(splitLines(after, &m_afterEnds)) {
    // The library compares sequences of any kind; lines go in as their UTF-16 code units.
    std::vector<std::u16string> a, b;
    a.reserve(m_before.size());
    b.reserve(m_after.size());
    for (const QString& line : std::as_const(m_before))
        a.push_back(line.toStdU16String());
    for (const QString& line : std::as_const(m_after))
        b.push_back(line.toStdU16String());
    // A last line without a line break is not the same line as one with it, as `diff` has it.
    if (!m_beforeEnds && !a.empty())
        a.back().push_back(u'\xffff');
    if (!m_afterEnds && !b.empty())
        b.back().push_back(u'\xffff');

    dtl::Diff<std::u16string> diff(a, b, /* deletesFirst */ true);
    diff.compose();
    int removed = 0;
    int added = 0;
    auto endOfChange = [&] {
        m_removed += qMax(0, removed - added);
        // Removed lines come first in a change: the added lines beyond them are new.
        for (int i = removed; i < added; ++i)
            m_new.append(m_changed[m_changed.size() - added + i]);
        removed = added = 0;
    };
    for (const auto& [line, info] : diff.getSes().getSequence()) {
        const int beforeIndex = static_cast<int>(info.beforeIdx) - 1;
        const int afterIndex = static_cast<int>(info.afterIdx) - 1;
        switch (info.type) {
        case dtl::SES_COMMON:
            endOfChange();
            m_script.append({Entry::Same, beforeIndex, afterIndex});
            break;
        case dtl::SES_DELETE:
            ++removed;
            m_script.append({Entry::Removed, beforeIndex, -1});
            break;
        case dtl::SES_ADD:
            ++added;
            m_script.append({Entry::Added, -1, afterIndex});
            m_changed.append(afterIndex);
            break;
        }
    }
    endOfChange();
}

int LineDiff::count() const {
    return static_cast<int>(m_changed.size()) + m_removed;
}

QString LineDiff::unified(const QString& beforeName, const QString& afterName) const {
    if (isEmpty())
        return QString();
    QString out = QStringLiteral("--- %1\n+++ %2\n").arg(beforeName, afterName);
    const qsizetype size = m_script.size();
    auto changes = [this](qsizetype i) { return m_script[i].kind != Entry::Same; };
    qsizetype i = 0;
    while (i < size) {
        while (i < size && !changes(i))
            ++i;
        if (i == size)
            break;
        // A hunk: from three lines before its first change to three lines after its last, taking
        // in the next change when no more than twice the context stands between them.
        const qsizetype first = qMax<qsizetype>(0, i - kContext);
        qsizetype last = i;
        for (qsizetype j = i; j < size; ++j) {
            if (changes(j)) {
                last = j;
            } else if (j - last > 2 * kContext) {
                break;
            }
        }
        const qsizetype end = qMin(size, last + 1 + kContext);
        int beforeStart = -1, afterStart = -1, beforeCount = 0, afterCount = 0;
        // Where each side's range starts, even when it has no line in the hunk.
        int beforeNext = 0, afterNext = 0;
        for (qsizetype j = 0; j < first; ++j) {
            if (m_script[j].kind != Entry::Added)
                ++beforeNext;
            if (m_script[j].kind != Entry::Removed)
                ++afterNext;
        }
        QString body;
        for (qsizetype j = first; j < end; ++j) {
            const Entry& entry = m_script[j];
            if (entry.kind != Entry::Added) {
                if (beforeStart < 0)
                    beforeStart = entry.before;
                ++beforeCount;
            }
            if (entry.kind != Entry::Removed) {
                if (afterStart < 0)
                    afterStart = entry.after;
                ++afterCount;
            }
            const QChar mark = entry.kind == Entry::Same      ? QLatin1Char(' ')
                               : entry.kind == Entry::Removed ? QLatin1Char('-')
                                                              : QLatin1Char('+');
            const bool lastBefore =
                entry.kind != Entry::Added && entry.before == m_before.size() - 1;
            const bool lastAfter =
                entry.kind != Entry::Removed && entry.after == m_after.size() - 1;
            body += mark;
            body += entry.kind == Entry::Added ? m_after[entry.after] : m_before[entry.before];
            body += QLatin1Char('\n');
            if ((lastBefore && !m_beforeEnds) || (lastAfter && !m_afterEnds))
                body += QStringLiteral("\\ No newline at end of file\n");
        }
        out += QStringLiteral("@@ -%1 +%2 @@\n")
                   .arg(range(beforeStart < 0 ? beforeNext : beforeStart, beforeCount),
                        range(afterStart < 0 ? afterNext : afterStart, afterCount));
        out += body;
        i = end;
    }
    return out;
}
