#include "pages/GametypesPage.h"

#include "settings/GametypesSettings.h"

#include <QLabel>

using namespace settings::gametypes;

namespace {

// The first column is the widest: Retrieval's carrier choice needs room for "Yes" and "No"
// beside its label. The third holds the longest label.
constexpr int kColumns = 3;
constexpr int kColumnWidth[kColumns] = {266, 244, 244};
constexpr int kLabelWidth[kColumns] = {126, 126, 130};
static_assert(kColumnWidth[0] + kColumnWidth[1] + kColumnWidth[2] + 2 * PageSheet::kDivider ==
              PageSheet::kWidth);
constexpr int kHeadingHeight = 18;
constexpr int kGridTop = PageSheet::kTitleHeight + 4;
constexpr int kRowGap = 8;
constexpr int kPitch = 24;

} // namespace

GametypesPage::GametypesPage(QWidget* parent)
    : SettingsPage(PageId::Gametypes, parent) {
    int top = kGridTop;
    int rowBottom = top;
    for (int block = 0; block < std::ssize(blockTitles); ++block) {
        if (block > 0 && block % kColumns == 0)
            top = rowBottom + kRowGap;
        const int column = block % kColumns;
        int x = 0;
        for (int c = 0; c < column; ++c)
            x += kColumnWidth[c] + kDivider;

        addHeading(settingText(blockTitles[block]),
                   QRect(x, top, kColumnWidth[column], kHeadingHeight), 12);
        RowColumn blockRows(this, {.x = x,
                                   .top = top + kHeadingHeight + 2,
                                   .width = kColumnWidth[column],
                                   .labelWidth = kLabelWidth[column],
                                   .pitch = kPitch});
        blockRows.add(block);
        rowBottom = qMax(rowBottom, blockRows.bottom());
    }

    // The carrier choice stands on the page's own colour, not on a white panel.
    QWidget* carrier = rowOf("scr_re_showcarrier").panel;
    carrier->setAutoFillBackground(false);
    carrier->setPalette(QPalette());

    addCornerPicture(":/pic-star-dark.png");
    finishRows();
}
