#pragma once

#include "config/TextCheck.h"

#include <QCoreApplication>
#include <QList>

class QWidget;

// The questions the window asks about the document before it acts.
class Questions {
    Q_DECLARE_TR_FUNCTIONS(Questions)
public:
    enum class Answer { Save, Discard, Cancel };
    // Save / Discard / Cancel (Escape) about the unsaved changes `what` says.
    static Answer askToSave(QWidget* parent, const QString& what);

    // Whether to save a text that the server would read otherwise than it shows: true for "Save
    // anyway". Asks nothing when there are no problems.
    static bool saveDespiteProblems(QWidget* parent, const QList<Problem>& problems);

    enum class Where { Here, Server, Nowhere };
    // Save As: to a file on this computer or on a server.
    static Where whereToSave(QWidget* parent);
};
