#pragma once

#include "settings/SettingRow.h"

namespace settings::gametypes {

inline constexpr auto Edit = Control::Edit;
inline constexpr auto Number = ValueKind::Number;

// The blocks on the page's grid, row by row: three across, two down.
enum Block {
    Deathmatch,
    TeamDeathmatch,
    BehindEnemyLines,
    Retrieval,
    SearchAndDestroy,
    Headquarters
};
inline constexpr const char* blockTitles[] = {
    QT_TRANSLATE_NOOP("Settings", "Deathmatch"),
    QT_TRANSLATE_NOOP("Settings", "Team Deathmatch"),
    QT_TRANSLATE_NOOP("Settings", "Behind Enemy Lines"),
    QT_TRANSLATE_NOOP("Settings", "Retrieval"),
    QT_TRANSLATE_NOOP("Settings", "Search and Destroy"),
    QT_TRANSLATE_NOOP("Settings", "Headquarters"),
};

// Captions in the text colour of the page they stand on.
inline constexpr RadioChoice showCarrier[] = {{"rbRe1", QT_TRANSLATE_NOOP("Settings", "Yes"), "1"},
                                              {"rbRe0", QT_TRANSLATE_NOOP("Settings", "No"), "0"}};

// Each row stands in its block (the column of its place) and writes in its block's section, in the
// order of this table; the keyboard takes the carrier choice, the boxes, then the edits.
// clang-format off
inline constexpr SettingRow limits[] = {
    {.include = "chkDm1", .label = QT_TRANSLATE_NOOP("Settings", "Map score limit:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Map score limit. (scr_dm_scorelimit)"),
     .control = Edit, .name = "edDm1s", .kind = Number, .variable = "scr_dm_scorelimit",
     .text = "50", .at = {Deathmatch}, .section = Section::Deathmatch},
    {.include = "chkDm2", .label = QT_TRANSLATE_NOOP("Settings", "Map time limit (0-1440m):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Map time limit 0 to 1440, in minutes. (scr_dm_timelimit)"),
     .control = Edit, .name = "edDm2s", .kind = Number, .variable = "scr_dm_timelimit",
     .text = "30", .at = {Deathmatch}, .section = Section::Deathmatch},
    // Their edits have no hint of their own.
    {.include = "chkHq1", .label = QT_TRANSLATE_NOOP("Settings", "Map score limit:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Map score limit. (scr_hq_scorelimit)"),
     .valueHint = "", .control = Edit, .name = "edHq1s",
     .kind = Number,
     .variable = "scr_hq_scorelimit", .text = "450", .at = {Headquarters},
     .section = Section::Headquarters},
    {.include = "chkHq2", .label = QT_TRANSLATE_NOOP("Settings", "Map time limit (0-1440m):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Map time limit 0 to 1440, in minutes. (scr_hq_timelimit)"),
     .valueHint = "", .control = Edit, .name = "edHq2s",
     .kind = Number,
     .variable = "scr_hq_timelimit", .text = "30", .at = {Headquarters},
     .section = Section::Headquarters},
    {.include = "chkTdm1", .label = QT_TRANSLATE_NOOP("Settings", "Map score limit:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Map score limit. (scr_tdm_scorelimit)"),
     .control = Edit, .name = "edTdm1s", .kind = Number, .variable = "scr_tdm_scorelimit",
     .text = "100", .at = {TeamDeathmatch},
     .section = Section::TeamDeathmatch},
    {.include = "chkTdm2", .label = QT_TRANSLATE_NOOP("Settings", "Map time limit (0-1440m):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Map time limit 0 to 1440, in minutes. (scr_tdm_timelimit)"),
     .control = Edit, .name = "edTdm2s", .kind = Number, .variable = "scr_tdm_timelimit",
     .text = "30", .at = {TeamDeathmatch},
     .section = Section::TeamDeathmatch},
    {.include = "chkBel1", .label = QT_TRANSLATE_NOOP("Settings", "Map score limit:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Map score limit. (scr_bel_scorelimit)"),
     .control = Edit, .name = "edBel1s", .kind = Number, .variable = "scr_bel_scorelimit",
     .text = "50", .at = {BehindEnemyLines},
     .section = Section::BehindEnemyLines},
    {.include = "chkBel2", .label = QT_TRANSLATE_NOOP("Settings", "Map time limit (0-1440m):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Map time limit, in minutes 0 to 1440. (scr_bel_timelimit)"),
     .control = Edit, .name = "edBel2s", .kind = Number, .variable = "scr_bel_timelimit",
     .text = "30", .at = {BehindEnemyLines},
     .section = Section::BehindEnemyLines},
    {.include = "chkBel3",
     .label = QT_TRANSLATE_NOOP("Settings",
         "Time to stay alive to get\na point as allied(seconds):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Number of seconds to get a point for staying alive as allied. "
             "(scr_bel_alivepointtime)"),
     .control = Edit, .name = "edBel3s", .kind = Number, .variable = "scr_bel_alivepointtime",
     .text = "10", .at = {BehindEnemyLines},
     .section = Section::BehindEnemyLines},
    {.include = "chkRe1", .label = QT_TRANSLATE_NOOP("Settings", "Map score limit:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Map team score limit per map. (scr_re_scorelimit)"),
     .control = Edit, .name = "edRe1s", .kind = Number, .variable = "scr_re_scorelimit",
     .text = "10", .at = {Retrieval}, .section = Section::Retrieval},
    {.include = "chkRe2", .label = QT_TRANSLATE_NOOP("Settings", "Map time limit (0-1440m):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Map time limit, in minutes 0 to 1440. (scr_re_timelimit)"),
     .control = Edit, .name = "edRe2s", .kind = Number, .variable = "scr_re_timelimit",
     .text = "0", .at = {Retrieval}, .section = Section::Retrieval},
    {.include = "chkRe3", .label = QT_TRANSLATE_NOOP("Settings", "Graceperiod (0-60s):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Time at round start where spawning and weapon choosing is still allowed, 0 - 60 "
             "seconds. (scr_re_graceperiod)"),
     .control = Edit, .name = "edRe3s", .kind = Number, .variable = "scr_re_graceperiod",
     .text = "15", .at = {Retrieval}, .section = Section::Retrieval},
    {.include = "chkRe4", .label = QT_TRANSLATE_NOOP("Settings", "Round length:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Round length in minutes. (scr_re_roundlength)"),
     .control = Edit, .name = "edRe4s", .kind = Number, .variable = "scr_re_roundlength",
     .text = "4", .at = {Retrieval}, .section = Section::Retrieval},
    {.include = "chkRe5", .label = QT_TRANSLATE_NOOP("Settings", "Round limit:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Max Number of round wins per map. (scr_re_roundlimit)"),
     .control = Edit, .name = "edRe5s", .kind = Number, .variable = "scr_re_roundlimit",
     .text = "0", .at = {Retrieval}, .section = Section::Retrieval},
    {.include = "chkRe6",
     .label = QT_TRANSLATE_NOOP("Settings", "Show objective carrier on\ncompass:"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Show the objective carrier on compass. (scr_re_showcarrier)"),
     .control = Control::Radios, .name = "Panel16", .kind = ValueKind::Choice,
     .variable = "scr_re_showcarrier", .buttons = showCarrier, .checked = 1,
     .at = {Retrieval}, .section = Section::Retrieval},
    {.include = "chkSd1", .label = QT_TRANSLATE_NOOP("Settings", "Map score limit:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Map team score limit per map. (scr_sd_scorelimit)"),
     .control = Edit, .name = "edSd1s", .kind = Number, .variable = "scr_sd_scorelimit",
     .text = "10", .at = {SearchAndDestroy},
     .section = Section::SearchAndDestroy},
    {.include = "chkSd2", .label = QT_TRANSLATE_NOOP("Settings", "Map time limit (0-1440m):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Map time limit, in minutes 0 to 1440. (scr_sd_timelimit)"),
     .control = Edit, .name = "edSd2s", .kind = Number, .variable = "scr_sd_timelimit",
     .text = "0", .at = {SearchAndDestroy},
     .section = Section::SearchAndDestroy},
    {.include = "chkSd3", .label = QT_TRANSLATE_NOOP("Settings", "Graceperiod (0-60s):"),
     .hint = QT_TRANSLATE_NOOP("Settings",
         "Time at round start where spawning and weapon choosing is still allowed, 0 - 60 "
             "seconds. (scr_sd_graceperiod)"),
     .control = Edit, .name = "edSd3s", .kind = Number, .variable = "scr_sd_graceperiod",
     .text = "15", .at = {SearchAndDestroy},
     .section = Section::SearchAndDestroy},
    {.include = "chkSd4", .label = QT_TRANSLATE_NOOP("Settings", "Round length:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Round length in minutes. (scr_sd_roundlength)"),
     .control = Edit, .name = "edSd4s", .kind = Number, .variable = "scr_sd_roundlength",
     .text = "4", .at = {SearchAndDestroy},
     .section = Section::SearchAndDestroy},
    {.include = "chkSd5", .label = QT_TRANSLATE_NOOP("Settings", "Round limit:"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Max Number of round wins per map. (scr_sd_roundlimit)"),
     .control = Edit, .name = "edSd5s", .kind = Number, .variable = "scr_sd_roundlimit",
     .text = "0", .at = {SearchAndDestroy},
     .section = Section::SearchAndDestroy},
};
// clang-format on
// The keyboard order: the carrier choice, the boxes, then the edits.
inline constexpr const char* keyboard[] = {
    "Panel16", "chkDm1",  "chkDm2",  "chkTdm2", "chkTdm1", "chkBel1", "chkBel2", "chkBel3",
    "chkRe6",  "chkRe5",  "chkRe4",  "chkRe3",  "chkRe2",  "chkRe1",  "chkSd5",  "chkSd4",
    "chkSd3",  "chkSd2",  "chkSd1",  "chkHq1",  "chkHq2",  "edDm1s",  "edDm2s",  "edRe1s",
    "edRe2s",  "edRe3s",  "edRe4s",  "edRe5s",  "edSd1s",  "edSd2s",  "edSd3s",  "edSd4s",
    "edSd5s",  "edBel2s", "edBel3s", "edBel1s", "edTdm1s", "edTdm2s", "edHq1s",  "edHq2s",
};
static_assert(wellDeclared(limits, keyboard));

} // namespace settings::gametypes
