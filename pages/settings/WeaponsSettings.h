#pragma once

#include "pages/settings/SettingRow.h"

namespace settings::weapons {

// What a weapon is, as far as the presets care.
enum Kind : unsigned {
    Rifle = 1,
    MachineGun = 2,
    Sniper = 4,
    Pistol = 8,
    Launcher = 16,
    AnyKind = Rifle | MachineGun | Sniper | Pistol | Launcher,
};

enum Column { American, British, German, Russian, Other, kColumns };

inline constexpr auto Check = Control::Check;
inline constexpr auto OnOff = ValueKind::OnOff;

// In the order the section writes them; each in its column and place, top to bottom. The tags
// say what kind of weapon it is, for the presets.
// clang-format off
inline constexpr SettingRow weapons[] = {
    {.label = "M1A1 Carbine", .hint = "Allow M1Carbine", .control = Check, .name = "chkCarbine",
     .kind = OnOff, .variable = "scr_allow_m1carbine", .checkedAtStart = true,
     .at = {American}, .tags = Rifle},
    {.label = "M1 Garand", .hint = "Allow M1Garand", .control = Check, .name = "chkGarand",
     .kind = OnOff, .variable = "scr_allow_m1garand", .checkedAtStart = true,
     .at = {American}, .tags = Rifle},
    {.label = "M1A1 Thompson", .hint = "Allow Thompson", .control = Check, .name = "chkThompson",
     .kind = OnOff, .variable = "scr_allow_thompson", .checkedAtStart = true,
     .at = {American}, .tags = MachineGun},
    {.label = "BAR", .hint = "Allow Browning Automatic Rifle", .control = Check, .name = "chkBar",
     .kind = OnOff, .variable = "scr_allow_bar", .checkedAtStart = true,
     .at = {American}, .tags = MachineGun},
    {.label = "Lee-Enfield No 1", .hint = "Allow Lee-Enfield no1", .control = Check,
     .name = "chkEnfield", .kind = OnOff, .variable = "scr_allow_enfield", .checkedAtStart = true,
     .at = {British}, .tags = Rifle},
    {.label = "Sten", .hint = "Allow Sten", .control = Check, .name = "chkSten",
     .kind = OnOff, .variable = "scr_allow_sten", .checkedAtStart = true,
     .at = {British}, .tags = MachineGun},
    {.label = "Bren LMG", .hint = "Allow Bren LMG", .control = Check, .name = "chkBren",
     .kind = OnOff, .variable = "scr_allow_bren", .checkedAtStart = true,
     .at = {British}, .tags = MachineGun},
    {.label = "Springfield", .hint = "Allow Springfield Sniper", .control = Check,
     .name = "chkSpringfield", .kind = OnOff, .variable = "scr_allow_springfield",
     .checkedAtStart = true, .at = {American}, .tags = Rifle | Sniper},
    {.label = "Kar98k", .hint = "Allow Kar98k", .control = Check, .name = "chkKar",
     .kind = OnOff, .variable = "scr_allow_kar98k", .checkedAtStart = true,
     .at = {German}, .tags = Rifle},
    {.label = "MP40", .hint = "Allow MP40", .control = Check, .name = "chkMp40",
     .kind = OnOff, .variable = "scr_allow_mp40", .checkedAtStart = true,
     .at = {German}, .tags = MachineGun},
    {.label = "MP44", .hint = "Allow MP44", .control = Check, .name = "chkMp44",
     .kind = OnOff, .variable = "scr_allow_mp44", .checkedAtStart = true,
     .at = {German}, .tags = MachineGun},
    {.label = "Scoped Kar98k", .hint = "Allow Scoped Kar98k", .control = Check, .name = "chkSkar",
     .kind = OnOff, .variable = "scr_allow_kar98ksniper", .checkedAtStart = true,
     .at = {German}, .tags = Rifle | Sniper},
    {.label = "Mosin-Nagant", .hint = "Allow Mosin-Nagant", .control = Check, .name = "chkNagant",
     .kind = OnOff, .variable = "scr_allow_nagant", .checkedAtStart = true,
     .at = {Russian}, .tags = Rifle},
    {.label = "ppsH", .hint = "Allow ppsH", .control = Check, .name = "chkPPsh",
     .kind = OnOff, .variable = "scr_allow_ppsh", .checkedAtStart = true,
     .at = {Russian}, .tags = MachineGun},
    {.label = "Scoped Mosin-Nagant", .hint = "Allow Scoped Mosin-Nagant", .control = Check,
     .name = "chkSnagant", .kind = OnOff, .variable = "scr_allow_nagantsniper",
     .checkedAtStart = true, .at = {Russian}, .tags = Rifle | Sniper},
    {.label = "FG42", .hint = "Allow FG42", .control = Check, .name = "chkFg",
     .kind = OnOff, .variable = "scr_allow_fg42",
     .at = {Other}, .tags = MachineGun},
    {.label = "Panzerfaust", .hint = "Allow Panzerfaust", .control = Check, .name = "chkPanzer",
     .kind = OnOff, .variable = "scr_allow_panzerfaust",
     .at = {Other}, .tags = Launcher},
};
// clang-format on

// The keyboard order: the boxes, then the preset buttons by their numbers.
inline constexpr const char* keyboard[] = {
    "chkGarand",       "chkCarbine",      "chkThompson",     "chkBar",          "chkEnfield",
    "chkSten",         "chkBren",         "chkSpringfield",  "chkKar",          "chkMp40",
    "chkMp44",         "chkSkar",         "chkSnagant",      "chkPPsh",         "chkNagant",
    "chkPanzer",       "chkFg",           "LMDTextButton23", "LMDTextButton24", "LMDTextButton25",
    "LMDTextButton26", "LMDTextButton27", "LMDTextButton28",
};
static_assert(wellDeclared(weapons, keyboard));

} // namespace settings::weapons
