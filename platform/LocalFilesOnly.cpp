#include "LocalFilesOnly.h"

#include <QFileInfo>
#include <QUrl>

namespace platform {

void LocalFilesOnly::setFolder(const QString& folder) {
    m_folder = QFileInfo(folder).absoluteFilePath();
    if (!m_folder.endsWith(u'/'))
        m_folder += u'/';
}

void LocalFilesOnly::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    if (url.scheme() == QLatin1String("data") || url.scheme() == QLatin1String("about"))
        return;
    const bool inside = url.isLocalFile() && !m_folder.isEmpty() &&
                        QFileInfo(url.toLocalFile()).absoluteFilePath().startsWith(m_folder);
    if (!inside)
        info.block(true);
}

} // namespace platform
