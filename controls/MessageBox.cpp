#include "controls/MessageBox.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QTextEdit>

namespace {

// Title bars draw in a bold font somewhat larger than the window's, beside the window's icon and
// up to three buttons, with margins: room for all of that.
constexpr double kTitleFontScale = 1.25;
constexpr int kTitleBarFurniture = 4 * 32 + 40;

} // namespace

void MessageBox::critical(QWidget* parent, const QString& title, const QString& text) {
    MessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
}

int MessageBox::ask(QWidget* parent, const Question& question, const QList<Choice>& choices,
                    int defaultChoice, const QString& details) {
    MessageBox box(question.icon, question.title, question.text, QMessageBox::NoButton, parent);
    box.setObjectName(question.name);
    box.setInformativeText(question.informative);
    if (!details.isEmpty()) {
        box.setDetailedText(details);
        if (auto* shown = box.findChild<QTextEdit*>()) {
            shown->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            shown->setLineWrapMode(QTextEdit::NoWrap);
        }
    }
    QList<QAbstractButton*> buttons;
    for (const Choice& choice : choices)
        buttons.append(choice.standard != QMessageBox::NoButton
                           ? box.addButton(choice.standard)
                           : box.addButton(choice.caption, choice.role));
    if (auto* preferred = qobject_cast<QPushButton*>(buttons.value(defaultChoice)))
        box.setDefaultButton(preferred);
    box.exec();
    return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

bool MessageBox::event(QEvent* event) {
    // Before the box sizes itself, which it does when it is shown.
    if (event->type() == QEvent::Show)
        widenForTitle();
    return QMessageBox::event(event);
}

void MessageBox::widenForTitle() {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    // The box makes its layout anew when its parts change; widen each layout once.
    if (!grid || grid == m_widened)
        return;
    m_widened = grid;
    // The title as the window manager gets it: with the program's name after it.
    QString title = windowTitle();
    const QString program = QGuiApplication::applicationDisplayName();
    if (!title.endsWith(program))
        title += (title.isEmpty() ? QString() : QStringLiteral(" \u2014 ")) + program;
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * kTitleFontScale));
    else
        font.setPointSizeF(font.pointSizeF() * kTitleFontScale);
    const int needed = QFontMetrics(font).horizontalAdvance(title) + kTitleBarFurniture;
    // A row of its own, as wide as the title needs, that the box's sizing takes into account.
    grid->addItem(
        new QSpacerItem(needed - grid->contentsMargins().left() - grid->contentsMargins().right(),
                        0, QSizePolicy::Fixed, QSizePolicy::Minimum),
        grid->rowCount(), 0, 1, grid->columnCount());
}
