#pragma once

#include <QColor>
#include <span>

// One button of a radio group: its component name, caption and the value its switch line writes.
struct RadioChoice {
    const char* name;
    const char* caption;
    const char* value;
    // Background and caption colours; an invalid background leaves the panel's own colour.
    QRgb background = 0;
    QRgb textColour = 0xff000000;
};

// A settings row as the page declares it: include box, label and one value control, and the line
// that the row writes. Exactly one of the value kinds is filled in:
// - an edit (`edit`, `text`) writes a value line from `prefix`;
// - a radio group (`panel`, `buttons`) writes the switch line `name` with the checked button's
// value;
// - a check box (`check`) writes the switch line `name` with "1" or "0".
struct SettingRow {
    const char* include = nullptr; // include box; a row without one is always written
    bool included = true;          // the include box's state at start
    const char* label = "";
    const char* hint = ""; // of the label and of the value control
    const char* labelName = nullptr;

    const char* edit = nullptr;
    const char* text = "";          // the edit's start text
    const char* prefix = "";        // value line up to and including the opening quote
    const char* editHint = nullptr; // where the edit's hint differs from the label's

    const char* panel = nullptr;
    std::span<const RadioChoice> buttons = {};
    int checked = 0;          // the button checked at start
    bool stacked = false;     // buttons one above the other instead of side by side
    bool valueInHints = true; // button hints add the button's value before the closing ')'

    const char* check = nullptr; // a check box as the value control
    bool checkedAtStart = false;

    const char* name = ""; // switch line variable

    int skip = 0; // empty row slots left above this row
};

inline constexpr QRgb kWhite = 0xffffffff;
inline constexpr QRgb kGreen = 0xff008000;
inline constexpr QRgb kMaroon = 0xff800000;
inline constexpr QRgb kGrey = 0xff808080;
