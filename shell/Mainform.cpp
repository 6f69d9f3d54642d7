#include "Mainform.h"

#include "CardActions.h"
#include "EditionsActions.h"
#include "ErrorReport.h"
#include "FavouritesActions.h"
#include "HitMarker.h"
#include "LibraryBranch.h"
#include "Paths.h"
#include "Placement.h"
#include "PrintActions.h"
#include "ReadingActions.h"
#include "SearchPane.h"
#include "SplitterBar.h"
#include "TableActions.h"

#include "find/Search.h"
#include "nav/Classify.h"
#include "nav/FavouriteNodes.h"
#include "nav/ReaderKeys.h"
#include "nav/Selection.h"
#include "nav/TraditionalText.h"
#include "nav/TreeBuilder.h"
#include "pages/Builders.h"
#include "platform/Error.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Settings.h"
#include "store/ContentStore.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

namespace shell {
namespace {

const QString kSection = QStringLiteral("Setting");

nav::PageFiles pageFiles() {
    return {{paths::inWorkingFolder(paths::kPage), paths::inWorkingFolder(paths::kBullet)},
            paths::inWorkingFolder(paths::kAboutPage)};
}

} // namespace

Mainform::Mainform(QWidget* parent)
    : QWidget(parent), BtTree(new platform::NodeTree(this)), Ie(new platform::PageView(this)),
      Picture1(new SplitterBar(this)),
      m_search(new SearchPane(this, BtTree, [this] { return find::buildFinder(*m_content); })),
      m_marker(new HitMarker(Ie, this)), m_comfort(new ReadingActions(this, BtTree, Ie, m_reading)),
      m_favourites(new FavouritesActions(this, BtTree)), m_library(new LibraryBranch(BtTree, this)),
      m_print(new PrintActions(this, BtTree, Ie, m_reading, [this] { return m_content.get(); })),
      m_cards(new CardActions(this, BtTree, m_reading, [this] { return m_content.get(); })),
      m_editions(new EditionsActions(BtTree, m_library, [this] { return m_content.get(); }, this)) {
    setWindowTitle(QStringLiteral("Vellumbra"));
    BtTree->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(BtTree, &platform::NodeTree::nodeChosen, this, &Mainform::choose);
    connect(Picture1, &SplitterBar::released, this, &Mainform::barReleased);
    connect(Ie, &platform::PageView::pageFailed, this,
            [this](const QString& path, const QString& reason) {
                reportError(this,
                            platform::Error(platform::ErrorCode::PageNotLoaded, path, reason));
            });
    // While the reader reads, the content's cached pages are only memory.
    connect(Ie, &platform::PageView::atRest, this, [this] {
        if (m_content)
            m_content->database().releaseMemory();
    });
    wireSearch();
    wireComfort();
    m_print->setBookletKeys([this] { return m_favourites->keptKeys(); });
    m_favourites->setNodeMaker([this](const QString& key) { return m_library->prepare(key); });
    // The tree's right-click menu lists the reader's actions with their keys.
    installActions(this, BtTree,
                   m_comfort->actions() + m_favourites->actions() + m_print->actions() +
                       m_cards->actions() + m_search->actions() + m_marker->actions());
}

void Mainform::wireComfort() {
    connect(m_comfort, &ReadingActions::optionsChanged, this, [this](bool pageChanges) {
        saveReadingOptions();
        if (pageChanges)
            showSelectedAgain();
    });
    connect(m_comfort, &ReadingActions::keysPageRequested, this, &Mainform::showKeysPage);
    connect(m_comfort, &ReadingActions::editionsPageRequested, this, &Mainform::showEditionsPage);
    connect(m_editions, &EditionsActions::pageRequested, this, &Mainform::showEditionsPage);
    m_search->setDisplay([this](const QString& html) { return nav::lineShownIn(html, m_reading); });
}

void Mainform::showKeysPage() {
    try {
        m_folder.keepAlive();
        const pages::Target target = nav::shownIn(pageFiles().target, m_reading);
        pages::Keys(target, nav::keyRows(m_library->installed()));
        Ie->Navigate(target.page);
        m_editionsShown.clear();
        m_comfort->keysPageShown();
    } catch (const platform::Error& error) {
        reportError(this, error);
    }
}

// The poem stays chosen in the tree while its comparison is shown (or the
// node under 我的收藏 that leads to it), so that Back from the comparison,
// or a click on the node, shows the poem again.
void Mainform::showEditionsPage(const QString& key) {
    if (!BtTree->contains(key))
        return;
    try {
        m_folder.keepAlive();
        const std::optional<QString> page =
            m_editions->showPage(key, nav::shownIn(pageFiles().target, m_reading));
        if (!page)
            return;
        const QString chosen = BtTree->selectedKey();
        if (chosen != key && chosen != nav::favouriteNodes::nodeKey(key)) {
            const QSignalBlocker quiet(BtTree);
            BtTree->reveal(key);
        }
        m_editions->follow(BtTree->selectedKey());
        Ie->Navigate(*page);
        m_shownKey = BtTree->selectedKey();
        m_editionsShown = key;
        m_comfort->editionsPageShown(key);
    } catch (const platform::Error& error) {
        reportError(this, error);
    }
}

void Mainform::wireSearch() {
    connect(m_search, &SearchPane::resultChosen, this, &Mainform::openResult);
}

void Mainform::openResult(const QString& key, const QString& highlight) {
    m_library->prepare(key);
    if (!BtTree->contains(key))
        return;
    // The page is built exactly as for a choice in the tree, then marked as
    // it is shown.
    m_marker->markOnNextPage(nav::textShownIn(highlight, m_reading));
    BtTree->reveal(key);
}

// The page on show follows a switch that changes pages at once.
void Mainform::showSelectedAgain() {
    if (!m_editionsShown.isEmpty())
        return showEditionsPage(m_editionsShown);
    const QString current = BtTree->selectedKey();
    if (!current.isEmpty())
        choose(BtTree->info(current));
}

void Mainform::saveReadingOptions() {
    if (!m_settings)
        return;
    m_reading.writeChanges(*m_settings, m_savedReading);
    m_savedReading = m_reading;
    saveSettings();
}

// A change that could not be saved stays recorded for the next save. A lock
// that stays stuck fails every save alike: the user is told once.
void Mainform::saveSettings() {
    try {
        m_settings->flush();
        m_settingsFailure.clear();
    } catch (const platform::Error& error) {
        if (error.userText() == m_settingsFailure)
            return;
        m_settingsFailure = error.userText();
        reportError(this, error);
    }
}

Mainform::~Mainform() = default;

void Mainform::load() {
    // One look at the settings file serves the placement and the options;
    // the same object saves them.
    m_settings = std::make_unique<platform::Settings>(platform::Settings::programFile());
    restorePlacement(*m_settings);
    m_reading = nav::ReadingOptions::read(*m_settings);
    m_savedReading = m_reading;
    m_comfort->apply();
    m_folder.prepare(); // the About page too
    m_folder.markHidden();
    m_content = std::make_unique<store::ContentStore>(paths::inWorkingFolder(paths::kDatabase));
    nav::buildTree(*BtTree, *m_content);
    m_library->load();
    m_search->setLibrary([this] { return m_library->file(); });
    m_library->setAnthology([this] { return m_editions->links(); });
    m_editions->install(this);
    m_comfort->setLibraryRandom(
        [this](const QString& shown) { return m_library->randomPiece(shown); });
    // After 书库, so that 我的收藏 stands last.
    m_favourites->load();
    Ie->setAllowedFolder(paths::workingFolder());
    {
        const QSignalBlocker quiet(BtTree);
        BtTree->select(QStringLiteral("Rdm"));
    }
    m_shownKey = QStringLiteral("Rdm");
    // The keyboard works the tree from the first moment, as in any reader.
    BtTree->setFocus();
    // The About page is written already; in another script it is shown
    // converted, as any choice of it would be.
    choose(BtTree->info(QStringLiteral("Rdm")));
}

void Mainform::choose(const platform::NodeInfo& node) {
    if (!m_content)
        return;
    try {
        // A folder removed under the reader is made again, with its files.
        m_folder.keepAlive();
        const auto pageOfNode = [this](const platform::NodeInfo& shown) {
            return m_library->owns(shown.key)
                       ? m_library->show(shown.key, pageFiles().target, m_reading)
                       : nav::carryOut(nav::classify(shown), *m_content, pageFiles(), m_reading);
        };
        const std::optional<QString> kept =
            m_favourites->pageOf(node, pageFiles(), m_reading, pageOfNode);
        Ie->Navigate(kept ? *kept : pageOfNode(node));
        m_shownKey = node.key;
        m_editionsShown.clear();
        // Only a node whose page went in is a step to come back to.
        m_comfort->chosen(node.key);
    } catch (const platform::Error& error) {
        // The reader goes on with the page it showed last, and the tree
        // points at that page's node again.
        {
            const QSignalBlocker quiet(BtTree);
            BtTree->select(m_shownKey);
        }
        reportError(this, error);
    }
}

void Mainform::restorePlacement(const platform::Settings& settings) {
    const Placement p = placementFromTexts(
        settings.read(kSection, QStringLiteral("Left"), QStringLiteral("0")),
        settings.read(kSection, QStringLiteral("Top"), QStringLiteral("0")),
        settings.read(kSection, QStringLiteral("Width"), QStringLiteral("9285")),
        settings.read(kSection, QStringLiteral("Height"), QStringLiteral("6270")),
        settings.read(kSection, QStringLiteral("Window"), QStringLiteral("0")));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect frame = keepOnScreen(toPixels(QRect(p.left, p.top, p.width, p.height)), screens,
                                     primary ? primary->availableGeometry() : QRect());
    move(frame.topLeft());
    resize(frame.size());
    m_savedOuterSize = frame.size();
    if (p.state == WindowState::Minimised)
        setWindowState(Qt::WindowMinimized);
    else if (p.state == WindowState::Maximised)
        setWindowState(Qt::WindowMaximized);
}

void Mainform::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_frameCorrected)
        return;
    m_frameCorrected = true;
    // The saved size is the outer one; the frame is known only once shown.
    QTimer::singleShot(0, this, [this] {
        const QSize frame = frameGeometry().size() - size();
        if (frame != QSize(0, 0) && windowState() == Qt::WindowNoState)
            resize(m_savedOuterSize - frame);
    });
}

