#pragma once

#include <QString>

namespace shell {

// `Quillora --find QUERY`: prints the results of the query without a window,
// one line per result, tab-separated: kind, tree key, title, poet (or empty),
// snippet; the anthology's rows and the installed library's in one ranking,
// at most `limit` of them. Returns the exit status: 0, also when nothing
// matches; 2 for an empty query, with a message on the standard error stream.
int runFindCommand(const QString& query, int limit = 100);

} // namespace shell
