#include "window/remote/PasswordDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

PasswordDialog::PasswordDialog(const QString& address, bool refused, QWidget* parent)
    : QDialog(parent)
    , edPassword(new QLineEdit(this))
    , chkRemember(new QCheckBox(tr("&Remember in the system keyring"), this)) {
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(tr("Password"));
    auto* layout = new QVBoxLayout(this);
    if (refused) {
        auto* refusal = new QLabel(tr("The server did not accept that password."), this);
        refusal->setObjectName(QStringLiteral("lblRefused"));
        layout->addWidget(refusal);
    }
    auto* label = new QLabel(tr("&Password for %1:").arg(address), this);
    label->setBuddy(edPassword);
    label->setWordWrap(true);
    layout->addWidget(label);
    edPassword->setObjectName(QStringLiteral("edPassword"));
    edPassword->setEchoMode(QLineEdit::Password);
    layout->addWidget(edPassword);
    chkRemember->setObjectName(QStringLiteral("chkRemember"));
    layout->addWidget(chkRemember);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QString PasswordDialog::password() const {
    return edPassword->text();
}

bool PasswordDialog::remember() const {
    return chkRemember->isChecked();
}
