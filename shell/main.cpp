#include "CommandLine.h"
#include "DesktopIdentity.h"
#include "ErrorReport.h"
#include "FindCommand.h"
#include "Mainform.h"

#include "platform/Process.h"

#include <QApplication>

int main(int argc, char** argv) {
    const shell::CommandLine command = shell::parseCommandLine(argc, argv);
    if (command.exitStatus)
        return *command.exitStatus;
    if (command.findQuery)
        return shell::runFindCommand(*command.findQuery, command.findLimit);
    platform::prepareProcess();
    platform::preparePageEngine();
    platform::quietenDiagnostics();
    QApplication app(argc, argv);
    return shell::runReporting([&app] {
        shell::applyDesktopIdentity();
        platform::onTerminationRequest([] {
            shell::reportToStreamOnly();
            QApplication::closeAllWindows();
        });
        shell::Mainform form;
        form.load();
        form.show();
        return app.exec();
    });
}
