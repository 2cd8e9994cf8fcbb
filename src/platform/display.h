// The display: a black hub window holding the program's 1024 by 768 display,
// centred and scaled uniformly. Full screen it covers the screen; as a window
// it opens at 1024 by 768 (or the size the user last gave it). The scale
// follows the hub's size while the program runs. The real display mode is
// never changed.
#pragma once

#include <QSize>
#include <QWidget>

class QTimer;

namespace platform {

/// The scale that makes 1024 by 768 fill `area` without distortion: the
/// smaller of the two ratios, kept between 1 and 8 (a smaller area shows the
/// display's top left part).
double fittingScale(QSize area);

/// Chooses the scale of the display for this run and sets it for the
/// application about to be created. Full screen: the scale that fills the
/// primary screen. A window: the scale that fills `windowSize` (physical
/// pixels), or 1 when it is empty. Call before the QApplication exists; does
/// nothing when QT_SCALE_FACTOR is already set or on the offscreen platform.
/// Otherwise it also lets the scale follow the hub while running
/// (setLiveScaling).
void prepareDisplayScaling(int argc, char** argv, bool fullScreen = true, QSize windowSize = {});

/// Whether the hub's scale follows its size while running: after a resize
/// has settled and at every switch between full screen and a window, the
/// display takes the largest scale that fits (at least 1).
void setLiveScaling(bool on);

/// The hub window: black; area() is the 1024 by 768 display in its centre,
/// where every screen lies, on black all round.
class HubWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HubWindow(QWidget* parent = nullptr);
    /// Gives the screen back its own scale, if the hub changed it.
    ~HubWindow() override;
    QWidget* area() const { return area_; }

    /// Device pixels per pixel of the display: the scale it is shown at.
    double scale() const { return devicePixelRatioF(); }

    /// Shows the hub full screen, or as a window of windowSize().
    void showHub(bool fullScreen = true);

    /// Switches between full screen and a window while running: every screen,
    /// its media and the focus stay as they are.
    void setFullScreenMode(bool fullScreen);
    bool fullScreenMode() const { return fullScreen_; }

    /// The size of the window mode, in the hub's own pixels at the scale of
    /// the moment: 1024 by 768 at the start, then what the user makes of it.
    QSize windowSize() const;
    void setWindowSize(QSize size);

    /// Fits the scale to the hub's size now (a resize does it once it has
    /// settled, 150 ms after the last one). While another window of the
    /// program is on show the change waits for it to close.
    void followSize();

  protected:
    void resizeEvent(QResizeEvent*) override;

  private:
    QSize physicalSize() const;
    void keepWholeDisplay();
    bool setScale(double target);  // false: put off (another window is on show)

    QWidget* area_;
    QTimer* settle_;
    bool fullScreen_ = true;
    QSizeF windowPixels_;  // the window mode's size in device pixels; empty: 1024 by 768
                           // at the start's scale
};

}  // namespace platform
