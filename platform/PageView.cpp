#include "PageView.h"

#include "Files.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

#include <malloc.h>

namespace platform {

class LocalFilesOnly final : public QWebEngineUrlRequestInterceptor {
  public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setFolder(const QString& folder) {
        m_folder = QFileInfo(folder).absoluteFilePath();
        if (!m_folder.endsWith(u'/'))
            m_folder += u'/';
    }

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        if (url.scheme() == QLatin1String("data") || url.scheme() == QLatin1String("about"))
            return;
        const bool inside = url.isLocalFile() && !m_folder.isEmpty() &&
                            QFileInfo(url.toLocalFile()).absoluteFilePath().startsWith(m_folder);
        if (!inside)
            info.block(true);
    }

  private:
    QString m_folder;
};

PageView::PageView(QWidget* parent)
    : QWidget(parent), m_view(new QWebEngineView(this)), m_filter(new LocalFilesOnly(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    // A private, off-the-record profile: no cache or cookies left on disk.
    auto* profile = new QWebEngineProfile(this);
    profile->setUrlRequestInterceptor(m_filter);
    // Every page is regenerated on each choice: caching them only costs memory.
    profile->setHttpCacheType(QWebEngineProfile::NoCache);
    auto* page = new QWebEnginePage(profile, m_view);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    m_view->setPage(page);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    // Once the reader pauses, the pages replaced meanwhile are garbage: hand
    // their memory back. Not on every load, where it would cost time.
    m_trim.setSingleShot(true);
    m_trim.setInterval(1000);
    connect(&m_trim, &QTimer::timeout, this, [] { ::malloc_trim(0); });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        // Each page arrives as content, and the history would keep a copy of
        // every one; the reader has no Back button, so keep none.
        m_view->history()->clear();
        m_trim.start();
        emit loadFinished(ok);
    });
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        // A load stopped by the next choice is no failure; one that failed
        // is, when it is the page that was asked for.
        if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.url() == m_shown)
            emit pageFailed(m_shown.toLocalFile(), info.errorString().isEmpty()
                                                       ? QString::number(info.errorCode())
                                                       : info.errorString());
    });
    connect(page, &QWebEnginePage::findTextFinished, this,
            [this](const QWebEngineFindTextResult& result) {
                emit textFound(result.activeMatch(), result.numberOfMatches());
            });
}

PageView::~PageView() = default;

void PageView::setAllowedFolder(const QString& folder) {
    m_filter->setFolder(folder);
}

void PageView::Navigate(const QString& path) {
    const QByteArray bytes = files::read(path);
    m_shown = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    m_view->setContent(bytes, QStringLiteral("text/html;charset=GBK"), m_shown);
}

void PageView::findText(const QString& text, bool backward) {
    m_view->page()->findText(text,
                             backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

QString PageView::title() const {
    return m_view->title();
}

void PageView::plainText(const std::function<void(const QString&)>& callback) const {
    m_view->page()->toPlainText(callback);
}

} // namespace platform
