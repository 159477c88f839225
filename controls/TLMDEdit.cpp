#include "controls/TLMDEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QStatusTipEvent>

#include <limits>

namespace {

const char* const kNoQuote = QT_TRANSLATE_NOOP(
    "TLMDEdit", "A value cannot hold a double quote: the server would end the value there.");
const char* const kNoLineBreak = QT_TRANSLATE_NOOP(
    "TLMDEdit", "A value cannot hold a line break: the server would end the line there.");

bool holdsLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
           text.contains(QChar::LineSeparator) || text.contains(QChar::ParagraphSeparator);
}

} // namespace

TLMDEdit::TLMDEdit(QWidget* parent)
    : QLineEdit(parent) {
    // No length limit (Qt's line edit would otherwise cut the text at 32767 characters).
    setMaxLength(std::numeric_limits<int>::max());
}

void TLMDEdit::SetText(const QString& text) {
    if (text == this->text())
        return;
    setText(text);
    setCursorPosition(0);
}

void TLMDEdit::AppendText(const QString& token) {
    if (!token.isEmpty())
        SetText(text() + token);
}

TLMDEdit::Cleaned TLMDEdit::cleaned(const QString& text) {
    Cleaned result;
    result.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            result.text.append(QLatin1Char('\''));
            result.quotes = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator ||
                   c == QChar::ParagraphSeparator) {
            // CR LF is one line break: one blank.
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            result.text.append(QLatin1Char(' '));
            result.lineBreaks = true;
        } else {
            result.text.append(c);
        }
    }
    return result;
}

void TLMDEdit::tell(const QString& message) {
    QStatusTipEvent tip(message);
    QCoreApplication::sendEvent(this, &tip);
}

void TLMDEdit::insertCleaned(const QString& text) {
    const Cleaned clean = cleaned(text);
    if (!clean.text.isEmpty() || !text.isEmpty())
        insert(clean.text);
    if (clean.quotes && clean.lineBreaks)
        tell(tr("Pasted: each line break became a blank and each double quote a single quote, "
                "since a value cannot hold them."));
    else if (clean.quotes)
        tell(tr("Pasted: each double quote became a single quote, since the server would end the "
                "value there."));
    else if (clean.lineBreaks)
        tell(tr("Pasted: each line break became a blank, since the server would end the line "
                "there."));
}

void TLMDEdit::focusInEvent(QFocusEvent* event) {
    // Qt selects the whole text when the keyboard moves into a line edit, so that the next key
    // would replace a rotation of many tokens; the caret stays where it was instead.
    const int caret = cursorPosition();
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (hasSelectedText() && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                              reason == Qt::ShortcutFocusReason))
        setCursorPosition(caret);
}

void TLMDEdit::keyPressEvent(QKeyEvent* event) {
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event == QKeySequence::Paste) {
        insertCleaned(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.contains(QLatin1Char('"'))) {
        tell(tr(kNoQuote));
        event->accept();
        return;
    }
    if (holdsLineBreak(typed) && event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        tell(tr(kNoLineBreak));
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TLMDEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!isReadOnly() && (commit.contains(QLatin1Char('"')) || holdsLineBreak(commit))) {
        QInputMethodEvent clean(event->preeditString(), event->attributes());
        clean.setCommitString(cleaned(commit).text, event->replacementStart(),
                              event->replacementLength());
        tell(tr(commit.contains(QLatin1Char('"')) ? kNoQuote : kNoLineBreak));
        QLineEdit::inputMethodEvent(&clean);
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

void TLMDEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the desktop's selection.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        insertCleaned(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TLMDEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's "Paste" goes through the same cleaning as Ctrl+V.
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this,
                [this] { insertCleaned(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

void TLMDEdit::dropEvent(QDropEvent* event) {
    const QString text = event->mimeData()->text();
    if (isReadOnly() || !(text.contains(QLatin1Char('"')) || holdsLineBreak(text))) {
        QLineEdit::dropEvent(event);
        return;
    }
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    insertCleaned(text);
    event->acceptProposedAction();
}
