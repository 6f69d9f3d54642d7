#include "ErrorReport.h"
#include "FindCommand.h"
#include "Mainform.h"

#include "platform/Error.h"
#include "platform/Process.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (const auto status = shell::runFindCommand(argc, argv))
        return *status;
    platform::prepareProcess();
    platform::preparePageEngine();
    QApplication app(argc, argv);
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
