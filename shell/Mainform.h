#pragma once

#include "PaneLayout.h"
#include "WorkingFolder.h"

#include "nav/ReadingOptions.h"

#include <QWidget>

#include <memory>

namespace platform {
class NodeTree;
class PageView;
class Settings;
struct NodeInfo;
} // namespace platform
namespace store {
class ContentStore;
}

namespace shell {

class CardActions;
class EditionsActions;
class FavouritesActions;
class HitMarker;
class LibraryBranch;
class PrintActions;
class ReadingActions;
class SearchPane;
class SplitterBar;

// The reader's one window: the tree on the left, the page view on the right,
// the bar between them. It wires events to the core and holds the open
// content from start-up to exit.
class Mainform final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Mainform)

  public:
    explicit Mainform(QWidget* parent = nullptr);
    ~Mainform() override;

    // Start-up: placement, working folder, About page, database, tree, first
    // page. Throws platform::Error at the first step that fails.
    void load();
    // The steps of closing that keep the user's things in order: the working
    // folder removed, the placement saved. They run once, from the close or,
    // when the process ends with the window still open, from its end.
    void finish();

    platform::NodeTree* tree() const { return BtTree; }
    platform::PageView* view() const { return Ie; }
    int treeWidthTwips() const { return m_treeWidth; }
    SearchPane* search() const { return m_search; }
    ReadingActions* reading() const { return m_comfort; }
    FavouritesActions* favourites() const { return m_favourites; }
    PrintActions* printing() const { return m_print; }
    CardActions* cards() const { return m_cards; }
    EditionsActions* editions() const { return m_editions; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void restorePlacement(const platform::Settings& settings);
    void savePlacement();
    void choose(const platform::NodeInfo& node);
    void saveReadingOptions();
    void saveSettings();
    void showSelectedAgain();
    void wireComfort();
    void showKeysPage();
    void showEditionsPage(const QString& key);
    void wireSearch();
    void openResult(const QString& key, const QString& highlight);
    void layOut();
    void barReleased();
    QRect toPixels(const QRect& twips) const;
    int clientWidthTwips() const;

    platform::NodeTree* BtTree; // the navigation tree
    platform::PageView* Ie;     // the page view
    SplitterBar* Picture1;      // the splitter bar between them
    nav::ReadingOptions m_reading;
    nav::ReadingOptions m_savedReading; // as last read or handed to the settings
    std::unique_ptr<platform::Settings> m_settings;
    QString m_settingsFailure; // the last failure to save them, already reported
    SearchPane* m_search;
    HitMarker* m_marker;
    ReadingActions* m_comfort;
    FavouritesActions* m_favourites;
    LibraryBranch* m_library;
    PrintActions* m_print;
    CardActions* m_cards;
    EditionsActions* m_editions;
    std::unique_ptr<store::ContentStore> m_content;
    WorkingFolder m_folder;
    QString m_shownKey;      // the node whose page the view shows
    QString m_editionsShown; // the poem whose comparison page the view shows, if any
    int m_treeWidth = kDesignTreeWidth;
    QSize m_savedOuterSize;        // the saved size, window frame included
    bool m_frameCorrected = false; // the first show took the frame off it
    bool m_finished = false;
};

} // namespace shell
