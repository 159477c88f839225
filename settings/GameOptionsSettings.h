#pragma once

#include "settings/SettingRow.h"

namespace settings::gameOptions {

inline constexpr RadioChoice gametypes[] = {
    {"gt1", QT_TRANSLATE_NOOP("Settings", "Deathmatch"), "dm", kGrey, kWhite},
    {"gt2", QT_TRANSLATE_NOOP("Settings", "Team Deathmatch"), "tdm", kGrey, kWhite},
    {"gt3", QT_TRANSLATE_NOOP("Settings", "Behind Enemy Lines"), "bel", kGrey, kWhite},
    {"gt4", QT_TRANSLATE_NOOP("Settings", "Retrieval"), "re", kGrey, kWhite},
    {"gt5", QT_TRANSLATE_NOOP("Settings", "Search and Destroy"), "sd", kGrey, kWhite},
    {"gt6", QT_TRANSLATE_NOOP("Settings", "Headquarters"), "hq", kGrey, kWhite},
};
inline constexpr auto allowVote = yesNo("rbAV1", "rbAV0");
inline constexpr auto drawFriend = yesNo("rbDF1", "rbDF0");
inline constexpr auto forceRespawn = yesNo("rbFR11", "rbFR00");
inline constexpr auto deadChat = yesNo("rbD1", "rbD0");
inline constexpr RadioChoice friendlyFire[] = {
    {"rbFF0", QT_TRANSLATE_NOOP("Settings", "Off"), "0", kGrey, kWhite},
    {"rbFF1", QT_TRANSLATE_NOOP("Settings", "On"), "1", kGrey, kWhite},
    {"rbFF2", QT_TRANSLATE_NOOP("Settings", "Reflect"), "2", kGrey, kWhite},
    {"rbFF3", QT_TRANSLATE_NOOP("Settings", "Share Damage"), "3", kGrey, kWhite},
};
inline constexpr auto killcam = yesNo("rbKK1", "rbKK0");
inline constexpr auto freelook = yesNo("rbFL1", "rbFL0");
inline constexpr auto spectateEnemy = yesNo("rbSE1", "rbSE0");
inline constexpr auto penalty = yesNo("rbP1", "rbP0");

inline constexpr auto Radios = Control::Radios;
inline constexpr auto Choice = ValueKind::Choice;
inline constexpr auto Voting = Section::GameOptions;

// In the order the section writes them, which does not follow the page row by row: the gametype and
// the voting row, then (on their own page) the allowed votes, then the game rules: the rest of the
// left column but dead chat, the right column, and dead chat, the last row on the left.
// clang-format off
inline constexpr SettingRow gameRules[] = {
    {.include = "chkGametype", .label = QT_TRANSLATE_NOOP("Settings", "Gametype:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Select default gametype. (g_gametype)"),
     .control = Radios, .name = "Panel8", .kind = Choice, .variable = "g_gametype",
     .buttons = gametypes, .stacked = true, .at = {0}, .section = Voting},
    {.include = "chkAllowVote", .label = QT_TRANSLATE_NOOP("Settings", "Allow Voting:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to change server settings. (g_allowvote)"),
     .control = Radios, .name = "Panel9", .kind = Choice, .variable = "g_allowvote",
     .buttons = allowVote, .at = {0}, .section = Voting},
    {.include = "chkDrawti",
     .label = QT_TRANSLATE_NOOP("Settings", "Draw team icon over teammates:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Draw team icons above players. (scr_drawfriend)"),
     .control = Radios, .name = "Panel10", .kind = Choice, .variable = "scr_drawfriend",
     .buttons = drawFriend, .at = {0}},
    {.include = "chkForceRespawn", .label = QT_TRANSLATE_NOOP("Settings", "Force respawning:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Force players to respawn after dieing. (scr_forcerespawn)"),
     .control = Radios, .name = "Panel15", .kind = Choice, .variable = "scr_forcerespawn",
     .buttons = forceRespawn, .at = {0}},
    {.include = "chkFriendlyFire", .label = QT_TRANSLATE_NOOP("Settings", "Friendly fire:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Whether players can damage teammates. (scr_friendlyfire)"),
     .control = Radios, .name = "Panel12", .kind = Choice, .variable = "scr_friendlyfire",
     .buttons = friendlyFire, .stacked = true, .at = {1}},
    {.include = "chkKillcam", .label = QT_TRANSLATE_NOOP("Settings", "Killcam:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow players to see the killcam. (scr_killcam)"),
     .control = Radios, .name = "Panel13", .kind = Choice, .variable = "scr_killcam",
     .buttons = killcam, .at = {1}},
    {.include = "chkFreelook", .label = QT_TRANSLATE_NOOP("Settings", "Free look:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to spectate in freelook mode. (scr_freelook)"),
     .control = Radios, .name = "Panel14", .kind = Choice, .variable = "scr_freelook",
     .buttons = freelook, .at = {1}},
    {.include = "chkSpectateenemy", .label = QT_TRANSLATE_NOOP("Settings", "Spectate enemy:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to spectate enemies or only their own team. (scr_spectateenemy)"),
     .control = Radios, .name = "Panel11", .kind = Choice, .variable = "scr_spectateenemy",
     .buttons = spectateEnemy, .at = {1}},
    {.include = "chkMaxDiff", .label = QT_TRANSLATE_NOOP("Settings", "Max difference in teams:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         " X > 0 - Balances teams within X number of players. 0 turns it off. "
             "(scr_teambalance)"),
     .control = Control::Edit, .name = "edMaxDiffs", .kind = ValueKind::Number,
     .variable = "scr_teambalance", .text = "0", .at = {1}},
    {.include = "chkPenalty", .label = QT_TRANSLATE_NOOP("Settings", "Team score penalty:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Killing teammates or committing suicide during a TDM game reduce the team's score "
             "as well as the clients. (scr_teamscorepenalty)"),
     .control = Radios, .name = "Panel17", .kind = Choice, .variable = "scr_teamscorepenalty",
     .buttons = penalty, .at = {1}},
    {.include = "chkDead", .label = QT_TRANSLATE_NOOP("Settings", "Dead Chat:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow dead players to talk to alive players. (g_deadChat)"),
     .control = Radios, .name = "Panel18", .kind = Choice, .variable = "g_deadchat",
     .buttons = deadChat, .checked = 1, .at = {0}},
};
// clang-format on
// The keyboard order of the page, which goes its own way between boxes and choices.
inline constexpr const char* keyboard[] = {
    "chkGametype",      "Panel8",     "Panel9",          "chkAllowVote",    "Panel10",
    "chkDrawti",        "Panel11",    "chkForceRespawn", "chkFriendlyFire", "Panel12",
    "Panel13",          "Panel14",    "Panel15",         "chkKillcam",      "chkFreelook",
    "chkSpectateenemy", "chkMaxDiff", "Panel17",         "chkPenalty",      "Panel18",
    "chkDead",          "edMaxDiffs",
};
static_assert(wellDeclared(gameRules, keyboard));

} // namespace settings::gameOptions
