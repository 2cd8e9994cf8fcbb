// A fixture for screen tests: virtual time, simulated media, the sample disc
// on drive D, a fresh drive C, the recorded error box and a display area.
#pragma once

#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/forms.h"

/// The folder the sample disc for tests is built into.
std::string TestDiscFolder();

class ScreenTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    /// Moves virtual time forward and delivers posted events and deletions.
    void Advance(int64_t ms);

    /// Mouse actions on a widget, at its centre unless a point is given.
    static void MouseMove(QWidget* w, QPoint at = {-1, -1});
    static void MouseDown(QWidget* w, QPoint at = {-1, -1});
    static void MouseUp(QWidget* w, QPoint at = {-1, -1});
    /// Move, press and release: the sequence of a real click.
    static void Click(QWidget* w, QPoint at = {-1, -1});

    /// A key pressed and released on a widget, with the text it types.
    static void Key(QWidget* w, int key, const QString& text = {});
    /// A key pressed and released as on the keyboard: to the widget with the
    /// focus, or to the display's window when none has it.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    /// Messages shown in the error box since the test began.
    std::vector<std::string>& Errors();

    /// A temporary folder standing for drive C.
    std::string DriveC() const { return driveC_; }

    platform::ManualClock clock;
    std::unique_ptr<QWidget> display;

  private:
    std::string driveC_;
};

/// True when two images have the same size and pixels.
bool SameImage(const QImage& a, const QImage& b);
