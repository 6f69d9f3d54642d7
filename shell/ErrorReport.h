#pragma once

#include <functional>

class QWidget;

namespace platform {
class Error;
}

namespace shell {

// Tells the user what failed, with its code and description (and writes it
// to the standard error stream, for logs and tests).
void reportError(QWidget* parent, const platform::Error& error);

// Once the reader has been asked to end (a logout, a closed terminal), nobody
// may be there to press OK: from then on failures go to the standard error
// stream only, so the reader ends at once.
void reportToStreamOnly(bool streamOnly = true);

// Runs body and returns its result. Any exception it lets out, the reader's
// own or any other, is reported like every failure and gives 1.
int runReporting(const std::function<int()>& body);

} // namespace shell
