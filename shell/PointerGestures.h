#pragma once

#include <QObject>

namespace shell {

// What the reader does with the mouse wherever it reads: Ctrl with the wheel
// sizes the text, the mouse's back and forward buttons step through the nodes
// chosen. Watching a widget takes those events from it; the rest pass on.
class PointerGestures final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PointerGestures)

  public:
    using QObject::QObject;

  signals:
    // steps > 0 away from the user.
    void zoomWheel(int steps);
    void historyButton(bool forward);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace shell
