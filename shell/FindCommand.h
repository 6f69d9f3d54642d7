#pragma once

#include <QString>

namespace shell {

// `quillora --find QUERY`: prints the results of the query without a window,
// one line per result, tab-separated: kind, tree key, title, poet (or empty),
// snippet; the anthology's rows and the installed library's in one ranking,
// at most `limit` of them. Returns the exit status: 0, also when nothing
// matches; 2 for an empty query; 1 when the search fails or its results
// cannot be written (a full disk, a closed output), each with a message on
// the standard error stream that begins with the program's name as typed.
// A reader of the output that stops early (`| head`) ends the command quietly.
int runFindCommand(const QString& program, const QString& query, int limit = 100);

} // namespace shell
