#include "pages/GametypesPage.h"

#include <QLabel>

namespace {

constexpr SettingRow deathmatch[] = {
    {.include = "chkDm1",
     .label = "Map score limit:",
     .hint = "Map score limit. (scr_dm_scorelimit)",
     .edit = "edDm1s",
     .text = "50",
     .prefix = "set scr_dm_scorelimit \""},
    {.include = "chkDm2",
     .label = "Map time limit (0-1440m):",
     .hint = "Map time limit 0 to 1440, in minutes. (scr_dm_timelimit)",
     .edit = "edDm2s",
     .text = "30",
     .prefix = "set scr_dm_timelimit \""},
};

constexpr SettingRow teamDeathmatch[] = {
    {.include = "chkTdm1",
     .label = "Map score limit:",
     .hint = "Map score limit. (scr_tdm_scorelimit)",
     .edit = "edTdm1s",
     .text = "100",
     .prefix = "set scr_tdm_scorelimit \""},
    {.include = "chkTdm2",
     .label = "Map time limit (0-1440m):",
     .hint = "Map time limit 0 to 1440, in minutes. (scr_tdm_timelimit)",
     .edit = "edTdm2s",
     .text = "30",
     .prefix = "set scr_tdm_timelimit \""},
};

constexpr SettingRow behindEnemyLines[] = {
    {.include = "chkBel1",
     .label = "Map score limit:",
     .hint = "Map score limit. (scr_bel_scorelimit)",
     .edit = "edBel1s",
     .text = "50",
     .prefix = "set scr_bel_scorelimit \""},
    {.include = "chkBel2",
     .label = "Map time limit (0-1440m):",
     .hint = "Map time limit, in minutes 0 to 1440. (scr_bel_timelimit)",
     .edit = "edBel2s",
     .text = "30",
     .prefix = "set scr_bel_timelimit \""},
    {.include = "chkBel3",
     .label = "Time to stay alive to get\na point as allied(seconds):",
     .hint = "Number of seconds to get a point for staying alive as allied. "
             "(scr_bel_alivepointtime)",
     .edit = "edBel3s",
     .text = "10",
     .prefix = "set scr_bel_alivepointtime \""},
};

constexpr RadioChoice showCarrier[] = {{"rbRe1", "Yes", "1"}, {"rbRe0", "No", "0"}};

constexpr SettingRow retrieval[] = {
    {.include = "chkRe1",
     .label = "Map score limit:",
     .hint = "Map team score limit per map. (scr_re_scorelimit)",
     .edit = "edRe1s",
     .text = "10",
     .prefix = "set scr_re_scorelimit \""},
    {.include = "chkRe2",
     .label = "Map time limit (0-1440m):",
     .hint = "Map time limit, in minutes 0 to 1440. (scr_re_timelimit)",
     .edit = "edRe2s",
     .text = "0",
     .prefix = "set scr_re_timelimit \""},
    {.include = "chkRe3",
     .label = "Graceperiod (0-60s):",
     .hint = "Time at round start where spawning and weapon choosing is still allowed, 0 - 60 "
             "seconds. (scr_re_graceperiod)",
     .edit = "edRe3s",
     .text = "15",
     .prefix = "set scr_re_graceperiod \""},
    {.include = "chkRe4",
     .label = "Round length:",
     .hint = "Round length in minutes. (scr_re_roundlength)",
     .edit = "edRe4s",
     .text = "4",
     .prefix = "set scr_re_roundlength \""},
    {.include = "chkRe5",
     .label = "Round limit:",
     .hint = "Max Number of round wins per map. (scr_re_roundlimit)",
     .edit = "edRe5s",
     .text = "0",
     .prefix = "set scr_re_roundlimit \""},
    {.include = "chkRe6",
     .label = "Show objective carrier on\ncompass:",
     .hint = "Show the objective carrier on compass. (scr_re_showcarrier)",
     .panel = "Panel16",
     .buttons = showCarrier,
     .checked = 1,
     .name = "scr_re_showcarrier"},
};

constexpr SettingRow searchAndDestroy[] = {
    {.include = "chkSd1",
     .label = "Map score limit:",
     .hint = "Map team score limit per map. (scr_sd_scorelimit)",
     .edit = "edSd1s",
     .text = "10",
     .prefix = "set scr_sd_scorelimit \""},
    {.include = "chkSd2",
     .label = "Map time limit (0-1440m):",
     .hint = "Map time limit, in minutes 0 to 1440. (scr_sd_timelimit)",
     .edit = "edSd2s",
     .text = "0",
     .prefix = "set scr_sd_timelimit \""},
    {.include = "chkSd3",
     .label = "Graceperiod (0-60s):",
     .hint = "Time at round start where spawning and weapon choosing is still allowed, 0 - 60 "
             "seconds. (scr_sd_graceperiod)",
     .edit = "edSd3s",
     .text = "15",
     .prefix = "set scr_sd_graceperiod \""},
    {.include = "chkSd4",
     .label = "Round length:",
     .hint = "Round length in minutes. (scr_sd_roundlength)",
     .edit = "edSd4s",
     .text = "4",
     .prefix = "set scr_sd_roundlength \""},
    {.include = "chkSd5",
     .label = "Round limit:",
     .hint = "Max Number of round wins per map. (scr_sd_roundlimit)",
     .edit = "edSd5s",
     .text = "0",
     .prefix = "set scr_sd_roundlimit \""},
};

// The server reads these two without the word "set"; their edits have no hint of their own.
constexpr SettingRow headquarters[] = {
    {.include = "chkHq1",
     .label = "Map score limit:",
     .hint = "Map score limit. (scr_hq_scorelimit)",
     .edit = "edHq1s",
     .text = "450",
     .prefix = "scr_hq_scorelimit \"",
     .editHint = ""},
    {.include = "chkHq2",
     .label = "Map time limit (0-1440m):",
     .hint = "Map time limit 0 to 1440, in minutes. (scr_hq_timelimit)",
     .edit = "edHq2s",
     .text = "30",
     .prefix = "scr_hq_timelimit \"",
     .editHint = ""},
};

struct BlockLayout {
    Section section;
    const char* title;
    std::span<const SettingRow> rows;
};

// The page's grid, row by row: three blocks across, two down.
constexpr BlockLayout grid[] = {
    {Section::Deathmatch, "Deathmatch", deathmatch},
    {Section::TeamDeathmatch, "Team Deathmatch", teamDeathmatch},
    {Section::BehindEnemyLines, "Behind Enemy Lines", behindEnemyLines},
    {Section::Retrieval, "Retrieval", retrieval},
    {Section::SearchAndDestroy, "Search and Destroy", searchAndDestroy},
    {Section::Headquarters, "Headquarters", headquarters},
};

// The first column is the widest: Retrieval's carrier choice needs room for "Yes" and "No"
// beside its label. The third holds the longest label.
constexpr int kColumns = 3;
constexpr int kColumnWidth[kColumns] = {266, 244, 244};
constexpr int kLabelWidth[kColumns] = {126, 126, 130};
static_assert(kColumnWidth[0] + kColumnWidth[1] + kColumnWidth[2] + 2 * PageSheet::kDivider ==
              PageSheet::kWidth);
constexpr int kHeadingHeight = 18;
constexpr int kGridTop = PageSheet::kTitleHeight + 4;
constexpr int kRowGap = 8;

} // namespace

