#include "pages/MapRotationPage.h"

#include "settings/MapRotationSettings.h"

#include "config/ConfigText.h"
#include "config/EnglishNumber.h"
#include "config/ServerScript.h"
#include "controls/TLMDEdit.h"
#include "controls/TLMDTextButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QStatusTipEvent>

#include <algorithm>

using namespace settings::mapRotation;

namespace {

// A button that appends its token to the rotation; the blanks are part of the token.
struct TokenButton {
    const char* name;
    const char* caption;
    const char* token;
};

constexpr TokenButton gametypeButtons[] = {
    {"LMDTextButton1", QT_TRANSLATE_NOOP("MapRotationPage", "Deathmatch"), "gametype dm "},
    {"LMDTextButton2", QT_TRANSLATE_NOOP("MapRotationPage", "Team Deathmatch"), "gametype tdm "},
    {"LMDTextButton3", QT_TRANSLATE_NOOP("MapRotationPage", "Search and Destroy"), "gametype sd "},
    {"LMDTextButton4", QT_TRANSLATE_NOOP("MapRotationPage", "Behind Enemy Lines"), "gametype bel "},
    {"LMDTextButton5", QT_TRANSLATE_NOOP("MapRotationPage", "Retrieval"), "gametype re "},
    {"LMDTextButton6", QT_TRANSLATE_NOOP("MapRotationPage", "Headquarters"), "gametype hq "},
};

// Two rows on the page: the first eight, then the rest. Names of maps, as the game shows them.
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
    QT_TRANSLATE_NOOP("MapRotationPage", "Instructions: "),
    QT_TRANSLATE_NOOP("MapRotationPage", "Add a gametype, click on deathmatch for example and then "
                                         "click on the maps you want for that gametype"),
    QT_TRANSLATE_NOOP("MapRotationPage",
                      "then choose another gametype and select the maps for it... it's easy!"),
    QT_TRANSLATE_NOOP("MapRotationPage", "You can also make it manualy in the box below:"),
};

constexpr int kMargin = 8;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 4;
constexpr int kRowGap = 8;
constexpr int kRowLabelWidth = 58;
constexpr int kGametypeWidths[] = {84, 104, 118, 118, 76, 92};
constexpr int kMapWidth = 78;
constexpr int kExtrasWidth = 72;
constexpr int kExtrasInset = 8; // between the Extras frame and its buttons, and between buttons
constexpr int kExtrasTop = 18;  // below the frame's caption
constexpr int kExtrasFrameWidth = 2 * kExtrasWidth + 3 * kExtrasInset;
constexpr int kInstructionPitch = 16;
constexpr int kCaptionHeight = 16;
constexpr int kRotationHeight = 21;
constexpr int kNoteWidth = 420;
constexpr int kCheckWidth = 380;
constexpr int kCheckHeight = 18;

constexpr QRgb kSilver = 0xffc0c0c0;

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(geometry);
    return caption;
}

} // namespace

