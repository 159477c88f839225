#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

// Asks for a server's address and its remote console password.
class ConnectDialog : public QDialog {
    Q_OBJECT
public:
    explicit ConnectDialog(QWidget* parent = nullptr);

    void setAddress(const QString& address, quint16 defaultPort);
    QString address() const;
    void setPassword(const QString& password);
    QString password() const;
    // Whether "Remember in the system keyring" is offered at all, and ticked.
    void setRememberOffered(bool offered, bool ticked);
    bool remember() const;

private:
    QLineEdit* m_address;
    QLineEdit* m_password;
    QCheckBox* m_remember;
    QLabel* m_portNote;
};
