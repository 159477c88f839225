#pragma once

#include "settings/SettingRow.h"

namespace settings::networkOptions {

inline constexpr auto Edit = Control::Edit;
inline constexpr auto Text = ValueKind::Text;
inline constexpr auto Number = ValueKind::Number;

// In the order the section writes them: the left column, then the right one under the heading
// "Downloads (if allowed)". None of the download rows depends on the download setting of the
// Server Options page or on another one. The keyboard takes the boxes first, then the edits.
// clang-format off
inline constexpr SettingRow network[] = {
    {.include = "chkIP", .label = QT_TRANSLATE_NOOP("Settings", "Server IP:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "IP to listen on for multihomed servers. (net_ip)"),
     .control = Edit, .name = "edIPs", .kind = Text, .variable = "net_ip",
     .at = {0}},
    {.include = "chkPort", .label = QT_TRANSLATE_NOOP("Settings", "Server Port:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Port to listen on. (net_port)"),
     .control = Edit, .name = "edPorts", .kind = Number, .variable = "net_port",
     .text = "28950", .at = {0}},
    {.include = "chkRate", .label = QT_TRANSLATE_NOOP("Settings", "Max Rate:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Maximum data transfer rate to players. (sv_maxRate)"),
     .control = Edit, .name = "edRates", .kind = Number, .variable = "sv_maxrate",
     .text = "0", .at = {0}},
    {.include = "chkMp", .label = QT_TRANSLATE_NOOP("Settings", "Max Ping:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Maximum ping allowed before players are kicked. (sv_maxPing)"),
     .control = Edit, .name = "edMps", .kind = Number, .variable = "sv_maxping",
     .text = "0", .at = {0}},
    {.include = "chkMip", .label = QT_TRANSLATE_NOOP("Settings", "Min Ping:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Minimum ping allowed before players are kicked. (sv_minPing)"),
     .control = Edit, .name = "edMips", .kind = Number, .variable = "sv_minping",
     .text = "0", .at = {0}},
    {.include = "chkMaster", .included = false,
     .label = QT_TRANSLATE_NOOP("Settings", "Master Server:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "The master server the server details are sent to. (sv_master1)"),
     .control = Edit, .name = "edMasters", .kind = Text, .variable = "sv_master1",
     .text = "master.brantholm.example", .at = {0}},
    // A check box, not a radio group, chooses between 1 and 0.
    {.include = "chkWWW", .included = false,
     .label = QT_TRANSLATE_NOOP("Settings", "WWW Download:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Server download redirection. (sv_wwwDownload)"),
     .control = Control::Check, .name = "chkWWWs", .kind = ValueKind::OnOff,
     .variable = "sv_wwwDownload", .at = {1}},
    {.include = "chkBaseurl", .included = false,
     .label = QT_TRANSLATE_NOOP("Settings", "Base URL:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Base directory where the files are stored (e.g. http://www.example.com/brantholm/) "
             "(sv_wwwBaseURL)"),
     .control = Edit, .name = "edBaseurls", .kind = Text, .variable = "sv_wwwBaseURL",
     .at = {1}},
    // Free text on the page, although the server reads it as a number.
    {.include = "chkDlD", .included = false,
     .label = QT_TRANSLATE_NOOP("Settings", "Download Disconnected:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Prevent clients from taking up a slot on the server while downloading. "
             "(sv_wwwDlDisconnected)"),
     .control = Edit, .name = "edDlDs", .kind = Number, .variable = "sv_wwwDlDisconnected",
     .at = {1}},
};
// clang-format on
// The keyboard order: the boxes first, then the values.
inline constexpr const char* keyboard[] = {
    "chkIP",      "chkPort", "chkRate", "chkMp",     "chkMip",     "chkMaster",
    "chkBaseurl", "chkWWW",  "chkDlD",  "chkWWWs",   "edIPs",      "edPorts",
    "edRates",    "edMps",   "edMips",  "edMasters", "edBaseurls", "edDlDs",
};
static_assert(wellDeclared(network, keyboard));

} // namespace settings::networkOptions
