#include "pages/VotesPage.h"

#include "settings/VotesSettings.h"

#include <QCheckBox>

using namespace settings::votes;

namespace {

constexpr int kLeft = 16;
constexpr int kTop = 40;
constexpr int kBoxWidth = 136;
constexpr int kBoxHeight = 18;
constexpr int kColumnPitch = 148;
constexpr int kRowPitch = 32;

} // namespace

VotesPage::VotesPage(QWidget* parent)
    : SettingsPage(PageId::Votes, parent) {
    // The columns as wide as the longest caption needs (another language, a wider font), at
    // least as wide as given here. Where the page has room for fewer columns than declared, the
    // boxes fill the columns it has row by row, in the declared order.
    QList<QCheckBox*> boxes;
    int width = kBoxWidth;
    int columns = 0;
    for (const SettingRow& vote : votes) {
        boxes.append(addCaptionedCheck(this, vote, QRect()));
        width = qMax(width, boxes.last()->sizeHint().width());
        columns = qMax(columns, placeOf(vote).column + 1);
    }
    const int pitch = kColumnPitch + width - kBoxWidth;
    const int fitting = qMax(1, (kWidth - 2 * kLeft - width) / pitch + 1);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const Place at = placeOf(votes[i]);
        int column = at.column, slot = at.slot;
        if (fitting < columns) {
            const int place = at.slot * columns + at.column;
            column = place % fitting;
            slot = place / fitting;
        }
        const QRect box(kLeft + column * pitch, kTop + slot * kRowPitch, width, kBoxHeight);
        boxes[i]->setGeometry(box);
        addStrip(box.adjusted(-4, -3, 4, 3));
    }
    finishRows();
}
