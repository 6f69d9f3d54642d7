#pragma once

#include <QString>

namespace platform {

// The raw text of the folder the reader keeps its working files under, as a
// buffer of 256 characters padded with NUL, the way the Windows call fills
// it. On Windows that is the Windows directory; elsewhere the per-user cache
// folder quillora/ (created, for its owner only, when missing).
QString systemDirectoryBuffer();

} // namespace platform
