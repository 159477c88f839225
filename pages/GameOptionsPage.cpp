#include "pages/GameOptionsPage.h"

#include "controls/TLMDTextButton.h"
#include "pages/VotesPage.h"

#include <QRadioButton>

namespace {

constexpr RadioChoice gametypes[] = {
    {"gt1", "Deathmatch", "dm", kGrey, kWhite},
    {"gt2", "Team Deathmatch", "tdm", kGrey, kWhite},
    {"gt3", "Behind Enemy Lines", "bel", kGrey, kWhite},
    {"gt4", "Retrieval", "re", kGrey, kWhite},
    {"gt5", "Search and Destroy", "sd", kGrey, kWhite},
    {"gt6", "Headquarters", "hq", kGrey, kWhite},
};
constexpr RadioChoice allowVote[] = {{"rbAV1", "Yes", "1", kGrey, kWhite},
                                     {"rbAV0", "No", "0", kGrey, kWhite}};
constexpr RadioChoice drawFriend[] = {{"rbDF1", "Yes", "1", kGrey, kWhite},
                                      {"rbDF0", "No", "0", kGrey, kWhite}};
constexpr RadioChoice forceRespawn[] = {{"rbFR11", "Yes", "1", kGrey, kWhite},
                                        {"rbFR00", "No", "0", kGrey, kWhite}};
constexpr RadioChoice deadChat[] = {{"rbD1", "Yes", "1", kGrey, kWhite},
                                    {"rbD0", "No", "0", kGrey, kWhite}};
constexpr RadioChoice friendlyFire[] = {
    {"rbFF0", "Off", "0", kGrey, kWhite},
    {"rbFF1", "On", "1", kGrey, kWhite},
    {"rbFF2", "Reflect", "2", kGrey, kWhite},
    {"rbFF3", "Share Damage", "3", kGrey, kWhite},
};
constexpr RadioChoice killcam[] = {{"rbKK1", "Yes", "1", kGrey, kWhite},
                                   {"rbKK0", "No", "0", kGrey, kWhite}};
constexpr RadioChoice freelook[] = {{"rbFL1", "Yes", "1", kGrey, kWhite},
                                    {"rbFL0", "No", "0", kGrey, kWhite}};
constexpr RadioChoice spectateEnemy[] = {{"rbSE1", "Yes", "1", kGrey, kWhite},
                                         {"rbSE0", "No", "0", kGrey, kWhite}};
constexpr RadioChoice penalty[] = {{"rbP1", "Yes", "1", kGrey, kWhite},
                                   {"rbP0", "No", "0", kGrey, kWhite}};

// The rows of the left column, top to bottom; the section names them by these indices.
enum LeftRow { Gametype, AllowVote, DrawFriend, ForceRespawn, DeadChat };

constexpr SettingRow leftRows[] = {
    {.include = "chkGametype",
     .label = "Gametype:",
     .hint = "Select default gametype. (g_gametype)",
     .panel = "Panel8",
     .buttons = gametypes,
     .stacked = true,
     .name = "g_gametype"},
    {.include = "chkAllowVote",
     .label = "Allow Voting:",
     .hint = "Allow players to vote to change server settings. (g_allowvote)",
     .panel = "Panel9",
     .buttons = allowVote,
     .name = "g_allowvote"},
    {.include = "chkDrawti",
     .label = "Draw team icon over teammates:",
     .hint = "Draw team icons above players. (scr_drawfriend)",
     .panel = "Panel10",
     .buttons = drawFriend,
     .name = "scr_drawfriend"},
    {.include = "chkForceRespawn",
     .label = "Force respawning:",
     .hint = "Force players to respawn after dieing. (scr_forcerespawn)",
     .panel = "Panel15",
     .buttons = forceRespawn,
     .name = "scr_forcerespawn"},
    {.include = "chkDead",
     .label = "Dead Chat:",
     .hint = "Allow dead players to talk to alive players. (g_deadChat)",
     .panel = "Panel18",
     .buttons = deadChat,
     .checked = 1,
     .name = "g_deadchat"},
};

// The right column, top to bottom, which is also the order of its lines.
constexpr SettingRow rightRows[] = {
    {.include = "chkFriendlyFire",
     .label = "Friendly fire:",
     .hint = "Whether players can damage teammates. (scr_friendlyfire)",
     .panel = "Panel12",
     .buttons = friendlyFire,
     .stacked = true,
     .name = "scr_friendlyfire"},
    {.include = "chkKillcam",
     .label = "Killcam:",
     .hint = "Allow players to see the killcam. (scr_killcam)",
     .panel = "Panel13",
     .buttons = killcam,
     .name = "scr_killcam"},
    {.include = "chkFreelook",
     .label = "Free look:",
     .hint = "Allow players to spectate in freelook mode. (scr_freelook)",
     .panel = "Panel14",
     .buttons = freelook,
     .name = "scr_freelook"},
    {.include = "chkSpectateenemy",
     .label = "Spectate enemy:",
     .hint = "Allow players to spectate enemies or only their own team. (scr_spectateenemy)",
     .panel = "Panel11",
     .buttons = spectateEnemy,
     .name = "scr_spectateenemy"},
    {.include = "chkMaxDiff",
     .label = "Max difference in teams:",
     .hint = " X > 0 - Balances teams within X number of players. 0 turns it off. "
             "(scr_teambalance)",
     .edit = "edMaxDiffs",
     .text = "0",
     .prefix = "set scr_teambalance \""},
    {.include = "chkPenalty",
     .label = "Team score penalty:",
     .hint = "Killing teammates or committing suicide during a TDM game reduce the team's score "
             "as well as the clients. (scr_teamscorepenalty)",
     .panel = "Panel17",
     .buttons = penalty,
     .name = "scr_teamscorepenalty"},
};

constexpr int kColumnWidth = 400;

} // namespace

