#include "pages/VotesPage.h"

#include "config/ConfigText.h"

#include <QCheckBox>

namespace {

struct Vote {
    const char* box;
    const char* caption;
    const char* hint;
    const char* name;
    bool allowed; // at start
};

// In the order the lines are written, which is also their order on the page.
constexpr Vote votes[] = {
    {"chkKick", "Allow vote kick", "Allow players to vote to kick a player. (g_allowVoteKick)",
     "g_allowVoteKick", false},
    {"chkMap", "Allow vote map", "Allow players to vote to change a map. (g_allowVoteMap)",
     "g_allowVoteMap", true},
    {"chkRestart", "Allow vote map restart",
     "Allow players to vote to restart a map. (g_allowVoteMapRestart)", "g_allowVoteMapRestart",
     true},
    {"chkRotate", "Allow vote map rotate",
     "Allow players to vote to rotate to the next map. (g_allowVoteMapRotate)",
     "g_allowVoteMapRotate", false},
    {"chkBan", "Allow vote temp ban",
     "Allow players to vote to temporarily ban a player. (g_allowVoteTempBanUser)",
     "g_allowVoteTempBanUser", false},
    {"chkGG", "Allow vote gametype",
     "Allow players to vote to change the gametype. (g_allowVoteTypeMap)", "g_allowVoteTypeMap",
     true},
    {"chkTeam", "Allow vote team icon",
     "Allow players to vote to turn on/off team icons. (g_allowVoteDrawFriend)",
     "g_allowVoteDrawFriend", false},
    {"chkFF", "Allow vote friendly fire",
     "Allow players to vote to turn on/off friendly fire. (g_allowVoteFriendlyFire)",
     "g_allowVoteFriendlyFire", true},
    {"chkKK", "Allow vote killcam",
     "Allow players to vote to turn on/off killcam. (g_allowVoteKillCam)", "g_allowVoteKillCam",
     true},
};

// Two rows: the first five votes, then the other four.
constexpr int kPerRow = 5;
constexpr int kLeft = 16;
constexpr int kTop = 40;
constexpr int kBoxWidth = 136;
constexpr int kBoxHeight = 18;
constexpr int kColumnPitch = 148;
constexpr int kRowPitch = 32;

} // namespace

VotesPage::VotesPage(QWidget* parent)
    : PageSheet("tabVotes", "Allowed Votes", "Allowed Votes", parent) {
    int index = 0;
    for (const Vote& vote : votes) {
        auto* box = new QCheckBox(QString::fromLatin1(vote.caption), this);
        box->setObjectName(QLatin1String(vote.box));
        box->setStatusTip(QString::fromLatin1(vote.hint));
        box->setAccessibleDescription(box->statusTip());
        box->setChecked(vote.allowed);
        box->setAutoFillBackground(true);
        QPalette white = box->palette();
        white.setColor(QPalette::Window, Qt::white);
        box->setPalette(white);
        box->setGeometry(kLeft + (index % kPerRow) * kColumnPitch,
                         kTop + (index / kPerRow) * kRowPitch, kBoxWidth, kBoxHeight);
        addStrip(box->geometry().adjusted(-4, -3, 4, 3));
        m_boxes.append(box);
        ++index;
    }
    setFocusOrder({"chkKick", "chkKK", "chkFF", "chkTeam", "chkGG", "chkBan", "chkRotate",
                   "chkRestart", "chkMap"});
}

void VotesPage::writeLines(ConfigText& text) const {
    for (qsizetype i = 0; i < m_boxes.size(); ++i)
        text.switchLine(votes[i].name, m_boxes[i]->isChecked());
}
