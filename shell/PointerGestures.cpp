#include "PointerGestures.h"

#include <QMouseEvent>
#include <QWheelEvent>

namespace shell {

bool PointerGestures::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (const int delta = wheel->angleDelta().y())
                emit zoomWheel(delta > 0 ? 1 : -1);
            // Nobody else sizes the text, the page engine included.
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::BackButton || button == Qt::ForwardButton) {
            emit historyButton(button == Qt::ForwardButton);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shell
