#include "CommandLine.h"
#include "DesktopIdentity.h"
#include "DisplayWatch.h"
#include "ErrorReport.h"
#include "FindCommand.h"
#include "Mainform.h"

#include "platform/Process.h"
#include "platform/UserFolders.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

namespace {

shell::Mainform* g_openWindow = nullptr;

// A display whose connection breaks (the X server ended) makes the GUI
// library end the process with exit() from inside its event loop, past the
// window's close: the steps of closing then run from the exit handlers, and
// what they have to say goes to stderr, there being no screen to show it on.
void finishOpenWindow() {
    if (!g_openWindow)
        return;
    shell::reportToStreamOnly();
    g_openWindow->finish();
}

} // namespace

int main(int argc, char** argv) {
    // Before any library reads the environment.
    platform::user::settleEnvironment();
    const shell::CommandLine command = shell::parseCommandLine(argc, argv);
    if (command.exitStatus)
        return *command.exitStatus;
    if (command.findQuery)
        return shell::runFindCommand(command.program, *command.findQuery, command.findLimit);
    platform::prepareProcess();
    platform::preparePageEngine();
    platform::quietenDiagnostics();
    shell::watchDisplayOpening(command.program);
    QApplication app(argc, argv);
    shell::displayOpened();
    return shell::runReporting([&app] {
        shell::applyDesktopIdentity();
        platform::onTerminationRequest([] {
            shell::reportToStreamOnly();
            QApplication::closeAllWindows();
        });
        // Without a home of the user's own nothing is started: every folder
        // the reader and its libraries write into lies there.
        platform::user::homeFolder();
        shell::Mainform form;
        form.load();
        form.show();
        g_openWindow = &form;
        // Forgotten however the window goes, an exception included.
        const std::unique_ptr<shell::Mainform*, void (*)(shell::Mainform**)> forget(
            &g_openWindow, [](shell::Mainform** window) { *window = nullptr; });
        std::atexit(finishOpenWindow);
        return app.exec();
    });
}
