// 10,000 damaged and random files through the window's reader, a new window every thousand: each
// opens, or gets the error box when it holds a NUL byte or is over 1 MiB. Every 50th opened file
// goes through "Finish!" and is saved back over itself unchanged, byte for byte. The corpus is
// generated texts and files kept by hand. A failure keeps its file; LEDGERWICK_SEED picks one.
#include "config/CfgFile.h"
#include "support/HandKeptFiles.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

constexpr int kFiles = 10000;
constexpr qsizetype kMiB = 1024 * 1024;

// Pieces the reader treats specially, and bytes that are not UTF-8 or not text at all.
const QList<QByteArray> kPieces =
    QByteArray(
        "\"|;|//|/*|*/|\r|\n|\r\n|\\| |\t|set |seta |sets .|\"\"|\xC3|\xC3\x28|\xE2\x82|"
        "\xED\xA0\x80|\xF4\x90\x80\x80|\xEF\xBB\xBF|\xC3\xA9|\xE2\x82\xAC|\xC2\xA0|\xA0|\x0B|"
        "\xE2\x80\xA8|\xE2\x80\xA9")
        .split('|');

QByteArray mutated(QByteArray bytes, QRandomGenerator& random, bool withNul) {
    for (int edits = random.bounded(1, 24); edits > 0; --edits) {
        const auto at = qsizetype(random.bounded(int(bytes.size()) + 1));
        const auto span = qsizetype(random.bounded(1, 2000));
        const int kind = random.bounded(withNul ? 7 : 6);
        const QByteArray piece = kPieces[random.bounded(int(kPieces.size()))];
        if (kind < 2) // sometimes as a run of thousands
            bytes.insert(at,
                         random.bounded(12) ? piece : piece.repeated(random.bounded(300, 3000)));
        else if (kind == 2) // often one of 0x80-0xFF
            bytes.insert(at, char(random.bounded(2) ? random.bounded(0x80, 0x100)
                                                    : random.bounded(1, 0x80)));
        else if (kind == 3)
            bytes.remove(at, span);
        else if (kind == 4)
            bytes.insert(random.bounded(int(bytes.size()) + 1), bytes.mid(at, span));
        else if (kind == 5 && random.bounded(4) == 0)
            bytes.truncate(at);
        else if (kind == 6)
            bytes.insert(at, '\0');
    }
    return bytes;
}

// The text of a memo as the window saves it.
QString rawText(const TForm1& form, const char* memo) {
    QString text = child<QPlainTextEdit>(&form, memo)->document()->toRawText();
    return text.replace(QChar::ParagraphSeparator, '\n').replace(QChar::LineSeparator, '\n');
}

} // namespace

class OpenFuzzTest : public QObject {
    Q_OBJECT
private slots:
    void everyFileOpensOrIsRefused();

private:
    QByteArray file(int number) const;
    // What is wrong once the window opened (or refused) the file; empty when nothing is.
    QString verify(TForm1& form, const QString& path, const QByteArray& bytes, bool open);

    QList<QByteArray> m_documents; // generated texts, as saved
    QList<MessageSeen> m_boxes;    // since the last opening
    int m_opened = 0;
};

QByteArray OpenFuzzTest::file(int number) const {
    QRandomGenerator random(qEnvironmentVariableIntValue("LEDGERWICK_SEED") * kFiles + number);
    const QByteArray& document = m_documents[random.bounded(int(m_documents.size()))];
    if (number % 2500 == 1234) // around the size limit: 1 MiB opens, a byte more does not
        return document.repeated(kMiB / document.size() + 1).left(kMiB + (number / 2500) % 2);
    if (number % 10 == 9) { // random bytes, a fifth of them with NUL bytes too
        QByteArray bytes(number == 9 ? 0 : random.bounded(5000), Qt::Uninitialized);
        for (char& byte : bytes)
            byte = char(random.bounded(number % 50 == 9 ? 0 : 1, 0x100));
        return bytes;
    }
    QByteArray bytes = document;
    if (random.bounded(3) == 0) // LF or CR line breaks instead of CR LF
        bytes.replace("\r\n", random.bounded(2) ? "\n" : "\r");
    return mutated(bytes, random, number % 33 == 0);
}

