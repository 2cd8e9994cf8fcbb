// ZAFIREL: program entry.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/clock.h"
#include "platform/forms.h"
#include "platform/display.h"
#include "platform/paths.h"
#include "shell/app_sections.h"
#include "shell/unt_start.h"

int main(int argc, char** argv) {
    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !(qpa && *qpa)) {
        std::fprintf(stderr,
                     "ZAFIREL needs a graphical display, and none is available "
                     "(DISPLAY is not set).\n");
        return 1;
    }
    platform::prepareDisplayScaling(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZAFIREL");
    std::setlocale(LC_NUMERIC, "C");
    platform::randomize(static_cast<uint32_t>(std::time(nullptr)));

    const platform::fs::path programFolder =
        platform::fs::path(QCoreApplication::applicationDirPath().toStdString());
    platform::setUpDrives(
        platform::findDiscRoot(programFolder, programFolder.parent_path() / "disc"));
    RegisterAppSections();

    frm_start = new Tfrm_start();
    platform::guarded([] { frm_start->FormCreate(); });
    frm_start->showHub(!std::getenv("ZAFIREL_WINDOWED"));
    int result = app.exec();
    // Nothing is undone at exit; the hub goes with the process.
    return result;
}
