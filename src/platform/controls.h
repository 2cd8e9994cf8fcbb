// Picture control: shows a picture, optionally sized to it, and reports
// mouse events to the screen's handlers (through the guard).
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

namespace platform {

class ImageControl : public QWidget {
    Q_OBJECT
  public:
    explicit ImageControl(QWidget* parent = nullptr, const QString& name = {});

    /// Shows `picture`; with autoSize the control takes its size.
    void setPicture(const QImage& picture);
    /// Loads a JPEG from a Windows path and shows it; on an error the control
    /// keeps its previous picture and the error is raised. A picture at least
    /// twice the size of the display (or of the control it is stretched over)
    /// is decoded at a reduced scale (see decodeJpeg).
    void loadPicture(const std::string& windowsPath);
    /// Shows nothing (the screen below shows through).
    void clearPicture();
    const QImage& picture() const { return picture_; }

    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    void setStretch(bool on);

    std::function<void(int x, int y)> onMouseMove;
    std::function<void(Qt::MouseButton button, int x, int y)> onMouseDown;
    std::function<void(Qt::MouseButton button, int x, int y)> onMouseUp;
    std::function<void()> onClick;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QImage picture_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool pressed_ = false;
};

}  // namespace platform
