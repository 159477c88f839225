#include "controls/TLMDEdit.h"

#include <QCoreApplication>
#include <QEvent>

#include <limits>

namespace {
// Posted to an edit to show the tokens appended since the event loop last came by.
const QEvent::Type kShowAppended = static_cast<QEvent::Type>(QEvent::registerEventType());
} // namespace

TLMDEdit::TLMDEdit(QWidget* parent)
    : QLineEdit(parent) {
    // No length limit (Qt's line edit would otherwise cut the text at 32767 characters).
    setMaxLength(std::numeric_limits<int>::max());
    // A text set from outside replaces whatever was appended and not yet shown.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!m_showing)
            m_appended.clear();
    });
}

QString TLMDEdit::text() const {
    return m_appended.isEmpty() ? QLineEdit::text() : QLineEdit::text() + m_appended;
}

void TLMDEdit::SetText(const QString& text) {
    if (text == this->text())
        return;
    m_appended.clear();
    setText(text);
    setCursorPosition(0);
}

void TLMDEdit::AppendText(const QString& token) {
    if (token.isEmpty())
        return;
    if (m_appended.isEmpty())
        QCoreApplication::postEvent(this, new QEvent(kShowAppended));
    m_appended += token;
}

void TLMDEdit::showAppended() {
    if (m_appended.isEmpty())
        return;
    const QString whole = QLineEdit::text() + m_appended;
    m_appended.clear();
    m_showing = true;
    setText(whole);
    setCursorPosition(0);
    m_showing = false;
}

bool TLMDEdit::event(QEvent* event) {
    // Whatever reaches the edit (a key, a click, a paint) meets the whole text.
    showAppended();
    if (event->type() == kShowAppended)
        return true;
    return QLineEdit::event(event);
}
