// main() of every test program: an application object on the offscreen
// platform and the error box in recording mode.
#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

#include "platform/guard.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    platform::ErrorBox::setRecording(true);
    return RUN_ALL_TESTS();
}
