#pragma once

class QWidget;

namespace platform {
class Error;
}

namespace shell {

// Tells the user what failed, with its code and description (and writes it
// to the standard error stream, for logs and tests).
void reportError(QWidget* parent, const platform::Error& error);

} // namespace shell
