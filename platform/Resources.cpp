#include "Resources.h"

#include "Error.h"

#include <QFile>

namespace platform::resources {

QByteArray load(const QString& name) {
    QFile file(QStringLiteral(":/quillora/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(file.error(), QStringLiteral("找不到内嵌资源 %1").arg(name));
    return file.readAll();
}

} // namespace platform::resources
