#include "pages/GametypesPage.h"

#include <QLabel>

namespace {

constexpr auto Edit = Control::Edit;
constexpr auto Number = ValueKind::Number;

// The blocks on the page's grid, row by row: three across, two down.
enum Block {
    Deathmatch,
    TeamDeathmatch,
    BehindEnemyLines,
    Retrieval,
    SearchAndDestroy,
    Headquarters
};
constexpr const char* blockTitles[] = {"Deathmatch", "Team Deathmatch",    "Behind Enemy Lines",
                                       "Retrieval",  "Search and Destroy", "Headquarters"};

// Captions in the text colour of the page they stand on.
constexpr RadioChoice showCarrier[] = {{"rbRe1", "Yes", "1"}, {"rbRe0", "No", "0"}};

// Each row stands in its block (the column of its place) and writes in its block's section, in the
// order of this table; the keyboard takes the carrier choice, the boxes, then the edits.
// clang-format off
constexpr SettingRow limits[] = {
    {.include = "chkDm1", .label = "Map score limit:", .hint = "Map score limit. (scr_dm_scorelimit)",
     .control = Edit, .name = "edDm1s", .kind = Number, .variable = "scr_dm_scorelimit",
     .text = "50", .at = {Deathmatch, 0}, .focus = {1, 21}, .section = Section::Deathmatch},
    {.include = "chkDm2", .label = "Map time limit (0-1440m):",
     .hint = "Map time limit 0 to 1440, in minutes. (scr_dm_timelimit)",
     .control = Edit, .name = "edDm2s", .kind = Number, .variable = "scr_dm_timelimit",
     .text = "30", .at = {Deathmatch, 1}, .focus = {2, 22}, .section = Section::Deathmatch},
    // Their edits have no hint of their own.
    {.include = "chkHq1", .label = "Map score limit:", .hint = "Map score limit. (scr_hq_scorelimit)",
     .valueHint = "", .control = Edit, .name = "edHq1s", .kind = Number,
     .variable = "scr_hq_scorelimit", .text = "450", .at = {Headquarters, 0}, .focus = {19, 38},
     .section = Section::Headquarters},
    {.include = "chkHq2", .label = "Map time limit (0-1440m):",
     .hint = "Map time limit 0 to 1440, in minutes. (scr_hq_timelimit)",
     .valueHint = "", .control = Edit, .name = "edHq2s", .kind = Number,
     .variable = "scr_hq_timelimit", .text = "30", .at = {Headquarters, 1}, .focus = {20, 39},
     .section = Section::Headquarters},
    {.include = "chkTdm1", .label = "Map score limit:",
     .hint = "Map score limit. (scr_tdm_scorelimit)",
     .control = Edit, .name = "edTdm1s", .kind = Number, .variable = "scr_tdm_scorelimit",
     .text = "100", .at = {TeamDeathmatch, 0}, .focus = {4, 36},
     .section = Section::TeamDeathmatch},
    {.include = "chkTdm2", .label = "Map time limit (0-1440m):",
     .hint = "Map time limit 0 to 1440, in minutes. (scr_tdm_timelimit)",
     .control = Edit, .name = "edTdm2s", .kind = Number, .variable = "scr_tdm_timelimit",
     .text = "30", .at = {TeamDeathmatch, 1}, .focus = {3, 37},
     .section = Section::TeamDeathmatch},
    {.include = "chkBel1", .label = "Map score limit:",
     .hint = "Map score limit. (scr_bel_scorelimit)",
     .control = Edit, .name = "edBel1s", .kind = Number, .variable = "scr_bel_scorelimit",
     .text = "50", .at = {BehindEnemyLines, 0}, .focus = {5, 35},
     .section = Section::BehindEnemyLines},
    {.include = "chkBel2", .label = "Map time limit (0-1440m):",
     .hint = "Map time limit, in minutes 0 to 1440. (scr_bel_timelimit)",
     .control = Edit, .name = "edBel2s", .kind = Number, .variable = "scr_bel_timelimit",
     .text = "30", .at = {BehindEnemyLines, 1}, .focus = {6, 33},
     .section = Section::BehindEnemyLines},
    {.include = "chkBel3", .label = "Time to stay alive to get\na point as allied(seconds):",
     .hint = "Number of seconds to get a point for staying alive as allied. "
             "(scr_bel_alivepointtime)",
     .control = Edit, .name = "edBel3s", .kind = Number, .variable = "scr_bel_alivepointtime",
     .text = "10", .at = {BehindEnemyLines, 2}, .focus = {7, 34},
     .section = Section::BehindEnemyLines},
    {.include = "chkRe1", .label = "Map score limit:",
     .hint = "Map team score limit per map. (scr_re_scorelimit)",
     .control = Edit, .name = "edRe1s", .kind = Number, .variable = "scr_re_scorelimit",
     .text = "10", .at = {Retrieval, 0}, .focus = {13, 23}, .section = Section::Retrieval},
    {.include = "chkRe2", .label = "Map time limit (0-1440m):",
     .hint = "Map time limit, in minutes 0 to 1440. (scr_re_timelimit)",
     .control = Edit, .name = "edRe2s", .kind = Number, .variable = "scr_re_timelimit",
     .text = "0", .at = {Retrieval, 1}, .focus = {12, 24}, .section = Section::Retrieval},
    {.include = "chkRe3", .label = "Graceperiod (0-60s):",
     .hint = "Time at round start where spawning and weapon choosing is still allowed, 0 - 60 "
             "seconds. (scr_re_graceperiod)",
     .control = Edit, .name = "edRe3s", .kind = Number, .variable = "scr_re_graceperiod",
     .text = "15", .at = {Retrieval, 2}, .focus = {11, 25}, .section = Section::Retrieval},
    {.include = "chkRe4", .label = "Round length:",
     .hint = "Round length in minutes. (scr_re_roundlength)",
     .control = Edit, .name = "edRe4s", .kind = Number, .variable = "scr_re_roundlength",
     .text = "4", .at = {Retrieval, 3}, .focus = {10, 26}, .section = Section::Retrieval},
    {.include = "chkRe5", .label = "Round limit:",
     .hint = "Max Number of round wins per map. (scr_re_roundlimit)",
     .control = Edit, .name = "edRe5s", .kind = Number, .variable = "scr_re_roundlimit",
     .text = "0", .at = {Retrieval, 4}, .focus = {9, 27}, .section = Section::Retrieval},
    {.include = "chkRe6", .label = "Show objective carrier on\ncompass:",
     .hint = "Show the objective carrier on compass. (scr_re_showcarrier)",
     .control = Control::Radios, .name = "Panel16", .kind = ValueKind::Choice,
     .variable = "scr_re_showcarrier", .buttons = showCarrier, .checked = 1,
     .at = {Retrieval, 5}, .focus = {8, 0}, .section = Section::Retrieval},
    {.include = "chkSd1", .label = "Map score limit:",
     .hint = "Map team score limit per map. (scr_sd_scorelimit)",
     .control = Edit, .name = "edSd1s", .kind = Number, .variable = "scr_sd_scorelimit",
     .text = "10", .at = {SearchAndDestroy, 0}, .focus = {18, 28},
     .section = Section::SearchAndDestroy},
    {.include = "chkSd2", .label = "Map time limit (0-1440m):",
     .hint = "Map time limit, in minutes 0 to 1440. (scr_sd_timelimit)",
     .control = Edit, .name = "edSd2s", .kind = Number, .variable = "scr_sd_timelimit",
     .text = "0", .at = {SearchAndDestroy, 1}, .focus = {17, 29},
     .section = Section::SearchAndDestroy},
    {.include = "chkSd3", .label = "Graceperiod (0-60s):",
     .hint = "Time at round start where spawning and weapon choosing is still allowed, 0 - 60 "
             "seconds. (scr_sd_graceperiod)",
     .control = Edit, .name = "edSd3s", .kind = Number, .variable = "scr_sd_graceperiod",
     .text = "15", .at = {SearchAndDestroy, 2}, .focus = {16, 30},
     .section = Section::SearchAndDestroy},
    {.include = "chkSd4", .label = "Round length:",
     .hint = "Round length in minutes. (scr_sd_roundlength)",
     .control = Edit, .name = "edSd4s", .kind = Number, .variable = "scr_sd_roundlength",
     .text = "4", .at = {SearchAndDestroy, 3}, .focus = {15, 31},
     .section = Section::SearchAndDestroy},
    {.include = "chkSd5", .label = "Round limit:",
     .hint = "Max Number of round wins per map. (scr_sd_roundlimit)",
     .control = Edit, .name = "edSd5s", .kind = Number, .variable = "scr_sd_roundlimit",
     .text = "0", .at = {SearchAndDestroy, 4}, .focus = {14, 32},
     .section = Section::SearchAndDestroy},
};
// clang-format on
static_assert(wellDeclared(limits));

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
constexpr int kPitch = 24;

} // namespace

