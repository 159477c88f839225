#include "window/remote/RemoteOpenDialog.h"

#include "document/RecentFiles.h"
#include "window/remote/RemoteSession.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kIsFolder = Qt::UserRole;
constexpr int kName = Qt::UserRole + 1;

} // namespace

RemoteOpenDialog::RemoteOpenDialog(Purpose purpose, RemoteSession* session, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , cmbAddress(new QComboBox(this))
    , lblPlainFtp(new QLabel(this))
    , lblError(new QLabel(this))
    , lstFolder(new QTreeWidget(this)) {
    const bool open = purpose == Purpose::Open;
    setObjectName(QStringLiteral("RemoteOpenDialog"));
    setWindowTitle(open ? tr("Open from Server") : tr("Save to Server"));
    resize(620, 420);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("&Address (sftp://, ftps:// or ftp://) of a file, or of a "
                                "folder to list:"),
                             this);
    label->setBuddy(cmbAddress);
    layout->addWidget(label);
    cmbAddress->setObjectName(QStringLiteral("cmbAddress"));
    cmbAddress->setEditable(true);
    cmbAddress->setInsertPolicy(QComboBox::NoInsert);
    cmbAddress->addItems(RecentFiles::addresses());
    cmbAddress->setCurrentIndex(-1);
    cmbAddress->setEditText(QString());
    cmbAddress->lineEdit()->setPlaceholderText(QStringLiteral("sftp://user@host/path/server.cfg"));
    layout->addWidget(cmbAddress);
    lblPlainFtp->setObjectName(QStringLiteral("lblPlainFtp"));
    lblPlainFtp->setText(tr("Plain FTP: the password and the file travel unencrypted. "
                            "Use sftp:// or ftps:// where the server offers them."));
    lblPlainFtp->setWordWrap(true);
    lblPlainFtp->hide();
    layout->addWidget(lblPlainFtp);
    lstFolder->setObjectName(QStringLiteral("lstFolder"));
    lstFolder->setHeaderLabels({tr("Name"), tr("Size"), tr("Modified")});
    lstFolder->setRootIsDecorated(false);
    lstFolder->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstFolder->header()->setStretchLastSection(false);
    layout->addWidget(lstFolder, 1);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setWordWrap(true);
    lblError->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblError->hide();
    layout->addWidget(lblError);
    auto* buttons = new QDialogButtonBox(
        (open ? QDialogButtonBox::Open : QDialogButtonBox::Save) | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &RemoteOpenDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(cmbAddress, &QComboBox::editTextChanged, this, &RemoteOpenDialog::addressChanged);
    connect(lstFolder, &QTreeWidget::itemActivated, this, &RemoteOpenDialog::itemActivated);
}

std::optional<Document::Read> RemoteOpenDialog::chooseFile(Document& document,
                                                           RemoteSession* session, QWidget* parent,
                                                           const RemoteAddress& folder) {
    RemoteOpenDialog dialog(Purpose::Open, session, parent);
    auto listed = [](const RemoteAddress& address) {
        return address.isFolder() ? address : address.withPath(address.path() + QLatin1Char('/'));
    };
    if (folder.isValid())
        dialog.showFolder(listed(folder));
    while (dialog.exec() == QDialog::Accepted) {
        const Document::Read read = document.read(dialog.address().toString());
        if (read.folder)
            dialog.showFolder(listed(dialog.address()));
        else if (!read.cancelled)
            return read;
    }
    return std::nullopt;
}

void RemoteOpenDialog::addressChanged(const QString& text) {
    lblPlainFtp->setVisible(
        text.trimmed().startsWith(QStringLiteral("ftp://"), Qt::CaseInsensitive));
}

void RemoteOpenDialog::showError(const QString& text) {
    lblError->setText(text);
    lblError->setVisible(!text.isEmpty());
}

void RemoteOpenDialog::accept() {
    QString error;
    const QString typed = cmbAddress->currentText().trimmed();
    const RemoteAddress address = RemoteAddress::parse(typed, &error);
    if (!address.isValid()) {
        // What was typed may hold a password: only the reason is shown.
        showError(error);
        return;
    }
    if (address.isFolder()) {
        showFolder(address);
        return;
    }
    m_address = address;
    QDialog::accept();
}

void RemoteOpenDialog::showFolder(const RemoteAddress& folder) {
    const RemoteClient::Result result = m_session->list(folder);
    if (!result.ok) {
        showError(result.cancelled ? QString() : result.message);
        return;
    }
    showError(QString());
    cmbAddress->setEditText(folder.toString());
    lstFolder->clear();
    if (folder.path() != QLatin1String("/")) {
        auto* up = new QTreeWidgetItem(lstFolder, {tr(".. (the folder above)")});
        up->setData(0, kIsFolder, true);
        up->setData(0, kName, QStringLiteral(".."));
    }
    const QLocale locale;
    for (const RemoteEntry& entry : result.entries) {
        auto* item = new QTreeWidgetItem(
            lstFolder,
            {RemoteAddress::displayName(entry.name) +
                 (entry.isFolder ? QStringLiteral("/") : QString()),
             entry.isFolder ? QString() : locale.formattedDataSize(entry.size),
             entry.time.isValid() ? locale.toString(entry.time, QLocale::ShortFormat) : QString()});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, kIsFolder, entry.isFolder);
        item->setData(0, kName, entry.name);
    }
    for (int column = 1; column < lstFolder->columnCount(); ++column)
        lstFolder->resizeColumnToContents(column);
    if (lstFolder->topLevelItemCount() > 0)
        lstFolder->setCurrentItem(lstFolder->topLevelItem(0));
    m_folder = folder;
}

void RemoteOpenDialog::itemActivated(QTreeWidgetItem* item) {
    const QString name = item->data(0, kName).toString();
    if (name == QLatin1String("..")) {
        showFolder(m_folder.folder());
        return;
    }
    const RemoteAddress chosen = m_folder.child(name, item->data(0, kIsFolder).toBool());
    if (chosen.isFolder()) {
        showFolder(chosen);
        return;
    }
    cmbAddress->setEditText(chosen.toString());
    m_address = chosen;
    QDialog::accept();
}
