#include "CardActions.h"

#include "TableActions.h"

#include "nav/CardText.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "platform/PageRenderer.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>

namespace shell {
namespace {

const QString kScreenFilter = QStringLiteral("PNG 图片，1080 像素宽 (*.png)");
const QString kPrintFilter = QStringLiteral("PNG 图片，2160 像素宽，供打印 (*.png)");

} // namespace

CardActions::CardActions(QWidget* window, platform::NodeTree* tree,
                         const nav::ReadingOptions& options, ContentSource content)
    : QObject(window), m_window(window), m_tree(tree), m_options(options),
      m_content(std::move(content)) {
    connect(make(QStringLiteral("saveCard")), &QAction::triggered, this, &CardActions::askTarget);
    connect(make(QStringLiteral("copyCard")), &QAction::triggered, this, &CardActions::copyCard);
}

CardActions::~CardActions() = default;

QAction* CardActions::make(const QString& id) {
    QAction* action = tableAction(id, this);
    m_actions << action;
    return action;
}

void CardActions::makeCard(int width, const std::function<void(const QImage&)>& done) {
    store::ContentStore* content = m_content();
    const QString key = m_tree->selectedKey();
    if (!content || key.isEmpty()) {
        done({});
        return;
    }
    const std::optional<pages::Card> card = nav::cardOf(m_tree->info(key), *content, m_options);
    if (!card) {
        done({});
        return;
    }
    if (!m_renderer)
        m_renderer = new platform::PageRenderer(this);
    m_renderer->imageFromHtml(pages::cardHtml(*card), width, qreal(width) / pages::kCardWidth,
                              done);
}

void CardActions::askTarget() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    QString name = m_tree->selectedKey().isEmpty() ? QString()
                                                   : m_tree->info(m_tree->selectedKey()).text;
    for (const QChar c : {u'/', u'\\', u':', u'*', u'?', u'"', u'<', u'>', u'|'})
        name.replace(c, u'_');
    QString filter = kScreenFilter;
    QString target = QFileDialog::getSaveFileName(
        m_window, QStringLiteral("存为图片"),
        folder + u'/' + (name.trimmed().isEmpty() ? QStringLiteral("诗卡") : name.trimmed()) +
            QStringLiteral(".png"),
        kScreenFilter + QStringLiteral(";;") + kPrintFilter, &filter);
    if (target.isEmpty())
        return;
    if (!target.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        target += QStringLiteral(".png");
    saveCard(target, filter == kPrintFilter ? kPrintWidth : kScreenWidth);
}

void CardActions::saveCard(const QString& target, int width) {
    makeCard(width, [this, target](const QImage& image) {
        if (image.isNull()) {
            fail(QStringLiteral("存为图片"), QStringLiteral("只有诗、词、曲可以存为图片"));
            return;
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            fail(QStringLiteral("存为图片"), QStringLiteral("图片无法编码"));
            return;
        }
        try {
            // Whole or not at all: a file of that name stays until the new one is complete.
            platform::files::writeAtomically(target, png);
        } catch (const platform::Error& error) {
            fail(QStringLiteral("存为图片"), error.description());
            return;
        }
        emit finished(true, {});
    });
}

void CardActions::copyCard() {
    makeCard(kScreenWidth, [this](const QImage& image) {
        if (image.isNull()) {
            fail(QStringLiteral("复制为图片"), QStringLiteral("只有诗、词、曲可以复制为图片"));
            return;
        }
        QGuiApplication::clipboard()->setImage(image);
        emit finished(true, {});
    });
}

// Said without holding the window: the reader goes on while it is read.
void CardActions::fail(const QString& what, const QString& reason) {
    auto* box = new QMessageBox(QMessageBox::Information, what,
                                what + QStringLiteral("未能完成：") + reason, QMessageBox::Ok,
                                m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    emit finished(false, reason);
}

} // namespace shell
