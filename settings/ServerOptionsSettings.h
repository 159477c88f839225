#pragma once

#include "settings/SettingRow.h"

namespace settings::serverOptions {

inline constexpr auto pure = greenYesNo("rbPure1", "rbPure0");
inline constexpr auto download = greenYesNo("rbDl1", "rbDl0");
inline constexpr auto cheats = greenYesNo("rbCheats1", "rbCheats0");
// Buffered writes are 1, writing immediately 0.
inline constexpr RadioChoice logSync[] = {
    {"rbB", QT_TRANSLATE_NOOP("Settings", "Buffered Writes"), "1", kGrey, kWhite},
    {"rbW", QT_TRANSLATE_NOOP("Settings", "Write immediately"), "0", kGrey, kWhite}};
inline constexpr auto anonymous = greenYesNo("rbA1", "rbA0");
inline constexpr auto flood = greenYesNo("rbFlood1", "rbFlood0");

inline constexpr auto Edit = Control::Edit;
inline constexpr auto Radios = Control::Radios;
inline constexpr auto Text = ValueKind::Text;
inline constexpr auto Number = ValueKind::Number;
inline constexpr auto Choice = ValueKind::Choice;

// In the order the section writes them: the left column, then the right one. The keyboard takes
// the pure-server choice right after its box, then the other boxes, the other choices, the edits.
// clang-format off
inline constexpr SettingRow options[] = {
    {.include = "chkPure", .label = QT_TRANSLATE_NOOP("Settings", "Pure Server:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Client package files must be pure to connect. (sv_pure)"),
     .control = Radios, .name = "Panel2", .kind = Choice, .variable = "sv_pure",
     .buttons = pure, .at = {0}},
    {.include = "chkRcon", .label = QT_TRANSLATE_NOOP("Settings", "Rcon Password:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Remote Console Password (Admin Password). (rconPassword)"),
     .control = Edit, .name = "edRcons", .kind = Text, .variable = "rconpassword",
     .at = {0}},
    {.include = "chkSvpass", .label = QT_TRANSLATE_NOOP("Settings", "Server Password:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "To make the server private, set a password here. (g_password)"),
     .control = Edit, .name = "edSvpasss", .kind = Text, .variable = "g_password",
     .at = {0}},
    {.include = "chkPvtpw", .label = QT_TRANSLATE_NOOP("Settings", "PVT Clients pw:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Reserve slots for people who use this password to connect. (sv_privatePassword)"),
     .control = Edit, .name = "edPvtpws", .kind = Text, .variable = "sv_privatepassword",
     .at = {0}},
    {.include = "chkPvtp", .label = QT_TRANSLATE_NOOP("Settings", "Reserved Slots:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Number of slots reserved for players connecting with the private password. "
             "(sv_privateClients)"),
     .control = Edit, .name = "edPvtps", .kind = Number, .variable = "sv_privateclients",
     .at = {0}},
    {.include = "chkMaxplayers", .label = QT_TRANSLATE_NOOP("Settings", "Max Players:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Maximum number of players able to connect. (sv_maxclients)"),
     .control = Edit, .name = "edMaxplayerss", .kind = Number, .variable = "sv_maxclients",
     .at = {0}},
    {.include = "chkDl", .label = QT_TRANSLATE_NOOP("Settings", "Allow client dl:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to download custom packages they do not have from the server. "
             "(sv_allowDownload)"),
     .control = Radios, .name = "Panel3", .kind = Choice, .variable = "sv_allowdownload",
     .buttons = download, .at = {0}},
    {.include = "chkCheats", .label = QT_TRANSLATE_NOOP("Settings", "Allow cheats:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Allow players to use in-built cheats such as godmode. (sv_cheats)"),
     .control = Radios, .name = "Panel4", .kind = Choice, .variable = "sv_cheats",
     .buttons = cheats, .checked = 1, .at = {0}},
    {.include = "chkLog", .label = QT_TRANSLATE_NOOP("Settings", "Logfile:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Name of the log file. (g_log)"),
     .control = Edit, .name = "edLogs", .kind = Text, .variable = "g_log",
     .text = "games_mp.log", .at = {1}},
    {.include = "chkLogsync", .label = QT_TRANSLATE_NOOP("Settings", "Logsync:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "How to write the log file. (g_logsync)"),
     .control = Radios, .name = "Panel5", .kind = Choice, .variable = "g_logsync",
     .buttons = logSync, .valueInHints = false, .at = {1}},
    {.include = "chkBanned", .label = QT_TRANSLATE_NOOP("Settings", "Banned IPs:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Banned IPs (set g_banips)"),
     .control = Edit, .name = "edBanneds", .kind = Text, .variable = "g_banips",
     .at = {1}},
    {.include = "chkBanD", .label = QT_TRANSLATE_NOOP("Settings", "Ban Duration(s):"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Temporary ban duration in seconds. (sv_kickBanTime)"),
     .control = Edit, .name = "edBanDs", .kind = Number, .variable = "sv_kickbantime",
     .text = "300", .at = {1}},
    {.include = "chkSvfps", .label = QT_TRANSLATE_NOOP("Settings", "Server FPS:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "The number of frames per second the server runs at. (sv_fps)"),
     .control = Edit, .name = "edSvfpss", .kind = Number, .variable = "sv_fps",
     .text = "20", .at = {1}},
    {.include = "chkA", .label = QT_TRANSLATE_NOOP("Settings", "Allow Anonymous:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Anonymous (set sv_allowanonymous)"),
     .control = Radios, .name = "Panel6", .kind = Choice, .variable = "sv_allowanonymous",
     .buttons = anonymous, .checked = 1, .at = {1}},
    {.include = "chkFlood", .label = QT_TRANSLATE_NOOP("Settings", "Flood Protection:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Stop players from flooding chat messages. (sv_floodProtect)"),
     .control = Radios, .name = "Panel7", .kind = Choice, .variable = "sv_floodprotect",
     .buttons = flood, .at = {1}},
};
// clang-format on
// The keyboard order: the pure-server choice right after its box, then the other boxes, the other
// choices, the edits.
inline constexpr const char* keyboard[] = {
    "chkPure",       "Panel2",   "chkRcon",       "chkSvpass", "chkPvtpw",   "chkPvtp",
    "chkMaxplayers", "chkDl",    "chkCheats",     "chkLog",    "chkLogsync", "chkBanned",
    "chkBanD",       "chkSvfps", "chkA",          "chkFlood",  "Panel3",     "Panel4",
    "Panel5",        "Panel6",   "Panel7",        "edRcons",   "edPvtpws",   "edSvpasss",
    "edBanneds",     "edLogs",   "edMaxplayerss", "edPvtps",   "edSvfpss",   "edBanDs",
};
static_assert(wellDeclared(options, keyboard));

} // namespace settings::serverOptions
