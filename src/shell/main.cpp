// ZAFIREL: program entry.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "platform/clock.h"
#include "platform/forms.h"
#include "platform/display.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "shell/app_sections.h"
#include "shell/unt_start.h"

int main(int argc, char** argv) {
    // The disc: ZAFIREL_DISC, the program's folder, a mounted medium, or the
    // sample disc (the one ./run builds beside the build tree's program, or
    // the user's own). Without one nothing can be shown: say so and end.
    const platform::fs::path programFolder = platform::programFolder();
    const platform::DiscChoice disc = platform::findDiscRoot(
        programFolder, {programFolder.parent_path() / "disc", platform::userSampleDisc()});
    const bool discFound = platform::holdsDisc(disc.root);

    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || (qpa && *qpa);
    if (!display && discFound) {
        std::fprintf(stderr,
                     "ZAFIREL needs a graphical display, and none is available "
                     "(DISPLAY is not set).\n");
        return 1;
    }
    // Without a display a missing disc is told on standard error only.
    std::optional<QApplication> app;
    if (display) {
        platform::prepareDisplayScaling(argc, argv);
        app.emplace(argc, argv);
        QApplication::setApplicationName("ZAFIREL");
        std::setlocale(LC_NUMERIC, "C");
    }
    if (!discFound) {
        platform::ErrorBox::showAndWait(platform::noDiscMessage(disc, programFolder));
        return 1;
    }
    platform::randomize(static_cast<uint32_t>(std::time(nullptr)));

    platform::setUpDrives(disc.root);
    RegisterAppSections();

    frm_start = new Tfrm_start();
    platform::guarded([] { frm_start->FormCreate(); });
    frm_start->showHub(!std::getenv("ZAFIREL_WINDOWED"));
    int result = app->exec();
    // Nothing is undone at exit; the hub goes with the process.
    return result;
}