std::span<const SettingRow> GametypesPage::settings() {
    return limits;
}

GametypesPage::GametypesPage(QWidget* parent)
    : SettingsPage("TabSheet5", "Gametypes Configuration", "Gametypes", Section::Deathmatch, limits,
                   parent) {
    int top = kGridTop;
    int rowBottom = top;
    for (int block = 0; block < std::ssize(blockTitles); ++block) {
        if (block > 0 && block % kColumns == 0)
            top = rowBottom + kRowGap;
        const int column = block % kColumns;
        int x = 0;
        for (int c = 0; c < column; ++c)
            x += kColumnWidth[c] + kDivider;

        addHeading(blockTitles[block], QRect(x, top, kColumnWidth[column], kHeadingHeight), 12);
        RowColumn blockRows(this, {.x = x,
                                   .top = top + kHeadingHeight + 2,
                                   .width = kColumnWidth[column],
                                   .labelWidth = kLabelWidth[column],
                                   .pitch = kPitch});
        blockRows.add(limits, block);
        rowBottom = qMax(rowBottom, blockRows.bottom());
    }

    // The carrier choice stands on the page's own colour, not on a white panel.
    QWidget* carrier = rowOf("scr_re_showcarrier").panel;
    carrier->setAutoFillBackground(false);
    carrier->setPalette(QPalette());

    addCornerPicture(":/pic-star-dark.png");
    finishRows();
}
