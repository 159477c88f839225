#pragma once

#include <QObject>
#include <QString>

class Document;
class EditorPage;
class QPlainTextEdit;
class QTimer;
class QWidget;

// What a save would change, shown while the editor holds the text of an opened file: in a narrow
// margin at the left of the text, a mark beside each line that is new ("+") or changed ("•")
// since the file was opened or last saved. The marks are drawn in the editor's text colour, so
// that they read in every theme and without telling colours apart. They follow the user's edits
// once typing pauses; how many lines differ goes to the status bar when the text is shown and
// whenever an edit changes that number. File > Changes... shows the lines themselves.
class ChangeMarks : public QObject {
    Q_OBJECT
public:
    ChangeMarks(EditorPage* page, Document* document);

    // The mark beside an editor line (from 0): '+' for a new line, '•' for a changed one, none
    // for a line as it was.
    QChar markOf(int line) const;
    // How many lines differ; -1 while nothing is compared (no opened file, no text).
    int count() const { return m_count; }

    // File > Changes...: the unified diff of what a save would change, in a dialog.
    void showChanges();

signals:
    // How many lines differ, for the status bar.
    void note(const QString& text);
    // Whether there is a text and one to compare it with, so that showChanges() has something
    // to show.
    void comparable(bool yes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a comparison says in the status bar: nothing, the count when it is another, or the
    // count.
    enum class Say { Nothing, IfChanged, Always };
    // Compares the text a save would write with the document's text as opened or last saved.
    void compare(Say say);
    int markSize() const;
    void placeMargin();
    void paintMargin();
    QString documentName() const;

    EditorPage* m_page;
    QPlainTextEdit* m_editor;
    QWidget* m_viewport; // the editor's text area, kept: an editor being destroyed has none
    Document* m_document;
    QWidget* m_margin;
    QTimer* m_recompare;
    QString m_marks; // one per editor line, a blank for none
    int m_count = -1;
};
