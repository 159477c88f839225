#include "pages/MapRotationPage.h"

#include "config/ConfigText.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDTextButton.h"
#include "pages/SettingRow.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace {

// A button that appends its token to the rotation; the blanks are part of the token.
struct TokenButton {
    const char* name;
    const char* caption;
    const char* token;
};

constexpr TokenButton gametypeButtons[] = {
    {"LMDTextButton1", "Deathmatch", "gametype dm "},
    {"LMDTextButton2", "Team Deathmatch", "gametype tdm "},
    {"LMDTextButton3", "Search and Destroy", "gametype sd "},
    {"LMDTextButton4", "Behind Enemy Lines", "gametype bel "},
    {"LMDTextButton5", "Retrieval", "gametype re "},
    {"LMDTextButton6", "Headquarters", "gametype hq "},
};

// Two rows on the page: the first eight, then the rest.
constexpr TokenButton mapButtons[] = {
    {"LMDTextButton7", "Bocage", "map mp_bocage "},
    {"LMDTextButton8", "Brecourt", "map mp_brecourt "},
    {"LMDTextButton9", "Carentan", "map mp_carentan "},
    {"LMDTextButton17", "Dawnville", "map mp_dawnville "},
    {"LMDTextButton10", "Depot", "map mp_depot "},
    {"LMDTextButton11", "Harbor", "map mp_harbor "},
    {"LMDTextButton12", "Hurtgen", "map mp_hurtgen "},
    {"LMDTextButton13", "Neuville", "map mp_neuville "},
    {"LMDTextButton14", "Pavlov", "map mp_pavlov "},
    {"LMDTextButton15", "Railyard", "map mp_railyard "},
    {"LMDTextButton16", "Rocket", "map mp_rocket "},
    {"LMDTextButton18", "Stalingrad", "map mp_stalingrad "},
    {"LMDTextButton19", "Tigertown", "map mp_tigertown "},
};
constexpr int kMapsInFirstRow = 8;

// The extras stand between other tokens, hence the blank on both sides.
constexpr TokenButton extrasButtons[] = {
    {"LMDTextButton20", "gametype", " gametype "},
    {"LMDTextButton21", "map", " map "},
    {"LMDTextButton22", "map mp_", " map mp_ "},
};

constexpr const char* instructions[] = {
    "Instructions: ",
    "Add a gametype, click on deathmatch for example and then click on the maps you want for "
    "that gametype",
    "then choose another gametype and select the maps for it... it's easy!",
    "You can also make it manualy in the box below:",
};

constexpr int kMargin = 8;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 4;
constexpr int kRowLabelWidth = 58;
constexpr int kGametypeWidths[] = {84, 104, 118, 118, 76, 92};
constexpr int kMapWidth = 78;
constexpr int kExtrasWidth = 72;

constexpr QRgb kSilver = 0xffc0c0c0;

QLabel* label(QWidget* parent, const char* text, const QRect& geometry) {
    auto* caption = new QLabel(QString::fromLatin1(text), parent);
    caption->setGeometry(geometry);
    return caption;
}

void setTextColour(QWidget* widget, QRgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(colour));
    widget->setPalette(palette);
}

} // namespace

