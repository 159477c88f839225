#pragma once

#include "settings/SettingRow.h"

namespace settings::mapRotation {

// The rotation is one value line; its include box is the check box under the edit.
inline constexpr SettingRow rotation[] = {
    {.include = "chkMpr",
     .label = QT_TRANSLATE_NOOP("Settings", "Rotation Info:"),
     .control = Control::Edit,
     .name = "edRotation",
     .kind = ValueKind::Text,
     .variable = "sv_mapRotation"},
};

// The keyboard order: the box and the edit, then the token buttons by their numbers.
inline constexpr const char* keyboard[] = {
    "chkMpr",          "edRotation",      "LMDTextButton1",  "LMDTextButton2",  "LMDTextButton3",
    "LMDTextButton4",  "LMDTextButton5",  "LMDTextButton6",  "LMDTextButton7",  "LMDTextButton8",
    "LMDTextButton9",  "LMDTextButton10", "LMDTextButton11", "LMDTextButton12", "LMDTextButton13",
    "LMDTextButton14", "LMDTextButton15", "LMDTextButton16", "LMDTextButton17", "LMDTextButton18",
    "LMDTextButton19", "LMDTextButton20", "LMDTextButton21", "LMDTextButton22",
};
static_assert(wellDeclared(rotation, keyboard));

} // namespace settings::mapRotation
