#include "Mainmodule.h"

#include "platform/SystemDirectory.h"

#include <QDir>

namespace shell {

QString TrimAtNul(QString text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

QString withTrailingSeparator(QString folder, QChar separator) {
    if (!folder.endsWith(separator))
        folder += separator;
    return folder;
}

QString WindowsDir() {
    return withTrailingSeparator(TrimAtNul(platform::systemDirectoryBuffer()), QDir::separator());
}

} // namespace shell
