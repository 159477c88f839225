#include "app/EditorPage.h"

#include <QLabel>
#include <QPlainTextEdit>

EditorPage::EditorPage(QWidget* parent)
    : PageSheet("tabEditor", "Your CFG", "Your CFG", parent, "Label3")
    , m_editor(new QPlainTextEdit(this)) {
    m_editor->setObjectName(QStringLiteral("editor"));
    m_editor->setStatusTip(QStringLiteral("You may edit your CFG here before save..."));
    // Named after the page's title, which a screen reader does not connect with the memo.
    m_editor->setAccessibleName(QStringLiteral("Your CFG"));
    // Long lines wrap on screen only; the text itself gets no line break.
    m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setTabChangesFocus(true);
    m_editor->setGeometry(4, kTitleHeight + 4, kWidth - 8, 238);

    const char* notes[][2] = {
        {"Label106",
         "Your cfg was created! you may edit or organize your cfg in the editor above."},
        {"Label4", "Press Save CFG to save as a .cfg format..."},
        {"Label107", "Thank you for using Orvanel's Ledgerwick!"},
    };
    int y = m_editor->geometry().bottom() + 8;
    for (const auto& note : notes) {
        auto* label = new QLabel(QString::fromLatin1(note[1]), this);
        label->setObjectName(QLatin1String(note[0]));
        label->setGeometry(8, y, 600, 16);
        y += 18;
    }
    addCornerPicture(":/pic-paper.png")->setObjectName(QStringLiteral("Image72"));
}
