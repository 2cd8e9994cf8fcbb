#include "skin/unt_main.h"

#include "platform/forms.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "skin/unt_about.h"
#include "skin/unt_company.h"
#include "skin/unt_settings.h"

QPointer<Tfrm_main> frm_main;

Tfrm_main::Tfrm_main(QWidget* parent) : SkinScreen(parent) {
    Timer3 = new platform::Timer(this, 200, true);
    Timer3->onTimer = [this] { Timer3Timer(); };
}

void Tfrm_main::formCreate() {
    SetSkinFolder("main");
    PlaceBackground(1024, 768);
    FocusedButton = 0;
    BuildButtons(false);
}

void Tfrm_main::Timer3Timer() {
    ShowButtons();
    Timer3->setEnabled(false);
}

void Tfrm_main::ButtonClick(int n) {
    if (n >= 1 && n <= 12) {
        RequestSection(n);
        closeForm();
        return;
    }
    switch (n) {
        case 13:
            platform::createForm(frm_settings, parentWidget())->showModal();
            break;
        case 14:
            platform::createForm(frm_company, parentWidget())->showModal();
            break;
        case 15:
            platform::createForm(frm_about, parentWidget())->showModal();
            break;
        case 16:
            platform::terminateApplication();
            break;
        default:
            break;
    }
}