MapRotationPage::MapRotationPage(QWidget* parent)
    : SettingsPage("TabSheet6", "Map Rotation", "Map Rotation", parent) {
    auto button = [this](const TokenButton& entry, QWidget* parent, const QRect& geometry) {
        auto* b = new TLMDTextButton(QString::fromLatin1(entry.caption), parent);
        b->setObjectName(QLatin1String(entry.name));
        b->setGeometry(geometry);
        connect(b, &QPushButton::clicked, this,
                [this, token = entry.token] { LMDTextButtonClick(token); });
    };
    const int buttonsX = kMargin + kRowLabelWidth + kButtonGap;

    int y = kTitleHeight + 8;
    label(this, "Gametype:", QRect(kMargin, y, kRowLabelWidth, kButtonHeight));
    int x = buttonsX;
    for (size_t i = 0; i < std::size(gametypeButtons); ++i) {
        button(gametypeButtons[i], this, QRect(x, y, kGametypeWidths[i], kButtonHeight));
        x += kGametypeWidths[i] + kButtonGap;
    }

    y += kButtonHeight + 8;
    label(this, "Map:", QRect(kMargin, y, kRowLabelWidth, kButtonHeight));
    for (int i = 0; i < static_cast<int>(std::size(mapButtons)); ++i) {
        const int row = i < kMapsInFirstRow ? 0 : 1;
        const int column = row == 0 ? i : i - kMapsInFirstRow;
        button(mapButtons[i], this,
               QRect(buttonsX + column * (kMapWidth + kButtonGap),
                     y + row * (kButtonHeight + kButtonGap), kMapWidth, kButtonHeight));
    }

    y += 2 * kButtonHeight + kButtonGap + 12;
    constexpr int kExtrasFrameWidth = 2 * kExtrasWidth + 3 * 8;
    constexpr int kInstructionPitch = 16;
    const int instructionsWidth = kWidth - 2 * kMargin - kExtrasFrameWidth - 8;
    for (size_t i = 0; i < std::size(instructions); ++i) {
        QLabel* line = label(this, instructions[i],
                             QRect(kMargin, y + static_cast<int>(i) * kInstructionPitch,
                                   instructionsWidth, kInstructionPitch));
        if (i == 0) {
            QFont bold;
            bold.setBold(true);
            line->setFont(bold);
        }
    }

    auto* extras = new QGroupBox(QStringLiteral("Extras"), this);
    extras->setObjectName(QStringLiteral("GroupBox2"));
    extras->setFocusPolicy(Qt::NoFocus);
    extras->setGeometry(kWidth - kMargin - kExtrasFrameWidth, y - 6, kExtrasFrameWidth,
                        4 * kInstructionPitch + 10);
    constexpr int kExtrasTop = 18;
    button(extrasButtons[0], extras, QRect(8, kExtrasTop, kExtrasWidth, kButtonHeight - 1));
    button(extrasButtons[1], extras,
           QRect(8, kExtrasTop + kButtonHeight + 1, kExtrasWidth, kButtonHeight - 1));
    button(extrasButtons[2], extras,
           QRect(8 + kExtrasWidth + 8, kExtrasTop + kButtonHeight + 1, kExtrasWidth,
                 kButtonHeight - 1));

    y += 4 * kInstructionPitch + 10;
    label(this, "Rotation Info:", QRect(kMargin, y, 120, 16));
    y += 18;

    edRotation = new TLMDEdit(this);
    edRotation->setObjectName(QStringLiteral("edRotation"));
    edRotation->setAccessibleName(QStringLiteral("Rotation Info:"));
    QPalette colours = edRotation->palette();
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    const QColor hotLight = colours.color(QPalette::Link);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Base, menu);
        colours.setColor(group, QPalette::Highlight, hotLight);
        colours.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    edRotation->setPalette(colours);
    edRotation->setGeometry(kMargin, y, kWidth - 2 * kMargin, 21);

    y += 21 + 6;
    QLabel* note = label(this, "mp_chateau and mp_ship does not have Search and Destroy gametype",
                         QRect(kMargin, y, 420, 16));
    setTextColour(note, kSilver);

    y += 16 + 8;
    chkMpr = new QCheckBox(
        QStringLiteral("check this if you don't want to include map rotations in your cfg."), this);
    chkMpr->setObjectName(QStringLiteral("chkMpr"));
    chkMpr->setChecked(true);
    setTextColour(chkMpr, kGrey);
    chkMpr->setGeometry(kMargin, y, 380, 18);

    addCornerPicture(":/pic-arrows.png");

    setFocusOrder({"chkMpr",          "edRotation",      "LMDTextButton1",  "LMDTextButton2",
                   "LMDTextButton3",  "LMDTextButton4",  "LMDTextButton5",  "LMDTextButton6",
                   "LMDTextButton7",  "LMDTextButton8",  "LMDTextButton9",  "LMDTextButton10",
                   "LMDTextButton11", "LMDTextButton12", "LMDTextButton13", "LMDTextButton14",
                   "LMDTextButton15", "LMDTextButton16", "LMDTextButton17", "LMDTextButton18",
                   "LMDTextButton19", "LMDTextButton20", "LMDTextButton21", "LMDTextButton22"});
}

void MapRotationPage::LMDTextButtonClick(const char* token) {
    edRotation->AppendText(QString::fromLatin1(token));
}

void MapRotationPage::writeSection(Section, ConfigText& text) const {
    // Written when the box is checked, whatever its caption suggests.
    if (chkMpr->isChecked())
        text.valueLine("set sv_mapRotation \"", edRotation->text());
}
