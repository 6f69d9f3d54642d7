#pragma once

#include <QString>

#include <functional>

namespace platform {

// Settings the process needs before the GUI library starts: the web engine's
// sandbox cannot run as root and is switched off only then; without a
// graphics device the view draws in software (see hasGraphicsDevice).
void prepareProcess();

// Whether the folder of devices (normally /dev) holds a graphics device that
// OpenGL could draw with. Without one, OpenGL is emulated on the processor,
// and the page view's frames go through it at a cost several times that of
// drawing them in software directly.
bool hasGraphicsDevice(const QString& devices);

// Tunes the page engine for pages that carry no real script: the script
// engine's optimising compiler and eager compilation only cost memory here.
// The collector is offered to the page view, whose document outlives the
// contents swapped through it.
// Must run before the application object exists.
void preparePageEngine();

// Keeps the terminal quiet in normal use: the page engine's diagnostics and
// start-up report are left out unless QUILLORA_DEBUG is set, and a missing
// runtime folder is provided (provideRuntimeFolder). Errors still reach
// stderr. Must run before the application object exists.
void quietenDiagnostics();

// Without XDG_RUNTIME_DIR (containers, chroots, su) the GUI library warns
// and makes a folder of its own; the same folder is provided here, private
// to the user, without the warning.
void provideRuntimeFolder();

// Calls the handler on the GUI thread when the process is asked to end
// (SIGTERM, SIGINT, SIGQUIT from a terminal, SIGHUP when its terminal closes,
// SIGUSR1, SIGUSR2 or SIGALRM sent by hand), so a logout closes the window as
// the user would. Throws platform::Error, with the operating
// system's reason, when the signals cannot be caught: the process would
// otherwise end without its clean-up.
void onTerminationRequest(std::function<void()> handler);

} // namespace platform
