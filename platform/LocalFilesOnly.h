#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

namespace platform {

// Refuses every request of the pages outside one folder: the pages need no
// network and nothing else of the machine.
class LocalFilesOnly final : public QWebEngineUrlRequestInterceptor {
  public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setFolder(const QString& folder);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

  private:
    QString m_folder;
};

} // namespace platform
