// The page view's reading comfort: text size, a style sheet over the pages,
// and the wheel and mouse buttons that the reader handles itself.
#include "PageView.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QWheelEvent>

namespace platform {
namespace {

const QString kStyleScript = QStringLiteral("quillora-user-style");

// Adds the style as soon as the page's root element exists, before the first
// paint, and replaces one added earlier.
QString styleSource(const QString& css) {
    QString quoted = css;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'`', QStringLiteral("\\`"));
    return QStringLiteral(
               "(function(){var css=`%1`;"
               "function add(){var old=document.getElementById('%2');if(old)old.remove();"
               "if(!css)return;var s=document.createElement('style');s.id='%2';"
               "s.textContent=css;document.documentElement.appendChild(s);}"
               "if(document.documentElement){add();return;}"
               "new MutationObserver(function(m,o){if(document.documentElement){o.disconnect();"
               "add();}}).observe(document,{childList:true});})();")
        .arg(quoted, kStyleScript);
}

} // namespace

void PageView::setZoomPercent(int percent) {
    m_view->setZoomFactor(percent / 100.0);
}

void PageView::setUserStyleSheet(const QString& css) {
    QWebEngineScriptCollection& scripts = m_view->page()->scripts();
    const QList<QWebEngineScript> previous = scripts.find(kStyleScript);
    // Nothing laid over the pages and nothing to take away: no script at all.
    if (css.isEmpty() && previous.isEmpty())
        return;
    for (const QWebEngineScript& old : previous)
        scripts.remove(old);
    const QString source = styleSource(css);
    if (!css.isEmpty()) {
        QWebEngineScript script;
        script.setName(kStyleScript);
        script.setInjectionPoint(QWebEngineScript::DocumentCreation);
        script.setWorldId(QWebEngineScript::ApplicationWorld);
        script.setSourceCode(source);
        scripts.insert(script);
    }
    m_view->page()->runJavaScript(source, QWebEngineScript::ApplicationWorld);
}

void PageView::watchInput(QObject* child) {
    child->installEventFilter(this);
}

bool PageView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        // The engine draws into a child widget it creates with the page.
        if (watched == m_view) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType())
                watchInput(child);
        }
        break;
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier))
            break;
        if (const int delta = wheel->angleDelta().y())
            emit zoomWheel(delta > 0 ? 1 : -1);
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::BackButton || button == Qt::ForwardButton) {
            emit historyButton(button == Qt::ForwardButton);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace platform
