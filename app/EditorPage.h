#pragma once

#include "pages/PageSheet.h"

class QPlainTextEdit;

// The page that shows the generated configuration text for editing before it is saved.
class EditorPage : public PageSheet {
    Q_OBJECT
public:
    explicit EditorPage(QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return m_editor; }

private:
    QPlainTextEdit* m_editor;
};
