#include "Paths.h"

#include "Mainmodule.h"

#include <QDir>

namespace shell::paths {
namespace {

const QString& windowsDir() {
    // A failure to find the folder throws and is asked again next time.
    static const QString dir = WindowsDir();
    return dir;
}

} // namespace

QString systemFolder() {
    return windowsDir().chopped(1);
}

QString temporaryFolder() {
    return windowsDir() + QStringLiteral("temp");
}

QString workingFolder() {
    return temporaryFolder() + QDir::separator() + QStringLiteral("dicts");
}

QString inWorkingFolder(const QString& name) {
    return workingFolder() + QDir::separator() + name;
}

QString lockFile() {
    return temporaryFolder() + QDir::separator() + QStringLiteral(".dicts.lock");
}

} // namespace shell::paths
