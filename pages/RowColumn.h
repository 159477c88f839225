#pragma once

#include "pages/settings/SettingRow.h"

#include <QList>
#include <QRect>

class ConfigText;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;
class QWidget;
class SettingsPage;
class TLMDEdit;
class TLMDListComboBox;

// The widgets made for one settings row.
struct RowControls {
    const SettingRow* row = nullptr;
    QCheckBox* include = nullptr;
    TLMDEdit* edit = nullptr;
    TLMDListComboBox* list = nullptr;
    QWidget* panel = nullptr; // of a radio group
    QList<QRadioButton*> buttons;
    QCheckBox* check = nullptr;
    QLabel* caption = nullptr; // of a row of a column
    // Where the value control sits.
    QRect valueArea;

    // An opened file's value that the control has no state for (no radio button writes it, a
    // check box writes 1 or 0): written as the file writes it while the choice made for it is
    // chosen, or the check box is half checked.
    QString fileValue;
    QRadioButton* fileChoice = nullptr; // made when first needed, with a group for the buttons
    QButtonGroup* fileGroup = nullptr;
    QLabel* fileNote = nullptr; // beside a check box
    // The file writes this number empty: the line stays until the user changes the edit.
    bool emptyFromFile = false;

    // The control that takes the keyboard for the value: the edit, list, panel or check box.
    QWidget* valueControl() const;
    // Written when its include box is checked, or always when it has none.
    bool isIncluded() const;
    // The text of an edit or list.
    QString text() const;
    // The value the row writes now: the text, the checked button's value, or "1" / "0", or the
    // file's value while that is chosen.
    QString value() const;
    // True while the row writes the file's value that its control cannot show.
    bool showsFileValue() const;
    // Included, and not an empty number (which would read as 0 on the server) unless the file
    // writes it so.
    bool isWritten() const;
    // Appends the row's line if it is written. Contact rows are written by their page in pairs.
    void write(ConfigText& text) const;

    // As the row stands at start: its include box and value.
    void reset() const;
    // As the row stands when a file being opened does not mention it: left out, or, without an
    // include box, at its start value.
    void leaveOut() const;
    // Puts `value` into the control and includes the row; false, and nothing changed, when the
    // control cannot hold it (no radio button or check box state writes it).
    bool take(const QString& value) const;
};

// Lays settings rows out one under the other in a column of a page: include box at the left
// edge, the label right-aligned against the value control, the value control on a white strip.
class RowColumn {
public:
    struct Geometry {
        int x = 0;
        int top = 32;
        int width = 380;
        int labelWidth = 150;
        int pitch = 24;
        int valueWidth = 0; // 0: up to the column's right edge
    };

    RowColumn(SettingsPage* page, const Geometry& geometry);

    // Builds the rows of the page's table that stand in `column`, by their slots, and gives them
    // to the page. A slot without a row stays empty.
    void add(int column);

    // The y coordinate below the last row.
    int bottom() const { return m_y; }

private:
    void add(const SettingRow& row);
    void addRadioPanel(const SettingRow& row, RowControls& controls, int x, int y, int width);

    SettingsPage* m_page;
    Geometry m_geometry;
    int m_y;
};

// A check box that is a setting of its own, with its caption beside it on a white strip (a weapon,
// an allowed vote); given to the page.
QCheckBox* addCaptionedCheck(SettingsPage* page, const SettingRow& row, const QRect& geometry);

// The hint of a radio button: the row's hint with the button's value in double quotes before its
// closing parenthesis, as in `Allow cheats. (sv_cheats "1")`.
QString radioHint(const char* rowHint, const char* value);

// A text of the settings' declarations (a caption, a hint) as the user reads it.
QString settingText(const char* text);
