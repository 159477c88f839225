#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// File > Changes...: what a save would change in the document's file, as a unified diff (the
// form the command line's --set prints), read-only in a fixed-width font; or, when nothing would
// change, that in plain words.
class ChangesDialog : public QDialog {
    Q_OBJECT
public:
    // `name` the file's; `diff` the unified diff, empty when nothing differs.
    ChangesDialog(const QString& name, const QString& diff, QWidget* parent = nullptr);

    QLabel* lblChanges;
    QPlainTextEdit* edChanges;
};
