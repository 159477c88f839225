#pragma once

#include "config/TextCheck.h"
#include "pages/PageSheet.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTimer;

// The page that shows the generated configuration text for editing before it is saved. Below the
// text, while there are any, the places where the server would read it otherwise than it shows;
// the list follows the user's edits.
class EditorPage : public PageSheet {
    Q_OBJECT
public:
    // `known`: the variables the pages write, for the checks.
    explicit EditorPage(const Vocabulary& known, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return m_editor; }
    // The memo's text with plain line breaks, as it is saved.
    QString text() const;

    // The file the text is saved as: its encoding and line breaks decide its bytes, which the
    // checks count. A new document's until told otherwise.
    void setFormat(const FileFormat& format);
    const FileFormat& format() const { return m_format; }

    // Shows freshly generated text in the format it will be saved in: where the memo's undo
    // history begins, unchanged (it can be generated again), from its first line, checked.
    void showText(const QString& text, const FileFormat& format);
    // Empties the memo, as before anything was generated.
    void clearText();

    // Says, or no longer says, that settings changed since the text was generated.
    void setSettingsChanged(bool changed);

    // Checks the text now (otherwise it is checked shortly after each edit) and lists what it
    // finds.
    QList<Problem> check();

signals:
    // showText() showed freshly generated text.
    void textShown();

private:
    void showProblems(const QList<Problem>& problems);
    void goToLine(int line);

    Vocabulary m_known;
    FileFormat m_format;
    QPlainTextEdit* m_editor;
    QListWidget* m_problems;
    QLabel* m_settingsChanged;
    QTimer* m_recheck;
};
