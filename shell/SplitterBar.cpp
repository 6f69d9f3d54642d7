#include "SplitterBar.h"

#include <QMouseEvent>

namespace shell {

SplitterBar::SplitterBar(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setCursor(Qt::SplitHCursor);
    setColour(QPalette::Button);
}

void SplitterBar::setColour(QPalette::ColorRole role) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(role));
    setPalette(colours);
}

void SplitterBar::mousePressEvent(QMouseEvent*) {
    setColour(QPalette::WindowText);
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::LeftButton)
        move(x() + int(event->position().x()), y());
}

void SplitterBar::mouseReleaseEvent(QMouseEvent*) {
    emit released();
    setColour(QPalette::Button);
}

} // namespace shell
