#pragma once

#include "cli/CommandLine.h"

class QIODevice;

// `ledgerwick --compare FILE --server HOST[:PORT] [FILE2 --server HOST2]... [--apply]`: compares
// the settings each FILE (or the file at an address, read as --check reads it) sets with its
// running server and prints each that is not the same, as `variable: document "X", server "Y"`
// (with "(after restart)", "(read-only)" or "(only by the file)" after it, or `not on the
// server`); a password's value is never printed. With `apply`, the differences the console can
// carry are sent first, as the window's Apply does, and the server compared again. Several pairs
// are each reported under a line that names the server. Returns the worst of them: 0 when all
// are the same (with `apply`: the same or set at the next restart), 1 when any differs, 2 on an
// error. The password comes from LEDGERWICK_RCON_PASSWORD, else from the terminal without echo;
// never from the command line. Needs no display.
int compareWithServers(const QList<CommandLine::Comparison>& pairs, bool apply, QIODevice& out,
                       QIODevice& errors);
