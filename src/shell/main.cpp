// ZAFIREL: program entry.
#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "desktop/accessibility_options.h"
#include "desktop/command_line.h"
#include "desktop/desktop_layer.h"
#include "desktop/disc_page.h"
#include "desktop/preferences.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "shell/app_sections.h"
#include "shell/unt_start.h"
#include "shell/unt_video.h"

#ifndef ZAFIREL_VERSION
#define ZAFIREL_VERSION "0"
#endif

int main(int argc, char** argv) {
    const desktop::CommandLine line = desktop::parseCommandLine(argc, argv);
    if (line.help || line.version || !line.unknown.empty()) {
        if (!line.unknown.empty())
            std::fprintf(stderr, "zafirel: unknown option %s\n\n", line.unknown.c_str());
        if (line.version && line.unknown.empty())
            std::printf("ZAFIREL for Linux %s\n", ZAFIREL_VERSION);
        if (line.help || !line.unknown.empty())
            std::fprintf(line.unknown.empty() ? stdout : stderr, "%s", desktop::usage().c_str());
        return line.unknown.empty() ? 0 : 2;
    }

    // The program's own options; a problem with their file is told once the
    // application exists.
    desktop::Preferences prefs;
    prefs.load();

    // --import brings a disc in first; it is then the chosen disc.
    if (!line.importSource.empty()) {
        if (const int status = desktop::importOnTerminal(line, prefs); status != 0) return status;
    }

    // The disc: ZAFIREL_DISC, the folder chosen in the preferences, the
    // program's folder, the newest imported disc, a mounted medium, or the
    // sample disc (the one ./run builds beside the build tree's program, or
    // the user's own). Without one nothing can be shown: say so and end.
    const platform::fs::path programFolder = platform::programFolder();
    platform::DiscChoice disc = platform::findDiscRoot(
        programFolder, {programFolder.parent_path() / "disc", platform::userSampleDisc()},
        desktop::importedDiscFolders(desktop::importedDiscsFolder()));
    const std::string chosen = prefs.discFolder().toStdString();
    std::string chosenMissing;
    const char* envDisc = std::getenv("ZAFIREL_DISC");
    if (!chosen.empty() && !(envDisc && *envDisc)) {
        if (platform::holdsDisc(chosen))
            disc = {chosen, platform::DiscSource::Environment};
        else
            chosenMissing =
                "The disc folder chosen in the preferences, " + chosen +
                ", holds no velk_quran folder now; the program looks for a disc by itself.";
    }
    const bool discFound = platform::holdsDisc(disc.root);

    const char* qpa = std::getenv("QT_QPA_PLATFORM");
    const bool display = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || (qpa && *qpa);
    if (!display && !line.importSource.empty()) return 0;  // imported; nothing to show
    if (!display && discFound) {
        std::fprintf(stderr,
                     "ZAFIREL needs a graphical display, and none is available "
                     "(DISPLAY is not set).\n");
        return 1;
    }
    const bool windowed =
        desktop::startWindowed(line, std::getenv("ZAFIREL_WINDOWED"), prefs.startWindowed());
    // Without a display a missing disc is told on standard error only.
    std::optional<QApplication> app;
    if (display) {
        platform::prepareDisplayScaling(argc, argv, !windowed, prefs.windowSize());
        app.emplace(argc, argv);
        QApplication::setApplicationName("ZAFIREL");
        std::setlocale(LC_NUMERIC, "C");
    }
    if (!discFound) {
        // The box offers to bring a disc in; one imported is the disc from now on.
        const auto imported =
            desktop::offerImportWhenNoDisc(platform::noDiscMessage(disc, programFolder));
        if (imported.empty()) return 1;
        prefs.setValue(desktop::Preferences::kDiscFolder, QString::fromStdString(imported));
        prefs.save();
        disc = {imported, platform::DiscSource::Environment};
    }
    platform::randomize(static_cast<uint32_t>(std::time(nullptr)));

    platform::setUpDrives(disc.root);
    RegisterAppSections();

    Tfrmvideo::StartAtMenu = prefs.startAtMenu();
    frm_start = new Tfrm_start();
    desktop::registerPreferencesPage([] { return new desktop::DiscsPage(); });
    desktop::registerPreferencesPage([] { return new desktop::PrayerTimesPage(); });
    auto* layer = new desktop::DesktopLayer(frm_start, prefs);
    desktop::installAccessibilityOptions(prefs);
    platform::guarded([] { frm_start->FormCreate(); });
    if (const QSize kept = prefs.windowSize(); !kept.isEmpty())
        frm_start->setWindowSize((QSizeF(kept) / frm_start->devicePixelRatioF()).toSize());
    frm_start->showHub(!windowed);
    layer->reportPreferencesProblem();
    if (!chosenMissing.empty()) platform::ErrorBox::show(chosenMissing);
    int result = app->exec();
    // Nothing is undone at exit; the hub goes with the process.
    return result;
}
