// Compiled by CTest: a page's table that names a control twice does not compile; the same table
// with the second name changed (WELL_DECLARED) does.
#include "settings/SettingRow.h"

#ifdef WELL_DECLARED
#define SECOND "edB"
#else
#define SECOND "edA"
#endif

constexpr SettingRow table[] = {
    {.include = "chkA",
     .control = Control::Edit,
     .name = "edA",
     .kind = ValueKind::Text,
     .variable = "a"},
    {.include = "chkB",
     .control = Control::Edit,
     .name = SECOND,
     .kind = ValueKind::Text,
     .variable = "b",
     .at = {1}},
};
constexpr const char* keyboard[] = {"chkA", "chkB", "edA", SECOND};
static_assert(wellDeclared(table, keyboard));
