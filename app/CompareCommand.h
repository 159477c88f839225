#pragma once

// `ledgerwick --compare FILE --server HOST[:PORT]`: compares the settings FILE (or the file at an
// address, read as --check reads it) sets with the running server and prints each that is not the
// same, as `variable: document "X", server "Y"` (with "(after restart)" or "(read-only)" after it,
// or `not on the server`). Returns 0 when all are the same, 1 when any differs, 2 on an error. The
// password comes from LEDGERWICK_RCON_PASSWORD, else from the terminal without echo; never from
// the command line. Needs no display.
bool isCompareCommand(int argc, char* argv[]);
int compareCommand(int argc, char* argv[]);
