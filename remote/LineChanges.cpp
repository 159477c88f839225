#include "remote/LineChanges.h"

#include <QHash>
#include <QRegularExpression>

namespace {

QStringList linesOf(const QByteArray& bytes) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = QString::fromUtf8(bytes).split(breaks);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

LineChanges LineChanges::between(const QByteArray& before, const QByteArray& after, int shown) {
    const QStringList old = linesOf(before);
    const QStringList now = linesOf(after);
    // A line counts as kept when the other file has it as often; order within a .cfg matters
    // little to a reader and this stays linear on any file.
    QHash<QString, int> remaining;
    for (const QString& line : old)
        ++remaining[line];
    LineChanges changes;
    int added = 0;
    for (const QString& line : now) {
        int& left = remaining[line];
        if (left > 0) {
            --left;
            continue;
        }
        ++added;
        if (changes.first.size() < shown)
            changes.first.append(line);
    }
    int removed = 0;
    for (auto it = remaining.cbegin(); it != remaining.cend(); ++it)
        removed += it.value();
    if (changes.first.size() < shown) {
        for (const QString& line : old) {
            if (changes.first.size() >= shown)
                break;
            if (!now.contains(line))
                changes.first.append(QStringLiteral("(removed) ") + line);
        }
    }
    // A changed line is one line taken away and one put in.
    changes.count = std::max(added, removed);
    return changes;
}
