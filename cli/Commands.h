#pragma once

#include "cli/CommandLine.h"

#include <optional>

// Runs what the command line asks that needs no window: a usage error, --help, --version,
// --check, --compare, --set. Returns the program's exit status, or nothing when the window is
// to start.
std::optional<int> runWithoutWindow(const CommandLine& line, int& argc, char* argv[]);