GameOptionsPage::GameOptionsPage(QWidget* parent)
    : SettingsPage("TabSheet4", "Game Options", "Game Options", parent)
    , m_votes(new VotesPage(this)) {
    // Until the window puts it into its page control.
    m_votes->hide();

    RowColumn left(this, {.x = 0, .width = kColumnWidth, .labelWidth = 166, .pitch = 26});
    RowColumn right(this, {.x = kColumnWidth + kDivider,
                           .width = kWidth - kColumnWidth - kDivider,
                           .labelWidth = 124,
                           .pitch = 26});
    m_left = left.add(leftRows);
    m_right = right.add(rightRows);
    addColumnDivider(kColumnWidth);

    // "Allowed Votes" sits in the voting panel after "Yes" and "No"; a push button takes no part
    // in the panel's radio group.
    QRadioButton* no = m_left[AllowVote].buttons.last();
    QWidget* voting = no->parentWidget();
    auto* votes = new TLMDTextButton(QStringLiteral("Allowed Votes"), voting);
    votes->setObjectName(QStringLiteral("LMDTextButton30"));
    votes->setStatusTip(QStringLiteral("Select allowed votes"));
    const int votesX = no->geometry().right() + 6;
    votes->setGeometry(votesX, 0, voting->width() - votesX, voting->height());
    connect(votes, &TLMDTextButton::clicked, this, &GameOptionsPage::votesRequested);

    addCornerPicture(":/pic-star.png");

    setFocusOrder({"chkGametype",     "Panel8",     "Panel9",      "chkAllowVote",
                   "Panel10",         "chkDrawti",  "Panel11",     "chkForceRespawn",
                   "chkFriendlyFire", "Panel12",    "Panel13",     "Panel14",
                   "Panel15",         "chkKillcam", "chkFreelook", "chkSpectateenemy",
                   "chkMaxDiff",      "Panel17",    "chkPenalty",  "Panel18",
                   "chkDead",         "edMaxDiffs"});
}

void GameOptionsPage::writeSection(Section, ConfigText& text) const {
    // The lines do not follow the page row by row: the allowed votes come right after the voting
    // row, and dead chat, the last row on the left, closes the section after the right column.
    m_left[Gametype].write(text);
    m_left[AllowVote].write(text);
    m_votes->writeLines(text);
    m_left[DrawFriend].write(text);
    m_left[ForceRespawn].write(text);
    for (const RowControls& row : m_right)
        row.write(text);
    m_left[DeadChat].write(text);
}
