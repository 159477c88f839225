#include "pages/NetworkOptionsPage.h"

#include "settings/NetworkOptionsSettings.h"

using namespace settings::networkOptions;

namespace {

constexpr int kColumnWidth = 380;
constexpr int kPitch = 26;
constexpr int kHeadingHeight = 22;

} // namespace

NetworkOptionsPage::NetworkOptionsPage(QWidget* parent)
    : SettingsPage(PageId::NetworkOptions, parent) {
    const int rightX = kColumnWidth + kDivider;
    const int rightWidth = kWidth - rightX;
    const QRect heading(rightX, kTitleHeight + 6, rightWidth, kHeadingHeight);

    RowColumn left(this, {.x = 0, .width = kColumnWidth, .labelWidth = 110, .pitch = kPitch});
    RowColumn right(this, {.x = rightX,
                           .top = heading.bottom() + 1 + 6,
                           .width = rightWidth,
                           .labelWidth = 130,
                           .pitch = kPitch});
    left.add(0);
    right.add(1);
    addColumnDivider(kColumnWidth);
    addHeading(tr("Downloads (if allowed)"), heading, 11);

    addCornerPicture(":/pic-globe.png");
    finishRows();
}
