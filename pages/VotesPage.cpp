#include "pages/VotesPage.h"

#include "pages/settings/VotesSettings.h"

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
    for (const SettingRow& vote : votes) {
        const Place at = placeOf(vote);
        const QRect box(kLeft + at.column * kColumnPitch, kTop + at.slot * kRowPitch, kBoxWidth,
                        kBoxHeight);
        addCaptionedCheck(this, vote, box);
        addStrip(box.adjusted(-4, -3, 4, 3));
    }
    finishRows();
}
