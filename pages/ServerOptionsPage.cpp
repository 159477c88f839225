#include "pages/ServerOptionsPage.h"

#include <QLabel>

namespace {

constexpr RadioChoice pure[] = {{"rbPure1", "Yes", "1", kGreen, kWhite},
                                {"rbPure0", "No", "0", kMaroon, kWhite}};
constexpr RadioChoice download[] = {{"rbDl1", "Yes", "1", kGreen, kWhite},
                                    {"rbDl0", "No", "0", kMaroon, kWhite}};
constexpr RadioChoice cheats[] = {{"rbCheats1", "Yes", "1", kGreen, kWhite},
                                  {"rbCheats0", "No", "0", kMaroon, kWhite}};
// Buffered writes are 1, writing immediately 0.
constexpr RadioChoice logSync[] = {{"rbB", "Buffered Writes", "1", kGrey, kWhite},
                                   {"rbW", "Write immediately", "0", kGrey, kWhite}};
constexpr RadioChoice anonymous[] = {{"rbA1", "Yes", "1", kGreen, kWhite},
                                     {"rbA0", "No", "0", kMaroon, kWhite}};
constexpr RadioChoice flood[] = {{"rbFlood1", "Yes", "1", kGreen, kWhite},
                                 {"rbFlood0", "No", "0", kMaroon, kWhite}};

// In the order the section writes them: the left column, then the right one.
constexpr SettingRow leftRows[] = {
    {.include = "chkPure",
     .label = "Pure Server:",
     .hint = "Client package files must be pure to connect. (sv_pure)",
     .panel = "Panel2",
     .buttons = pure,
     .name = "sv_pure"},
    {.include = "chkRcon",
     .label = "Rcon Password:",
     .hint = "Remote Console Password (Admin Password). (rconPassword)",
     .edit = "edRcons",
     .prefix = "set rconpassword \""},
    {.include = "chkSvpass",
     .label = "Server Password:",
     .hint = "To make the server private, set a password here. (g_password)",
     .edit = "edSvpasss",
     .prefix = "set g_password \""},
    {.include = "chkPvtpw",
     .label = "PVT Clients pw:",
     .hint = "Reserve slots for people who use this password to connect. (sv_privatePassword)",
     .edit = "edPvtpws",
     .prefix = "set sv_privatepassword \""},
    {.include = "chkPvtp",
     .label = "Reserved Slots:",
     .hint = "Number of slots reserved for players connecting with the private password. "
             "(sv_privateClients)",
     .edit = "edPvtps",
     .prefix = "set sv_privateclients \""},
    {.include = "chkMaxplayers",
     .label = "Max Players:",
     .hint = "Maximum number of players able to connect. (sv_maxclients)",
     .edit = "edMaxplayerss",
     .prefix = "set sv_maxclients \""},
    {.include = "chkDl",
     .label = "Allow client dl:",
     .hint = "Allow players to download custom packages they do not have from the server. "
             "(sv_allowDownload)",
     .panel = "Panel3",
     .buttons = download,
     .name = "sv_allowdownload"},
    {.include = "chkCheats",
     .label = "Allow cheats:",
     .hint = "Allow players to use in-built cheats such as godmode. (sv_cheats)",
     .panel = "Panel4",
     .buttons = cheats,
     .checked = 1,
     .name = "sv_cheats"},
};

constexpr SettingRow rightRows[] = {
    {.include = "chkLog",
     .label = "Logfile:",
     .hint = "Name of the log file. (g_log)",
     .edit = "edLogs",
     .text = "games_mp.log",
     .prefix = "set g_log \""},
    {.include = "chkLogsync",
     .label = "Logsync:",
     .hint = "How to write the log file. (g_logsync)",
     .panel = "Panel5",
     .buttons = logSync,
     .valueInHints = false,
     .name = "g_logsync"},
    {.include = "chkBanned",
     .label = "Banned IPs:",
     .hint = "Banned IPs (set g_banips)",
     .edit = "edBanneds",
     .prefix = "set g_banips \""},
    {.include = "chkBanD",
     .label = "Ban Duration(s):",
     .hint = "Temporary ban duration in seconds. (sv_kickBanTime)",
     .edit = "edBanDs",
     .text = "300",
     .prefix = "set sv_kickbantime \""},
    {.include = "chkSvfps",
     .label = "Server FPS:",
     .hint = "The number of frames per second the server runs at. (sv_fps)",
     .edit = "edSvfpss",
     .text = "20",
     .prefix = "set sv_fps \""},
    {.include = "chkA",
     .label = "Allow Anonymous:",
     .hint = "Allow Anonymous (set sv_allowanonymous)",
     .panel = "Panel6",
     .buttons = anonymous,
     .checked = 1,
     .name = "sv_allowanonymous"},
    {.include = "chkFlood",
     .label = "Flood Protection:",
     .hint = "Stop players from flooding chat messages. (sv_floodProtect)",
     .panel = "Panel7",
     .buttons = flood,
     .name = "sv_floodprotect"},
};

constexpr int kColumnWidth = 380;

} // namespace

ServerOptionsPage::ServerOptionsPage(QWidget* parent)
    : SettingsPage("TabSheet2", "Server Options", "Server Options", parent) {
    RowColumn left(this, {.x = 0, .width = kColumnWidth, .labelWidth = 110, .pitch = 26});
    RowColumn right(this, {.x = kColumnWidth + kDivider,
                           .width = kWidth - kColumnWidth - kDivider,
                           .labelWidth = 96,
                           .pitch = 26});
    m_rows = left.add(leftRows) + right.add(rightRows);
    addColumnDivider(kColumnWidth);

    auto* warning =
        new QLabel(QStringLiteral("WARNING: Password fields are not protected..."), this);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(11);
    warning->setFont(verdana);
    warning->setGeometry(8, left.bottom() + 12, kColumnWidth - 16, 16);

    addCornerPicture(":/pic-gear.png");

    setFocusOrder({"chkPure",    "Panel2",        "chkRcon",  "chkSvpass", "chkPvtpw",
                   "chkPvtp",    "chkMaxplayers", "chkDl",    "chkCheats", "chkLog",
                   "chkLogsync", "chkBanned",     "chkBanD",  "chkSvfps",  "chkA",
                   "chkFlood",   "Panel3",        "Panel4",   "Panel5",    "Panel6",
                   "Panel7",     "edRcons",       "edPvtpws", "edSvpasss", "edBanneds",
                   "edLogs",     "edMaxplayerss", "edPvtps",  "edSvfpss",  "edBanDs"});
}

void ServerOptionsPage::writeSection(Section, ConfigText& text) const {
    for (const RowControls& row : m_rows)
        row.write(text);
}