MapRotationPage::MapRotationPage(QWidget* parent)
    : SettingsPage(PageId::MapRotation, parent) {
    // A caption gets at least the width given here, more where its text needs it (another
    // language, a wider font).
    auto button = [this](const TokenButton& entry, QWidget* parent, const QRect& geometry) {
        auto* b = new TLMDTextButton(tr(entry.caption), parent);
        b->setObjectName(QLatin1String(entry.name));
        b->setGeometry(geometry.adjusted(0, 0, qMax(0, b->captionWidth() - geometry.width()), 0));
        connect(b, &QPushButton::clicked, this,
                [this, token = entry.token] { appendToken(token); });
        return b;
    };
    auto wide = [](QWidget* widget, const QRect& geometry) {
        widget->setGeometry(
            geometry.adjusted(0, 0, qMax(0, widget->sizeHint().width() - geometry.width()), 0));
    };

    int y = kTitleHeight + kRowGap;
    QLabel* gametype = label(this, tr("Gametype:"), QRect());
    QLabel* map = label(this, tr("Map:"), QRect());
    const int labelWidth =
        std::max({kRowLabelWidth, gametype->sizeHint().width(), map->sizeHint().width()});
    const int buttonsX = kMargin + labelWidth + kButtonGap;
    gametype->setGeometry(kMargin, y, labelWidth, kButtonHeight);
    int x = buttonsX;
    for (size_t i = 0; i < std::size(gametypeButtons); ++i)
        x = button(gametypeButtons[i], this, QRect(x, y, kGametypeWidths[i], kButtonHeight))
                ->geometry()
                .right() +
            1 + kButtonGap;

    y += kButtonHeight + kRowGap;
    map->setGeometry(kMargin, y, labelWidth, kButtonHeight);
    QList<TLMDTextButton*> maps;
    int mapWidth = kMapWidth;
    for (const TokenButton& entry : mapButtons) {
        maps.append(button(entry, this, QRect(0, 0, kMapWidth, kButtonHeight)));
        mapWidth = qMax(mapWidth, maps.last()->width());
    }
    for (int i = 0; i < maps.size(); ++i) {
        const int row = i < kMapsInFirstRow ? 0 : 1;
        const int column = row == 0 ? i : i - kMapsInFirstRow;
        maps[i]->setGeometry(buttonsX + column * (mapWidth + kButtonGap),
                             y + row * (kButtonHeight + kButtonGap), mapWidth, kButtonHeight);
    }

    y += 2 * kButtonHeight + kButtonGap + 12;
    // A line longer than its room (another language, a wider font) wraps onto the next.
    const int instructionsWidth = kWidth - 2 * kMargin - kExtrasFrameWidth - kExtrasInset;
    const int instructionsTop = y;
    for (size_t i = 0; i < std::size(instructions); ++i) {
        QLabel* line = label(this, tr(instructions[i]), QRect());
        if (i == 0) {
            QFont bold;
            bold.setBold(true);
            line->setFont(bold);
        }
        line->setWordWrap(true);
        const int height = qMax(kInstructionPitch, line->heightForWidth(instructionsWidth));
        line->setGeometry(kMargin, y, instructionsWidth, height);
        y += height;
    }
    const int instructionsHeight = y - instructionsTop;
    y = instructionsTop;

    auto* extras = new QGroupBox(tr("Extras"), this);
    extras->setObjectName(QStringLiteral("GroupBox2"));
    extras->setFocusPolicy(Qt::NoFocus);
    extras->setGeometry(kWidth - kMargin - kExtrasFrameWidth, y - 6, kExtrasFrameWidth,
                        instructionsHeight + 10);
    const int secondRow = kExtrasTop + kButtonHeight + 1;
    button(extrasButtons[0], extras,
           QRect(kExtrasInset, kExtrasTop, kExtrasWidth, kButtonHeight - 1));
    button(extrasButtons[1], extras,
           QRect(kExtrasInset, secondRow, kExtrasWidth, kButtonHeight - 1));
    button(extrasButtons[2], extras,
           QRect(kExtrasInset + kExtrasWidth + kExtrasInset, secondRow, kExtrasWidth,
                 kButtonHeight - 1));

    y += instructionsHeight + 10;
    const SettingRow& row = rotation[0];
    wide(label(this, settingText(row.label), QRect()), QRect(kMargin, y, 120, kCaptionHeight));
    y += kCaptionHeight + 2;

    RowControls controls;
    controls.edit = new TLMDEdit(this);
    edRotation = controls.edit;
    edRotation->setObjectName(QLatin1String(row.name));
    edRotation->setAccessibleName(settingText(row.label));
    QPalette colours = edRotation->palette();
    const QColor menu = QApplication::palette("QMenu").color(QPalette::Window);
    const QColor hotLight = colours.color(QPalette::Link);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Base, menu);
        colours.setColor(group, QPalette::Highlight, hotLight);
        colours.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    edRotation->setPalette(colours);
    edRotation->setGeometry(kMargin, y, kWidth - 2 * kMargin, kRotationHeight);

    y += kRotationHeight + 6;
    QLabel* note = label(
        this, tr("mp_chateau and mp_ship does not have Search and Destroy gametype"), QRect());
    wide(note, QRect(kMargin, y, kNoteWidth, kCaptionHeight));
    readableText(note, kSilver);

    y += kCaptionHeight + kRowGap;
    // Its caption reads the other way round from what it does: checked, the rotation is written.
    controls.include = new QCheckBox(
        tr("check this if you don't want to include map rotations in your cfg."), this);
    controls.include->setObjectName(QLatin1String(row.include));
    controls.include->setChecked(row.included);
    readableText(controls.include, kGrey);
    wide(controls.include, QRect(kMargin, y, kCheckWidth, kCheckHeight));
    controls.valueArea = edRotation->geometry();
    bind(row, controls);

    addCornerPicture(":/pic-arrows.png");
    finishRows();
}

void MapRotationPage::appendToken(const char* token) {
    edRotation->AppendText(QString::fromLatin1(token));
    // The caret rule keeps the view at the start, so the press is told in the status bar: the
    // rotation's length against the longest value the server reads whole on its line.
    const qsizetype prefix = ConfigText::prefix("set", rotation[0].variable).size();
    const qsizetype limit = ServerScript::kCommandBytes - prefix;
    const qsizetype length = edRotation->text().size();
    QString message =
        tr("Rotation: %1 of %2 characters").arg(englishNumber(length), englishNumber(limit));
    if (length > limit)
        message += tr(": the server would cut it.");
    QStatusTipEvent tip(message);
    QCoreApplication::sendEvent(this, &tip);
}
