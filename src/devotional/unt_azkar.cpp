#include "devotional/unt_azkar.h"

#include "devotional/title_list.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/richtext.h"
#include "platform/rtf.h"
#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_azkar> frm_azkar;

namespace {
constexpr int kRemembranceCount = 91;
}  // namespace

Tfrm_azkar::Tfrm_azkar(QWidget* parent) : ReadingScreen(parent) {
    CloseButton = 5;
    TabReachesButtons();
    list1 = new TitleList(this);
    list1->onChoose = [this] { list1Click(); };

    richtext = MakeTextPane();
    setTabOrder(list1, richtext);
    FirstFocus = list1;

    mci1 = new platform::MediaPlayer(this);
    Timer1 = new platform::Timer(this, 100, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

std::string Tfrm_azkar::TextFile(int n) {
    return DataDir + "azkar\\" + std::to_string(n) + ".rtf";
}

std::string Tfrm_azkar::SoundFile(int n) {
    return SoundDir + "azkar\\" + std::to_string(n) + ".mp3";
}

void Tfrm_azkar::formCreate() {
    ButtonNames = ButtonNameTable();
    BuildSkin("azkar", {1, 2, 3, 4, 8});
    list1->LoadTitles(DataDir + "azkar\\titles.ini", "titles", kRemembranceCount);
    StartStars();
}

void Tfrm_azkar::Timer1Timer() {
    Timer1->setEnabled(false);
    list1->setCurrentRow(0);
    ShowRemembrance(1);
}

void Tfrm_azkar::list1Click() {
    // A choice made before the start-up tick stands.
    Timer1->setEnabled(false);
    ShowRemembrance(list1->SelectedEntry());
}

void Tfrm_azkar::ShowRemembrance(int n) {
    // The text is read whole before it replaces the one shown: a missing
    // file leaves the earlier text, and nothing new is recited.
    richtext->showDocument(platform::loadRtf(TextFile(n)));
    ShownRemembrance = n;
    mci1->Close();
    mci1->FileName = SoundFile(n);
    mci1->Open();
    mci1->Play();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Unused", "غير مستخدم"},
        {2, "Unused", "غير مستخدم"},
        {3, "Unused", "غير مستخدم"},
        {4, "Unused", "غير مستخدم"},
        {5, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
        {6, "Print", "طباعة"},
        {7, "Copy", "نسخ"},
        {8, "Unused", "غير مستخدم"},
    };
}
}  // namespace

void Tfrm_azkar::ButtonClick(int n) {
    switch (n) {
        case 5:
            mci1->Close();
            BackToMenu();
            break;
        case 6:
        case 7:
            PrintOrCopyPane(n == 6, list1->Title(ShownRemembrance));
            break;
        default:
            break;
    }
}

void OpenAzkarSection() {
    Tfrm_azkar* screen = platform::createForm(frm_azkar, HubArea());
    screen->showAsChild(HubArea());
}
