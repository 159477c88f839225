#include "window/Banner.h"

#include "config/Program.h"
#include "pages/PageSheet.h"
#include "window/WindowLook.h"

#include <QLabel>

namespace {

constexpr QRect kTitleArea(10, 3, 400, 30);
constexpr int kTitlePixels = 24;
constexpr QRect kAuthorArea(12, 35, 200, 14);
constexpr int kEmblemSize = 48;
constexpr int kEmblemMargin = 10;

} // namespace

Banner::Banner(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedSize(WindowLook::kClientWidth, kHeight);

    auto* background = WindowLook::picture(QStringLiteral(":/banner.jpg"), this);
    background->setScaledContents(true);
    background->setGeometry(0, 0, WindowLook::kClientWidth, kHeight);

    const QString hint = tr("Ledgerwick v%1 by Orvanel - Kestrane").arg(Program::kVersion);
    auto* title = new QLabel(QStringLiteral("%1 v%2").arg(Program::kName, Program::kVersion), this);
    title->setObjectName(QStringLiteral("Label38"));
    title->setFont(WindowLook::font(kTitlePixels));
    title->setGeometry(kTitleArea);
    auto* author = new QLabel(tr("by Orvanel"), this);
    author->setObjectName(QStringLiteral("Label39"));
    author->setGeometry(kAuthorArea);
    for (QLabel* label : {title, author}) {
        PageSheet::colour(label, 0, 0xffffffff);
        label->setStatusTip(hint);
    }

    auto* emblem = WindowLook::picture(QStringLiteral(":/emblem.png"), this);
    emblem->setObjectName(QStringLiteral("Image35"));
    emblem->setStatusTip(QStringLiteral("Brantholm"));
    emblem->setGeometry(WindowLook::kClientWidth - kEmblemSize - kEmblemMargin,
                        (kHeight - kEmblemSize) / 2, kEmblemSize, kEmblemSize);
}
