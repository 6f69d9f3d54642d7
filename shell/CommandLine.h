#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace shell {

// What the command line asks of the reader. It is read before the GUI
// library starts, so `--help` and `--version` work without a display.
struct CommandLine {
    // Set when the process should end at once with this status (after
    // --help, --version or a mistake on the command line).
    std::optional<int> exitStatus;
    // --find QUERY: print the results of the query instead of opening the window.
    std::optional<QString> findQuery;
    // --find-limit N: at most N rows (100 unless given).
    int findLimit = 100;
    // Options that change what the window does go here, next to their
    // declaration in CommandLine.cpp.
};

// Exit status for a command line the reader does not understand.
inline constexpr int kUsageError = 2;

// Reads the arguments (the program's path first); writes help and version
// to `out` and a one-line error to `err`.
CommandLine parseCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The same for main()'s arguments, writing to standard output and error.
CommandLine parseCommandLine(int argc, char** argv);

} // namespace shell
