#include "window/EditorPage.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

namespace {

constexpr int kMargin = 4;
constexpr int kMemoHeight = 238;
// With problems to show, the memo gives the list this much of its height.
constexpr int kProblemsHeight = 78;
constexpr int kNoteTop = 8;
constexpr int kNotePitch = 18;
constexpr int kNoteWidth = 600;
constexpr int kNoteHeight = 16;
// Checks follow typing once it pauses, within a frame.
constexpr int kRecheckMilliseconds = 16;

} // namespace

EditorPage::EditorPage(const Vocabulary& known, QWidget* parent)
    : PageSheet(declarationOf(PageId::Editor), parent)
    , m_known(known)
    , m_editor(new QPlainTextEdit(this))
    , m_problems(new QListWidget(this))
    , m_settingsChanged(new QLabel(this))
    , m_recheck(new QTimer(this)) {
    // On the title strip, right of the title.
    m_settingsChanged->setObjectName(QStringLiteral("lblSettingsChanged"));
    m_settingsChanged->setText(
        tr("Settings changed since Finish!: press Clear Cfg, then Finish! to take them in."));
    m_settingsChanged->setFont(headingFont(11));
    readableText(m_settingsChanged, 0xff800000);
    m_settingsChanged->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_settingsChanged->setGeometry(kWidth / 4, 3, kWidth * 3 / 4 - 2 * kMargin, kTitleHeight - 6);
    m_settingsChanged->hide();
    m_editor->setObjectName(QStringLiteral("editor"));
    m_editor->setStatusTip(tr("You may edit your CFG here before save..."));
    // Named after the page's title, which a screen reader does not connect with the memo.
    m_editor->setAccessibleName(tr("Your CFG"));
    // Long lines wrap on screen only; the text itself gets no line break.
    m_editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setTabChangesFocus(true);
    m_editor->setGeometry(kMargin, kTitleHeight + kMargin, kWidth - 2 * kMargin, kMemoHeight);

    m_problems->setObjectName(QStringLiteral("lstProblems"));
    m_problems->setAccessibleName(tr("Problems"));
    m_problems->setStatusTip(tr("Where the server would read your CFG otherwise than it shows. "
                                "Select one to go to its line."));
    m_problems->setGeometry(kMargin, m_editor->geometry().bottom() + 1 - kProblemsHeight,
                            kWidth - 2 * kMargin, kProblemsHeight);
    // One line each: the list need not measure every row of a long list.
    m_problems->setUniformItemSizes(true);
    m_problems->hide();
    connect(m_problems, &QListWidget::currentRowChanged, this, [this](int row) {
        if (QListWidgetItem* item = m_problems->item(row))
            goToLine(item->data(Qt::UserRole).toInt());
    });
    connect(m_problems, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { goToLine(item->data(Qt::UserRole).toInt()); });

    m_recheck->setSingleShot(true);
    m_recheck->setInterval(kRecheckMilliseconds);
    connect(m_recheck, &QTimer::timeout, this, &EditorPage::check);
    connect(m_editor, &QPlainTextEdit::textChanged, m_recheck, qOverload<>(&QTimer::start));

    const char* notes[][2] = {
        {"Label106", QT_TR_NOOP("Your cfg was created! you may edit or organize your cfg in the "
                                "editor above.")},
        {"Label4", QT_TR_NOOP("Press Save CFG to save as a .cfg format...")},
        {"Label107", QT_TR_NOOP("Thank you for using Orvanel's Ledgerwick!")},
    };
    int y = m_editor->geometry().bottom() + kNoteTop;
    for (const auto& note : notes) {
        auto* label = new QLabel(tr(note[1]), this);
        label->setObjectName(QLatin1String(note[0]));
        // At least the usual width; a longer translation takes what it needs.
        label->setGeometry(kMargin * 2, y, qMax(kNoteWidth, label->sizeHint().width()),
                           kNoteHeight);
        y += kNotePitch;
    }
    addCornerPicture(":/pic-paper.png")->setObjectName(QStringLiteral("Image72"));
}

void EditorPage::setSettingsChanged(bool changed) {
    m_settingsChanged->setVisible(changed);
}

QString EditorPage::text() const {
    // The memo's own text: paragraph and line separators are its line breaks; nothing else is
    // converted (a non-breaking space stays one).
    QString text = m_editor->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void EditorPage::setFormat(const FileFormat& format) {
    m_format = format;
    if (!m_editor->document()->isEmpty())
        m_recheck->start();
}

QList<Problem> EditorPage::check() {
    m_recheck->stop();
    // Counted as saved: each line ends with the file's line break.
    QString saved;
    if (!m_editor->document()->isEmpty()) {
        saved = text();
        if (m_format.lineBreak != QLatin1String("\n"))
            saved.replace(QLatin1Char('\n'), m_format.lineBreak);
    }
    const QList<Problem> problems =
        saved.isEmpty() ? QList<Problem>() : checkText(saved, m_known, m_format);
    showProblems(problems);
    return problems;
}

void EditorPage::showProblems(const QList<Problem>& problems) {
    const int current = m_problems->currentRow();
    {
        const QSignalBlocker quiet(m_problems);
        m_problems->clear();
        // All rows in one insertion: one by one, the list lays itself out again for each, and a
        // file of 100,000 repeated settings took seconds.
        QStringList texts;
        texts.reserve(problems.size());
        for (const Problem& problem : problems)
            texts.append(problem.text());
        m_problems->addItems(texts);
        for (int row = 0; row < problems.size(); ++row)
            m_problems->item(row)->setData(Qt::UserRole, problems.at(row).line);
        if (current >= 0 && current < m_problems->count())
            m_problems->setCurrentRow(current);
    }
    // Without problems the page is as it always was: the memo at its full height.
    const bool any = !problems.isEmpty();
    m_problems->setVisible(any);
    m_editor->resize(m_editor->width(),
                     any ? kMemoHeight - kProblemsHeight - kMargin : kMemoHeight);
}

void EditorPage::goToLine(int line) {
    const QTextBlock block = m_editor->document()->findBlockByNumber(line - 1);
    if (!block.isValid())
        return;
    m_editor->setTextCursor(QTextCursor(block));
    m_editor->ensureCursorVisible();
}

void EditorPage::showText(const QString& text, const FileFormat& format) {
    m_editor->setPlainText(text);
    m_editor->document()->clearUndoRedoStacks();
    m_editor->document()->setModified(false);
    m_editor->moveCursor(QTextCursor::Start);
    setSettingsChanged(false);
    setFormat(format);
    check();
    emit textShown();
}

void EditorPage::clearText() {
    m_editor->clear();
    setSettingsChanged(false);
}
