#include "support/TestSupport.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace TestSupport {

void setChecked(const TForm1& form, const char* name, bool checked) {
    child<QAbstractButton>(&form, name)->setChecked(checked);
}

void setText(const TForm1& form, const char* name, const QString& text) {
    child<QLineEdit>(&form, name)->setText(text);
}

void click(const TForm1& form, const char* name) {
    auto* button = child<QAbstractButton>(&form, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList memoLines(const TForm1& form) {
    const QString text = child<QPlainTextEdit>(&form, "editor")->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

QStringList finish(TForm1& form) {
    child<QAbstractButton>(&form, "btnFinish")->click();
    return memoLines(form);
}

QStringList body(const QStringList& lines, const QString& header) {
    QStringList result;
    const qsizetype start = lines.indexOf(header);
    if (start < 0)
        return result;
    for (qsizetype i = start + 1; i < lines.size() && !lines[i].startsWith(QLatin1String("//"));
         ++i)
        result.append(lines[i]);
    return result;
}

void onNextModal(std::function<bool(QWidget*)> action) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (action(modal)) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

void answerSaveDialog(const QString& path) {
    onNextModal([path](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name)
            return false;
        if (path.isEmpty()) {
            static_cast<QDialog*>(dialog)->reject();
            return true;
        }
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
}

void catchNextMessage(MessageSeen& seen) {
    onNextModal([&seen](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box)
            return false;
        seen.seen = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        box->button(QMessageBox::Ok)->click();
        return true;
    });
}

} // namespace TestSupport