void Mainform::savePlacement() {
    if (!m_settings)
        return;
    platform::Settings& settings = *m_settings;
    WindowState state = WindowState::Normal;
    if (windowState() & Qt::WindowMinimized)
        state = WindowState::Minimised;
    else if (windowState() & Qt::WindowMaximized)
        state = WindowState::Maximised;
    settings.write(kSection, QStringLiteral("Window"), QString::number(int(state)));
    if (state == WindowState::Normal) {
        const QRect frame = frameGeometry();
        const double dpiX = logicalDpiX();
        const double dpiY = logicalDpiY();
        const Placement p = usable({pixelsToTwips(frame.x(), dpiX), pixelsToTwips(frame.y(), dpiY),
                                    pixelsToTwips(frame.width(), dpiX),
                                    pixelsToTwips(frame.height(), dpiY), state});
        settings.write(kSection, QStringLiteral("Top"), QString::number(p.top));
        settings.write(kSection, QStringLiteral("Left"), QString::number(p.left));
        settings.write(kSection, QStringLiteral("Width"), QString::number(p.width));
        settings.write(kSection, QStringLiteral("Height"), QString::number(p.height));
    }
    saveSettings();
}

void Mainform::closeEvent(QCloseEvent* event) {
    finish();
    event->accept();
}

