// The display: a black hub window holding the program's 1024 by 768 display,
// centred and scaled up uniformly. Full screen it covers the screen; as a
// window it opens at 1024 by 768 (or the size the user last gave it). The real
// display mode is never changed.
#pragma once

#include <QSize>
#include <QWidget>

namespace platform {

/// The scale that makes 1024 by 768 fill `area` without distortion: the
/// smaller of the two ratios, kept between 0.5 and 8.
double fittingScale(QSize area);

/// Chooses the scale of the display for this run and sets it for the
/// application about to be created. Full screen: the scale that fills the
/// primary screen. A window: the scale that fills `windowSize` (physical
/// pixels), or 1 when it is empty. Call before the QApplication exists; does
/// nothing when QT_SCALE_FACTOR is already set or on the offscreen platform.
/// The scale stays for the whole run.
void prepareDisplayScaling(int argc, char** argv, bool fullScreen = true, QSize windowSize = {});

/// The hub window: black; area() is the 1024 by 768 display in its centre,
/// where every screen lies, on black all round.
class HubWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HubWindow(QWidget* parent = nullptr);
    QWidget* area() const { return area_; }

    /// Shows the hub full screen, or as a window of windowSize().
    void showHub(bool fullScreen = true);

    /// Switches between full screen and a window while running: every screen,
    /// its media and the focus stay as they are.
    void setFullScreenMode(bool fullScreen);
    bool fullScreenMode() const { return fullScreen_; }

    /// The size of the window mode, in the hub's own pixels: 1024 by 768 at
    /// the start, then what the user makes of it.
    QSize windowSize() const { return windowSize_; }
    void setWindowSize(QSize size);

  protected:
    void resizeEvent(QResizeEvent*) override;

  private:
    QWidget* area_;
    bool fullScreen_ = true;
    QSize windowSize_{1024, 768};
};

}  // namespace platform
