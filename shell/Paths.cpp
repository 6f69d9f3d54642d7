#include "Paths.h"

#include "Mainmodule.h"

#include <QDir>

namespace shell::paths {

QString temporaryFolder() {
    return WindowsDir() + QStringLiteral("temp");
}

QString workingFolder() {
    return temporaryFolder() + QDir::separator() + QStringLiteral("dicts");
}

QString inWorkingFolder(const QString& name) {
    return workingFolder() + QDir::separator() + name;
}

} // namespace shell::paths
