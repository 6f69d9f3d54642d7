#include "ReadingActions.h"

#include "PointerGestures.h"
#include "ReadingTheme.h"
#include "ScriptDelegate.h"
#include "TableActions.h"

#include "nav/LibraryNode.h"
#include "nav/Zoom.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QWidget>

#include <array>
#include <utility>

namespace shell {
namespace {

// The reading options that are simply on or off. Each is a row here and an
// entry of the key table; switched, the page on show is built again.
struct Switch {
    const char16_t* id;
    bool (*isOn)(const nav::ReadingOptions&);
    void (*set)(nav::ReadingOptions&, bool);
};

const std::array kSwitches{
    Switch{u"pinyin", [](const nav::ReadingOptions& o) { return o.pinyin; },
           [](nav::ReadingOptions& o, bool on) { o.pinyin = on; }},
    Switch{u"metre", [](const nav::ReadingOptions& o) { return o.metre; },
           [](nav::ReadingOptions& o, bool on) { o.metre = on; }},
    Switch{u"vertical", [](const nav::ReadingOptions& o) { return o.vertical; },
           [](nav::ReadingOptions& o, bool on) { o.vertical = on; }},
};

// The Traditionals the script switch can show, each a menu entry.
const std::array<std::pair<const char16_t*, nav::Script>, 3> kVariants{
    {{u"scriptStandard", nav::Script::Traditional},
     {u"scriptTaiwan", nav::Script::Taiwan},
     {u"scriptHongKong", nav::Script::HongKong}}};

// The keys page's step in the history: no node's key looks like it.
const QString kKeysPageStep = QStringLiteral("<keys>");
// A comparison page's step: this, then the poem's key.
const QString kEditionsStep = QStringLiteral("<editions>");

} // namespace

ReadingActions::ReadingActions(QWidget* window, platform::NodeTree* tree, platform::PageView* view,
                               nav::ReadingOptions& options)
    : QObject(window), m_window(window), m_tree(tree), m_view(view), m_options(options),
      m_desktopPalette(QApplication::palette()), m_treePointSize(tree->font().pointSizeF()) {
    connect(make(QStringLiteral("zoomIn")), &QAction::triggered, this,
            [this] { zoomTo(nav::zoomIn(m_options.zoom)); });
    connect(make(QStringLiteral("zoomOut")), &QAction::triggered, this,
            [this] { zoomTo(nav::zoomOut(m_options.zoom)); });
    connect(make(QStringLiteral("zoomReset")), &QAction::triggered, this,
            [this] { zoomTo(nav::kDefaultZoom); });
    connect(make(QStringLiteral("back")), &QAction::triggered, this, [this] { step(false); });
    connect(make(QStringLiteral("forward")), &QAction::triggered, this, [this] { step(true); });
    connect(make(QStringLiteral("random")), &QAction::triggered, this,
            &ReadingActions::randomPiece);
    connect(make(QStringLiteral("theme")), &QAction::triggered, this, &ReadingActions::nextTheme);
    connect(make(QStringLiteral("script")), &QAction::toggled, this,
            &ReadingActions::setTraditional);
    makeVariants();
    addSwitches();
    connect(make(QStringLiteral("keys")), &QAction::triggered, this,
            &ReadingActions::keysPageRequested);
    watchGestures();
    tree->setItemDelegate(new ScriptDelegate(m_options, tree));
}

ReadingActions::~ReadingActions() = default;

QAction* ReadingActions::make(const QString& id) {
    QAction* action = tableAction(id, this);
    m_actions << action;
    return action;
}

void ReadingActions::addSwitches() {
    for (const Switch& each : kSwitches) {
        connect(make(QString::fromUtf16(each.id)), &QAction::toggled, this, [this, &each](bool on) {
            each.set(m_options, on);
            // The tree draws its nodes through the options too.
            m_tree->viewport()->update();
            emit optionsChanged(true);
        });
    }
}

void ReadingActions::watchGestures() {
    auto* gestures = new PointerGestures(this);
    m_tree->viewport()->installEventFilter(gestures);
    m_view->setInputFilter(gestures);
    connect(gestures, &PointerGestures::zoomWheel, this, [this](int steps) {
        zoomTo(steps > 0 ? nav::zoomIn(m_options.zoom) : nav::zoomOut(m_options.zoom));
    });
    connect(gestures, &PointerGestures::historyButton, this, &ReadingActions::step);
}

QAction* ReadingActions::action(const QString& id) const {
    for (QAction* each : m_actions)
        if (each->objectName() == id)
            return each;
    return nullptr;
}

void ReadingActions::apply() {
    zoomTo(m_options.zoom);
    applyTheme();
    if (nav::isTraditional(m_options.script))
        m_variant = m_options.script;
    {
        QAction* script = action(QStringLiteral("script"));
        const QSignalBlocker quiet(script);
        script->setChecked(nav::isTraditional(m_options.script));
    }
    showVariant();
    for (const Switch& each : kSwitches) {
        QAction* shown = action(QString::fromUtf16(each.id));
        const QSignalBlocker quiet(shown);
        shown->setChecked(each.isOn(m_options));
    }
}

void ReadingActions::chosen(const QString& key) {
    m_history.visit(key);
}

void ReadingActions::keysPageShown() {
    m_history.visit(kKeysPageStep);
}

void ReadingActions::editionsPageShown(const QString& key) {
    m_history.visit(kEditionsStep + key);
}

void ReadingActions::zoomTo(int percent) {
    const bool changed = percent != m_options.zoom;
    m_options.zoom = percent;
    // At start, the size as built needs no work: the start-up is kept short.
    if (changed || percent != nav::kDefaultZoom) {
        m_view->setZoomPercent(percent);
        QFont font = m_tree->font();
        font.setPointSizeF(m_treePointSize * percent / 100.0);
        m_tree->setFont(font);
    }
    if (changed)
        emit optionsChanged(false);
}

void ReadingActions::step(bool forward) {
    const std::optional<QString> key = forward ? m_history.forward() : m_history.back();
    if (key == kKeysPageStep)
        emit keysPageRequested();
    else if (key && key->startsWith(kEditionsStep))
        emit editionsPageRequested(key->mid(kEditionsStep.size()));
    else if (key && m_tree->contains(*key))
        m_tree->reveal(*key);
}

void ReadingActions::randomPiece() {
    // In the library's branch, a piece of the library.
    if (m_libraryRandom && nav::libraryNode::inLibrary(m_tree->selectedKey())) {
        if (const std::optional<QString> key = m_libraryRandom(m_tree->selectedKey()))
            m_tree->reveal(*key);
        return;
    }
    if (!m_verses)
        m_verses = std::make_unique<nav::RandomVerse>(m_tree->keys());
    if (const std::optional<QString> key = m_verses->pick(m_tree->selectedKey()))
        m_tree->reveal(*key);
}

void ReadingActions::nextTheme() {
    using nav::Theme;
    m_options.theme = m_options.theme == Theme::Desktop ? Theme::Light
                      : m_options.theme == Theme::Light ? Theme::Dark
                                                        : Theme::Desktop;
    applyTheme();
    emit optionsChanged(false);
}

bool ReadingActions::darkShown() const {
    return m_options.theme == nav::Theme::Dark ||
           (m_options.theme == nav::Theme::Desktop && isDark(m_desktopPalette));
}

void ReadingActions::applyTheme() {
    action(QStringLiteral("theme"))->setText(themeLabel(m_options.theme));
    const bool dark = darkShown();
    // The desktop's own light colours need nothing laid over them.
    if (!m_themed && !dark && !isDark(m_desktopPalette))
        return;
    m_themed = true;
    m_window->setPalette(dark ? darkPalette() : lightPalette(m_desktopPalette));
    m_view->setUserStyleSheet(dark ? darkPageStyle() : QString());
}

void ReadingActions::setTraditional(bool on) {
    m_options.script = on ? m_variant : nav::Script::Simplified;
    m_tree->viewport()->update();
    emit optionsChanged(true);
}

void ReadingActions::makeVariants() {
    auto* group = new QActionGroup(this);
    for (const auto& [id, variant] : kVariants) {
        QAction* choice = make(QString::fromUtf16(id));
        group->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, variant] { chooseVariant(variant); });
    }
    showVariant();
}

void ReadingActions::showVariant() {
    for (const auto& [id, variant] : kVariants) {
        QAction* choice = action(QString::fromUtf16(id));
        const QSignalBlocker quiet(choice);
        choice->setChecked(variant == m_variant);
    }
}

// Choosing a variant shows it at once; the switch then goes back to it.
void ReadingActions::chooseVariant(nav::Script variant) {
    m_variant = variant;
    QAction* script = action(QStringLiteral("script"));
    if (!script->isChecked())
        script->setChecked(true);
    else if (m_options.script != variant)
        setTraditional(true);
}

} // namespace shell
