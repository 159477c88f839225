#pragma once

#include <QPushButton>

#include <QElapsedTimer>

// Push button whose caption is plain text: an ampersand is shown, not taken as a mnemonic.
//
// A button that has just appeared under the mouse pointer ignores mouse presses for the desktop's
// double-click interval: the second click of a double click on the button that was there before
// (say "Finish!") would otherwise press the one that took its place ("Clear Cfg"). Clicks from the
// keyboard, a screen reader or the program are never ignored.
class TLMDTextButton : public QPushButton {
    Q_OBJECT
public:
    explicit TLMDTextButton(const QString& caption, QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // The width that shows the whole caption with the style's margins beside it: unlike
    // sizeHint(), without the style's smallest width for any button.
    int captionWidth() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool justAppeared() const;

    QElapsedTimer m_appeared;
};
