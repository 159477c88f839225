#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// Asks for the password of an account on a server, and whether to remember it in the system
// keyring (the only place it is ever kept).
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(const QString& address, bool refused, QWidget* parent = nullptr);

    QString password() const;
    bool remember() const;

private:
    QLineEdit* edPassword;
    QCheckBox* chkRemember;
};
