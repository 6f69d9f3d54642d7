#include "LibraryLocation.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace library {

QStringList libraryCandidates() {
    QStringList paths;
    const QString chosen = qEnvironmentVariable("QUILLORA_LIBRARY");
    if (!chosen.isEmpty())
        return {chosen};
    const QString name = QStringLiteral("quillora/") + QString::fromUtf16(kFileName);
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        paths << folder + u'/' + name;
#ifdef QUILLORA_BUILD_LIBRARY
    paths << QStringLiteral(QUILLORA_BUILD_LIBRARY);
#endif
    return paths;
}

QString findLibrary() {
    for (const QString& path : libraryCandidates())
        if (QFileInfo::exists(path))
            return path;
    return {};
}

} // namespace library
