#include "pages/ServerOptionsPage.h"

#include "settings/ServerOptionsSettings.h"

#include <QLabel>

using namespace settings::serverOptions;

namespace {

constexpr int kColumnWidth = 380;
constexpr int kPitch = 26;

} // namespace

ServerOptionsPage::ServerOptionsPage(QWidget* parent)
    : SettingsPage(PageId::ServerOptions, parent) {
    RowColumn left(this, {.x = 0, .width = kColumnWidth, .labelWidth = 110, .pitch = kPitch});
    RowColumn right(this, {.x = kColumnWidth + kDivider,
                           .width = kWidth - kColumnWidth - kDivider,
                           .labelWidth = 96,
                           .pitch = kPitch});
    left.add(0);
    right.add(1);
    addColumnDivider(kColumnWidth);

    auto* warning = new QLabel(tr("WARNING: Password fields are not protected..."), this);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(11);
    warning->setFont(verdana);
    warning->setGeometry(8, left.bottom() + 12, kColumnWidth - 16, 16);

    addCornerPicture(":/pic-gear.png");
    finishRows();
}
