#pragma once

#include "settings/SettingRow.h"

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
    {.label = QT_TRANSLATE_NOOP("Settings", "M1A1 Carbine"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow M1Carbine"), .control = Check,
     .name = "chkCarbine",
     .kind = OnOff, .variable = "scr_allow_m1carbine", .checkedAtStart = true,
     .at = {American}, .tags = Rifle},
    {.label = QT_TRANSLATE_NOOP("Settings", "M1 Garand"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow M1Garand"), .control = Check, .name = "chkGarand",
     .kind = OnOff, .variable = "scr_allow_m1garand", .checkedAtStart = true,
     .at = {American}, .tags = Rifle},
    {.label = QT_TRANSLATE_NOOP("Settings", "M1A1 Thompson"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Thompson"), .control = Check,
     .name = "chkThompson",
     .kind = OnOff, .variable = "scr_allow_thompson", .checkedAtStart = true,
     .at = {American}, .tags = MachineGun},
    {.label = QT_TRANSLATE_NOOP("Settings", "BAR"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Browning Automatic Rifle"), .control = Check,
     .name = "chkBar",
     .kind = OnOff, .variable = "scr_allow_bar", .checkedAtStart = true,
     .at = {American}, .tags = MachineGun},
    {.label = QT_TRANSLATE_NOOP("Settings", "Lee-Enfield No 1"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Lee-Enfield no1"), .control = Check,
     .name = "chkEnfield", .kind = OnOff, .variable = "scr_allow_enfield", .checkedAtStart = true,
     .at = {British}, .tags = Rifle},
    {.label = QT_TRANSLATE_NOOP("Settings", "Sten"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Sten"), .control = Check, .name = "chkSten",
     .kind = OnOff, .variable = "scr_allow_sten", .checkedAtStart = true,
     .at = {British}, .tags = MachineGun},
    {.label = QT_TRANSLATE_NOOP("Settings", "Bren LMG"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Bren LMG"), .control = Check, .name = "chkBren",
     .kind = OnOff, .variable = "scr_allow_bren", .checkedAtStart = true,
     .at = {British}, .tags = MachineGun},
    {.label = QT_TRANSLATE_NOOP("Settings", "Springfield"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Springfield Sniper"), .control = Check,
     .name = "chkSpringfield", .kind = OnOff, .variable = "scr_allow_springfield",
     .checkedAtStart = true, .at = {American}, .tags = Rifle | Sniper},
    {.label = QT_TRANSLATE_NOOP("Settings", "Kar98k"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Kar98k"), .control = Check, .name = "chkKar",
     .kind = OnOff, .variable = "scr_allow_kar98k", .checkedAtStart = true,
     .at = {German}, .tags = Rifle},
    {.label = QT_TRANSLATE_NOOP("Settings", "MP40"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow MP40"), .control = Check, .name = "chkMp40",
     .kind = OnOff, .variable = "scr_allow_mp40", .checkedAtStart = true,
     .at = {German}, .tags = MachineGun},
    {.label = QT_TRANSLATE_NOOP("Settings", "MP44"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow MP44"), .control = Check, .name = "chkMp44",
     .kind = OnOff, .variable = "scr_allow_mp44", .checkedAtStart = true,
     .at = {German}, .tags = MachineGun},
    {.label = QT_TRANSLATE_NOOP("Settings", "Scoped Kar98k"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Scoped Kar98k"), .control = Check,
     .name = "chkSkar",
     .kind = OnOff, .variable = "scr_allow_kar98ksniper", .checkedAtStart = true,
     .at = {German}, .tags = Rifle | Sniper},
    {.label = QT_TRANSLATE_NOOP("Settings", "Mosin-Nagant"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Mosin-Nagant"), .control = Check,
     .name = "chkNagant",
     .kind = OnOff, .variable = "scr_allow_nagant", .checkedAtStart = true,
     .at = {Russian}, .tags = Rifle},
    {.label = QT_TRANSLATE_NOOP("Settings", "ppsH"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow ppsH"), .control = Check, .name = "chkPPsh",
     .kind = OnOff, .variable = "scr_allow_ppsh", .checkedAtStart = true,
     .at = {Russian}, .tags = MachineGun},
    {.label = QT_TRANSLATE_NOOP("Settings", "Scoped Mosin-Nagant"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Scoped Mosin-Nagant"), .control = Check,
     .name = "chkSnagant", .kind = OnOff, .variable = "scr_allow_nagantsniper",
     .checkedAtStart = true, .at = {Russian}, .tags = Rifle | Sniper},
    {.label = QT_TRANSLATE_NOOP("Settings", "FG42"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow FG42"), .control = Check, .name = "chkFg",
     .kind = OnOff, .variable = "scr_allow_fg42",
     .at = {Other}, .tags = MachineGun},
    {.label = QT_TRANSLATE_NOOP("Settings", "Panzerfaust"),
     .hint = QT_TRANSLATE_NOOP("Settings", "Allow Panzerfaust"), .control = Check,
     .name = "chkPanzer",
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
