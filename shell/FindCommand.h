#pragma once

#include <optional>

namespace shell {

// `Quillora --find QUERY` (or --find=QUERY): prints the results of the query
// without a window, one line per result, tab-separated: kind, tree key,
// title, poet (or empty), snippet. Returns the exit status when the command
// line asks for it (0, also when nothing matches; 2 for an empty query),
// nothing otherwise.
std::optional<int> runFindCommand(int argc, char** argv);

} // namespace shell
