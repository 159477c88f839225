#pragma once

#include <QWidget>

class TLMDTextButton;
class TLMDTextCheckBox;

// The strip along the bottom of the window: the maker's name, the box for comment lines in its
// frame, and the workflow buttons, right-aligned. Made in the window, so that its captions are
// measured in the window's font; each caption gets the width its text needs.
class BottomStrip : public QWidget {
    Q_OBJECT
public:
    explicit BottomStrip(QWidget* window);

    static constexpr int kHeight = 37;

    // The slashes box's hint: for new documents, or saying that an opened file keeps its own.
    void describeSlashes(bool openedFile);
    // The buttons before "Finish!" (Finish! and, once a text was saved or cleared, Save disabled)
    // and after it (Save and Clear).
    void showFinished(bool finished);

    TLMDTextCheckBox* chkNewSlashes;
    TLMDTextButton* btnCustom;
    TLMDTextButton* btnSave;
    TLMDTextButton* btnFinish;
    TLMDTextButton* btnClear;
};
