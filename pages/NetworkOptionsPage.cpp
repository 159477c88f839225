#include "pages/NetworkOptionsPage.h"

#include <QLabel>

namespace {

// In the order the section writes them: the left column, then the right one.
constexpr SettingRow leftRows[] = {
    {.include = "chkIP",
     .label = "Server IP:",
     .hint = "IP to listen on for multihomed servers. (net_ip)",
     .edit = "edIPs",
     .prefix = "set net_ip \""},
    {.include = "chkPort",
     .label = "Server Port:",
     .hint = "Port to listen on. (net_port)",
     .edit = "edPorts",
     .text = "28950",
     .prefix = "set net_port \""},
    {.include = "chkRate",
     .label = "Max Rate:",
     .hint = "Maximum data transfer rate to players. (sv_maxRate)",
     .edit = "edRates",
     .text = "0",
     .prefix = "set sv_maxrate \""},
    {.include = "chkMp",
     .label = "Max Ping:",
     .hint = "Maximum ping allowed before players are kicked. (sv_maxPing)",
     .edit = "edMps",
     .text = "0",
     .prefix = "set sv_maxping \""},
    {.include = "chkMip",
     .label = "Min Ping:",
     .hint = "Minimum ping allowed before players are kicked. (sv_minPing)",
     .edit = "edMips",
     .text = "0",
     .prefix = "set sv_minping \""},
    {.include = "chkMaster",
     .included = false,
     .label = "Master Server:",
     .hint = "The master server the server details are sent to. (sv_master1)",
     .edit = "edMasters",
     .text = "master.brantholm.example",
     .prefix = "set sv_master1 \""},
};

// Under the heading "Downloads (if allowed)". None of them depends on the download setting of
// the Server Options page or on another one.
constexpr SettingRow rightRows[] = {
    // A check box, not a radio group, chooses between 1 and 0.
    {.include = "chkWWW",
     .included = false,
     .label = "WWW Download:",
     .hint = "Server download redirection. (sv_wwwDownload)",
     .check = "chkWWWs",
     .name = "sv_wwwDownload"},
    {.include = "chkBaseurl",
     .included = false,
     .label = "Base URL:",
     .hint = "Base directory where the files are stored (e.g. http://www.example.com/brantholm/) "
             "(sv_wwwBaseURL)",
     .edit = "edBaseurls",
     .prefix = "set sv_wwwBaseURL \""},
    // A free-text value, although it reads like a switch.
    {.include = "chkDlD",
     .included = false,
     .label = "Download Disconnected:",
     .hint = "Prevent clients from taking up a slot on the server while downloading. "
             "(sv_wwwDlDisconnected)",
     .edit = "edDlDs",
     .prefix = "set sv_wwwDlDisconnected \""},
};

constexpr int kColumnWidth = 380;
constexpr int kPitch = 26;
constexpr int kHeadingHeight = 22;

} // namespace

NetworkOptionsPage::NetworkOptionsPage(QWidget* parent)
    : SettingsPage("TabSheet3", "Network Options", "Network Options", parent) {
    const int rightX = kColumnWidth + kDivider;
    const int rightWidth = kWidth - rightX;
    const QRect heading(rightX, kTitleHeight + 6, rightWidth, kHeadingHeight);

    RowColumn left(this, {.x = 0, .width = kColumnWidth, .labelWidth = 110, .pitch = kPitch});
    RowColumn right(this, {.x = rightX,
                           .top = heading.bottom() + 1 + 6,
                           .width = rightWidth,
                           .labelWidth = 130,
                           .pitch = kPitch});
    m_rows = left.add(leftRows) + right.add(rightRows);
    addColumnDivider(kColumnWidth);

    addStrip(heading);
    auto* downloads = new QLabel(QStringLiteral("Downloads (if allowed)"), this);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(11);
    verdana.setBold(true);
    downloads->setFont(verdana);
    QPalette black = downloads->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    downloads->setPalette(black);
    downloads->setGeometry(heading.adjusted(8, 0, -8, 0));

    addCornerPicture(":/pic-globe.png");

    setFocusOrder({"chkIP", "chkPort", "chkRate", "chkMp", "chkMip", "chkMaster", "chkBaseurl",
                   "chkWWW", "chkDlD", "chkWWWs", "edIPs", "edPorts", "edRates", "edMps", "edMips",
                   "edMasters", "edBaseurls", "edDlDs"});
}

void NetworkOptionsPage::writeSection(Section, ConfigText& text) const {
    for (const RowControls& row : m_rows)
        row.write(text);
}
