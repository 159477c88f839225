#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace TestSupport {

const QStringList kCommentLines = {"//Server Information",
                                   "//",
                                   "//Server Options",
                                   "//",
                                   "//Network Options",
                                   "//",
                                   "//Game Options",
                                   "//",
                                   "//Gametypes Configuration",
                                   "//-- Deathmatch",
                                   "//-- Headquarters",
                                   "//-- Team Deathmatch",
                                   "//-- Behind Enemy Lines",
                                   "//-- Retrieval",
                                   "//-- Search and Destroy",
                                   "//",
                                   "//Weapons"};

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

ModalHandler::ModalHandler(std::function<bool(QWidget*)> action, int pace)
    : m_timer(std::make_unique<QTimer>()) {
    QTimer* timer = m_timer.get();
    timer->setInterval(10);
    // The modal widget in front, and since when.
    auto front = std::make_shared<std::pair<QPointer<QWidget>, QElapsedTimer>>();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action, pace, front] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (front->first != modal) {
            front->first = modal;
            front->second.start();
        }
        if (front->second.elapsed() >= pace && action(modal))
            timer->stop();
    });
    timer->start();
}

ModalHandler::~ModalHandler() = default;

void typeFileName(QWidget* dialog, const QString& path) {
    // As a user typing a name: the file the dialog proposed is no longer selected.
    if (auto* list = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView")))
        list->clearSelection();
    dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
}

ModalHandler answerSaveDialog(const QString& path) {
    return ModalHandler([path](QWidget* dialog) {
        // The question before saving a text with problems comes first.
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QLatin1String("Save anyway"))
                    button->click();
            return false;
        }
        if (!dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            return false;
        if (path.isEmpty()) {
            static_cast<QDialog*>(dialog)->reject();
            return true;
        }
        typeFileName(dialog, path);
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
}

MessageCatcher::MessageCatcher()
    : m_handler([this](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box)
            return false;
        for (QAbstractButton* button : box->buttons())
            if (button->text() == QLatin1String("Save anyway")) {
                ++message.questions;
                button->click();
                return false;
            }
        message = {true, box->windowTitle(), box->text(), box->icon(), message.questions};
        box->button(QMessageBox::Ok)->click();
        return true;
    }) {}

MessageSeen saveThroughDialog(TForm1& form, const QString& path) {
    const MessageCatcher catcher;
    {
        const ModalHandler answer = answerSaveDialog(path);
        click(form, "btnSave");
    }
    return catcher.message;
}

} // namespace TestSupport
