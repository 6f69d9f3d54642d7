#pragma once

#include <QString>

namespace shell {

// The folder the reader keeps its working folder under, ending with one
// separator, without the padding of the buffer it comes in. Asked anew at
// every call (paths:: keeps the first answer); throws platform::Error when
// there is no usable folder.
QString WindowsDir();

} // namespace shell
