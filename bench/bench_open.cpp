// Benchmarks of opening a .cfg into the real window, offscreen: TForm1::openFile on files of
// 128 KiB, the median of many runs; see README.md for the command and the figures of one run.
//
// Each run opens the same file into the same window, which is then in its settings state again:
// nothing asks first. The time is openFile's (reading, the pages taking their settings, the
// custom lines box filled, the recent files noted); the event loop that lays out and draws the
// result afterwards is timed apart.
#include "BenchReport.h"
#include "app/TForm1.h"
#include "support/Files.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

using namespace bench;

namespace {

constexpr qsizetype kFileBytes = 128 * 1024;
constexpr int kRuns = 30;

// Lines, each with CR LF, cut to exactly `bytes` on a line's end by padding the last comment.
QByteArray fill(const QByteArray& start, const std::function<QByteArray(int)>& line,
                qsizetype bytes) {
    QByteArray text = start;
    for (int n = 0; text.size() + line(n).size() + 2 <= bytes - 8; ++n)
        text += line(n) + "\r\n";
    text += "//" + QByteArray(bytes - text.size() - 4, '-') + "\r\n";
    return text;
}

} // namespace

class OpenBenchmark : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void generatedDocument();
    void documentAndCustomLines();
    void settingsRepeated();

private:
    // Opens `bytes` kRuns times and reports; `said` is the status bar's message after each.
    void timeOpening(const char* what, const QByteArray& bytes, const QString& said);

    QTemporaryDir m_settings; // the recent files, away from the user's own
    std::unique_ptr<TForm1> m_form;
    TestFiles::FreshFolder m_folder;
    QByteArray m_document; // the generated text at the window's start values, as saved
};

void OpenBenchmark::initTestCase() {
    QVERIFY(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    TForm1 form;
    child<QAbstractButton>(&form, "btnFinish")->click();
    m_document = child<QPlainTextEdit>(&form, "editor")->toPlainText().toLatin1();
    m_document.replace("\n", "\r\n");
    m_document += "\r\n";
}

void OpenBenchmark::init() {
    m_form = std::make_unique<TForm1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_folder.renew();
}

void OpenBenchmark::cleanup() {
    m_form.reset();
    m_folder.reset();
}

void OpenBenchmark::timeOpening(const char* what, const QByteArray& bytes, const QString& said) {
    const QString path = m_folder->filePath(QStringLiteral("server.cfg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    QList<double> opening;
    QList<double> shown;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        QVERIFY(m_form->openFile(path));
        opening.append(millisecondsSince(clock));
        QCoreApplication::processEvents();
        shown.append(millisecondsSince(clock));
        QCOMPARE(m_form->statusBar()->currentMessage(), said);
    }
    qInfo() << "bytes:" << bytes.size() << "-" << said;
    report(qPrintable(QStringLiteral("%1, until shown").arg(QLatin1String(what))), shown);
    report(what, opening, 20);
}

// The document "Finish!" writes at the start values: every page's settings, few bytes.
void OpenBenchmark::generatedDocument() {
    timeOpening("a generated document", m_document,
                QStringLiteral("server.cfg: 80 settings on the pages, 0 custom lines."));
}

// The same document, then 128 KiB of lines no page holds: commands, settings of other variables,
// comments; all of them go into the custom lines box.
void OpenBenchmark::documentAndCustomLines() {
    const QByteArray bytes = fill(
        m_document,
        [](int n) {
            switch (n % 4) {
            case 0:
                return "set mod_setting_" + QByteArray::number(n) + " \"value " +
                       QByteArray::number(n) + "\"";
            case 1:
                return "map mp_map" + QByteArray::number(n) + "; exec rotation.cfg";
            case 2:
                return QByteArray("// a comment of the server's admin");
            default:
                return "sets .Custom" + QByteArray::number(n) + " \"about the server\"";
            }
        },
        kFileBytes);
    QCOMPARE(bytes.size(), kFileBytes);
    const qsizetype lines = bytes.count("\r\n") - m_document.count("\r\n");
    timeOpening(
        "128 KiB: a document and custom lines", bytes,
        QStringLiteral("server.cfg: 80 settings on the pages, %1 custom lines.").arg(lines));
}

// The document's settings over and over: each page variable set hundreds of times, the last one
// on the pages, the earlier ones left out.
void OpenBenchmark::settingsRepeated() {
    QList<QByteArray> settings;
    for (const QByteArray& line : m_document.split('\n'))
        if (line.startsWith("set"))
            settings.append(line.chopped(1));
    const QByteArray bytes = fill(
        {}, [&settings](int n) { return settings[n % settings.size()]; }, kFileBytes);
    QCOMPARE(bytes.size(), kFileBytes);
    // The closing comment stays as a custom line; the note of what was set more than once leads.
    timeOpening("128 KiB: settings repeated", bytes,
                QStringLiteral("server.cfg: 80 settings on the pages, 1 custom line."));
}

QTEST_MAIN(OpenBenchmark)
#include "bench_open.moc"
