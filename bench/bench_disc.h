// Shared by the benchmarks of screens: the sample disc on D, a scratch
// drive C, a display area, the real media device and the real clock, and
// helpers that run the event loop and click.
#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QThread>
#include <QTimer>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/forms.h"
#include "platform/paths.h"
#include "shell/globals.h"
#include "support/screen_test.h"
#include "support/sim_device.h"

/// Runs the event loop for `ms` of real time, blocking between events.
inline void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

/// Delivers what is due and sleeps a little: one step of a busy wait.
inline void spin() {
    QCoreApplication::processEvents();
    QThread::usleep(200);
}

/// A left click (press and release) at a point of a widget.
inline void press(QWidget* w, QPoint at) {
    QPointF local(at), global(w->mapToGlobal(at));
    QMouseEvent down(QEvent::MouseButtonPress, local, local, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

/// The program's surroundings; `ok` is false without a sample disc. Screens
/// left open are closed at the end.
class BenchDisc {
  public:
    explicit BenchDisc(const std::string& name) {
        namespace fs = std::filesystem;
        ok = fs::exists(fs::path(TestDiscFolder()) / "velk_quran");
        if (!ok) return;
        platform::clearDrives();
        platform::setProgramDrive('D');
        platform::setDrive('D', TestDiscFolder());
        driveC = fs::temp_directory_path() /
                 ("zafirel-bench-" + name + "." + std::to_string(::getpid()));
        fs::create_directories(driveC);
        platform::setDrive('C', driveC);
        ResetSharedState();
        BuildDiscFolders();
        LanguageIndex = 1;
        platform::useRealMedia();
        display.resize(1024, 768);
        display.show();
        platform::setDisplayArea(&display);
    }
    ~BenchDisc() {
        for (platform::Form* f : display.findChildren<platform::Form*>(Qt::FindDirectChildrenOnly))
            f->closeForm();
        platform::processPendingEvents();
        platform::setDisplayArea(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(driveC, ec);
    }

    bool ok = false;
    QWidget display;
    std::filesystem::path driveC;
};
