// Benchmarks of the real window, offscreen: "Finish!", saving, and the rotation buttons.
//
// Each figure is a wall time; see README.md for the commands and the figures of one run. The
// rotation presses are QBENCHMARK blocks, so that `-callgrind` can count their instructions; the
// others time one step of a longer sequence (a "Finish!" needs a "Clear Cfg" before it, a save
// needs its dialog answered) and report the median of many runs with QTest::setBenchmarkResult.
#include "BenchReport.h"
#include "controls/TLMDEdit.h"
#include "support/Files.h"
#include "window/TForm1.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace bench;

namespace {

// Saves through the real dialog, typing `path` into it, and returns the milliseconds from the
// dialog's acceptance until the save has returned: the wait of a user who pressed Save.
double timedSave(TForm1& form, const QString& path) {
    QElapsedTimer clock;
    QTimer answer;
    answer.setInterval(1);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        answer.stop();
        // As a user typing a name: the file the dialog proposed is no longer selected.
        if (auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView")))
            list->clearSelection();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        clock.start();
        static_cast<QDialog*>(dialog)->accept();
    });
    answer.start();
    child<QAbstractButton>(&form, "btnSave")->click();
    return millisecondsSince(clock);
}

} // namespace

class WindowBenchmark : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void finishAtDefaults();
    void saveGeneratedText();
    void rotationPressesInARow();
    void clicksInARow();
    void rotationPressesEachShown();

private:
    std::unique_ptr<TForm1> m_form;
    TestFiles::FreshFolder m_folder;
    QPlainTextEdit* memo() const { return child<QPlainTextEdit>(m_form.get(), "editor"); }
    void press(const char* name) { child<QAbstractButton>(m_form.get(), name)->click(); }
    void showRotationPage() {
        child<QTabWidget>(m_form.get(), "PageControl1")
            ->setCurrentWidget(child<QWidget>(m_form.get(), "TabSheet6"));
        QCoreApplication::processEvents();
    }
};

void WindowBenchmark::init() {
    m_form = std::make_unique<TForm1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_folder.renew();
}

void WindowBenchmark::cleanup() {
    m_form.reset();
    m_folder.reset();
}

// The whole text into the memo, every control at its start value; each press follows a
// "Clear Cfg" (not timed) and the event loop.
void WindowBenchmark::finishAtDefaults() {
    press("btnFinish");
    const QString first = memo()->toPlainText();
    QList<double> times;
    for (int run = 0; run < 200; ++run) {
        press("btnClear");
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        press("btnFinish");
        times.append(millisecondsSince(clock));
        QCoreApplication::processEvents();
    }
    QCOMPARE(memo()->toPlainText(), first);
    qInfo() << "lines:" << memo()->blockCount();
    report("\"Finish!\" at defaults", times, 2);
}

