#pragma once

// What the benchmarks share: finding a control of the window, and reporting the median of many
// timed runs as a QtTest benchmark result, with its spread beside it.
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTest>

#include <algorithm>

namespace bench {

template <class T> T* child(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child named %s", name);
    return found;
}

// Median, least and largest of some milliseconds.
struct Spread {
    double median = 0;
    double least = 0;
    double largest = 0;
};

inline Spread spread(QList<double> values) {
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.first(), values.last()};
}

// Reports the median as the test's result and the spread beside it.
inline void report(const char* what, const QList<double>& milliseconds, double target = 0,
                   int decimals = 3) {
    const Spread s = spread(milliseconds);
    QString line = QStringLiteral("%1: median %2 ms, least %3 ms, largest %4 ms, %5 runs")
                       .arg(QLatin1String(what))
                       .arg(s.median, 0, 'f', decimals)
                       .arg(s.least, 0, 'f', decimals)
                       .arg(s.largest, 0, 'f', decimals)
                       .arg(milliseconds.size());
    if (target > 0)
        line += QStringLiteral(" (target under %1 ms)").arg(target);
    qInfo().noquote() << line;
    QTest::setBenchmarkResult(s.median, QTest::WalltimeMilliseconds);
}

inline double millisecondsSince(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace bench
