#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

class QPrinter;
class QWebEngineView;

namespace platform {

class LocalFilesOnly;

// A page laid out away from the window, for paper and pictures. It shows
// only what the page itself holds: no selection, no marks of a search, no
// style the window lays over its pages (the dark theme), and its size does
// not follow the window's. One job at a time; a job asked for while another
// runs fails at once.
class PageRenderer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageRenderer)

  public:
    using Done = std::function<void(bool ok, const QString& reason)>;

    explicit PageRenderer(QObject* parent = nullptr);
    ~PageRenderer() override;

    bool busy() const { return m_busy; }

    // The page file at path (code page 936, as the view shows them), on A4
    // with margins, written as PDF to target. The fonts go in with the text.
    void pdfFromFile(const QString& path, const QString& target, const Done& done);
    // The same page through a printer the user has set up.
    void printFile(const QString& path, QPrinter* printer, const Done& done);
    // UTF-8 HTML as a picture width pixels wide, as tall as its content, at
    // scale device pixels per CSS pixel (the layout is width / scale wide).
    void imageFromHtml(const QString& html, int width, qreal scale,
                       const std::function<void(const QImage&)>& done);

  private:
    void loadFile(const QString& path, const std::function<void(bool)>& loaded);
    void finish(const Done& done, bool ok, const QString& reason);
    void measureAndGrab(int width, qreal scale, const std::function<void(const QImage&)>& done);
    void grabWhenLaidOut(QSize size, int cssHeight, int tries,
                         const std::function<void(const QImage&)>& done);

    QWebEngineView* m_view;
    LocalFilesOnly* m_filter;
    std::function<void(bool)> m_loaded;
    bool m_busy = false;
};

} // namespace platform