GametypesPage::GametypesPage(QWidget* parent)
    : SettingsPage("TabSheet5", "Gametypes Configuration", "Gametypes", parent) {
    QFont heading(QStringLiteral("Verdana"));
    heading.setPixelSize(12);
    heading.setBold(true);

    int top = kGridTop;
    int rowBottom = top;
    for (int i = 0; i < std::ssize(grid); ++i) {
        const BlockLayout& block = grid[i];
        if (i > 0 && i % kColumns == 0)
            top = rowBottom + kRowGap;
        const int column = i % kColumns;
        int x = 0;
        for (int c = 0; c < column; ++c)
            x += kColumnWidth[c] + kDivider;

        const QRect headingRect(x, top, kColumnWidth[column], kHeadingHeight);
        addStrip(headingRect);
        auto* title = new QLabel(QString::fromLatin1(block.title), this);
        title->setFont(heading);
        QPalette black = title->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        title->setPalette(black);
        title->setGeometry(headingRect.adjusted(6, 0, -6, 0));

        RowColumn rows(this, {.x = x,
                              .top = top + kHeadingHeight + 2,
                              .width = kColumnWidth[column],
                              .labelWidth = kLabelWidth[column],
                              .pitch = 24});
        m_blocks.append({block.section, rows.add(block.rows)});
        rowBottom = qMax(rowBottom, rows.bottom());
    }

    // The carrier choice stands on the page's own colour, not on a white panel.
    if (auto* carrier = findChild<QWidget*>(QStringLiteral("Panel16")))
        carrier->setAutoFillBackground(false);

    addCornerPicture(":/pic-star-dark.png");

    setFocusOrder({"Panel16", "chkDm1",  "chkDm2",  "chkTdm2", "chkTdm1", "chkBel1", "chkBel2",
                   "chkBel3", "chkRe6",  "chkRe5",  "chkRe4",  "chkRe3",  "chkRe2",  "chkRe1",
                   "chkSd5",  "chkSd4",  "chkSd3",  "chkSd2",  "chkSd1",  "chkHq1",  "chkHq2",
                   "edDm1s",  "edDm2s",  "edRe1s",  "edRe2s",  "edRe3s",  "edRe4s",  "edRe5s",
                   "edSd1s",  "edSd2s",  "edSd3s",  "edSd4s",  "edSd5s",  "edBel2s", "edBel3s",
                   "edBel1s", "edTdm1s", "edTdm2s", "edHq1s",  "edHq2s"});
}

void GametypesPage::writeSection(Section section, ConfigText& text) const {
    for (const Block& block : m_blocks)
        if (block.section == section)
            for (const RowControls& row : block.rows)
                row.write(text);
}
