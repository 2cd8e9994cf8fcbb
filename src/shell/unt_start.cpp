#include "shell/unt_start.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/fonts.h"
#include "platform/forms.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "shell/settings.h"
#include "shell/unt_video.h"

QPointer<Tfrm_start> frm_start;

Tfrm_start::Tfrm_start(QWidget* parent) : platform::HubWindow(parent) {
    setWindowTitle("ZAFIREL");
    platform::setDisplayArea(area());
    // The display area may cover the whole hub: its first paint counts too.
    area()->installEventFilter(this);
    platform::routeKeys([] { QuitKey(); });
    Timer1 = new platform::Timer(this, 100, true);
    Timer4 = new platform::Timer(this, 100, false);
    Timer1->onTimer = [this] { Timer1Timer(); };
    Timer4->onTimer = [this] { Timer4Timer(); };
    SetSectionDispatcher([hub = QPointer<Tfrm_start>(this)] {
        if (hub) hub->Timer4->setEnabled(true);
    });
}

void Tfrm_start::FormCreate() {
    // The display mode is left as it is: the hub scales the display instead.
    BuildDiscFolders();
    for (const char* font : {"fonts\\gersys.fon", "fonts\\frnsys.fon", "fonts\\TRKSYS.FON",
                             "fonts\\artro.ttf", "fonts\\simpo.ttf", "fonts\\trado.ttf"})
        platform::registerFont(RootDir + font);
    platform::installFontSubstitutes();
    LoadSettings();
}

void Tfrm_start::QuitKey() {
    SaveSectionsAtQuit();
    platform::terminateApplication();
}

void Tfrm_start::Timer1Timer() {
    Timer1->setEnabled(false);
    Tfrmvideo* video = platform::createForm(frmvideo, area());
    video->showModal();
}

void Tfrm_start::Timer4Timer() {
    PresetSectionValues(SelectedSection);
    Timer4->setEnabled(false);
    OpenSection(SelectedSection);
}

bool Tfrm_start::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Paint) firstFrame();
    return platform::HubWindow::eventFilter(watched, e);
}

void Tfrm_start::paintEvent(QPaintEvent* e) {
    platform::HubWindow::paintEvent(e);
    firstFrame();
}

void Tfrm_start::firstFrame() {
    if (painted_) return;
    painted_ = true;
    // For measuring start-up: end the program once the hub has been drawn.
    if (std::getenv("ZAFIREL_EXIT_AFTER_FIRST_FRAME")) {
        std::printf("first frame\n");
        std::fflush(stdout);
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }
}
