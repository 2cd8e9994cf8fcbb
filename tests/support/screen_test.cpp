#include "support/screen_test.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdlib>
#include <filesystem>

#include "platform/guard.h"
#include "platform/paths.h"
#include "support/sim_device.h"
#include "shell/globals.h"

namespace fs = std::filesystem;

std::string TestDiscFolder() {
    if (const char* env = std::getenv("ZAFIREL_TEST_DISC_OVERRIDE")) return env;
    return ZAFIREL_TEST_DISC;
}

void ScreenTest::SetUp() {
    platform::Clock::install(&clock);
    platform::useSimulatedMedia();
    platform::clearDrives();
    platform::setProgramDrive('D');
    platform::setDrive('D', TestDiscFolder());
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    fs::path c = fs::temp_directory_path() / "zafirel-tests" /
                 (std::string(info->test_suite_name()) + "." + info->name() + "." +
                  std::to_string(::getpid()));
    fs::remove_all(c);
    fs::create_directories(c);
    driveC_ = c.string();
    platform::setDrive('C', c);
    ResetSharedState();
    BuildDiscFolders();
    LanguageIndex = 1;
    platform::ErrorBox::recorded().clear();
    platform::ErrorBox::forget();
    platform::resetTerminationRequest();
    display = std::make_unique<QWidget>();
    display->resize(1024, 768);
    display->show();
    platform::setDisplayArea(display.get());
    platform::routeKeys([] { platform::terminateApplication(); });
}

void ScreenTest::TearDown() {
    display.reset();
    platform::processPendingEvents();
    platform::setDisplayArea(nullptr);
    platform::Clock::install(nullptr);
    std::error_code ec;
    fs::remove_all(driveC_, ec);
}

void ScreenTest::Advance(int64_t ms) {
    // Step in small slices so posted work lands between timer ticks.
    while (ms > 0) {
        int64_t slice = std::min<int64_t>(ms, 10);
        clock.advance(slice);
        platform::processPendingEvents();
        ms -= slice;
    }
}

std::vector<std::string>& ScreenTest::Errors() {
    return platform::ErrorBox::recorded();
}

namespace {
void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    if (at.x() < 0) at = w->rect().center();
    QPointF local(at);
    QPointF global(w->mapToGlobal(at));
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, local, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
}  // namespace

void ScreenTest::MouseMove(QWidget* w, QPoint at) {
    send(w, QEvent::MouseMove, at, Qt::NoButton);
}
void ScreenTest::MouseDown(QWidget* w, QPoint at) {
    send(w, QEvent::MouseButtonPress, at, Qt::LeftButton);
}
void ScreenTest::MouseUp(QWidget* w, QPoint at) {
    send(w, QEvent::MouseButtonRelease, at, Qt::NoButton);
}
void ScreenTest::Click(QWidget* w, QPoint at) {
    MouseMove(w, at);
    MouseDown(w, at);
    MouseUp(w, at);
}

void ScreenTest::Key(QWidget* w, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void ScreenTest::Key(int key, Qt::KeyboardModifiers modifiers) {
    if (!display->isActiveWindow()) {
        display->activateWindow();
        QCoreApplication::processEvents();
    }
    QWidget* target = QApplication::focusWidget();
    if (!target) target = display.get();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : target,
                            &release);
    platform::processPendingEvents();
}

bool SameImage(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}
