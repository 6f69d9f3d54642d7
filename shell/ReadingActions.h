#pragma once

#include "nav/NodeHistory.h"
#include "nav/RandomVerse.h"
#include "nav/ReadingOptions.h"

#include <QObject>
#include <QPalette>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QWidget;

namespace platform {
class NodeTree;
class PageView;
} // namespace platform

namespace shell {

// The reader's comfort actions and every reading option: text size, back
// and forward through the nodes chosen, a random poem, the keys page, theme,
// script (and which Traditional) and pinyin. Each is an action of the reader's key table, for the
// tree's menu and the window's shortcuts; the mouse's gestures (Ctrl+wheel,
// back and forward buttons) over the tree and the page come here too.
class ReadingActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReadingActions)

  public:
    ReadingActions(QWidget* window, platform::NodeTree* tree, platform::PageView* view,
                   nav::ReadingOptions& options);
    ~ReadingActions() override;

    // Shows the options as read: size, theme, the switches.
    void apply();
    // A node was chosen, by any means: it becomes the latest step.
    void chosen(const QString& key);
    // The keys page went in: a step too, so that Back from it returns to the
    // node shown before it, and Forward comes back to it.
    void keysPageShown();
    // The comparison of an anthology poem's editions went in: a step too.
    void editionsPageShown(const QString& key);

    QList<QAction*> actions() const { return m_actions; }
    QAction* action(const QString& id) const;
    const nav::NodeHistory& history() const { return m_history; }
    bool darkShown() const;
    // Ctrl+R in the library's branch: a piece of the library, its node made.
    using LibraryRandom = std::function<std::optional<QString>(const QString& shown)>;
    void setLibraryRandom(LibraryRandom pick) { m_libraryRandom = std::move(pick); }

  signals:
    // An option changed and is to be kept; with pageChanges the page on show
    // is to be built again.
    void optionsChanged(bool pageChanges);
    void keysPageRequested();
    // Back or forward came to the comparison page of that poem.
    void editionsPageRequested(const QString& key);

  private:
    QAction* make(const QString& id);
    void addSwitches();
    void watchGestures();
    void zoomTo(int percent);
    void step(bool forward);
    void randomPiece();
    void nextTheme();
    void applyTheme();
    void setTraditional(bool on);
    void makeVariants();
    void showVariant();
    void chooseVariant(nav::Script variant);

    QWidget* m_window;
    platform::NodeTree* m_tree;
    platform::PageView* m_view;
    nav::ReadingOptions& m_options;
    nav::NodeHistory m_history;
    std::unique_ptr<nav::RandomVerse> m_verses;
    LibraryRandom m_libraryRandom;
    QList<QAction*> m_actions;
    QPalette m_desktopPalette;
    qreal m_treePointSize;
    bool m_themed = false; // a palette and page style were laid on
    // The Traditional the switch turns on: the one last chosen.
    nav::Script m_variant = nav::Script::Traditional;
};

} // namespace shell
