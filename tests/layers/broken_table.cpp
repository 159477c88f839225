// Compiled by CTest: a page's table that names a control twice does not compile; the same table
// with the second name changed (WELL_DECLARED) does.
#include "pages/SettingRow.h"

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
     .variable = "a",
     .focus = {0, 2}},
    {.include = "chkB",
     .control = Control::Edit,
     .name = SECOND,
     .kind = ValueKind::Text,
     .variable = "b",
     .focus = {1, 3}},
};
static_assert(wellDeclared(table));
