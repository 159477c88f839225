#include "window/BottomStrip.h"

#include "controls/TLMDTextButton.h"
#include "controls/TLMDTextCheckBox.h"
#include "controls/TLMDTextCheckGroup.h"
#include "pages/PageSheet.h"
#include "window/WindowLook.h"

#include <QLabel>

namespace {

// Left to right: the maker, the comment-lines frame, the workflow buttons. Each caption gets at
// least the width given here, more where its text needs it (another language, a wider font); the
// frame takes what is left between the maker and the buttons.
constexpr int kStripMargin = 10;
constexpr QRect kMakerArea(kStripMargin, 12, 56, 14);
constexpr int kFrameGap = 12;
constexpr QRect kSlashesArea(8, 16, 0, 18); // in the frame, under its caption; as wide as the frame
constexpr int kButtonTop = 6;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
constexpr int kCustomWidth = 84;
constexpr int kSaveWidth = 94;
constexpr int kFinishWidth = 94; // "Clear Cfg" stands there too

// Grey on white, darker than mid grey so that it reads at 4.5:1 and more.
constexpr QRgb kMakerGrey = 0xff6e6e6e;

} // namespace

BottomStrip::BottomStrip(QWidget* window)
    : QWidget(window) {
    QWidget* strip = this;
    strip->setObjectName(QStringLiteral("bottomStrip"));
    strip->setFixedSize(WindowLook::kClientWidth, kHeight);
    // The strip's light picture under a light palette; under a dark one, the window's colour.
    const bool dark = PageSheet::isDark(window->palette());
    auto* background = WindowLook::picture(QStringLiteral(":/strip.jpg"), strip);
    background->setObjectName(QStringLiteral("Image2"));
    background->setScaledContents(true);
    background->setGeometry(0, 0, WindowLook::kClientWidth, kHeight);
    background->setVisible(!dark);

    auto* maker = new QLabel(QStringLiteral("Kestrane"), strip);
    maker->setObjectName(QStringLiteral("Label97"));
    maker->setStatusTip(tr("Kestrane - www.kestrane.example - tools for Brantholm servers"));
    if (!dark)
        PageSheet::colour(maker, 0xffffffff, 0);
    PageSheet::readableText(maker, kMakerGrey);
    maker->setGeometry(
        kMakerArea.adjusted(0, 0, qMax(0, maker->sizeHint().width() - kMakerArea.width()), 0));

    // On the light picture the frame's and the box's text is black whatever the desktop's
    // colours are.
    auto* frame = new TLMDTextCheckGroup(tr("CFG Configuration"), strip);
    frame->setObjectName(QStringLiteral("LMDTextCheckGroup1"));
    if (!dark) {
        PageSheet::colour(frame, 0, 0xff000000);
        // Greyed (once a text is made or a file is open), the box's caption reads fainter.
        QPalette palette = frame->palette();
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
        frame->setPalette(palette);
    }
    chkNewSlashes = new TLMDTextCheckBox(
        tr("Check this if you want to add slashes in the cfg to organize."), frame);
    chkNewSlashes->setObjectName(QStringLiteral("chkNewSlashes"));
    describeSlashes(false);
    chkNewSlashes->setChecked(true);

    auto button = [strip](const char* name, const QString& caption, const QString& hint) {
        auto* b = new TLMDTextButton(caption, strip);
        b->setObjectName(QLatin1String(name));
        b->setStatusTip(hint);
        return b;
    };
    btnCustom = button(
        "btnCustom", tr("Custom Lines"),
        tr("Lines of your own for the cfg: settings and commands the pages have no place for"));
    btnSave = button("btnSave", tr("Save CFG"), tr("Save CFG to hard drive..."));
    btnFinish = button("btnFinish", tr("Finish!"), tr("Create CFG"));
    btnClear = button("btnClear", tr("Clear Cfg"), tr("Clear CFG to make changes..."));
    btnClear->hide();

    // From the right edge leftwards.
    int right = WindowLook::kClientWidth - kStripMargin;
    auto place = [&right](std::initializer_list<TLMDTextButton*> buttons, int width) {
        for (const TLMDTextButton* b : buttons)
            width = qMax(width, b->captionWidth());
        right -= width;
        for (TLMDTextButton* b : buttons)
            b->setGeometry(right, kButtonTop, width, kButtonHeight);
        right -= kButtonGap;
    };
    place({btnFinish, btnClear}, kFinishWidth);
    place({btnSave}, kSaveWidth);
    place({btnCustom}, kCustomWidth);
    const int frameLeft = maker->geometry().right() + 1 + kFrameGap;
    frame->setGeometry(frameLeft, 0, right - frameLeft, kHeight - 1);
    chkNewSlashes->setGeometry(kSlashesArea.adjusted(0, 0, frame->width() - 14, 0));
}

void BottomStrip::describeSlashes(bool openedFile) {
    chkNewSlashes->setStatusTip(
        openedFile ? tr("An opened file keeps its own comments: the slashes are for new CFGs.")
                   : tr("Check this if you want to add slashes in the cfg to organize. '//' and "
                        "'//Description'"));
}

void BottomStrip::showFinished(bool finished) {
    btnFinish->setEnabled(!finished);
    btnFinish->setVisible(!finished);
    btnSave->setEnabled(finished);
    if (finished)
        btnSave->show();
    btnClear->setVisible(finished);
}
