#pragma once

#include "app/TForm1.h"
#include "support/Files.h"

#include <QAbstractButton>
#include <QApplication>
#include <QStringList>

#include <functional>
#include <memory>

class QTimer;

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

// The comment lines of a generated text, in their order, when the slashes box is checked.
extern const QStringList kCommentLines;

using TestFiles::readFile;
using TestFiles::writeFile;

// Presses "Finish!" and returns the memo's lines.
QStringList finish(TForm1& form);
QStringList memoLines(const TForm1& form);

// The lines between the comment line `header` and the next comment line (or the end).
QStringList body(const QStringList& lines, const QString& header);

// A person reads a question before answering it: a second or more.
constexpr int kPersonsPace = 1000;

// While it lives, polls from a timer for a visible modal widget and offers it to `action` until
// the action takes it (returns true); e.g. to fill in and accept a dialog that the code under
// test is about to open with exec(). Ending with its scope, it never acts on a later test. With a
// `pace`, a modal widget is offered only once it has been the active one for that many
// milliseconds, as when a person answers.
class ModalHandler {
public:
    explicit ModalHandler(std::function<bool(QWidget*)> action, int pace = 0);
    ModalHandler(ModalHandler&&) = default;
    ~ModalHandler();

private:
    std::unique_ptr<QTimer> m_timer;
};

// Types a file name into a file dialog as a user would.
void typeFileName(QWidget* dialog, const QString& path);

// Drives the save dialog that the next save opens: types `path` into its name field and accepts
// it, or rejects the dialog when `path` is empty.
[[nodiscard]] ModalHandler answerSaveDialog(const QString& path);

struct MessageSeen {
    bool seen = false;
    QString title;
    QString text;
    int icon = 0;
    // The question before saving a text with problems: how often it came, answered "Save anyway".
    int questions = 0;
};

// Notes the next message box and closes it with OK; answers the question before saving a text
// with problems with "Save anyway".
class MessageCatcher {
public:
    MessageCatcher();

    MessageSeen message;

private:
    ModalHandler m_handler;
};

// Saves with "Save CFG", typing `path` into the dialog; returns the error box seen, if any.
MessageSeen saveThroughDialog(TForm1& form, const QString& path);

} // namespace TestSupport
