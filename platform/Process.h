#pragma once

#include <functional>

namespace platform {

// Settings the process needs before the GUI library starts: the web engine's
// sandbox cannot run as root and is switched off only then.
void prepareProcess();

// Tunes the page engine for pages that carry no real script: the script
// engine's optimising compiler and eager compilation only cost memory here.
// Must run before the application object exists.
void preparePageEngine();

// Calls the handler on the GUI thread when the process is asked to end
// (SIGTERM, SIGINT), so a logout closes the window as the user would.
void onTerminationRequest(std::function<void()> handler);

} // namespace platform
