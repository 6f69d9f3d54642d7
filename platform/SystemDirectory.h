#pragma once

#include <QString>

namespace platform {

// The raw text of the folder the reader keeps its working files under, as a
// buffer of 256 characters padded with NUL, the way the Windows call fills
// it. On Windows that is the Windows directory; elsewhere quillora/ in the
// per-user cache folder, which is created when missing. The folder quillora/
// itself is left to the working folder, which makes it a real folder.
// Throws platform::Error when the cache folder cannot be made, or when its
// name cannot be decoded and so could not be written to as it is.
QString systemDirectoryBuffer();

} // namespace platform
