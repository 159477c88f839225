// Benchmarks of opening a .cfg into the real window, offscreen, and "Finish!" on it: the median
// of many runs; see README.md for the command and the figures of one run.
//
// Each run opens the same file into the same window and presses "Finish!", which writes the
// opened file again with the changes made in place; the event loop that lays out and draws the
// result afterwards is timed apart.
#include "BenchReport.h"
#include "support/Files.h"
#include "window/TForm1.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace bench;

namespace {

constexpr qsizetype kMiB = 1024 * 1024;

} // namespace

class OpenBenchmark : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void generatedDocument();
    void commentsOnOneLine();
    void oneVariableRepeated();
    void handKeptWithOneChange();

private:
    // Opens `bytes`, makes `change` and presses "Finish!", `runs` times, and reports; `said` is
    // the status bar's message after opening.
    void timeOpening(const char* what, const QByteArray& bytes, const QString& said, int runs,
                     const std::function<void()>& change = {});

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

void OpenBenchmark::timeOpening(const char* what, const QByteArray& bytes, const QString& said,
                                int runs, const std::function<void()>& change) {
    const QString path = m_folder->filePath(QStringLiteral("server.cfg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    auto* finish = child<QAbstractButton>(m_form.get(), "btnFinish");
    QList<double> opening;
    QList<double> finished;
    QList<double> shown;
    for (int run = 0; run < runs; ++run) {
        m_form->setWindowModified(false); // the change of the run before is not asked about
        QElapsedTimer clock;
        clock.start();
        QVERIFY(m_form->openFile(path));
        opening.append(millisecondsSince(clock));
        QCOMPARE(m_form->statusBar()->currentMessage(), said);
        if (change)
            change();
        finish->click();
        finished.append(millisecondsSince(clock));
        QCoreApplication::processEvents();
        shown.append(millisecondsSince(clock));
    }
    qInfo() << "bytes:" << bytes.size() << "-" << said;
    report(qPrintable(QStringLiteral("%1, until shown").arg(QLatin1String(what))), shown);
    report(qPrintable(QStringLiteral("%1, opened").arg(QLatin1String(what))), opening);
    report(qPrintable(QStringLiteral("%1, opened and finished").arg(QLatin1String(what))),
           finished);
}

// The document "Finish!" writes at the start values: every page's settings, few bytes.
void OpenBenchmark::generatedDocument() {
    timeOpening("a generated document", m_document,
                QStringLiteral("server.cfg: 78 settings on the pages, 17 other lines kept in "
                               "place."),
                30);
}

// 1 MiB on one line, all comments: the shape that once took seconds.
void OpenBenchmark::commentsOnOneLine() {
    QByteArray bytes;
    while (bytes.size() + 8 <= kMiB - 2)
        bytes += "/* c */ ";
    bytes += "\r\n";
    timeOpening("1 MiB of comments on one line", bytes,
                QStringLiteral("server.cfg: 0 settings on the pages, 1 other line kept in place."),
                5);
}

// 104,857 settings of one variable, 1 MiB: the page holds the last one.
void OpenBenchmark::oneVariableRepeated() {
    const QByteArray bytes = QByteArray("sv_fps 20\n").repeated(104857);
    timeOpening("104,857 settings of one variable", bytes,
                QStringLiteral("server.cfg: 1 setting on the pages, 104856 other lines kept in "
                               "place."),
                5);
}

// A file of 16 KiB as an admin keeps it, with one value changed before "Finish!".
void OpenBenchmark::handKeptWithOneChange() {
    QByteArray bytes = "exec base_defaults.cfg\n// tuned by hand\n" + m_document;
    bytes.replace("\r\n", "\n");
    bytes.replace("set sv_hostname", "seta sv_hostname");
    for (int n = 0; bytes.size() < 16 * 1024 - 60; ++n)
        bytes += "set mod_setting_" + QByteArray::number(n) + " \"value\" // why\n";
    auto* name = child<QLineEdit>(m_form.get(), "edServernames");
    int run = 0;
    timeOpening(
        "16 KiB kept by hand, one value changed", bytes,
        QStringLiteral("server.cfg: 78 settings on the pages, %1 other lines kept in place.")
            .arg(bytes.count('\n') - 78),
        30, [name, &run] { name->setText(QStringLiteral("Changed %1").arg(++run)); });
}

QTEST_MAIN(OpenBenchmark)
#include "bench_open.moc"
