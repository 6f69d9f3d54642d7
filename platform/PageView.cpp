#include "PageView.h"

#include "Error.h"
#include "Files.h"
#include "LocalFilesOnly.h"
#include "PageParts.h"
#include "SwapScript.h"

#include <QFileInfo>
#include <QPointer>
#include <QVBoxLayout>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <malloc.h>

namespace platform {
namespace {

// Past this, pictures that never settle no longer hold the next page back.
constexpr int kPollInterval = 4;
constexpr int kMaxPolls = 1000;
// A load that reports nothing for this long no longer holds the next back.
constexpr int kStuckAfter = 5000;
// A render process that ends again this soon after the page was put in anew
// would only end again: the page says so instead.
constexpr qint64 kRestartWindow = 5000;
// The engine keeps the heap it once needed: garbage left to pile up through
// a long run of swaps stays as memory held long after the collector ran.
// Collecting after about this many page bytes keeps that pile small.
constexpr qsizetype kCollectAfterBytes = 64 * 1024;

} // namespace

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
    m_view->installEventFilter(this);
    // Once the reader pauses, the pages replaced meanwhile are garbage: hand
    // their memory back. Not on every load, where it would cost time.
    m_trim.setSingleShot(true);
    m_trim.setInterval(1000);
    connect(&m_trim, &QTimer::timeout, this, [this] {
        emit atRest();
        ::malloc_trim(0);
        if (std::exchange(m_swappedSinceRest, false))
            collectGarbage(false);
    });
    m_stuck.setSingleShot(true);
    m_stuck.setInterval(kStuckAfter);
    connect(&m_stuck, &QTimer::timeout, this, [this] {
        m_frame.clear();
        done(false);
    });
    connect(m_view, &QWebEngineView::loadStarted, this, [this] {
        // A document the page went to by itself is not one of ours.
        if (m_step != Step::Loading)
            m_frame.clear();
    });
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        // Each page arrives as content, and the history would keep a copy of
        // every one; the reader's Back steps through nodes, not documents,
        // so keep none.
        m_view->history()->clear();
        m_trim.start();
        if (m_step == Step::Loading) {
            m_frame = ok ? m_loadingFrame : QByteArray();
            done(ok);
        } else if (m_step == Step::Idle) {
            emit loadFinished(ok);
        }
    });
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        // A load stopped by the next choice is no failure; one that failed
        // is, when it is the page that was asked for.
        if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.url() == m_shown)
            emit pageFailed(m_shown.toLocalFile(), info.errorString().isEmpty()
                                                       ? QString::number(info.errorCode())
                                                       : info.errorString());
    });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                // The process ends while the document is shown: put the
                // page in again, outside the engine's own handling of it.
                if (status != QWebEnginePage::NormalTerminationStatus && !m_closing)
                    QTimer::singleShot(0, this, &PageView::renderProcessEnded);
            });
    connect(page, &QWebEnginePage::findTextFinished, this,
            [this](const QWebEngineFindTextResult& result) {
                emit textFound(result.activeMatch(), result.numberOfMatches());
            });
}

PageView::~PageView() {
    // Scripts still running report to nobody.
    m_closing = true;
    delete m_view;
}

void PageView::setAllowedFolder(const QString& folder) {
    m_filter->setFolder(folder);
}

void PageView::Navigate(const QString& path) {
    if (m_step != Step::Idle) {
        // Only the last page asked for is worth laying out; it is read when
        // its turn comes, so it shows the file as it is then. A file that
        // cannot be read is reported to the caller now all the same.
        files::read(path);
        m_waiting = path;
        return;
    }
    present(path);
}

// The one place where a page's content goes into the view.
void PageView::present(const QString& path) {
    const QByteArray bytes = files::read(path);
    const QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    const PageParts parts = splitPage(bytes);
    // The engine's search of a page goes on from its last match even when the
    // content changed under it; only a new document starts it afresh.
    if (parts.swappable && url == m_shown && parts.frame == m_frame && !m_finding) {
        swap(parts);
    } else {
        m_shown = url;
        m_finding = false;
        load(bytes, url, parts.swappable ? parts.frame : QByteArray());
    }
}