// The generated text saved again and again over the same file, from the dialog's OK on. The two
// number settings that start empty are filled in, so that saving asks nothing first.
void WindowBenchmark::saveGeneratedText() {
    child<QLineEdit>(m_form.get(), "edMaxplayerss")->setText(QStringLiteral("20"));
    child<QLineEdit>(m_form.get(), "edPvtps")->setText(QStringLiteral("0"));
    press("btnFinish");
    const QString path = m_folder->filePath(QStringLiteral("server.cfg"));
    QList<double> times;
    for (int run = 0; run < 30; ++run)
        times.append(timedSave(*m_form, path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    qInfo() << "bytes:" << saved.size();
    report("saving the generated text", times);
}

namespace {

// The 22 token buttons of the Map Rotation page, pressed in turn.
QList<QAbstractButton*> rotationButtons(const TForm1& form) {
    QList<QAbstractButton*> buttons;
    for (int n = 1; n <= 22; ++n)
        buttons.append(
            child<QAbstractButton>(&form, qPrintable(QStringLiteral("LMDTextButton%1").arg(n))));
    return buttons;
}

} // namespace

// 1,000 mouse presses as fast as they come, the event loop running once after them (which shows
// the text); then the edit is emptied for the next round. Qt's push button draws itself pressed
// and released at once on every press, which is most of the time here: clicksInARow times the
// same presses without that.
void WindowBenchmark::rotationPressesInARow() {
    showRotationPage();
    auto* rotation = child<TLMDEdit>(m_form.get(), "edRotation");
    const QList<QAbstractButton*> buttons = rotationButtons(*m_form);
    qsizetype length = 0;
    QBENCHMARK {
        for (int i = 0; i < 1000; ++i)
            QTest::mouseClick(buttons[i % buttons.size()], Qt::LeftButton);
        QCoreApplication::processEvents();
        length = rotation->text().size();
        rotation->SetText(QString());
    }
    QVERIFY(length > 10000);
    qInfo() << "characters after 1,000 presses:" << length;

    // Whether a press grows slower as the text grows: the first and the last hundred.
    QList<double> firstHundred;
    QList<double> lastHundred;
    for (int round = 0; round < 9; ++round) {
        rotation->SetText(QString());
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        double before = 0;
        for (int i = 0; i < 1000; ++i) {
            if (i == 100)
                firstHundred.append(millisecondsSince(clock));
            if (i == 900)
                before = millisecondsSince(clock);
            QTest::mouseClick(buttons[i % buttons.size()], Qt::LeftButton);
        }
        lastHundred.append(millisecondsSince(clock) - before);
        QCoreApplication::processEvents();
    }
    qInfo("  presses 1-100: %.2f ms, presses 901-1000: %.2f ms (medians)",
          spread(firstHundred).median, spread(lastHundred).median);
}

// The same 1,000 presses through QAbstractButton::click(): the handler and the edit alone.
void WindowBenchmark::clicksInARow() {
    showRotationPage();
    auto* rotation = child<TLMDEdit>(m_form.get(), "edRotation");
    const QList<QAbstractButton*> buttons = rotationButtons(*m_form);
    qsizetype length = 0;
    QBENCHMARK {
        for (int i = 0; i < 1000; ++i)
            buttons[i % buttons.size()]->click();
        QCoreApplication::processEvents();
        length = rotation->text().size();
        rotation->SetText(QString());
    }
    QVERIFY(length > 10000);
}

// 1,000 presses, each followed by the event loop, as presses by hand come: every press shows the
// whole text again. The first and the last hundred tell whether a press grows slower.
void WindowBenchmark::rotationPressesEachShown() {
    showRotationPage();
    auto* rotation = child<TLMDEdit>(m_form.get(), "edRotation");
    const QList<QAbstractButton*> buttons = rotationButtons(*m_form);
    QList<double> totals;
    QList<double> firstHundred;
    QList<double> lastHundred;
    QList<double> atThousand; // one press each, with the rotation about 1,000 characters long
    for (int round = 0; round < 5; ++round) {
        rotation->SetText(QString());
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        double hundred = 0;
        for (int i = 0; i < 1000; ++i) {
            const qsizetype length = rotation->text().size();
            const double before = millisecondsSince(clock);
            QTest::mouseClick(buttons[i % buttons.size()], Qt::LeftButton);
            QCoreApplication::processEvents();
            if (length >= 1000 && length < 1200)
                atThousand.append(millisecondsSince(clock) - before);
            if (i == 99)
                firstHundred.append(millisecondsSince(clock));
            if (i == 899)
                hundred = millisecondsSince(clock);
        }
        totals.append(millisecondsSince(clock));
        lastHundred.append(totals.last() - hundred);
    }
    qInfo("  presses 1-100: %.1f ms, presses 901-1000: %.1f ms (medians)",
          spread(firstHundred).median, spread(lastHundred).median);
    report("one press at 1,000 characters of rotation", atThousand, 5);
    report("1,000 rotation presses, each shown", totals);
}

QTEST_MAIN(WindowBenchmark)
#include "bench_window.moc"
