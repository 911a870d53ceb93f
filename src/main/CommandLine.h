#pragma once
// The command line: Kelvon's own options, read before any window, file or lock exists.

#include <optional>

// Handles --help, --version and mistakes, printing what they ask for. Returns the exit status
// when the program ends here, nothing when it is to run. Qt's own options are left for
// QApplication.
std::optional<int> ReadCommandLine(int argc, char** argv);
