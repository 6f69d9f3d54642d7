#include "PageRenderer.h"

#include "Error.h"
#include "Files.h"
#include "LocalFilesOnly.h"

#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <cmath>

namespace platform {
namespace {

// A4 with the margins of a printed book page.
QPageLayout a4() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18),
                       QPageLayout::Millimeter);
}

// Pictures are taken once the engine has painted the size asked for; a page
// that never gets there gives up after this many tries.
constexpr int kGrabTries = 40;
constexpr int kGrabInterval = 50;

} // namespace

PageRenderer::PageRenderer(QObject* parent)
    : QObject(parent), m_view(new QWebEngineView), m_filter(new LocalFilesOnly(this)) {
    // Its own off-the-record profile: nothing of the window's, nothing on disk.
    auto* profile = new QWebEngineProfile(this);
    profile->setUrlRequestInterceptor(m_filter);
    profile->setHttpCacheType(QWebEngineProfile::NoCache);
    auto* page = new QWebEnginePage(profile, m_view);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    page->settings()->setAttribute(QWebEngineSettings::PrintElementBackgrounds, true);
    m_view->setPage(page);
    // Laid out and painted, but never on the screen.
    m_view->setAttribute(Qt::WA_DontShowOnScreen);
    m_view->resize(794, 1123);
    connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (auto loaded = std::exchange(m_loaded, {}))
            loaded(ok);
    });
}

PageRenderer::~PageRenderer() {
    delete m_view;
}

void PageRenderer::finish(const Done& done, bool ok, const QString& reason) {
    m_busy = false;
    done(ok, reason);
}

void PageRenderer::loadFile(const QString& path, const std::function<void(bool)>& loaded) {
    const QByteArray bytes = files::read(path);
    const QFileInfo info(path);
    m_filter->setFolder(info.absolutePath());
    m_loaded = loaded;
    m_view->setContent(bytes, QStringLiteral("text/html;charset=GBK"),
                       QUrl::fromLocalFile(info.absoluteFilePath()));
}

void PageRenderer::pdfFromFile(const QString& path, const QString& target, const Done& done) {
    if (std::exchange(m_busy, true)) {
        done(false, QStringLiteral("另一份还在生成"));
        return;
    }
    try {
        QPointer<PageRenderer> self(this);
        loadFile(path, [self, target, done](bool ok) {
            if (!self)
                return;
            if (!ok) {
                self->finish(done, false, QStringLiteral("页面无法载入"));
                return;
            }
            // Written whole or not at all: a file of that name stays as it was
            // until the new one is complete.
            self->m_view->page()->printToPdf(
                [self, target, done](const QByteArray& pdf) {
                    if (!self)
                        return;
                    if (pdf.isEmpty()) {
                        self->finish(done, false, QStringLiteral("页面无法排成 PDF"));
                        return;
                    }
                    try {
                        files::writeAtomically(target, pdf);
                        self->finish(done, true, {});
                    } catch (const Error& error) {
                        self->finish(done, false, error.description());
                    }
                },
                a4());
        });
    } catch (const Error& error) {
        finish(done, false, error.description());
    }
}

void PageRenderer::printFile(const QString& path, QPrinter* printer, const Done& done) {
    if (std::exchange(m_busy, true)) {
        done(false, QStringLiteral("另一份还在生成"));
        return;
    }
    try {
        QPointer<PageRenderer> self(this);
        loadFile(path, [self, printer, done](bool ok) {
            if (!self)
                return;
            if (!ok) {
                self->finish(done, false, QStringLiteral("页面无法载入"));
                return;
            }
            auto* once = new QObject(self);
            connect(self->m_view, &QWebEngineView::printFinished, once,
                    [self, once, done](bool printed) {
                        once->deleteLater();
                        self->finish(done, printed, printed ? QString() : QStringLiteral("打印未能完成"));
                    });
            self->m_view->print(printer);
        });
    } catch (const Error& error) {
        finish(done, false, error.description());
    }
}

void PageRenderer::imageFromHtml(const QString& html, int width, qreal scale,
                                 const std::function<void(const QImage&)>& done) {
    if (std::exchange(m_busy, true)) {
        done({});
        return;
    }
    m_view->setZoomFactor(scale);
    m_view->resize(width, 200);
    m_view->show();
    QPointer<PageRenderer> self(this);
    m_loaded = [self, width, scale, done](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->m_busy = false;
            done({});
            return;
        }
        self->measureAndGrab(width, scale, done);
    };
    m_view->setHtml(html, QUrl(QStringLiteral("about:blank")));
}

// The content's height decides the picture's; the picture is taken once the
// page has been laid out at that size and painted again.
void PageRenderer::measureAndGrab(int width, qreal scale,
                                  const std::function<void(const QImage&)>& done) {
    QPointer<PageRenderer> self(this);
    m_view->page()->runJavaScript(
        QStringLiteral("Math.ceil(document.documentElement.getBoundingClientRect().height)"),
        [self, width, scale, done](const QVariant& cssHeight) {
            if (!self)
                return;
            const int css = std::max(1, cssHeight.toInt());
            const int height = int(std::ceil(css * scale));
            self->m_view->resize(width, height);
            self->grabWhenLaidOut(QSize(width, height), css, 0, done);
        });
}

void PageRenderer::grabWhenLaidOut(QSize size, int cssHeight, int tries,
                                   const std::function<void(const QImage&)>& done) {
    QPointer<PageRenderer> self(this);
    QTimer::singleShot(kGrabInterval, this, [self, size, cssHeight, tries, done] {
        if (!self)
            return;
        self->m_view->page()->runJavaScript(
            QStringLiteral("window.innerHeight"),
            [self, size, cssHeight, tries, done](const QVariant& inner) {
                if (!self)
                    return;
                const bool laidOut = inner.toInt() >= cssHeight;
                if (!laidOut && tries < kGrabTries) {
                    self->grabWhenLaidOut(size, cssHeight, tries + 1, done);
                    return;
                }
                // A few frames more for the paint of the new size.
                QTimer::singleShot(4 * kGrabInterval, self, [self, size, laidOut, done] {
                    if (!self)
                        return;
                    const QImage image = self->m_view->grab().toImage();
                    self->m_view->hide();
                    self->m_busy = false;
                    done(laidOut && image.size() == size ? image : QImage());
                });
            });
    });
}

} // namespace platform
