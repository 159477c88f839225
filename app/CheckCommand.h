#pragma once

#include <QString>

class QTextStream;

// `ledgerwick --check FILE`: prints each place where the server would read FILE otherwise than it
// shows, as "FILE:LINE: message", to `out`. Returns 0 when there is none, 1 when there is any, and
// 2 when FILE cannot be read (saying why on `errors`). Needs no display.
int checkFile(const QString& path, QTextStream& out, QTextStream& errors);
