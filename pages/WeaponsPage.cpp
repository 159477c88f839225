#include "pages/WeaponsPage.h"

#include "controls/TLMDTextButton.h"

#include <QCheckBox>
#include <QLabel>

namespace {

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

constexpr auto Check = Control::Check;
constexpr auto OnOff = ValueKind::OnOff;

// In the order the section writes them; each in its column and place, top to bottom. The tags
// say what kind of weapon it is, for the presets.
// clang-format off
constexpr SettingRow weapons[] = {
    {.label = "M1A1 Carbine", .hint = "Allow M1Carbine", .control = Check, .name = "chkCarbine",
     .kind = OnOff, .variable = "scr_allow_m1carbine", .checkedAtStart = true,
     .at = {American, 0}, .focus = {.value = 1}, .tags = Rifle},
    {.label = "M1 Garand", .hint = "Allow M1Garand", .control = Check, .name = "chkGarand",
     .kind = OnOff, .variable = "scr_allow_m1garand", .checkedAtStart = true,
     .at = {American, 1}, .focus = {.value = 0}, .tags = Rifle},
    {.label = "M1A1 Thompson", .hint = "Allow Thompson", .control = Check, .name = "chkThompson",
     .kind = OnOff, .variable = "scr_allow_thompson", .checkedAtStart = true,
     .at = {American, 2}, .focus = {.value = 2}, .tags = MachineGun},
    {.label = "BAR", .hint = "Allow Browning Automatic Rifle", .control = Check, .name = "chkBar",
     .kind = OnOff, .variable = "scr_allow_bar", .checkedAtStart = true,
     .at = {American, 3}, .focus = {.value = 3}, .tags = MachineGun},
    {.label = "Lee-Enfield No 1", .hint = "Allow Lee-Enfield no1", .control = Check,
     .name = "chkEnfield", .kind = OnOff, .variable = "scr_allow_enfield", .checkedAtStart = true,
     .at = {British, 0}, .focus = {.value = 4}, .tags = Rifle},
    {.label = "Sten", .hint = "Allow Sten", .control = Check, .name = "chkSten",
     .kind = OnOff, .variable = "scr_allow_sten", .checkedAtStart = true,
     .at = {British, 1}, .focus = {.value = 5}, .tags = MachineGun},
    {.label = "Bren LMG", .hint = "Allow Bren LMG", .control = Check, .name = "chkBren",
     .kind = OnOff, .variable = "scr_allow_bren", .checkedAtStart = true,
     .at = {British, 2}, .focus = {.value = 6}, .tags = MachineGun},
    {.label = "Springfield", .hint = "Allow Springfield Sniper", .control = Check,
     .name = "chkSpringfield", .kind = OnOff, .variable = "scr_allow_springfield",
     .checkedAtStart = true, .at = {American, 4}, .focus = {.value = 7}, .tags = Rifle | Sniper},
    {.label = "Kar98k", .hint = "Allow Kar98k", .control = Check, .name = "chkKar",
     .kind = OnOff, .variable = "scr_allow_kar98k", .checkedAtStart = true,
     .at = {German, 0}, .focus = {.value = 8}, .tags = Rifle},
    {.label = "MP40", .hint = "Allow MP40", .control = Check, .name = "chkMp40",
     .kind = OnOff, .variable = "scr_allow_mp40", .checkedAtStart = true,
     .at = {German, 1}, .focus = {.value = 9}, .tags = MachineGun},
    {.label = "MP44", .hint = "Allow MP44", .control = Check, .name = "chkMp44",
     .kind = OnOff, .variable = "scr_allow_mp44", .checkedAtStart = true,
     .at = {German, 2}, .focus = {.value = 10}, .tags = MachineGun},
    {.label = "Scoped Kar98k", .hint = "Allow Scoped Kar98k", .control = Check, .name = "chkSkar",
     .kind = OnOff, .variable = "scr_allow_kar98ksniper", .checkedAtStart = true,
     .at = {German, 3}, .focus = {.value = 11}, .tags = Rifle | Sniper},
    {.label = "Mosin-Nagant", .hint = "Allow Mosin-Nagant", .control = Check, .name = "chkNagant",
     .kind = OnOff, .variable = "scr_allow_nagant", .checkedAtStart = true,
     .at = {Russian, 0}, .focus = {.value = 14}, .tags = Rifle},
    {.label = "ppsH", .hint = "Allow ppsH", .control = Check, .name = "chkPPsh",
     .kind = OnOff, .variable = "scr_allow_ppsh", .checkedAtStart = true,
     .at = {Russian, 1}, .focus = {.value = 13}, .tags = MachineGun},
    {.label = "Scoped Mosin-Nagant", .hint = "Allow Scoped Mosin-Nagant", .control = Check,
     .name = "chkSnagant", .kind = OnOff, .variable = "scr_allow_nagantsniper",
     .checkedAtStart = true, .at = {Russian, 2}, .focus = {.value = 12}, .tags = Rifle | Sniper},
    {.label = "FG42", .hint = "Allow FG42", .control = Check, .name = "chkFg",
     .kind = OnOff, .variable = "scr_allow_fg42",
     .at = {Other, 0}, .focus = {.value = 16}, .tags = MachineGun},
    {.label = "Panzerfaust", .hint = "Allow Panzerfaust", .control = Check, .name = "chkPanzer",
     .kind = OnOff, .variable = "scr_allow_panzerfaust",
     .at = {Other, 1}, .focus = {.value = 15}, .tags = Launcher},
};
// clang-format on

constexpr const char* columnTitles[kColumns] = {
    "American Weapons", "British Weapons", "German Weapons", "Russian Weapons", "Other Weapons"};

// Left to right. There is no pistol box, so "Pistols Only" clears every box.
struct Preset {
    const char* name;
    const char* caption;
    const char* hint;
    unsigned kinds;
    int focus; // the keyboard takes them by their numbers, after the boxes
};

constexpr Preset presets[] = {
    {"LMDTextButton23", "Rifles Only", "Allow only rifles", Rifle, 17},
    {"LMDTextButton24", "Machine Guns only", "Allow only machine guns", MachineGun, 18},
    {"LMDTextButton25", "Pistols Only", "Allow only pistols", Pistol, 19},
    {"LMDTextButton28", "Snipers Only", "Allow only snipers", Sniper, 22},
    {"LMDTextButton26", "Unselect All", "Remove all weapons", 0, 20},
    {"LMDTextButton27", "Select All", "Select all weapons", AnyKind, 21},
};

constexpr auto presetFocus = [] {
    std::array<int, std::size(presets)> places{};
    for (size_t i = 0; i < places.size(); ++i)
        places[i] = presets[i].focus;
    return places;
}();
static_assert(wellDeclared(weapons, presetFocus));

constexpr int kMargin = 6;
constexpr int kColumnGap = 5;
constexpr int kColumnWidth =
    (PageSheet::kWidth - 2 * kMargin - (kColumns - 1) * kColumnGap) / kColumns;
constexpr int kHeaderTop = PageSheet::kTitleHeight + 8;
constexpr int kHeaderHeight = 22;
constexpr int kBodyTop = kHeaderTop + kHeaderHeight + 4;
constexpr int kBoxPitch = 24;
constexpr int kPresetTop = 312;
constexpr int kBodyHeight = kPresetTop - 12 - kBodyTop;
constexpr int kPresetWidth = 112;
constexpr int kPresetHeight = 25;
constexpr int kPresetGap = 6;

int columnX(int column) {
    return kMargin + column * (kColumnWidth + kColumnGap);
}

QRect boxPlace(Place at) {
    return QRect(columnX(at.column) + 6, kBodyTop + 6 + at.slot * kBoxPitch, kColumnWidth - 8, 18);
}

} // namespace

