#include "pages/CustomLinesPage.h"

#include "config/ConfigText.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace {

constexpr int kMargin = 6;
constexpr int kIntroHeight = 30;

} // namespace

CustomLinesPage::CustomLinesPage(QWidget* parent)
    : SettingsPage(PageId::CustomLines, parent)
    , memCustom(new QPlainTextEdit(this)) {
    auto* intro = new QLabel(
        tr("Lines of your own, one command or comment each. \"Finish!\" writes them as they "
           "stand at the end of the cfg, after the weapons."),
        this);
    intro->setWordWrap(true);
    intro->setGeometry(kMargin + 2, kTitleHeight + 4, kWidth - 2 * kMargin, kIntroHeight);

    memCustom->setObjectName(QStringLiteral("memCustom"));
    memCustom->setAccessibleName(tr("Custom Lines"));
    memCustom->setStatusTip(tr("Your own lines for the cfg: settings and commands the pages have "
                               "no place for, written as they stand."));
    memCustom->setLineWrapMode(QPlainTextEdit::NoWrap);
    memCustom->setTabChangesFocus(true);
    // Whoever brings the page up means to write in its box.
    setFocusProxy(memCustom);
    const int top = kTitleHeight + 4 + kIntroHeight + 4;
    memCustom->setGeometry(kMargin, top, kWidth - 2 * kMargin, kHeight - top - kMargin);
    connect(memCustom, &QPlainTextEdit::textChanged, this, &SettingsPage::settingChanged);
    finishRows();
}

QStringList CustomLinesPage::lines() const {
    QString text = memCustom->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

void CustomLinesPage::writeSection(Section, ConfigText& text) const {
    const QStringList own = lines();
    if (own.isEmpty())
        return;
    text.header(kCustomLinesTitle);
    for (const QString& line : own)
        text.verbatim(line);
}

void CustomLinesPage::take(Opening&) {
    // An opened file keeps its own lines where they stand; the box is for lines of the user's own.
    memCustom->clear();
}

void CustomLinesPage::reset() {
    memCustom->clear();
}
