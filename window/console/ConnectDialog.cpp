#include "window/console/ConnectDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ConnectDialog::ConnectDialog(QWidget* parent)
    : QDialog(parent)
    , m_address(new QLineEdit(this))
    , m_password(new QLineEdit(this))
    , m_remember(new QCheckBox(tr("Remember in the system keyring"), this))
    , m_portNote(new QLabel(this)) {
    setObjectName(QStringLiteral("ConnectDialog"));
    setWindowTitle(tr("Connect to a server"));
    m_address->setObjectName(QStringLiteral("edServerAddress"));
    m_address->setStatusTip(tr("The server's address: host or host:port"));
    m_password->setObjectName(QStringLiteral("edConsolePassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStatusTip(tr("The server's remote console password (rconpassword)"));
    m_remember->setObjectName(QStringLiteral("chkRememberPassword"));
    m_remember->setStatusTip(tr("Keep the password in the system keyring, and nowhere else"));

    auto* form = new QFormLayout(this);
    auto* addressLabel = new QLabel(tr("&Address:"), this);
    addressLabel->setBuddy(m_address);
    form->addRow(addressLabel, m_address);
    form->addRow(QString(), m_portNote);
    auto* passwordLabel = new QLabel(tr("&Password:"), this);
    passwordLabel->setBuddy(m_password);
    form->addRow(passwordLabel, m_password);
    form->addRow(QString(), m_remember);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Connect"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ConnectDialog::setAddress(const QString& address, quint16 defaultPort) {
    m_address->setText(address);
    m_portNote->setText(tr("Without a port: %1").arg(defaultPort));
}

QString ConnectDialog::address() const {
    return m_address->text();
}

void ConnectDialog::setPassword(const QString& password) {
    m_password->setText(password);
}

QString ConnectDialog::password() const {
    return m_password->text();
}

void ConnectDialog::setRememberOffered(bool offered, bool ticked) {
    m_remember->setVisible(offered);
    m_remember->setChecked(offered && ticked);
}

bool ConnectDialog::remember() const {
    return m_remember->isChecked();
}
