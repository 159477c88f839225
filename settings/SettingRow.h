#pragma once

#include "config/DocumentOrder.h"
#include "config/ValueKind.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// A colour as 0xAARRGGBB, as Qt's QRgb, without needing Qt's GUI module.
using Rgb = std::uint32_t;

// One button of a radio group: its component name, caption and the value its switch line writes.
struct RadioChoice {
    const char* name;
    const char* caption;
    const char* value;
    // Background and caption colours; an invalid background leaves the panel's own colour, an
    // invalid caption colour the palette's text colour.
    Rgb background = 0;
    Rgb textColour = 0;
};

inline constexpr Rgb kWhite = 0xffffffff;
inline constexpr Rgb kGreen = 0xff008000;
inline constexpr Rgb kMaroon = 0xff800000;
// Darker than mid grey, so that white captions on it read at 4.5:1 and more.
inline constexpr Rgb kGrey = 0xff6e6e6e;

// The usual pair: "Yes" writes 1, "No" writes 0.
constexpr std::array<RadioChoice, 2> yesNo(const char* yes, const char* no, Rgb yesColour = kGrey,
                                           Rgb noColour = kGrey) {
    return {{{yes, QT_TRANSLATE_NOOP("Settings", "Yes"), "1", yesColour, kWhite},
             {no, QT_TRANSLATE_NOOP("Settings", "No"), "0", noColour, kWhite}}};
}
// Green for yes, maroon for no.
constexpr std::array<RadioChoice, 2> greenYesNo(const char* yes, const char* no) {
    return yesNo(yes, no, kGreen, kMaroon);
}

// The control that holds a setting's value.
enum class Control {
    Edit,   // a single-line edit
    List,   // the editable drop-down list
    Radios, // a group of radio buttons on a panel of their own
    Check,  // a check box: a captioned one when the row has no include box
};

// How the row's line is written.
enum class LineForm {
    Set,     // set NAME "value"
    Info,    // sets .KEY "value": server info
    Contact, // a first or second contact: .KEY alone, or .KEY1 and .KEY2 (the page pairs them)
};

// Where a row stands: the page's column (or block), and the row's slot in it from the top. A row
// without a slot of its own stands under the row before it in its column (the first at the top).
struct Place {
    int column = 0;
    int slot = -1;

    constexpr bool operator==(const Place&) const = default;
};

// A setting as its page declares it, once: what the builder makes, what the writer writes, where
// what the checks and the reader of existing files know of it. Where the keyboard goes is the
// page's keyboard list: the component names of its controls in their order.
struct SettingRow {
    const char* include = nullptr; // include box; a row without one is always written
    bool included = true;          // the include box's state at start
    const char* label = "";        // the row's caption (a captioned check box's own caption)
    const char* labelName = nullptr;
    const char* hint = "";               // of the label and of the value control
    const char* valueHint = nullptr;     // where the value control's hint differs from the label's
    std::optional<Control> control = {}; // the value control's kind ...
    const char* name = nullptr;          // ... and its component name
    std::optional<ValueKind> kind = {};  // what the value is
    LineForm form = LineForm::Set;       // how the line is written ...
    const char* variable = nullptr;      // ... for this variable or info key

    const char* text = ""; // an edit's start text
    std::span<const RadioChoice> buttons = {};
    int checked = 0;             // the radio button checked at start
    bool stacked = false;        // radio buttons one above the other instead of side by side
    bool valueInHints = true;    // radio button hints add the button's value before the closing ')'
    bool checkedAtStart = false; // a check box's start state

    Place at = {};
    std::optional<Section> section = {}; // the section the row writes in, when not its page's own
    unsigned tags = 0;                   // the page's own marks (e.g. what kind of weapon)
};

// Breaking one of these rules in a page's table fails the build.
enum class DeclarationError {
    None,
    NoControl,      // the row names no value control
    NoKind,         // the row says nothing of its value
    KindDoesNotFit, // e.g. a number in a radio group, or a switch in an edit
    NoVariable,     // the row writes no variable
    NoButtons,      // a radio group without buttons
    NameTwice,      // a component name given twice
    PlaceTwice,     // two rows in one place of a column
    FocusTwice,     // a name twice in the keyboard order
    NoFocus,        // a control without a place in the keyboard order
};

namespace declaration {

constexpr bool same(const char* a, const char* b) {
    return a && b && std::string_view(a) == std::string_view(b);
}

constexpr bool fits(Control control, ValueKind kind) {
    switch (control) {
    case Control::Edit:
        return kind == ValueKind::Text || kind == ValueKind::Number;
    case Control::List:
        return kind == ValueKind::Text;
    case Control::Radios:
        return kind == ValueKind::Choice;
    case Control::Check:
        return kind == ValueKind::OnOff;
    }
    return false;
}

template <class Visit> constexpr void forEachName(const SettingRow& row, Visit visit) {
    visit(row.include);
    visit(row.labelName);
    visit(row.name);
    for (const RadioChoice& button : row.buttons)
        visit(button.name);
}

} // namespace declaration