QString OpenFuzzTest::verify(TForm1& form, const QString& path, const QByteArray& bytes,
                             bool open) {
    const MessageSeen box = m_boxes.value(0);
    if (open != (!bytes.contains('\0') && bytes.size() <= kMiB) ||
        m_boxes.size() != (open ? 0 : 1) ||
        (!open && (box.title != "Ledgerwick 1.1" || box.icon != QMessageBox::Critical ||
                   !box.text.startsWith("Cannot open file \"" + path + "\". "))))
        return QString::number(open) + " opened; boxes: " + QString::number(m_boxes.size()) +
               ", the first: " + box.text;
    if (!open)
        return {};
    const QString said = form.statusBar()->currentMessage();
    static const QRegularExpression saying(QStringLiteral(
        R"(^(\d+)\.cfg: \d+ settings? on the pages, \d+ other lines? kept in place\.$)"));
    const QRegularExpressionMatch match = saying.match(said);
    if (!match.hasMatch() || !path.endsWith('/' + match.captured(1) + ".cfg"))
        return "the status bar says " + said;
    // The file's own lines stay in the file: the custom lines box is for the user's.
    if (!rawText(form, "memCustom").isEmpty())
        return "the custom lines box holds " + rawText(form, "memCustom").left(80);
    if (!child<QWidget>(&form, "btnFinish")->isVisible() || !memoLines(form).isEmpty())
        return "not in the settings state";
    if (++m_opened % 50)
        return {};
    // Finished and saved without a change, the file is what it was, byte for byte.
    finish(form);
    if (child<QWidget>(&form, "btnFinish")->isVisible())
        return "\"Finish!\" did not finish";
    const MessageSeen saving = saveThroughDialog(form, path);
    if (saving.seen)
        return "saving said " + saving.text;
    if (readFile(path) != bytes)
        return "saved again, the file is another";
    return {};
}

void OpenFuzzTest::everyFileOpensOrIsRefused() {
    // Each opening syncs the recent files to the disk: in memory, 10,000 wait for no busy disk.
    QTemporaryDir settings(QDir("/dev/shm").exists() ? "/dev/shm/ledgerwick-XXXXXX" : QString());
    QTemporaryDir folder;
    QVERIFY(settings.isValid() && folder.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    auto form = std::make_unique<TForm1>();
    form->show();
    m_documents = {CfgFile::encode(finish(*form).join('\n')).bytes};
    click(*form, "btnClear");
    setChecked(*form, "chkNewSlashes", false);
    setText(*form, "edServernames", QStringLiteral("Café Brantholm"));
    child<QPlainTextEdit>(form.get(), "memCustom")
        ->setPlainText("map mp_carentan\nexec other.cfg; set g_gametype \"sd\" // last\nbogus");
    m_documents.append(CfgFile::encode(finish(*form).join('\n')).bytes);
    for (const HandKept& file : kHandKept)
        if (!file.bytes.isEmpty())
            m_documents.append(file.bytes);
    QVERIFY(m_documents[1].startsWith("set sv_hostname \"Caf\xE9 Brantholm\"\r\n"));
    QVERIFY(m_documents[1].endsWith("\"sd\" // last\r\nbogus\r\n"));

    const ModalHandler closer([this](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        m_boxes.append(
            {true, widget->windowTitle(), box ? box->text() : "", box ? box->icon() : 0});
        widget->close();
        return false; // stays for the next box
    });
    for (int number = 0; number < kFiles; ++number) {
        if (number % 1000 == 0) {
            form = std::make_unique<TForm1>();
            form->show();
        }
        const QByteArray bytes = file(number);
        const QString path = folder.filePath(QStringLiteral("%1.cfg").arg(number));
        writeFile(path, bytes);
        m_boxes.clear();
        const QString wrong = verify(*form, path, bytes, form->openFile(path));
        folder.setAutoRemove(wrong.isEmpty());
        QVERIFY2(wrong.isEmpty(), qPrintable(path + ": " + wrong));
        QFile::remove(path);
    }
    qInfo("%d of %d files opened", m_opened, kFiles);
    QVERIFY(m_opened > kFiles / 2 && m_opened < kFiles - 200);
}

QTEST_MAIN(OpenFuzzTest)
#include "tst_openfuzz.moc"
