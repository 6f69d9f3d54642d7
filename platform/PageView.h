#pragma once

#include <QString>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <functional>

class QWebEngineView;

namespace platform {

class LocalFilesOnly;

// The page view: shows one page file of the working folder at a time.
class PageView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageView)

  public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    // Shows the file's current bytes, even when the path is the one shown
    // last. The pages are code page 936 without a charset declaration, and
    // the engine would guess UTF-8 for a page whose bytes happen to be valid
    // UTF-8, so the bytes are handed over with the charset named.
    void Navigate(const QString& path);

    // Requests outside this folder are refused (the pages need no network).
    void setAllowedFolder(const QString& folder);

    // Marks every occurrence of text on the page and moves to the next one
    // (or the previous one) after the current; an empty text clears the marks.
    void findText(const QString& text, bool backward = false);

    QString title() const;
    // The text the page shows, delivered to the callback once read.
    void plainText(const std::function<void(const QString&)>& callback) const;

  signals:
    void loadFinished(bool ok);
    // The page asked for could not be shown; a load that the next one
    // replaced is not a failure.
    void pageFailed(const QString& path, const QString& reason);
    // The outcome of findText: the current occurrence (from 1) of how many.
    void textFound(int current, int count);

  private:
    QWebEngineView* m_view;
    LocalFilesOnly* m_filter;
    QTimer m_trim;
    QUrl m_shown;
};

} // namespace platform
