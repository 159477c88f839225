// Compiled by CTest: the rules a page's table of settings keeps. Each page checks its table with
// static_assert(wellDeclared(...)), so that a table that breaks a rule does not compile; here small
// tables break one rule each, and the compiler finds each.
#include "settings/SettingRow.h"

namespace {

constexpr auto yes = yesNo("rbA", "rbB");

// A good table: the keyboard takes the boxes, a button of the page's own, then the values.
constexpr SettingRow good[] = {
    {.include = "chkA",
     .label = "A:",
     .control = Control::Edit,
     .name = "edA",
     .kind = ValueKind::Number,
     .variable = "a"},
    {.include = "chkB",
     .label = "B:",
     .control = Control::Radios,
     .name = "PanelB",
     .kind = ValueKind::Choice,
     .variable = "b",
     .buttons = yes},
};
constexpr const char* goodKeys[] = {"chkA", "chkB", "btnOwn", "edA", "PanelB"};
static_assert(wellDeclared(good, goodKeys));

constexpr SettingRow row(const char* include, const char* name, Place at = {}) {
    return {.include = include,
            .control = Control::Edit,
            .name = name,
            .kind = ValueKind::Text,
            .variable = "v",
            .at = at};
}
constexpr const char* abKeys[] = {"chkA", "edA", "chkB", "edB"};

constexpr SettingRow noKind[] = {{.control = Control::Edit, .name = "edA", .variable = "a"}};
static_assert(firstError(noKind, abKeys) == DeclarationError::NoKind);

constexpr SettingRow noControl[] = {{.kind = ValueKind::Text, .variable = "a"}};
static_assert(firstError(noControl, abKeys) == DeclarationError::NoControl);

constexpr SettingRow numberInRadios[] = {{.control = Control::Radios,
                                          .name = "edA",
                                          .kind = ValueKind::Number,
                                          .variable = "a",
                                          .buttons = yes}};
static_assert(firstError(numberInRadios, abKeys) == DeclarationError::KindDoesNotFit);

constexpr SettingRow switchInEdit[] = {
    {.control = Control::Edit, .name = "edA", .kind = ValueKind::OnOff, .variable = "a"}};
static_assert(firstError(switchInEdit, abKeys) == DeclarationError::KindDoesNotFit);

constexpr SettingRow noVariable[] = {
    {.control = Control::Edit, .name = "edA", .kind = ValueKind::Text}};
static_assert(firstError(noVariable, abKeys) == DeclarationError::NoVariable);

constexpr SettingRow noButtons[] = {
    {.control = Control::Radios, .name = "edA", .kind = ValueKind::Choice, .variable = "a"}};
static_assert(firstError(noButtons, abKeys) == DeclarationError::NoButtons);

// A control named twice: two rows with one edit, an include box named as a value, a radio button
// named as another row's edit.
constexpr SettingRow sameEdit[] = {row("chkA", "edA"), row("chkB", "edA")};
static_assert(firstError(sameEdit, abKeys) == DeclarationError::NameTwice);
constexpr SettingRow boxIsValue[] = {row("edA", "edA")};
static_assert(firstError(boxIsValue, abKeys) == DeclarationError::NameTwice);
constexpr SettingRow buttonIsEdit[] = {row("chkA", "rbA"),
                                       {.include = "chkB",
                                        .control = Control::Radios,
                                        .name = "PanelB",
                                        .kind = ValueKind::Choice,
                                        .variable = "b",
                                        .buttons = yes}};
static_assert(firstError(buttonIsEdit, goodKeys) == DeclarationError::NameTwice);

// Places: a row without a slot stands under the one before it in its column, and two rows in one
// place are a fault.
constexpr SettingRow stacked[] = {row("chkA", "edA", {1, 3}), row("chkB", "edB", {1})};
static_assert(placeOf(stacked, 1) == Place{1, 4});
static_assert(placeOf(stacked, 0) == Place{1, 3});
constexpr SettingRow sideBySide[] = {row("chkA", "edA", {0}), row("chkB", "edB", {1})};
static_assert(placeOf(sideBySide, 1) == Place{1, 0});
static_assert(firstError(sideBySide, abKeys) == DeclarationError::None);
constexpr SettingRow onePlace[] = {row("chkA", "edA", {0, 1}), row("chkB", "edB", {0, 0}),
                                   row("chkC", "edC", {0})};
constexpr const char* abcKeys[] = {"chkA", "edA", "chkB", "edB", "chkC", "edC"};
static_assert(firstError(onePlace, abcKeys) == DeclarationError::PlaceTwice);

// The keyboard order: a name twice, an include box or a value left out.
constexpr SettingRow two[] = {row("chkA", "edA"), row("chkB", "edB", {1})};
constexpr const char* twice[] = {"chkA", "edA", "chkB", "edB", "chkA"};
static_assert(firstError(two, twice) == DeclarationError::FocusTwice);
constexpr const char* boxLeftOut[] = {"chkA", "edA", "edB"};
static_assert(firstError(two, boxLeftOut) == DeclarationError::NoFocus);
constexpr const char* valueLeftOut[] = {"chkA", "edA", "chkB"};
static_assert(firstError(two, valueLeftOut) == DeclarationError::NoFocus);

} // namespace