std::span<const SettingRow> WeaponsPage::settings() {
    return weapons;
}

WeaponsPage::WeaponsPage(QWidget* parent)
    : SettingsPage("TabSheet1", "Allowed Weapons", "Allowed weapons", Section::Weapons, weapons,
                   parent) {
    for (int column = 0; column < kColumns; ++column) {
        addHeading(columnTitles[column],
                   QRect(columnX(column), kHeaderTop, kColumnWidth, kHeaderHeight), 11,
                   Qt::AlignCenter);
        addStrip(QRect(columnX(column), kBodyTop, kColumnWidth, kBodyHeight));
    }

    for (const SettingRow& weapon : weapons)
        addCaptionedCheck(this, weapon, boxPlace(weapon.at));
    // A second Springfield under the British weapons that is never allowed and writes nothing.
    auto* springfield = new QCheckBox(QStringLiteral("Springfield"), this);
    springfield->setObjectName(QStringLiteral("CheckBox1"));
    springfield->setStatusTip(QStringLiteral("Allow Springfield Sniper"));
    sheetBackground(springfield);
    springfield->setGeometry(boxPlace({British, 3}));
    springfield->setEnabled(false);
    springfield->setFocusPolicy(Qt::NoFocus);

    int x = kMargin;
    for (const Preset& preset : presets) {
        auto* button = new TLMDTextButton(QString::fromLatin1(preset.caption), this);
        button->setObjectName(QLatin1String(preset.name));
        button->setStatusTip(QString::fromLatin1(preset.hint));
        button->setGeometry(x, kPresetTop, kPresetWidth, kPresetHeight);
        connect(button, &QPushButton::clicked, this,
                [this, kinds = preset.kinds] { applyPreset(kinds); });
        setFocusPlace(preset.focus, button);
        x += kPresetWidth + kPresetGap;
    }

    addCornerPicture(":/pic-pistol.png");
    finishRows();
}

void WeaponsPage::applyPreset(unsigned kinds) {
    for (const RowControls& weapon : rows())
        weapon.check->setChecked((weapon.row->tags & kinds) != 0);
}
