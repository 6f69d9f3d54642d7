#pragma once

#include <QString>

namespace shell {

// The part of a string before its first NUL, or the whole string.
QString TrimAtNul(QString text);

// The folder with a separator at its end, added only when missing (and to an
// empty folder, which then names the root).
QString withTrailingSeparator(QString folder, QChar separator);

// The folder the reader keeps its working folder under, ending with the
// separator. Asked anew at every call (paths:: keeps the first answer);
// throws platform::Error when there is no usable folder.
QString WindowsDir();

} // namespace shell