// Where row `index` of `rows` stands: its own slot, or the one under the row before it in its
// column.
constexpr Place placeOf(std::span<const SettingRow> rows, size_t index) {
    Place place = rows[index].at;
    if (place.slot >= 0)
        return place;
    place.slot = 0;
    for (size_t before = index; before-- > 0;)
        if (rows[before].at.column == place.column) {
            place.slot = placeOf(rows, before).slot + 1;
            break;
        }
    return place;
}

// The first rule a page's rows break, or None. `keyboard` is the page's keyboard order: the
// component names of its controls in their order, each include box and value control of a row
// (a radio group by its panel) among them. A name no row declares is a control of the page's own
// (a button), which the page makes with that name.
constexpr DeclarationError firstError(std::span<const SettingRow> rows,
                                      std::span<const char* const> keyboard) {
    using namespace declaration;
    auto inKeyboard = [&](const char* name) {
        int seen = 0;
        for (const char* key : keyboard)
            seen += same(name, key) ? 1 : 0;
        return seen;
    };
    for (const SettingRow& row : rows) {
        if (!row.control || !row.name)
            return DeclarationError::NoControl;
        if (!row.kind)
            return DeclarationError::NoKind;
        if (!fits(*row.control, *row.kind))
            return DeclarationError::KindDoesNotFit;
        if (!row.variable || !*row.variable)
            return DeclarationError::NoVariable;
        if (*row.control == Control::Radios && row.buttons.empty())
            return DeclarationError::NoButtons;
    }
    // Every component name once, across the rows.
    for (size_t r = 0; r < rows.size(); ++r) {
        bool twice = false;
        forEachName(rows[r], [&](const char* name) {
            if (!name)
                return;
            int seen = 0;
            for (const SettingRow& other : rows)
                forEachName(other, [&](const char* o) { seen += same(name, o) ? 1 : 0; });
            twice = twice || seen > 1;
        });
        if (twice)
            return DeclarationError::NameTwice;
    }
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t other = 0; other < r; ++other)
            if (placeOf(rows, r) == placeOf(rows, other))
                return DeclarationError::PlaceTwice;
    for (const char* key : keyboard)
        if (inKeyboard(key) > 1)
            return DeclarationError::FocusTwice;
    for (const SettingRow& row : rows)
        if ((row.include && inKeyboard(row.include) == 0) || inKeyboard(row.name) == 0)
            return DeclarationError::NoFocus;
    return DeclarationError::None;
}

namespace declaration {
// Not constexpr on purpose: reaching one while the compiler checks a table stops the build, and
// the compiler's message names the broken rule.
inline void aRowNamesNoValueControl() {}
inline void aRowSaysNothingOfItsValue() {}
inline void aRowsValueDoesNotFitItsControl() {}
inline void aRowWritesNoVariable() {}
inline void aRadioGroupHasNoButtons() {}
inline void aControlIsNamedTwice() {}
inline void twoRowsStandInOnePlace() {}
inline void aNameStandsTwiceInTheKeyboardOrder() {}
inline void aControlHasNoPlaceInTheKeyboardOrder() {}

constexpr void stop(DeclarationError error) {
    switch (error) {
    case DeclarationError::None:
        break;
    case DeclarationError::NoControl:
        aRowNamesNoValueControl();
        break;
    case DeclarationError::NoKind:
        aRowSaysNothingOfItsValue();
        break;
    case DeclarationError::KindDoesNotFit:
        aRowsValueDoesNotFitItsControl();
        break;
    case DeclarationError::NoVariable:
        aRowWritesNoVariable();
        break;
    case DeclarationError::NoButtons:
        aRadioGroupHasNoButtons();
        break;
    case DeclarationError::NameTwice:
        aControlIsNamedTwice();
        break;
    case DeclarationError::PlaceTwice:
        twoRowsStandInOnePlace();
        break;
    case DeclarationError::FocusTwice:
        aNameStandsTwiceInTheKeyboardOrder();
        break;
    case DeclarationError::NoFocus:
        aControlHasNoPlaceInTheKeyboardOrder();
        break;
    }
}
} // namespace declaration

// For a static_assert beside each table: a table that breaks a rule does not compile.
consteval bool wellDeclared(std::span<const SettingRow> rows,
                            std::span<const char* const> keyboard) {
    const DeclarationError error = firstError(rows, keyboard);
    declaration::stop(error);
    return error == DeclarationError::None;
}
