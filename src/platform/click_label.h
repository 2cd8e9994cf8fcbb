// A text label that answers the mouse: moves over it and clicks on it (a
// press and a release on the label) reach the screen's handlers through the
// guard.
#pragma once

#include <QLabel>
#include <functional>

namespace platform {

class ClickLabel : public QLabel {
  public:
    explicit ClickLabel(QWidget* parent, const QString& name = {});

    /// Runs on every mouse move over the label (tracking is on while set).
    std::function<void()> onMouseMove;
    /// Runs when the left button is pressed and released on the label.
    std::function<void()> onClick;

  protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    bool pressed_ = false;
};

/// Sets the colour of a label's text.
void setTextColour(QLabel* label, const QColor& colour);

}  // namespace platform
