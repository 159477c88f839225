#include "pages/WeaponsPage.h"

#include "config/ConfigText.h"
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

struct Weapon {
    const char* box;
    const char* caption;
    bool allowed; // at start
    const char* hint;
    const char* name; // switch line variable
    Column column;
    unsigned kinds;
};

// In the order the section writes them; within a column, top to bottom.
constexpr Weapon weapons[] = {
    {"chkCarbine", "M1A1 Carbine", true, "Allow M1Carbine", "scr_allow_m1carbine", American, Rifle},
    {"chkGarand", "M1 Garand", true, "Allow M1Garand", "scr_allow_m1garand", American, Rifle},
    {"chkThompson", "M1A1 Thompson", true, "Allow Thompson", "scr_allow_thompson", American,
     MachineGun},
    {"chkBar", "BAR", true, "Allow Browning Automatic Rifle", "scr_allow_bar", American,
     MachineGun},
    {"chkEnfield", "Lee-Enfield No 1", true, "Allow Lee-Enfield no1", "scr_allow_enfield", British,
     Rifle},
    {"chkSten", "Sten", true, "Allow Sten", "scr_allow_sten", British, MachineGun},
    {"chkBren", "Bren LMG", true, "Allow Bren LMG", "scr_allow_bren", British, MachineGun},
    {"chkSpringfield", "Springfield", true, "Allow Springfield Sniper", "scr_allow_springfield",
     American, Rifle | Sniper},
    {"chkKar", "Kar98k", true, "Allow Kar98k", "scr_allow_kar98k", German, Rifle},
    {"chkMp40", "MP40", true, "Allow MP40", "scr_allow_mp40", German, MachineGun},
    {"chkMp44", "MP44", true, "Allow MP44", "scr_allow_mp44", German, MachineGun},
    {"chkSkar", "Scoped Kar98k", true, "Allow Scoped Kar98k", "scr_allow_kar98ksniper", German,
     Rifle | Sniper},
    {"chkNagant", "Mosin-Nagant", true, "Allow Mosin-Nagant", "scr_allow_nagant", Russian, Rifle},
    {"chkPPsh", "ppsH", true, "Allow ppsH", "scr_allow_ppsh", Russian, MachineGun},
    {"chkSnagant", "Scoped Mosin-Nagant", true, "Allow Scoped Mosin-Nagant",
     "scr_allow_nagantsniper", Russian, Rifle | Sniper},
    {"chkFg", "FG42", false, "Allow FG42", "scr_allow_fg42", Other, MachineGun},
    {"chkPanzer", "Panzerfaust", false, "Allow Panzerfaust", "scr_allow_panzerfaust", Other,
     Launcher},
};

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

int columnX(int column) {
    return kMargin + column * (kColumnWidth + kColumnGap);
}

QCheckBox* weaponBox(QWidget* parent, const char* name, const char* caption, const char* hint,
                     int column, int place) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QLatin1String(name));
    box->setStatusTip(QString::fromLatin1(hint));
    box->setAutoFillBackground(true);
    // A button fills its background with the Button colour.
    QPalette white = box->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Button, Qt::white);
    box->setPalette(white);
    box->setGeometry(columnX(column) + 6, kBodyTop + 6 + place * kBoxPitch, kColumnWidth - 8, 18);
    return box;
}

} // namespace

WeaponsPage::WeaponsPage(QWidget* parent)
    : SettingsPage("TabSheet1", "Allowed Weapons", "Allowed weapons", parent) {
    QFont heading(QStringLiteral("Verdana"));
    heading.setPixelSize(11);
    heading.setBold(true);
    for (int column = 0; column < kColumns; ++column) {
        const QRect header(columnX(column), kHeaderTop, kColumnWidth, kHeaderHeight);
        addStrip(header);
        addStrip(QRect(columnX(column), kBodyTop, kColumnWidth, kBodyHeight));
        auto* title = new QLabel(QString::fromLatin1(columnTitles[column]), this);
        title->setFont(heading);
        QPalette black = title->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        title->setPalette(black);
        title->setAlignment(Qt::AlignCenter);
        title->setGeometry(header);
    }

    int places[kColumns] = {};
    for (const Weapon& weapon : weapons) {
        QCheckBox* box = weaponBox(this, weapon.box, weapon.caption, weapon.hint, weapon.column,
                                   places[weapon.column]++);
        box->setChecked(weapon.allowed);
        m_boxes.append(box);
    }
    // A second Springfield under the British weapons that is never allowed and writes nothing.
    QCheckBox* springfield = weaponBox(this, "CheckBox1", "Springfield", "Allow Springfield Sniper",
                                       British, places[British]++);
    springfield->setEnabled(false);
    springfield->setFocusPolicy(Qt::NoFocus);

    int x = kMargin;
    for (const Preset& preset : presets) {
        auto* button = new TLMDTextButton(QString::fromLatin1(preset.caption), this);
        button->setObjectName(QLatin1String(preset.name));
        button->setStatusTip(QString::fromLatin1(preset.hint));
        button->setGeometry(x, kPresetTop, kPresetWidth, kPresetHeight);
        connect(button, &QPushButton::clicked, this,
                [this, kinds = preset.kinds] { LMDTextButtonClick(kinds); });
        x += kPresetWidth + 6;
    }

    addCornerPicture(":/pic-pistol.png");

    setFocusOrder({"chkGarand",       "chkCarbine",      "chkThompson",     "chkBar",
                   "chkEnfield",      "chkSten",         "chkBren",         "chkSpringfield",
                   "chkKar",          "chkMp40",         "chkMp44",         "chkSkar",
                   "chkSnagant",      "chkPPsh",         "chkNagant",       "chkPanzer",
                   "chkFg",           "LMDTextButton23", "LMDTextButton24", "LMDTextButton25",
                   "LMDTextButton26", "LMDTextButton27", "LMDTextButton28"});
}

void WeaponsPage::LMDTextButtonClick(unsigned kinds) {
    for (size_t i = 0; i < std::size(weapons); ++i)
        m_boxes[static_cast<qsizetype>(i)]->setChecked((weapons[i].kinds & kinds) != 0);
}

void WeaponsPage::writeSection(Section, ConfigText& text) const {
    for (size_t i = 0; i < std::size(weapons); ++i)
        text.switchLine(weapons[i].name, m_boxes[static_cast<qsizetype>(i)]->isChecked());
}
