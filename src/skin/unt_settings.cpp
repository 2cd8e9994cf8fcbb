#include "skin/unt_settings.h"

#include "shell/globals.h"
#include "shell/settings.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_settings> frm_settings;

Tfrm_settings::Tfrm_settings(QWidget* parent) : SkinScreen(parent) {
    CloseButton = 1;
    Check1 = new QCheckBox(this);
    Check2 = new QCheckBox(this);
    Check3 = new QCheckBox(this);
    for (QCheckBox* box : {Check1, Check2, Check3}) box->setFixedSize(17, 17);
    Check2->hide();
}

void Tfrm_settings::formCreate() {
    ButtonNames = ButtonNameTable();
    SetSkinFolder("settings");
    PlaceBackground(800, 600);
    FocusedButton = 0;
    BuildButtons(true);
    Check1->move(543, 219);
    Check3->move(543, 256);
    Check1->raise();
    Check3->raise();
    Check1->setChecked(SettingDoaa == 0);
    Check2->setChecked(SettingLang == 0);
    Check3->setChecked(SettingEnter == 0);
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Save and close", "حفظ وإغلاق"},
    };
}
}  // namespace

void Tfrm_settings::ButtonClick(int n) {
    if (n != 1) return;
    // There is no other way out of this screen: it closes even when the file
    // cannot be written (the error box says so and the old file stays intact).
    try {
        SaveSettingsChoices(Check1->isChecked(), Check2->isChecked(), Check3->isChecked());
    } catch (...) {
        closeForm();
        throw;
    }
    closeForm();
}
