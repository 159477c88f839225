#include "app/RemoteOpenDialog.h"

#include "app/RemoteSession.h"
#include "app/SavedSettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kAddressesKey = QStringLiteral("remoteAddresses");
constexpr int kAddresses = 10;
constexpr int kIsFolder = Qt::UserRole;
constexpr int kName = Qt::UserRole + 1;

} // namespace

RemoteOpenDialog::RemoteOpenDialog(RemoteSession* session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , cmbAddress(new QComboBox(this))
    , lblPlainFtp(new QLabel(this))
    , lblError(new QLabel(this))
    , lstFolder(new QListWidget(this)) {
    setObjectName(QStringLiteral("RemoteOpenDialog"));
    setWindowTitle(QStringLiteral("Open from Server"));
    resize(560, 400);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Address (sftp://, ftps:// or ftp://; end it with / "
                                            "to list a folder):"),
                             this);
    label->setBuddy(cmbAddress);
    layout->addWidget(label);
    cmbAddress->setObjectName(QStringLiteral("cmbAddress"));
    cmbAddress->setEditable(true);
    cmbAddress->setInsertPolicy(QComboBox::NoInsert);
    cmbAddress->addItems(recentAddresses());
    cmbAddress->setCurrentIndex(-1);
    cmbAddress->setEditText(QString());
    cmbAddress->lineEdit()->setPlaceholderText(QStringLiteral("sftp://user@host/path/server.cfg"));
    layout->addWidget(cmbAddress);
    lblPlainFtp->setObjectName(QStringLiteral("lblPlainFtp"));
    lblPlainFtp->setText(QStringLiteral("Plain FTP: the password and the file travel "
                                        "unencrypted. Use ftps:// or sftp:// where the server "
                                        "offers them."));
    lblPlainFtp->setWordWrap(true);
    lblPlainFtp->setStyleSheet(QStringLiteral("color: #b00000;"));
    lblPlainFtp->hide();
    layout->addWidget(lblPlainFtp);
    lstFolder->setObjectName(QStringLiteral("lstFolder"));
    layout->addWidget(lstFolder, 1);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setWordWrap(true);
    lblError->hide();
    layout->addWidget(lblError);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RemoteOpenDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(cmbAddress, &QComboBox::editTextChanged, this, &RemoteOpenDialog::addressChanged);
    connect(lstFolder, &QListWidget::itemActivated, this, &RemoteOpenDialog::itemActivated);
}

QStringList RemoteOpenDialog::recentAddresses() {
    return savedSettings().value(kAddressesKey).toStringList().mid(0, kAddresses);
}

void RemoteOpenDialog::rememberAddress(const RemoteAddress& address) {
    QSettings settings = savedSettings();
    QStringList list = settings.value(kAddressesKey).toStringList();
    const QString text = address.toString();
    list.removeAll(text);
    list.prepend(text);
    settings.setValue(kAddressesKey, list.mid(0, kAddresses));
}

void RemoteOpenDialog::addressChanged(const QString& text) {
    lblPlainFtp->setVisible(
        text.trimmed().startsWith(QStringLiteral("ftp://"), Qt::CaseInsensitive));
}

void RemoteOpenDialog::accept() {
    QString error;
    const QString typed = cmbAddress->currentText();
    const RemoteAddress address = RemoteAddress::parse(typed, &error);
    if (!address.isValid()) {
        lblError->setText(error);
        lblError->show();
        return;
    }
    // What is typed keeps no password once it has been read.
    if (!address.typedPassword().isEmpty())
        cmbAddress->setEditText(address.toString());
    if (address.isFolder()) {
        showFolder(address);
        return;
    }
    m_address = address;
    m_typed = typed;
    QDialog::accept();
}

void RemoteOpenDialog::showFolder(const RemoteAddress& folder) {
    const RemoteClient::Result result = m_session->list(folder);
    if (!result.ok) {
        if (!result.cancelled) {
            lblError->setText(result.message);
            lblError->show();
        }
        return;
    }
    lblError->hide();
    cmbAddress->setEditText(folder.toString());
    lstFolder->clear();
    if (folder.path() != QLatin1String("/")) {
        auto* up = new QListWidgetItem(QStringLiteral(".. (the folder above)"), lstFolder);
        up->setData(kIsFolder, true);
        up->setData(kName, QStringLiteral(".."));
    }
    const QLocale locale;
    for (const RemoteEntry& entry : result.entries) {
        const QString text = entry.isFolder
                                 ? entry.name + QLatin1Char('/')
                                 : QStringLiteral("%1\t%2\t%3")
                                       .arg(entry.name, locale.formattedDataSize(entry.size),
                                            locale.toString(entry.time, QLocale::ShortFormat));
        auto* item = new QListWidgetItem(text, lstFolder);
        item->setData(kIsFolder, entry.isFolder);
        item->setData(kName, entry.name);
    }
    m_address = folder;
}

void RemoteOpenDialog::itemActivated(QListWidgetItem* item) {
    const QString name = item->data(kName).toString();
    if (name == QLatin1String("..")) {
        showFolder(m_address.folder());
        return;
    }
    const RemoteAddress chosen = m_address.child(name, item->data(kIsFolder).toBool());
    if (chosen.isFolder()) {
        showFolder(chosen);
        return;
    }
    cmbAddress->setEditText(chosen.toString());
    m_address = chosen;
    m_typed = chosen.toString();
    QDialog::accept();
}
