#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QWidget>

#include <functional>

class QWebEngineView;

namespace platform {

class LocalFilesOnly;
struct PageParts;

// The page view: shows one page file of the working folder at a time.
//
// A page whose frame (head and body tag) is the one of the document shown,
// from the same file, has its title and body put into that document instead
// of a new document being loaded: same parse, same handlers on the body, a
// fraction of the cost. Any other page is loaded as a document of its own.
// One page is put in at a time; a page asked for meanwhile waits, and a later
// one replaces it, so a burst of choices lays out only its last page.
// Everything a page brings goes in through present(); scripts or styles the
// profile adds to every document stay in place while contents are swapped.
class PageView final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageView)

  public:
    explicit PageView(QWidget* parent = nullptr);
    ~PageView() override;

    // Shows the file's current bytes, even when the path is the one shown
    // last. The pages are code page 936 without a charset declaration, and
    // the engine would guess UTF-8 for a page whose bytes happen to be valid
    // UTF-8, so the bytes are handed over with the charset named. Throws
    // platform::Error when the file cannot be read now.
    void Navigate(const QString& path);

    // Requests outside this folder are refused (the pages need no network).
    void setAllowedFolder(const QString& folder);

    // Marks every occurrence of text on the page and moves to the next one
    // (or the previous one) after the current; an empty text clears the marks.
    void findText(const QString& text, bool backward = false);

    // Text size in per cent, for this page and the pages after it.
    void setZoomPercent(int percent);
    // A style sheet laid over every page as it loads, and over the page on
    // show; an empty one takes it away. The page files stay as they are.
    void setUserStyleSheet(const QString& css);
    // The page's input (wheel, mouse, keys) goes through the filter before
    // the engine sees it, in every widget the engine draws into.
    void setInputFilter(QObject* filter);

    QString title() const;
    // The page file on show, or empty when none is.
    QString shownFile() const { return m_shown.toLocalFile(); }
    // The text the page shows, delivered to the callback once read.
    void plainText(const std::function<void(const QString&)>& callback) const;
    // Scripts run in the page's own world, the callback receiving the result.
    void evaluate(const QString& script, const std::function<void(const QVariant&)>& callback);

  signals:
    // The page asked for last is in: loaded, or put in and laid out, its
    // pictures loaded.
    void loadFinished(bool ok);
    // The page asked for could not be shown; a load that the next one
    // replaced is not a failure.
    void pageFailed(const QString& path, const QString& reason);
    // The outcome of findText: the current occurrence (from 1) of how many.
    void textFound(int current, int count);
    // A second has passed since the last page went in: the reader has paused,
    // and what is kept only for speed can be handed back.
    void atRest();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Step { Idle, Loading, Swapping };

    void present(const QString& path);
    void load(const QByteArray& bytes, const QUrl& url, const QByteArray& frame);
    void swap(const PageParts& parts);
    void runSwapStep(const QString& script);
    void swapped(const QVariant& picturesLoading);
    void done(bool ok);
    void collectGarbage(bool whenIdle);
    void renderProcessEnded();

    QWebEngineView* m_view;
    LocalFilesOnly* m_filter;
    QPointer<QObject> m_inputFilter;
    QTimer m_trim;
    QTimer m_stuck;
    QUrl m_shown;
    // The frame of the document in the view, empty when its content cannot
    // be swapped (not loaded yet, not from a page file, or left by a link).
    QByteArray m_frame;
    QByteArray m_loadingFrame;
    Step m_step = Step::Idle;
    QString m_waiting;
    int m_polls = 0;
    // Bytes of pages swapped in since the engine's collector last ran.
    qsizetype m_swappedBytes = 0;
    bool m_finding = false;
    bool m_swappedSinceRest = false;
    bool m_closing = false;
    // Since the page was last put in again after its render process ended.
    QElapsedTimer m_restarted;
};

} // namespace platform
