#pragma once

#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>

// A message box at least as wide as the title the window manager gives it needs beside its icon
// and buttons: a box sized for a short message would have its title cut ("Ledg…k 1.1").
class MessageBox : public QMessageBox {
    Q_OBJECT
public:
    using QMessageBox::QMessageBox;

    // The error box: error icon, OK button.
    static void critical(QWidget* parent, const QString& title, const QString& text);

    // A button of a question: a standard one, or a caption of the program's own.
    struct Choice {
        Choice(QMessageBox::StandardButton standard)
            : standard(standard) {}
        Choice(const QString& caption, QMessageBox::ButtonRole role = QMessageBox::AcceptRole)
            : caption(caption)
            , role(role) {}
        QMessageBox::StandardButton standard = QMessageBox::NoButton;
        QString caption;
        QMessageBox::ButtonRole role = QMessageBox::AcceptRole;
    };
    struct Question {
        QMessageBox::Icon icon = QMessageBox::Question;
        QString title;
        QString text;
        QString informative;
        QString name; // the box's objectName, by which tests and tools find it
    };
    // Asks `question` with `choices`, `defaultChoice` the one Enter takes (Escape takes Cancel or
    // the one that rejects), and returns the index of the choice taken. `details`, when given,
    // stand behind "Show Details..." in a fixed-width font: lines whose columns matter.
    static int ask(QWidget* parent, const Question& question, const QList<Choice>& choices,
                   int defaultChoice, const QString& details = QString());

protected:
    bool event(QEvent* event) override;

private:
    void widenForTitle();

    QPointer<QGridLayout> m_widened;
};
