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

protected:
    bool event(QEvent* event) override;

private:
    void widenForTitle();

    QPointer<QGridLayout> m_widened;
};
