#include "quran/unt_quran.h"

#include "platform/forms.h"
#include "platform/error.h"
#include "platform/guard.h"
#include "quran/quran_files.h"
#include "quran/unt_remote.h"
#include "quran/unt_soraname.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "shell/settings.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_quran> frm_quran;

namespace {
// Buttons of the go-to panel that show the recitation's state.
enum PanelButton { kPlay = 2, kPause = 3, kStop = 4, kRepeat1 = 5, kNextAya = 10 };
}  // namespace

Tfrm_quran::Tfrm_quran(QWidget* parent) : SkinScreen(parent) {
    CloseButton = 3;  // back to the main menu
    // Controls of the screen, bottom to top (imgground1 is the skin's).
    panquran = new PagePanel(this, QPoint(256, 70));

    imgsoraname = new platform::ImageControl(this, "imgsoraname");
    imgsoraname->setAutoSize(true);
    imgsoraname->move(383, 16);
    imgsoraname->setCursor(Qt::PointingHandCursor);
    imgsoraname->onClick = [this] { OpenSuraIndex(); };

    auto* index = new platform::ImageControl(this, "lblindex");
    index->setGeometry(280, 20, 75, 30);
    index->setCursor(Qt::PointingHandCursor);
    index->onClick = [this] { OpenSuraIndex(); };
    lblindex = index;

    imgscript1 = new platform::ImageControl(this, "imgscript1");
    imgscript1->setAutoSize(true);
    imgscript1->move(634, 0);
    imgscript2 = new platform::ImageControl(this, "imgscript2");
    imgscript2->setAutoSize(true);
    imgscript2->move(42, 188);

    Stars = std::make_unique<StarTwinkle>(this);
    Timer2 = Stars->ShrinkTimer;
    Timer3 = Stars->GrowTimer;

    Core = std::make_unique<ReaderCore>(this, *this, panquran, imgsoraname, std::string());

    Timer1 = new platform::Timer(this, 500, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
    Timer4 = new platform::Timer(this, 100, true);
    Timer4->onTimer = [this] { Timer4Timer(); };
}

Tfrm_quran::~Tfrm_quran() = default;

void Tfrm_quran::formCreate() {
    ButtonNames = ButtonNameTable();
    SetSkinFolder("quran");
    Core->TitleFolder = ButtonFolder + "sora_name\\";
    PlaceBackground(800, 600);
    ScriptFrame = 1;
    imgscript1->loadPicture(ScriptPicture(1, ScriptFrame));
    imgscript2->loadPicture(ScriptPicture(2, ScriptFrame));
    Stars->StarPlacement(StarLayout::QuranReader);
    Stars->Start();
    BuildButtons(true);
    panquran->LoadFrame(ButtonFolder + "around.jpg");
    FocusedButton = 0;
}

std::string Tfrm_quran::ScriptPicture(int which, int frame) const {
    return ButtonFolder + "script" + std::to_string(which) + "\\" + std::to_string(frame) + ".jpg";
}

void Tfrm_quran::Timer1Timer() {
    ++ScriptFrame;
    const int shown = ScriptFrame;
    if (ScriptFrame >= 3) ScriptFrame = 0;
    imgscript1->loadPicture(ScriptPicture(1, shown));
    imgscript2->loadPicture(ScriptPicture(2, shown));
}

void Tfrm_quran::Timer4Timer() {
    // Off first: a failing first sura must not build the panel again and again.
    Timer4->setEnabled(false);
    Tfrm_remote* remote = platform::createForm(frm_remote, this);
    remote->Viewer = this;
    Panel = remote;
    Core->AttachFields(remote->Memoaya, remote->memosora, remote->memopage, remote->memopart);
    remote->move(640, 80);
    remote->showAsChild(this);
    UpdateRepeatButtons();  // shown chosen even when the first sura fails
    Core->LoadSura();
}

void Tfrm_quran::SavePosition() {
    SaveReadingPosition();
}

void Tfrm_quran::RepeatButton(int count) {
    Core->ChooseRepeatCount(count);
}

void Tfrm_quran::ShowPosition() {
    if (Panel) Panel->ShowPosition();
}

void Tfrm_quran::UpdateNavigationButtons() {
    if (Panel) ReaderCore::UpdateStepButtons(*Panel, kNextAya);
}

void Tfrm_quran::ShowTransport(bool playing) {
    if (!Panel) return;
    Panel->EnableButton(kPlay, !playing);
    Panel->EnableButton(kPause, playing);
    Panel->EnableButton(kStop, playing);
}

void Tfrm_quran::UpdateRepeatButtons() {
    if (!Panel || RepeatCount < 1 || RepeatCount > 3) return;
    for (int count = 1; count <= 3; ++count)
        Panel->EnableButton(kRepeat1 + count - 1, RepeatCount != count);
}

bool Tfrm_quran::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (!Panel) return SkinScreen::KeyPressed(key, modifiers);
    // Each key stands for a button of the panel, and does nothing while that
    // button is disabled.
    if (Core->StepKey(*Panel, kNextAya, key)) return true;
    // Ctrl+F: the search, as the panel's search button opens it.
    if (key == Qt::Key_F && (modifiers & Qt::ControlModifier)) {
        Panel->SearchButton();
        return true;
    }
    if (modifiers == Qt::NoModifier && Core->ListeningKey(key)) return true;
    switch (key) {
        case Qt::Key_Space:
            Panel->ClickButton(Panel->ButtonEnabled(kPlay) ? kPlay : kPause);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            return Panel->SkinScreen::KeyPressed(key, modifiers);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (Panel->FocusedButton != 0) Panel->ClickButton(Panel->FocusedButton);
            return true;
        default:
            return SkinScreen::KeyPressed(key, modifiers);
    }
}

void Tfrm_quran::OpenSuraIndex() {
    SuraIndexCaller = 1;
    platform::createForm(frm_soraname)->showModal();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Exit", "خروج"},
        {2, "Minimise", "تصغير"},
        {3, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
    };
}
}  // namespace

void Tfrm_quran::ButtonClick(int n) {
    switch (n) {
        // A position that cannot be saved is reported; the viewer is left anyway.
        case 1:
            platform::guarded([this] { SavePosition(); });
            Core->Timer6->setEnabled(false);
            platform::terminateApplication();
            break;
        case 2:
            if (QWidget* hub = window()) hub->showMinimized();
            break;
        case 3:
            platform::guarded([this] { SavePosition(); });
            Core->Leave();
            closeForm();
            ShowMainMenu();
            break;
        default:
            break;
    }
}

void OpenQuranSection() {
    // A reading position kept from an earlier run may name no aya (a settings
    // file edited by hand or written with another disc): the reader opens at
    // the start instead of failing on it. An unreadable disc is reported by
    // the reader itself.
    bool known = true;
    try {
        known = IsQuranAya(CurrentSura, CurrentAya);
    } catch (const platform::PlatformError&) {
    }
    if (!known) {
        CurrentSura = 1;
        CurrentAya = 1;
    }
    Tfrm_quran* viewer = platform::createForm(frm_quran, HubArea());
    viewer->showAsChild(HubArea());
}

void SaveQuranSectionAtQuit() {
    if (frm_quran && !frm_quran->isClosed()) frm_quran->SavePosition();
}
