#include "PrintActions.h"

#include "Paths.h"
#include "TableActions.h"

#include "nav/Booklet.h"
#include "platform/Error.h"
#include "platform/NodeTree.h"
#include "platform/PageRenderer.h"
#include "platform/PageView.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>

namespace shell {
namespace {

// The scratch files of paper, in the working folder like every page.
const QString kPiecePage = QStringLiteral("~piece.$$$");
const QString kBookletPage = QStringLiteral("~booklet.$$$");

// A name the user's file system takes: no separators, nothing empty.
QString fileName(QString title, const QString& fallback) {
    for (const QChar c : {u'/', u'\\', u':', u'*', u'?', u'"', u'<', u'>', u'|'})
        title.replace(c, u'_');
    title = title.trimmed();
    return title.isEmpty() ? fallback : title;
}

// Said without holding the window: the reader goes on while it is read.
void tell(QWidget* window, QMessageBox::Icon icon, const QString& title, const QString& text) {
    auto* box = new QMessageBox(icon, title, text, QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

} // namespace

PrintActions::PrintActions(QWidget* window, platform::NodeTree* tree, platform::PageView* view,
                           const nav::ReadingOptions& options, ContentSource content)
    : QObject(window), m_window(window), m_tree(tree), m_view(view), m_options(options),
      m_content(std::move(content)) {
    connect(make(QStringLiteral("print")), &QAction::triggered, this, &PrintActions::printPage);
    connect(make(QStringLiteral("savePdf")), &QAction::triggered, this, &PrintActions::askPdf);
    connect(make(QStringLiteral("printFavourites")), &QAction::triggered, this,
            &PrintActions::askBooklet);
}

PrintActions::~PrintActions() = default;

QAction* PrintActions::make(const QString& id) {
    QAction* action = tableAction(id, this);
    m_actions << action;
    return action;
}

platform::PageRenderer& PrintActions::renderer() {
    if (!m_renderer)
        m_renderer = new platform::PageRenderer(this);
    return *m_renderer;
}

void PrintActions::printPage() {
    const QString page = m_view->shownFile();
    if (page.isEmpty())
        return;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(m_view->title());
    QPrintDialog dialog(printer.get(), m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The printer lives until the engine is done with it.
    renderer().printFile(page, printer.get(), [this, printer](bool ok, const QString& reason) {
        report(QStringLiteral("打印"), ok, reason);
    });
}

QString PrintActions::askTarget(const QString& caption, const QString& name) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString target =
        QFileDialog::getSaveFileName(m_window, caption, folder + u'/' + name + QStringLiteral(".pdf"),
                                     QStringLiteral("PDF 文件 (*.pdf)"));
    if (!target.isEmpty() && !target.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        target += QStringLiteral(".pdf");
    return target;
}

void PrintActions::askPdf() {
    if (m_view->shownFile().isEmpty())
        return;
    const QString target =
        askTarget(QStringLiteral("存为 PDF"), fileName(m_view->title(), QStringLiteral("页面")));
    if (!target.isEmpty())
        savePageAsPdf(target);
}

void PrintActions::savePageAsPdf(const QString& target) {
    renderer().pdfFromFile(m_view->shownFile(), target, [this](bool ok, const QString& reason) {
        report(QStringLiteral("存为 PDF"), ok, reason);
    });
}

void PrintActions::askBooklet() {
    const QStringList keys = m_bookletKeys ? m_bookletKeys() : QStringList();
    if (keys.isEmpty()) {
        tell(m_window, QMessageBox::Information, QStringLiteral("打印收藏"),
             QStringLiteral("还没有收藏，没有可以打印的。"));
        emit finished(false, QStringLiteral("没有可以打印的"));
        return;
    }
    const QString target = askTarget(QStringLiteral("打印收藏"), QStringLiteral("我的收藏"));
    if (!target.isEmpty())
        saveBookletAsPdf(keys, target);
}

void PrintActions::saveBookletAsPdf(const QStringList& keys, const QString& target) {
    store::ContentStore* content = m_content();
    if (!content) {
        report(QStringLiteral("打印收藏"), false, QStringLiteral("内容尚未载入"));
        return;
    }
    const QString booklet = paths::inWorkingFolder(kBookletPage);
    try {
        const nav::Booklet maker(*content,
                                 {{paths::inWorkingFolder(kPiecePage),
                                   paths::inWorkingFolder(paths::kBullet)},
                                  paths::inWorkingFolder(paths::kAboutPage)},
                                 m_options);
        const auto lookup = [this](const QString& key) -> std::optional<platform::NodeInfo> {
            if (!m_tree->contains(key))
                return std::nullopt;
            return m_tree->info(key);
        };
        if (maker.write(keys, lookup, QStringLiteral("我的收藏"), booklet) == 0) {
            report(QStringLiteral("打印收藏"), false, QStringLiteral("收藏的篇目都已不在目录中"));
            return;
        }
    } catch (const platform::Error& error) {
        report(QStringLiteral("打印收藏"), false, error.description());
        return;
    }
    renderer().pdfFromFile(booklet, target, [this](bool ok, const QString& reason) {
        report(QStringLiteral("打印收藏"), ok, reason);
    });
}

// Success needs no word; a failure says what could not be done and why.
void PrintActions::report(const QString& what, bool ok, const QString& reason) {
    if (!ok)
        tell(m_window, QMessageBox::Warning, what, what + QStringLiteral("未能完成：") + reason);
    emit finished(ok, reason);
}

} // namespace shell
