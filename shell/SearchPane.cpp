#include "SearchPane.h"

#include "ResultDelegate.h"
#include "TableActions.h"

#include "library/LibraryFile.h"
#include "library/Searcher.h"
#include "platform/Error.h"
#include "platform/NodeTree.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace shell {

SearchPane::SearchPane(QWidget* window, platform::NodeTree* tree, FinderFactory makeFinder)
    : QObject(window), m_tree(tree), m_field(new QLineEdit(window)), m_count(new QLabel(window)),
      m_list(new QListWidget(window)), m_openAction(tableAction(QStringLiteral("find"), this)),
      m_closeAction(tableAction(QStringLiteral("closeFind"), this)),
      m_makeFinder(std::move(makeFinder)) {
    m_field->setPlaceholderText(QStringLiteral("诗题、诗句、诗人、成语、年号、年份或拼音"));
    m_field->setClearButtonEnabled(true);
    m_list->setItemDelegate(new ResultDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_list->setFocusPolicy(Qt::ClickFocus);
    for (QWidget* part : {static_cast<QWidget*>(m_field), static_cast<QWidget*>(m_count),
                          static_cast<QWidget*>(m_list)})
        part->hide();
    connect(m_openAction, &QAction::triggered, this, &SearchPane::open);
    // Closed, the search leaves the key to the rest of the window.
    m_closeAction->setEnabled(false);
    connect(m_closeAction, &QAction::triggered, this, &SearchPane::close);
    // Keystrokes arriving faster than the search collapse into one search.
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &SearchPane::search);
    connect(m_field, &QLineEdit::textChanged, this, [this] { m_pending.start(); });
    // Searches may read much of the library; once the reader pauses, its
    // pages go back to the system's cache instead of staying this
    // process's memory.
    m_idle.setSingleShot(true);
    m_idle.setInterval(kIdleRelease);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        if (m_library)
            m_library->releaseResidentPages();
    });
    // A click opens; a double-click is two clicks on the same result.
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(m_list->row(item)); });
    m_field->installEventFilter(this);
    m_list->installEventFilter(this);
}

SearchPane::~SearchPane() = default;

void SearchPane::open() {
    // The index is built when the search is first opened, before the first
    // keystroke, so that typing never waits for it (start-up does not either).
    if (!m_finder) {
        try {
            m_finder = m_makeFinder();
        } catch (const platform::Error& error) {
            m_count->setText(error.userText());
        }
    }
    m_open = true;
    m_closeAction->setEnabled(true);
    m_field->show();
    m_field->setFocus();
    m_field->selectAll();
    place(m_pane);
}

void SearchPane::close() {
    m_open = false;
    m_closeAction->setEnabled(false);
    m_pending.stop();
    for (QWidget* part : {static_cast<QWidget*>(m_field), static_cast<QWidget*>(m_count),
                          static_cast<QWidget*>(m_list)})
        part->hide();
    m_tree->show();
    place(m_pane);
    // The node last opened from the results is the tree's current node.
    if (QTreeWidgetItem* current = m_tree->currentItem())
        m_tree->scrollToItem(current);
    m_tree->setFocus();
}

bool SearchPane::listing() const {
    return m_open && !m_field->text().isEmpty();
}

void SearchPane::place(const QRect& pane) {
    m_pane = pane;
    if (!m_open) {
        m_tree->setGeometry(pane);
        return;
    }
    const int fieldHeight = m_field->sizeHint().height();
    m_field->setGeometry(pane.x(), pane.y(), pane.width(), fieldHeight);
    QRect below(pane.x(), pane.y() + fieldHeight, pane.width(), pane.height() - fieldHeight);
    m_count->setVisible(listing());
    m_list->setVisible(listing());
    m_tree->setVisible(!listing());
    if (!listing()) {
        m_tree->setGeometry(below);
        return;
    }
    const int countHeight = m_count->sizeHint().height();
    m_count->setGeometry(below.x() + 4, below.y(), below.width() - 4, countHeight);
    m_list->setGeometry(below.adjusted(0, countHeight, 0, 0));
}

void SearchPane::search() {
    if (!m_open)
        return;
    ShownResults results;
    try {
        if (!m_field->text().isEmpty()) {
            if (!m_finder)
                m_finder = m_makeFinder();
            results = found(m_field->text());
        }
    } catch (const platform::Error& error) {
        results.notice = error.userText();
    }
    show(results);
    place(m_pane);
}

void SearchPane::setLibrary(LibrarySource source) {
    m_librarySource = std::move(source);
    m_library = nullptr;
    m_librarySearcher.reset();
}

ShownResults SearchPane::found(const QString& query) {
    const find::Results anthology = m_finder->find(query, kShownRows);
    const library::LibraryFile* file = m_librarySource ? m_librarySource() : nullptr;
    if (file != m_library) {
        m_library = file;
        m_librarySearcher.reset();
    }
    if (!m_library)
        return shownRows(anthology);
    if (!m_librarySearcher)
        m_librarySearcher = std::make_unique<library::Searcher>(*m_library);
    m_idle.start();
    const library::Folding folding(m_library->foldTable());
    return shownRows(anthology, m_librarySearcher->find(query, kShownRows), folding,
                     m_librarySearcher->terms(query), kShownRows);
}

void SearchPane::show(const ShownResults& results) {
    m_rows = results.rows;
    m_list->clear();
    for (const ShownRow& row : m_rows) {
        auto* item = new QListWidgetItem(m_list);
        item->setData(ResultDelegate::kHtmlRole, m_display ? m_display(row.html) : row.html);
        item->setToolTip(row.tooltip);
    }
    if (!m_rows.empty())
        m_list->setCurrentRow(0);
    QString count = QStringLiteral("共 %1 条").arg(results.total);
    if (!results.notice.isEmpty())
        count = results.notice;
    m_count->setText(count);
}

void SearchPane::choose(int row) {
    if (row < 0 || row >= int(m_rows.size()))
        return;
    const ShownRow& result = m_rows[size_t(row)];
    emit resultChosen(result.key, result.highlight);
}

void SearchPane::moveCurrent(int step) {
    if (m_list->count() == 0)
        return;
    const int row = std::clamp(m_list->currentRow() + step, 0, m_list->count() - 1);
    m_list->setCurrentRow(row);
}

// The keys that work the result list from the field; the search's own
// shortcuts are the window's actions.
bool SearchPane::handleKey(QObject* watched, int key) {
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (watched != m_field || !listing())
            return false;
        moveCurrent(key == Qt::Key_Up ? -1 : 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!listing())
            return false;
        choose(m_list->currentRow());
        return true;
    default:
        return false;
    }
}

bool SearchPane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        // A search typed before the finder ran is searched first.
        if (m_pending.isActive() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            m_pending.stop();
            search();
        }
        return handleKey(watched, key->key());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shell
