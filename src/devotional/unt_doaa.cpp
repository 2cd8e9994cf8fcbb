#include "devotional/unt_doaa.h"

#include "devotional/unt_pic.h"
#include "platform/clock.h"
#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_doaa> frm_doaa;

namespace {
constexpr int kLeaveButton = 6;
constexpr int kFirstPhoto = 1;
constexpr int kFirstStyle = 118;
}  // namespace

Tfrm_doaa::Tfrm_doaa(QWidget* parent) : RecordingsScreen(parent, kLeaveButton) {
    Timer1 = new platform::Timer(this, 10, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

void Tfrm_doaa::formCreate() {
    ButtonNames = ButtonNameTable();
    BuildScreen("doaa", StarLayout::Supplications);
}

std::string Tfrm_doaa::RecordingFile(int n) {
    return SoundDir + "doaa\\" + std::to_string(n) + ".wav";
}

void Tfrm_doaa::Timer1Timer() {
    // Off first: a picture screen that fails to build is not built again.
    Timer1->setEnabled(false);
    if (Pic) return;
    Pic = platform::createForm(frm_pic, this);
    Pic->showAsChild(this);
}

void Tfrm_doaa::StartSupplication(int n) {
    if (Timer1->enabled()) Timer1Timer();
    if (Pic) {
        PicPhotoNumber = kFirstPhoto;
        PicPhotoStyle = kFirstStyle;
        // A missing photo is reported; the supplication plays all the same.
        platform::guarded([this] { Pic->StartShow(); });
    }
    try {
        PlayRecording(RecordingFile(n));
    } catch (...) {
        // Nothing plays: the pictures stop after the one coming in.
        PicStopShow = 1;
        throw;
    }
}

void Tfrm_doaa::RecordingEnded() {
    PicStopShow = 1;
}

void Tfrm_doaa::Leaving() {
    PicStopShow = 1;
    if (Pic) Pic->ClosePicture();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Supplication 1", "الدعاء 1"},
        {2, "Supplication 2", "الدعاء 2"},
        {3, "Supplication 3", "الدعاء 3"},
        {4, "Supplication 4", "الدعاء 4"},
        {5, "Supplication 5", "الدعاء 5"},
        {6, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
    };
}
}  // namespace

void Tfrm_doaa::ButtonClick(int n) {
    if (n >= 1 && n <= 5)
        StartSupplication(n);
    else if (n == kLeaveButton)
        Leave();
}

bool Tfrm_doaa::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (enter && FocusedButton == 0 && Pic) {
        Pic->imggroundClick();
        return true;
    }
    return RecordingsScreen::KeyPressed(key, modifiers);
}

void OpenSupplicationsSection() {
    Tfrm_doaa* screen = platform::createForm(frm_doaa, HubArea());
    screen->showAsChild(HubArea());
}
