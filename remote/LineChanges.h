#pragma once

#include <QByteArray>
#include <QStringList>

// How a file on the server differs from the one that was opened: the number of lines that are
// not the same, and the first few of them as the server has them now.
struct LineChanges {
    int count = 0;
    QStringList first;

    static LineChanges between(const QByteArray& before, const QByteArray& after, int shown = 3);
};
