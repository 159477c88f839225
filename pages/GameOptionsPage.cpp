#include "pages/GameOptionsPage.h"

#include "settings/GameOptionsSettings.h"

#include "controls/TLMDTextButton.h"

#include <QRadioButton>

using namespace settings::gameOptions;

namespace {

constexpr int kColumnWidth = 400;
constexpr int kPitch = 26;

} // namespace

GameOptionsPage::GameOptionsPage(QWidget* parent)
    : SettingsPage(PageId::GameOptions, parent) {
    RowColumn left(this, {.x = 0, .width = kColumnWidth, .labelWidth = 166, .pitch = kPitch});
    RowColumn right(this, {.x = kColumnWidth + kDivider,
                           .width = kWidth - kColumnWidth - kDivider,
                           .labelWidth = 124,
                           .pitch = kPitch});
    left.add(0);
    right.add(1);
    addColumnDivider(kColumnWidth);

    // "Allowed Votes" sits in the voting panel after "Yes" and "No"; a push button takes no part
    // in the panel's radio group, and the keyboard reaches it after them.
    const RowControls& voting = rowOf("g_allowvote");
    const QRadioButton* no = voting.buttons.last();
    auto* votes = new TLMDTextButton(tr("Allowed Votes"), voting.panel);
    votes->setObjectName(QStringLiteral("LMDTextButton30"));
    votes->setStatusTip(tr("Select allowed votes"));
    int votesX = no->geometry().right() + 6;
    // Short of room for its caption (another language, a wider font), the radio buttons give up
    // the room beside theirs.
    if (voting.panel->width() - votesX < votes->captionWidth()) {
        int x = 0;
        for (QRadioButton* button : voting.buttons) {
            button->setGeometry(x, button->y(), button->sizeHint().width(), button->height());
            x += button->width() + 2;
        }
        votesX = x + 4;
    }
    votes->setGeometry(votesX, 0, voting.panel->width() - votesX, voting.panel->height());

    addCornerPicture(":/pic-star.png");
    finishRows();
}
