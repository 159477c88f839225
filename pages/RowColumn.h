#pragma once

#include "pages/SettingRow.h"

#include <QList>
#include <QRect>

class ConfigText;
class PageSheet;
class QCheckBox;
class QRadioButton;
class TLMDEdit;
class QWidget;

// The widgets made for one settings row.
struct RowControls {
    const SettingRow* row = nullptr;
    QCheckBox* include = nullptr;
    TLMDEdit* edit = nullptr;
    QList<QRadioButton*> buttons;
    QCheckBox* check = nullptr;
    // Where the value control sits, also for a row whose value control the page makes itself.
    QRect valueArea;

    // Appends the row's line, if its include box (where it has one) is checked.
    void write(ConfigText& text) const;
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

    RowColumn(PageSheet* page, const Geometry& geometry);

    RowControls add(const SettingRow& row);
    // Builds every row of a table, in order.
    QList<RowControls> add(std::span<const SettingRow> rows);

    // The y coordinate below the last row.
    int bottom() const { return m_y; }

private:
    QWidget* addRadioPanel(const SettingRow& row, RowControls& controls, int x, int y, int width);

    PageSheet* m_page;
    Geometry m_geometry;
    int m_y;
};

// The hint of a radio button: the row's hint with the button's value in double quotes before its
// closing parenthesis, as in `Allow cheats. (sv_cheats "1")`.
QString radioHint(const char* rowHint, const char* value);
