#pragma once

#include "settings/SettingRow.h"

namespace settings::votes {

inline constexpr auto Check = Control::Check;
inline constexpr auto OnOff = ValueKind::OnOff;

// In the order the lines are written, which is also their order on the page: five in the first
// line (slot 0), four in the second; the keyboard goes its own way.
// clang-format off
inline constexpr SettingRow votes[] = {
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote kick"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to kick a player. (g_allowVoteKick)"),
     .control = Check, .name = "chkKick", .kind = OnOff, .variable = "g_allowVoteKick",
     .at = {0}},
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote map"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to change a map. (g_allowVoteMap)"),
     .control = Check, .name = "chkMap", .kind = OnOff, .variable = "g_allowVoteMap",
     .checkedAtStart = true, .at = {1}},
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote map restart"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to restart a map. (g_allowVoteMapRestart)"),
     .control = Check, .name = "chkRestart", .kind = OnOff, .variable = "g_allowVoteMapRestart",
     .checkedAtStart = true, .at = {2}},
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote map rotate"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to rotate to the next map. (g_allowVoteMapRotate)"),
     .control = Check, .name = "chkRotate", .kind = OnOff, .variable = "g_allowVoteMapRotate",
     .at = {3}},
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote temp ban"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to temporarily ban a player. (g_allowVoteTempBanUser)"),
     .control = Check, .name = "chkBan", .kind = OnOff, .variable = "g_allowVoteTempBanUser",
     .at = {4}},
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote gametype"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to change the gametype. (g_allowVoteTypeMap)"),
     .control = Check, .name = "chkGG", .kind = OnOff, .variable = "g_allowVoteTypeMap",
     .checkedAtStart = true, .at = {0}},
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote team icon"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to turn on/off team icons. (g_allowVoteDrawFriend)"),
     .control = Check, .name = "chkTeam", .kind = OnOff, .variable = "g_allowVoteDrawFriend",
     .at = {1}},
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote friendly fire"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to turn on/off friendly fire. (g_allowVoteFriendlyFire)"),
     .control = Check, .name = "chkFF", .kind = OnOff, .variable = "g_allowVoteFriendlyFire",
     .checkedAtStart = true, .at = {2}},
    {.label = QT_TRANSLATE_NOOP("Settings", "Allow vote killcam"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to vote to turn on/off killcam. (g_allowVoteKillCam)"),
     .control = Check, .name = "chkKK", .kind = OnOff, .variable = "g_allowVoteKillCam",
     .checkedAtStart = true, .at = {3}},
};
// clang-format on
// The keyboard order, which goes its own way.
inline constexpr const char* keyboard[] = {
    "chkKick", "chkKK", "chkFF", "chkTeam", "chkGG", "chkBan", "chkRotate", "chkRestart", "chkMap",
};
static_assert(wellDeclared(votes, keyboard));

} // namespace settings::votes