void Mainform::finish() {
    if (std::exchange(m_finished, true))
        return;
    if (m_content)
        m_content->close();
    // Each step reports its own failure and the next still runs: a file that
    // cannot be deleted must not cost the user the window's placement.
    try {
        m_folder.remove();
    } catch (const platform::Error& error) {
        reportError(this, error);
    }
    savePlacement();
}

QRect Mainform::toPixels(const QRect& twips) const {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    return QRect(twipsToPixels(twips.x(), dpiX), twipsToPixels(twips.y(), dpiY),
                 twipsToPixels(twips.width(), dpiX), twipsToPixels(twips.height(), dpiY));
}

int Mainform::clientWidthTwips() const {
    return pixelsToTwips(width(), logicalDpiX());
}

void Mainform::layOut() {
    const PaneLayout panes =
        layoutPanes(m_treeWidth, clientWidthTwips(), pixelsToTwips(height(), logicalDpiY()));
    m_search->place(toPixels(panes.tree));
    Picture1->setGeometry(toPixels(panes.bar));
    // A window narrower than the tree leaves the view where it last fitted.
    if (panes.view.width() >= 0)
        Ie->setGeometry(toPixels(panes.view));
}

void Mainform::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOut();
}

void Mainform::barReleased() {
    m_treeWidth =
        treeWidthOnRelease(pixelsToTwips(Picture1->x(), logicalDpiX()), clientWidthTwips());
    layOut();
    // Let go, the bar stands flush against the tree until the next resize.
    Picture1->move(toPixels(QRect(m_treeWidth, 0, kBarWidth, 0)).topLeft());
}

} // namespace shell
