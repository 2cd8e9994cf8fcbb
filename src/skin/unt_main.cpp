#include "skin/unt_main.h"

#include "platform/forms.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "skin/unt_about.h"
#include "skin/unt_company.h"
#include "skin/unt_settings.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_main> frm_main;

Tfrm_main::Tfrm_main(QWidget* parent) : SkinScreen(parent) {
    Timer3 = new platform::Timer(this, 200, true);
    Timer3->onTimer = [this] { Timer3Timer(); };
}

void Tfrm_main::formCreate() {
    ButtonNames = ButtonNameTable();
    SetSkinFolder("main");
    PlaceBackground(1024, 768);
    FocusedButton = 0;
    BuildButtons(false);
}

void Tfrm_main::Timer3Timer() {
    ShowButtons();
    Timer3->setEnabled(false);
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "The Holy Quran", "القرآن الكريم"},
        {2, "Commentary", "التفسير"},
        {3, "Hadith library", "مكتبة الحديث"},
        {4, "Jurisprudence library", "مكتبة الفقه"},
        {5, "Occasions of revelation", "أسباب النزول"},
        {6, "Rules of recitation", "أحكام التجويد"},
        {7, "Call to prayer", "الأذان"},
        {8, "Supplications", "الأدعية"},
        {9, "Translated hadith book", "كتاب الحديث المترجم"},
        {10, "Remembrances", "الأذكار"},
        {11, "Forty hadith", "الأربعون حديثاً"},
        {12, "Remarks", "الملاحظات"},
        {13, "Settings", "الإعدادات"},
        {14, "About the makers", "عن الشركة"},
        {15, "About the program", "عن البرنامج"},
        {16, "Exit", "خروج"},
    };
}
}  // namespace

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
