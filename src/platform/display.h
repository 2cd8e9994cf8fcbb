// The display: a black full-screen hub window holding the program's 1024 by
// 768 display, centred and scaled up uniformly to fill the screen. The real
// display mode is never changed.
#pragma once

#include <QWidget>

namespace platform {

/// Chooses the scale factor that makes 1024 by 768 fill the primary screen
/// and sets it for the application about to be created. Call before the
/// QApplication exists; does nothing when QT_SCALE_FACTOR is already set or
/// on the offscreen platform.
void prepareDisplayScaling(int argc, char** argv);

/// The hub window: black, borderless, full screen; area() is the 1024 by 768
/// display in its centre, where every screen lies.
class HubWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HubWindow(QWidget* parent = nullptr);
    QWidget* area() const { return area_; }

    /// Shows the hub full screen (or at 1024 by 768 when `fullScreen` is false).
    void showHub(bool fullScreen = true);

  protected:
    void resizeEvent(QResizeEvent*) override;

  private:
    QWidget* area_;
};

}  // namespace platform
