#include "DesktopIdentity.h"

#include <QApplication>
#include <QIcon>

namespace shell {

void applyDesktopIdentity() {
    // The class is fixed rather than taken from the executable's name, so
    // the installed `quillora` and the developer's build group alike.
    QCoreApplication::setApplicationName(kWindowClass);
    QGuiApplication::setDesktopFileName(kDesktopEntry);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quillora/icon/%1").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

} // namespace shell
