#pragma once

#include "ResultRows.h"

#include "find/Finder.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace platform {
class NodeTree;
}
namespace library {
class LibraryFile;
class Searcher;
} // namespace library

namespace shell {

// The search at the top of the tree pane: a one-line field, and while it
// holds text a result list in the tree's place. Closed, it leaves the pane
// to the tree alone, exactly as without it.
class SearchPane final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchPane)

  public:
    using FinderFactory = std::function<std::unique_ptr<find::Finder>()>;
    static constexpr int kShownRows = 100;
    static constexpr int kIdleRelease = 1000; // ms after the last library search

    // The finder is made at the first search, not at start-up.
    SearchPane(QWidget* window, platform::NodeTree* tree, FinderFactory makeFinder);
    ~SearchPane() override;

    void open();
    void close();
    bool isOpen() const { return m_open; }
    // Lays out the field, the count, the list and the tree in the pane.
    void place(const QRect& pane);

    // The rows are drawn through display (another script, say); none draws
    // them as found.
    void setDisplay(std::function<QString(const QString&)> display) {
        m_display = std::move(display);
    }

    // The library's rows join the anthology's. The source is asked at the
    // first search, so that the library is opened only when used; without a
    // source, or when it gives none, the anthology is searched alone.
    using LibrarySource = std::function<const library::LibraryFile*()>;
    void setLibrary(LibrarySource source);

    QAction* openAction() const { return m_openAction; }
    QList<QAction*> actions() const { return {m_openAction, m_closeAction}; }
    QLineEdit* field() const { return m_field; }
    QListWidget* list() const { return m_list; }
    QLabel* count() const { return m_count; }

  signals:
    // A result was opened: select its node, then mark the text on its page.
    void resultChosen(const QString& key, const QString& highlight);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<QString(const QString&)> m_display;
    void search();
    void show(const ShownResults& results);
    ShownResults found(const QString& query);
    void choose(int row);
    void moveCurrent(int step);
    bool listing() const;
    bool handleKey(QObject* watched, int key);

    platform::NodeTree* m_tree;
    QLineEdit* m_field;
    QLabel* m_count;
    QListWidget* m_list;
    QAction* m_openAction;
    QAction* m_closeAction;
    FinderFactory m_makeFinder;
    std::unique_ptr<find::Finder> m_finder;
    std::vector<ShownRow> m_rows;
    LibrarySource m_librarySource;
    const library::LibraryFile* m_library = nullptr; // the one m_librarySearcher reads
    std::unique_ptr<library::Searcher> m_librarySearcher;
    QTimer m_pending;
    QTimer m_idle;
    QRect m_pane;
    bool m_open = false;
};

} // namespace shell
