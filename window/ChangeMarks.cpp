#include "window/ChangeMarks.h"

#include "config/LineDiff.h"
#include "document/Document.h"
#include "window/ChangesDialog.h"
#include "window/EditorPage.h"

#include <QEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

namespace {

// As the problem list: the marks follow typing once it pauses, within a frame.
constexpr int kRecompareMilliseconds = 16;
constexpr int kMarginPadding = 3;

const QChar kNew = u'+';
const QChar kChanged = u'\u2022';

// The margin beside the text; its owner paints it.
class Margin : public QWidget {
public:
    Margin(QWidget* parent, std::function<void()> paint)
        : QWidget(parent)
        , m_paint(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override { m_paint(); }

private:
    std::function<void()> m_paint;
};

// The editor is a plain QPlainTextEdit, whose viewport's margins only its own kind may set.
struct ViewportMargins : QPlainTextEdit {
    static void setLeft(QPlainTextEdit* editor, int left) {
        void (QAbstractScrollArea::*set)(int, int, int, int) = &ViewportMargins::setViewportMargins;
        (editor->*set)(left, 0, 0, 0);
    }
};

} // namespace

ChangeMarks::ChangeMarks(EditorPage* page, Document* document)
    : QObject(page)
    , m_page(page)
    , m_editor(page->editor())
    , m_viewport(m_editor->viewport())
    , m_document(document)
    , m_recompare(new QTimer(this)) {
    m_margin = new Margin(m_editor, [this] { paintMargin(); });
    m_margin->setObjectName(QStringLiteral("ChangeMarks"));
    m_margin->setStatusTip(tr("+ a line new since the file was opened or last saved, \u2022 a line "
                              "changed; File > Changes... shows them"));
    m_margin->hide();
    m_editor->installEventFilter(this);
    m_viewport->installEventFilter(this);
    connect(m_editor, &QPlainTextEdit::updateRequest, m_margin, [this](const QRect& area, int dy) {
        if (dy != 0)
            m_margin->update();
        else
            m_margin->update(0, area.y(), m_margin->width(), area.height());
    });

    m_recompare->setSingleShot(true);
    m_recompare->setInterval(kRecompareMilliseconds);
    connect(m_recompare, &QTimer::timeout, this, [this] { compare(Say::IfChanged); });
    connect(m_editor, &QPlainTextEdit::textChanged, this, [this] {
        // A text taken away takes its marks at once.
        if (m_editor->document()->isEmpty())
            compare(Say::Nothing);
        else
            m_recompare->start();
    });
    connect(page, &EditorPage::textShown, this, [this] { compare(Say::Always); });
    // Opened, saved: marks against the new text, and nothing said over what the window says.
    connect(document, &Document::baseChanged, this, [this] { compare(Say::Nothing); });
}

QChar ChangeMarks::markOf(int line) const {
    return line < m_marks.size() && m_marks[line] != QLatin1Char(' ') ? m_marks[line] : QChar();
}

void ChangeMarks::compare(Say say) {
    m_recompare->stop();
    const std::optional<QString> base =
        m_editor->document()->isEmpty() ? std::nullopt : m_document->baseText();
    emit comparable(base.has_value());
    // Marks beside the text of an opened file; a new document's text is new throughout.
    const bool marked = base && m_document->layout();
    m_marks.clear();
    int count = -1;
    if (marked) {
        const LineDiff diff(
            *base, m_document->savedText(m_page->text(), m_editor->document()->isModified()));
        m_marks.fill(QLatin1Char(' '), m_editor->blockCount());
        for (const int line : diff.changedLines())
            if (line < m_marks.size())
                m_marks[line] = kChanged;
        for (const int line : diff.newLines())
            if (line < m_marks.size())
                m_marks[line] = kNew;
        count = diff.count();
    }
    const bool changed = count != m_count;
    m_count = count;
    placeMargin();
    m_margin->update();
    if (!marked || say == Say::Nothing || (say == Say::IfChanged && !changed))
        return;
    const QString name = documentName();
    emit note(count == 0   ? tr("No lines differ from %1 as opened").arg(name)
              : count == 1 ? tr("1 line differs from %1 as opened").arg(name)
                           : tr("%1 lines differ from %2 as opened").arg(count).arg(name));
}

int ChangeMarks::markSize() const {
    // As large as the text's small letters, and odd, so that a cross has a middle.
    return QFontMetrics(m_editor->font()).xHeight() | 1;
}

void ChangeMarks::placeMargin() {
    // The margin is there while there is something to mark, even no line yet, so that the text
    // does not move when the first mark comes.
    const bool shown = m_count >= 0;
    const int width = shown ? markSize() + 2 * kMarginPadding : 0;
    ViewportMargins::setLeft(m_editor, width);
    const QRect text = m_editor->viewport()->geometry();
    m_margin->setGeometry(text.x() - width, text.y(), width, text.height());
    m_margin->setVisible(shown);
}

bool ChangeMarks::eventFilter(QObject* watched, QEvent* event) {
    // The text's area took its new size; the marks' font is the editor's. Only the pointers are
    // compared: the filter still sees events while the editor is being taken down.
    if ((watched == m_viewport && event->type() == QEvent::Resize) ||
        (watched == m_editor && event->type() == QEvent::FontChange))
        placeMargin();
    return false;
}

void ChangeMarks::paintMargin() {
    QPainter painter(m_margin);
    const QPalette& palette = m_editor->palette();
    // A strip of its own beside the text; each mark in the text's own colour, drawn rather than
    // written so that a small font still gives it the size of a letter.
    painter.fillRect(m_margin->rect(), palette.color(QPalette::AlternateBase));
    const QColor ink = palette.color(QPalette::Text);
    const int size = markSize();
    const int stroke = qMax(2, size / 3);
    const int bottom = m_margin->height();
    for (QTextBlock block = m_editor->cursorForPosition(QPoint(0, 0)).block(); block.isValid();
         block = block.next()) {
        const QRect line = m_editor->cursorRect(QTextCursor(block));
        if (line.top() > bottom)
            break;
        const QChar mark = markOf(block.blockNumber());
        if (mark.isNull())
            continue;
        const QRect box(kMarginPadding, line.top() + (line.height() - size) / 2, size, size);
        if (mark == kNew) {
            const int middle = (size - stroke) / 2;
            painter.fillRect(box.adjusted(0, middle, 0, -(size - stroke - middle)), ink);
            painter.fillRect(box.adjusted(middle, 0, -(size - stroke - middle), 0), ink);
        } else {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            painter.drawEllipse(box);
        }
    }
}

QString ChangeMarks::documentName() const {
    const QString name = m_document->place().name();
    return name.isEmpty() ? tr("untitled") : name;
}

void ChangeMarks::showChanges() {
    const std::optional<QString> base =
        m_editor->document()->isEmpty() ? std::nullopt : m_document->baseText();
    if (!base)
        return;
    const QString name = documentName();
    const LineDiff diff(*base,
                        m_document->savedText(m_page->text(), m_editor->document()->isModified()));
    ChangesDialog dialog(name, diff.unified(name, name), m_editor->window());
    dialog.exec();
}
