#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How one text differs from another, line by line, in the form `diff -u` prints and `patch`
// reads: "--- name" / "+++ name", then "@@ -a,b +c,d @@" hunks with three lines of context.
// Texts are split at their line breaks (LF, CR LF or CR alike); a text that does not end with a
// line break gets "\ No newline at end of file" after its last line, where a hunk shows it.
class LineDiff {
public:
    LineDiff(const QString& before, const QString& after);

    // True when the texts hold the same lines (their line breaks may differ).
    bool isEmpty() const { return m_changed.isEmpty() && m_removed == 0; }
    // Lines of `after` (from 0) that are new or changed, in order.
    const QList<int>& changedLines() const { return m_changed; }
    // Those of them that replace no line of `before`: new lines rather than changed ones.
    const QList<int>& newLines() const { return m_new; }
    // How many lines differ: those added or changed in `after`, or removed from `before` where
    // nothing took their place.
    int count() const;
    // The unified diff; empty when the texts hold the same lines.
    QString unified(const QString& beforeName, const QString& afterName) const;

private:
    struct Entry {
        enum Kind { Same, Removed, Added } kind;
        int before; // from 0, or -1
        int after;
    };
    bool m_beforeEnds = true; // ends with a line break; set before the lines are split
    bool m_afterEnds = true;
    QStringList m_before;
    QStringList m_after;
    QList<Entry> m_script;
    QList<int> m_changed;
    QList<int> m_new;
    int m_removed = 0; // removed lines beyond those replaced
};
