#include "pages/WeaponsPage.h"

#include "settings/WeaponsSettings.h"

#include "controls/TLMDTextButton.h"

#include <QCheckBox>
#include <QLabel>

using namespace settings::weapons;

namespace {

constexpr const char* columnTitles[kColumns] = {
    QT_TRANSLATE_NOOP("WeaponsPage", "American Weapons"),
    QT_TRANSLATE_NOOP("WeaponsPage", "British Weapons"),
    QT_TRANSLATE_NOOP("WeaponsPage", "German Weapons"),
    QT_TRANSLATE_NOOP("WeaponsPage", "Russian Weapons"),
    QT_TRANSLATE_NOOP("WeaponsPage", "Other Weapons")};

// Left to right. There is no pistol box, so "Pistols Only" clears every box.
struct Preset {
    const char* name;
    const char* caption;
    const char* hint;
    unsigned kinds;
};

constexpr Preset presets[] = {
    {"LMDTextButton23", QT_TRANSLATE_NOOP("WeaponsPage", "Rifles Only"),
     QT_TRANSLATE_NOOP("WeaponsPage", "Allow only rifles"), Rifle},
    {"LMDTextButton24", QT_TRANSLATE_NOOP("WeaponsPage", "Machine Guns only"),
     QT_TRANSLATE_NOOP("WeaponsPage", "Allow only machine guns"), MachineGun},
    {"LMDTextButton25", QT_TRANSLATE_NOOP("WeaponsPage", "Pistols Only"),
     QT_TRANSLATE_NOOP("WeaponsPage", "Allow only pistols"), Pistol},
    {"LMDTextButton28", QT_TRANSLATE_NOOP("WeaponsPage", "Snipers Only"),
     QT_TRANSLATE_NOOP("WeaponsPage", "Allow only snipers"), Sniper},
    {"LMDTextButton26", QT_TRANSLATE_NOOP("WeaponsPage", "Unselect All"),
     QT_TRANSLATE_NOOP("WeaponsPage", "Remove all weapons"), 0},
    {"LMDTextButton27", QT_TRANSLATE_NOOP("WeaponsPage", "Select All"),
     QT_TRANSLATE_NOOP("WeaponsPage", "Select all weapons"), AnyKind},
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
        addHeading(tr(columnTitles[column]),
                   QRect(columnX(column), kHeaderTop, kColumnWidth, kHeaderHeight), 11,
                   Qt::AlignCenter);
        addStrip(QRect(columnX(column), kBodyTop, kColumnWidth, kBodyHeight));
    }

    // A caption longer than its place (another language, a wider font) takes the box's margin
    // on the left, then the gap to the next column on the right.
    for (const SettingRow& weapon : weapons) {
        QCheckBox* box = addCaptionedCheck(this, weapon, boxPlace(placeOf(weapon)));
        const QRect place = box->geometry();
        const int wider = qMax(0, box->sizeHint().width() - place.width());
        const int left = qMin(wider, place.left() - columnX(placeOf(weapon).column));
        box->setGeometry(place.adjusted(-left, 0, qMin(wider - left, kColumnGap + 1), 0));
    }
    // A second Springfield under the British weapons that is never allowed and writes nothing.
    auto* springfield = new QCheckBox(tr("Springfield"), this);
    springfield->setObjectName(QStringLiteral("CheckBox1"));
    springfield->setStatusTip(tr("Allow Springfield Sniper"));
    sheetBackground(springfield);
    springfield->setGeometry(boxPlace({British, 3}));
    springfield->setEnabled(false);
    springfield->setFocusPolicy(Qt::NoFocus);

    int x = kMargin;
    for (const Preset& preset : presets) {
        auto* button = new TLMDTextButton(tr(preset.caption), this);
        button->setObjectName(QLatin1String(preset.name));
        button->setStatusTip(tr(preset.hint));
        const int width = qMax(kPresetWidth, button->captionWidth());
        button->setGeometry(x, kPresetTop, width, kPresetHeight);
        connect(button, &QPushButton::clicked, this,
                [this, kinds = preset.kinds] { applyPreset(kinds); });
        x += width + kPresetGap;
    }

    addCornerPicture(":/pic-pistol.png");
    finishRows();
}

void WeaponsPage::applyPreset(unsigned kinds) {
    for (const RowControls& weapon : rows())
        weapon.check->setChecked((weapon.row->tags & kinds) != 0);
}
