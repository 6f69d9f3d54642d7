#include "Resources.h"

#include "Error.h"

#include <QFile>

namespace platform::resources {

QByteArray load(const QString& name) {
    QFile file(QStringLiteral(":/quillora/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(ErrorCode::ResourceMissing, name, file.errorString());
    return file.readAll();
}

} // namespace platform::resources