void PageView::load(const QByteArray& bytes, const QUrl& url, const QByteArray& frame) {
    m_step = Step::Loading;
    m_frame.clear();
    m_loadingFrame = frame;
    m_stuck.start();
    m_view->setContent(bytes, QStringLiteral("text/html;charset=GBK"), url);
}

void PageView::swap(const PageParts& parts) {
    m_step = Step::Swapping;
    m_swappedBytes += parts.title.size() + parts.body.size();
    m_stuck.start();
    m_polls = 0;
    runSwapStep(swapScript::putIn(parts));
}

// Each step of a swap reports the pictures still loading to swapped().
void PageView::runSwapStep(const QString& script) {
    QPointer<PageView> self(this);
    m_view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                  [self](const QVariant& result) {
                                      if (self && !self->m_closing)
                                          self->swapped(result);
                                  });
}

void PageView::swapped(const QVariant& picturesLoading) {
    if (m_step != Step::Swapping)
        return;
    bool number = false;
    const int loading = picturesLoading.toInt(&number);
    if (!number || loading < 0) {
        // The document changed under the script: load the page instead.
        m_frame.clear();
        if (m_waiting.isEmpty())
            m_waiting = m_shown.toLocalFile();
        done(true);
        return;
    }
    if (loading == 0 || ++m_polls > kMaxPolls) {
        m_swappedSinceRest = true;
        m_trim.start();
        if (m_swappedBytes >= kCollectAfterBytes)
            collectGarbage(true);
        done(true);
        return;
    }
    QPointer<PageView> self(this);
    QTimer::singleShot(kPollInterval, this, [self] {
        if (self && !self->m_closing && self->m_step == Step::Swapping)
            self->runSwapStep(swapScript::picturesLoading());
    });
}

void PageView::done(bool ok) {
    m_stuck.stop();
    m_step = Step::Idle;
    if (m_waiting.isEmpty()) {
        emit loadFinished(ok);
        return;
    }
    const QString next = std::exchange(m_waiting, QString());
    try {
        present(next);
    } catch (const Error& error) {
        emit pageFailed(next, error.description());
        emit loadFinished(false);
    }
}

// Contents swapped out are garbage in the engine's heap until its collector
// runs; a document that stays never prompts it as a new one does. Where the
// engine offers the collector, run it: during a run of swaps when the page
// has a moment to spare, so that no page waits behind it; at rest at once.
void PageView::collectGarbage(bool whenIdle) {
    m_swappedBytes = 0;
    m_view->page()->runJavaScript(
        whenIdle ? QStringLiteral("if (typeof gc === 'function') requestIdleCallback(() => gc())")
                 : QStringLiteral("if (typeof gc === 'function') gc()"),
        QWebEngineScript::ApplicationWorld);
}

// The document and every page on its way went with the render process: the
// last page asked for goes in again, as a document of its own in a new one.
void PageView::renderProcessEnded() {
    const QString path = m_waiting.isEmpty() ? m_shown.toLocalFile() : m_waiting;
    m_waiting.clear();
    m_frame.clear();
    m_stuck.stop();
    m_step = Step::Idle;
    const bool again = m_restarted.isValid() && m_restarted.elapsed() < kRestartWindow;
    m_restarted.start();
    if (again || path.isEmpty()) {
        m_shown.clear();
        m_view->setHtml(QStringLiteral(
            "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title></title></head>"
            "<body><p>显示页面的进程接连意外退出，页面无法显示；请在左边的目录中再选一次，"
            "若仍是空白，请关闭阅读器后重新打开。</p></body></html>"));
        return;
    }
    try {
        present(path);
    } catch (const Error& error) {
        emit pageFailed(path, error.description());
    }
}

void PageView::findText(const QString& text, bool backward) {
    m_finding = !text.isEmpty();
    m_view->page()->findText(text,
                             backward ? QWebEnginePage::FindBackward : QWebEnginePage::FindFlags());
}

QString PageView::title() const {
    return m_view->title();
}

void PageView::plainText(const std::function<void(const QString&)>& callback) const {
    m_view->page()->toPlainText(callback);
}

void PageView::evaluate(const QString& script,
                        const std::function<void(const QVariant&)>& callback) {
    m_view->page()->runJavaScript(script, QWebEngineScript::MainWorld, callback);
}

} // namespace platform
