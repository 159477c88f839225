// The rules a page's table of settings keeps: a table that breaks one does not compile, because
// each page checks its table with static_assert(wellDeclared(...)). Here the same check runs on
// small tables that break one rule each, at compile time.
#include "pages/SettingRow.h"

#include <QTest>

namespace {

constexpr auto yes = yesNo("rbA", "rbB");

// A good table: two rows, the keyboard taking the boxes, then a button at 2, then the values.
constexpr SettingRow good[] = {
    {.include = "chkA",
     .label = "A:",
     .control = Control::Edit,
     .name = "edA",
     .kind = ValueKind::Number,
     .variable = "a",
     .focus = {0, 3}},
    {.include = "chkB",
     .label = "B:",
     .control = Control::Radios,
     .name = "PanelB",
     .kind = ValueKind::Choice,
     .variable = "b",
     .buttons = yes,
     .focus = {1, 4}},
};
constexpr int button[] = {2};
static_assert(firstError(good, button) == DeclarationError::None);
static_assert(wellDeclared(good, button));

constexpr SettingRow row(const char* include, const char* name, int includeFocus, int valueFocus) {
    return {.include = include,
            .control = Control::Edit,
            .name = name,
            .kind = ValueKind::Text,
            .variable = "v",
            .focus = {includeFocus, valueFocus}};
}

constexpr SettingRow noKind[] = {
    {.control = Control::Edit, .name = "edA", .variable = "a", .focus = {.value = 0}}};
static_assert(firstError(noKind) == DeclarationError::NoKind);

constexpr SettingRow noControl[] = {
    {.kind = ValueKind::Text, .variable = "a", .focus = {.value = 0}}};
static_assert(firstError(noControl) == DeclarationError::NoControl);

constexpr SettingRow numberInRadios[] = {{.control = Control::Radios,
                                          .name = "PanelA",
                                          .kind = ValueKind::Number,
                                          .variable = "a",
                                          .buttons = yes,
                                          .focus = {.value = 0}}};
static_assert(firstError(numberInRadios) == DeclarationError::KindDoesNotFit);

constexpr SettingRow switchInEdit[] = {{.control = Control::Edit,
                                        .name = "edA",
                                        .kind = ValueKind::OnOff,
                                        .variable = "a",
                                        .focus = {.value = 0}}};
static_assert(firstError(switchInEdit) == DeclarationError::KindDoesNotFit);

constexpr SettingRow noVariable[] = {
    {.control = Control::Edit, .name = "edA", .kind = ValueKind::Text, .focus = {.value = 0}}};
static_assert(firstError(noVariable) == DeclarationError::NoVariable);

constexpr SettingRow noButtons[] = {{.control = Control::Radios,
                                     .name = "PanelA",
                                     .kind = ValueKind::Choice,
                                     .variable = "a",
                                     .focus = {.value = 0}}};
static_assert(firstError(noButtons) == DeclarationError::NoButtons);

// A control named twice: two rows with one edit, an include box named as a value, a radio button
// named as another row's edit.
constexpr SettingRow sameEdit[] = {row("chkA", "edA", 0, 2), row("chkB", "edA", 1, 3)};
static_assert(firstError(sameEdit) == DeclarationError::NameTwice);
constexpr SettingRow boxIsValue[] = {row("edA", "edA", 0, 1)};
static_assert(firstError(boxIsValue) == DeclarationError::NameTwice);
constexpr SettingRow buttonIsEdit[] = {row("chkA", "rbA", 0, 2),
                                       {.include = "chkB",
                                        .control = Control::Radios,
                                        .name = "PanelB",
                                        .kind = ValueKind::Choice,
                                        .variable = "b",
                                        .buttons = yes,
                                        .focus = {1, 3}}};
static_assert(firstError(buttonIsEdit) == DeclarationError::NameTwice);

// The keyboard order: a gap, a place taken twice, a control without a place, a button forgotten.
constexpr SettingRow gap[] = {row("chkA", "edA", 0, 2)};
static_assert(firstError(gap) == DeclarationError::FocusMissing);
constexpr SettingRow twice[] = {row("chkA", "edA", 0, 1), row("chkB", "edB", 1, 2)};
static_assert(firstError(twice) == DeclarationError::FocusTwice);
constexpr SettingRow noPlace[] = {row("chkA", "edA", -1, 0)};
static_assert(firstError(noPlace) == DeclarationError::NoFocus);
static_assert(firstError(good) == DeclarationError::FocusMissing);

} // namespace

// The checks above are done by the compiler; this program only stands for them in the test list,
// and checks that the same function gives the same answers when it runs.
class DeclarationsTest : public QObject {
    Q_OBJECT
private slots:
    void brokenRulesAreFoundAtRunTimeToo() {
        QCOMPARE(firstError(good, button), DeclarationError::None);
        QCOMPARE(firstError(sameEdit), DeclarationError::NameTwice);
        QCOMPARE(firstError(gap), DeclarationError::FocusMissing);
    }
};

QTEST_GUILESS_MAIN(DeclarationsTest)
#include "tst_declarations.moc"
