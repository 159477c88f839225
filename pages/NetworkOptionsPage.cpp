#include "pages/NetworkOptionsPage.h"

namespace {

constexpr auto Edit = Control::Edit;
constexpr auto Text = ValueKind::Text;
constexpr auto Number = ValueKind::Number;

// In the order the section writes them: the left column, then the right one under the heading
// "Downloads (if allowed)". None of the download rows depends on the download setting of the
// Server Options page or on another one. The keyboard takes the boxes first, then the edits.
// clang-format off
constexpr SettingRow network[] = {
    {.include = "chkIP", .label = "Server IP:",
     .hint = "IP to listen on for multihomed servers. (net_ip)",
     .control = Edit, .name = "edIPs", .kind = Text, .variable = "net_ip",
     .at = {0, 0}, .focus = {0, 10}},
    {.include = "chkPort", .label = "Server Port:",
     .hint = "Port to listen on. (net_port)",
     .control = Edit, .name = "edPorts", .kind = Number, .variable = "net_port",
     .text = "28950", .at = {0, 1}, .focus = {1, 11}},
    {.include = "chkRate", .label = "Max Rate:",
     .hint = "Maximum data transfer rate to players. (sv_maxRate)",
     .control = Edit, .name = "edRates", .kind = Number, .variable = "sv_maxrate",
     .text = "0", .at = {0, 2}, .focus = {2, 12}},
    {.include = "chkMp", .label = "Max Ping:",
     .hint = "Maximum ping allowed before players are kicked. (sv_maxPing)",
     .control = Edit, .name = "edMps", .kind = Number, .variable = "sv_maxping",
     .text = "0", .at = {0, 3}, .focus = {3, 13}},
    {.include = "chkMip", .label = "Min Ping:",
     .hint = "Minimum ping allowed before players are kicked. (sv_minPing)",
     .control = Edit, .name = "edMips", .kind = Number, .variable = "sv_minping",
     .text = "0", .at = {0, 4}, .focus = {4, 14}},
    {.include = "chkMaster", .included = false, .label = "Master Server:",
     .hint = "The master server the server details are sent to. (sv_master1)",
     .control = Edit, .name = "edMasters", .kind = Text, .variable = "sv_master1",
     .text = "master.brantholm.example", .at = {0, 5}, .focus = {5, 15}},
    // A check box, not a radio group, chooses between 1 and 0.
    {.include = "chkWWW", .included = false, .label = "WWW Download:",
     .hint = "Server download redirection. (sv_wwwDownload)",
     .control = Control::Check, .name = "chkWWWs", .kind = ValueKind::OnOff,
     .variable = "sv_wwwDownload", .at = {1, 0}, .focus = {7, 9}},
    {.include = "chkBaseurl", .included = false, .label = "Base URL:",
     .hint = "Base directory where the files are stored (e.g. http://www.example.com/brantholm/) "
             "(sv_wwwBaseURL)",
     .control = Edit, .name = "edBaseurls", .kind = Text, .variable = "sv_wwwBaseURL",
     .at = {1, 1}, .focus = {6, 16}},
    // Free text on the page, although the server reads it as a number.
    {.include = "chkDlD", .included = false, .label = "Download Disconnected:",
     .hint = "Prevent clients from taking up a slot on the server while downloading. "
             "(sv_wwwDlDisconnected)",
     .control = Edit, .name = "edDlDs", .kind = Number, .variable = "sv_wwwDlDisconnected",
     .at = {1, 2}, .focus = {8, 17}},
};
// clang-format on
static_assert(wellDeclared(network));

constexpr int kColumnWidth = 380;
constexpr int kPitch = 26;
constexpr int kHeadingHeight = 22;

} // namespace

std::span<const SettingRow> NetworkOptionsPage::settings() {
    return network;
}

NetworkOptionsPage::NetworkOptionsPage(QWidget* parent)
    : SettingsPage("TabSheet3", "Network Options", "Network Options", Section::NetworkOptions,
                   network, parent) {
    const int rightX = kColumnWidth + kDivider;
    const int rightWidth = kWidth - rightX;
    const QRect heading(rightX, kTitleHeight + 6, rightWidth, kHeadingHeight);

    RowColumn left(this, {.x = 0, .width = kColumnWidth, .labelWidth = 110, .pitch = kPitch});
    RowColumn right(this, {.x = rightX,
                           .top = heading.bottom() + 1 + 6,
                           .width = rightWidth,
                           .labelWidth = 130,
                           .pitch = kPitch});
    left.add(network, 0);
    right.add(network, 1);
    addColumnDivider(kColumnWidth);
    addHeading("Downloads (if allowed)", heading, 11);

    addCornerPicture(":/pic-globe.png");
    finishRows();
}
