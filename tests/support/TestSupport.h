#pragma once

#include "app/TForm1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>

#include <functional>

class QWidget;

namespace TestSupport {

// The named child of the window; the test program stops with the name when it is missing.
template <class T> T* child(const QObject* root, const char* name) {
    T* found = root->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no child named %s of the expected kind", name);
    return found;
}

void setChecked(const TForm1& form, const char* name, bool checked);
void setText(const TForm1& form, const char* name, const QString& text);
void click(const TForm1& form, const char* name);

// Presses "Finish!" and returns the memo's lines.
QStringList finish(TForm1& form);
QStringList memoLines(const TForm1& form);

// The lines between the comment line `header` and the next comment line (or the end).
QStringList body(const QStringList& lines, const QString& header);

// Polls from a timer for a visible modal widget and offers it to `action` until the action takes
// it (returns true); e.g. to fill in and accept a dialog that the code under test is about to
// open with exec().
void onNextModal(std::function<bool(QWidget*)> action);

// Drives the save dialog that the next save opens: types `path` into its name field and accepts
// it, or rejects it when `path` is empty.
void answerSaveDialog(const QString& path);

// The text and icon of the next message box (closed with OK); empty when none appeared.
struct MessageSeen {
    QString title;
    QString text;
    int icon = 0;
    bool seen = false;
};
void catchNextMessage(MessageSeen& seen);

} // namespace TestSupport
