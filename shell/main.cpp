#include "CommandLine.h"
#include "DesktopIdentity.h"
#include "ErrorReport.h"
#include "Mainform.h"

#include "platform/Error.h"
#include "platform/Process.h"

#include <QApplication>

int main(int argc, char** argv) {
    const shell::CommandLine command = shell::parseCommandLine(argc, argv);
    if (command.exitStatus)
        return *command.exitStatus;
    platform::prepareProcess();
    platform::preparePageEngine();
    QApplication app(argc, argv);
    shell::applyDesktopIdentity();
    platform::onTerminationRequest([] { QApplication::closeAllWindows(); });
    shell::Mainform form;
    try {
        form.load();
    } catch (const platform::Error& error) {
        shell::reportError(nullptr, error);
        return 1;
    }
    form.show();
    return app.exec();
}
