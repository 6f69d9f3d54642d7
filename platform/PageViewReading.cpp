// The page view's reading comfort: text size, a style sheet over the pages,
// and the input the reader handles itself.
#include "PageView.h"

#include <QChildEvent>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

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

void PageView::setInputFilter(QObject* filter) {
    m_inputFilter = filter;
    m_view->installEventFilter(filter);
    for (QWidget* child : m_view->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(filter);
}

bool PageView::eventFilter(QObject* watched, QEvent* event) {
    // The engine draws into a child widget it creates with the page, and
    // makes it anew when it must: the filter watches each one.
    if (event->type() == QEvent::ChildAdded && watched == m_view && m_inputFilter) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(m_inputFilter);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace platform
