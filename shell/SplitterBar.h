#pragma once

#include <QWidget>

namespace shell {

// The bar between the tree and the page view. It follows the pointer while
// the left button alone is held, and reports where it was let go.
class SplitterBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SplitterBar)

  public:
    explicit SplitterBar(QWidget* parent = nullptr);

  signals:
    void released();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void setColour(QPalette::ColorRole role);
};

} // namespace shell
