#include "ErrorReport.h"
#include "Mainform.h"

#include "platform/Process.h"

#include <QApplication>

int main(int argc, char** argv) {
    platform::prepareProcess();
    platform::preparePageEngine();
    QApplication app(argc, argv);
    return shell::runReporting([&app] {
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
