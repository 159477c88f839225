#pragma once

#include <QString>

// A count as the program's messages write it, in English whatever the desktop's language:
// 1,003.
QString englishNumber(qint64 number);
