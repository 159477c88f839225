#include "window/remote/HistoryDialog.h"

#include "remote/History.h"
#include "remote/RemoteAddress.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

HistoryDialog::HistoryDialog(const QString& place, const QString& path, QWidget* parent)
    : QDialog(parent)
    , lstVersions(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("HistoryDialog"));
    setWindowTitle(tr("History"));
    resize(520, 360);
    auto* layout = new QVBoxLayout(this);
    auto* label =
        new QLabel(tr("Earlier versions of %1, kept before each save:")
                       .arg(place.isEmpty() ? path : place + RemoteAddress::displayName(path)),
                   this);
    label->setWordWrap(true);
    layout->addWidget(label);
    lstVersions->setObjectName(QStringLiteral("lstVersions"));
    lstVersions->setHeaderLabels({tr("Replaced at"), tr("Size")});
    lstVersions->setRootIsDecorated(false);
    lstVersions->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstVersions->header()->setStretchLastSection(false);
    const QLocale locale;
    for (const History::Version& version : History().versions(place, path)) {
        auto* item = new QTreeWidgetItem(
            lstVersions, {locale.toString(version.time.toLocalTime(),
                                          QStringLiteral("ddd d MMM yyyy  HH:mm:ss")),
                          locale.formattedDataSize(version.size)});
        item->setData(0, Qt::UserRole, version.file);
        item->setData(0, Qt::UserRole + 1, version.time);
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    lstVersions->resizeColumnToContents(1);
    if (lstVersions->topLevelItemCount() > 0)
        lstVersions->setCurrentItem(lstVersions->topLevelItem(0));
    layout->addWidget(lstVersions, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* open =
        buttons->addButton(tr("&Open as New Document"), QDialogButtonBox::ActionRole);
    open->setObjectName(QStringLiteral("btnOpenVersion"));
    QPushButton* restore = buttons->addButton(tr("&Restore"), QDialogButtonBox::ActionRole);
    restore->setObjectName(QStringLiteral("btnRestoreVersion"));
    const bool any = lstVersions->topLevelItemCount() > 0;
    open->setEnabled(any);
    restore->setEnabled(any);
    connect(open, &QPushButton::clicked, this, [this] { choose(Choice::Open); });
    connect(restore, &QPushButton::clicked, this, [this] { choose(Choice::Restore); });
    connect(lstVersions, &QTreeWidget::itemActivated, this, [this] { choose(Choice::Open); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void HistoryDialog::choose(Choice choice) {
    const QTreeWidgetItem* item = lstVersions->currentItem();
    if (!item)
        return;
    m_file = item->data(0, Qt::UserRole).toString();
    m_time = item->data(0, Qt::UserRole + 1).toDateTime();
    m_choice = choice;
    accept();
}

std::optional<HistoryDialog::Chosen> HistoryDialog::chooseVersion(const Location& place,
                                                                  QWidget* parent) {
    if (place.isNone())
        return std::nullopt;
    HistoryDialog dialog(place.historyAccount(), place.historyPath(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    Chosen chosen;
    chosen.choice = dialog.choice();
    chosen.when = QLocale().toString(dialog.versionTime().toLocalTime(), QLocale::ShortFormat);
    QFile file(dialog.versionFile());
    if (file.open(QIODevice::ReadOnly))
        chosen.bytes = file.readAll();
    else
        chosen.error = QCoreApplication::translate("TForm1", "Cannot read the earlier version "
                                                             "\"%1\". %2")
                           .arg(dialog.versionFile(), file.errorString());
    return chosen;
}
