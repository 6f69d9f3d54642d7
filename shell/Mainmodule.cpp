#include "Mainmodule.h"

#include "platform/SystemDirectory.h"

#include <QDir>

namespace shell {
namespace {

// The part of a string before its first NUL, or the whole string.
QString TrimAtNul(QString text) {
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    return text;
}

// The folder with a separator at its end, added only when missing (and to an
// empty folder, which then names the root).
QString withTrailingSeparator(QString folder, QChar separator) {
    if (!folder.endsWith(separator))
        folder += separator;
    return folder;
}

} // namespace

QString WindowsDir() {
    return withTrailingSeparator(TrimAtNul(platform::systemDirectoryBuffer()), QDir::separator());
}

} // namespace shell
