#include "pages/WeaponsPage.h"

#include "pages/settings/WeaponsSettings.h"

#include "controls/TLMDTextButton.h"

#include <QCheckBox>
#include <QLabel>

using namespace settings::weapons;

namespace {

constexpr const char* columnTitles[kColumns] = {
    "American Weapons", "British Weapons", "German Weapons", "Russian Weapons", "Other Weapons"};

// Left to right. There is no pistol box, so "Pistols Only" clears every box.
struct Preset {
    const char* name;
    const char* caption;
    const char* hint;
    unsigned kinds;
};

constexpr Preset presets[] = {
    {"LMDTextButton23", "Rifles Only", "Allow only rifles", Rifle},
    {"LMDTextButton24", "Machine Guns only", "Allow only machine guns", MachineGun},
    {"LMDTextButton25", "Pistols Only", "Allow only pistols", Pistol},
    {"LMDTextButton28", "Snipers Only", "Allow only snipers", Sniper},
    {"LMDTextButton26", "Unselect All", "Remove all weapons", 0},
    {"LMDTextButton27", "Select All", "Select all weapons", AnyKind},
};

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

WeaponsPage::WeaponsPage(QWidget* parent)
    : SettingsPage(PageId::Weapons, parent) {
    for (int column = 0; column < kColumns; ++column) {
        addHeading(columnTitles[column],
                   QRect(columnX(column), kHeaderTop, kColumnWidth, kHeaderHeight), 11,
                   Qt::AlignCenter);
        addStrip(QRect(columnX(column), kBodyTop, kColumnWidth, kBodyHeight));
    }

    for (const SettingRow& weapon : weapons)
        addCaptionedCheck(this, weapon, boxPlace(placeOf(weapon)));
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
        x += kPresetWidth + kPresetGap;
    }

    addCornerPicture(":/pic-pistol.png");
    finishRows();
}

void WeaponsPage::applyPreset(unsigned kinds) {
    for (const RowControls& weapon : rows())
        weapon.check->setChecked((weapon.row->tags & kinds) != 0);
}
