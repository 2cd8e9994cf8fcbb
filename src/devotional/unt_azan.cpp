#include "devotional/unt_azan.h"

#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_azan> frm_azan;

namespace {
constexpr int kLeaveButton = 8;

/// The photo set and its size for each call button.
struct PhotoSet {
    int set, count;
};
constexpr PhotoSet kPhotoSets[7] = {{1, 15}, {2, 10}, {3, 15}, {3, 15}, {3, 15}, {3, 15}, {3, 15}};
}  // namespace

Tfrm_azan::Tfrm_azan(QWidget* parent) : RecordingsScreen(parent, kLeaveButton) {}

void Tfrm_azan::formCreate() {
    ButtonNames = ButtonNameTable();
    SupplicationPlayed = 0;
    BuildScreen("azan", StarLayout::CallToPrayer);
}

std::string Tfrm_azan::CallFile(int n) {
    return SoundDir + "azan\\" + std::to_string(n) + ".wav";
}

std::string Tfrm_azan::SupplicationFile() {
    return SoundDir + "doaa\\1.mp3";
}

void Tfrm_azan::PlayCall(int n) {
    SupplicationPlayed = 0;
    AzanPhotoSet = kPhotoSets[n - 1].set;
    AzanPhotoCount = kPhotoSets[n - 1].count;
    // A call that cannot be played opens no slideshow.
    PlayRecording(CallFile(n));
    Photos = platform::createForm(frm_azanp);
    Photos->showModal();
}

void Tfrm_azan::RecordingEnded() {
    // The last recording has ended: the slideshow ends with it.
    auto endShow = [this] {
        SupplicationPlayed = 0;
        if (Photos) Photos->ClosePhotos();
    };
    if (SettingDoaa == 0 && SupplicationPlayed == 0) {
        SupplicationPlayed = 1;
        try {
            PlayRecording(SupplicationFile());
            return;
        } catch (...) {
            endShow();  // nothing follows the call after all
            throw;
        }
    }
    endShow();
}

void Tfrm_azan::Leaving() {
    if (Photos) Photos->ClosePhotos();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Call to prayer 1", "الأذان 1"},
        {2, "Call to prayer 2", "الأذان 2"},
        {3, "Call to prayer 3", "الأذان 3"},
        {4, "Call to prayer 4", "الأذان 4"},
        {5, "Call to prayer 5", "الأذان 5"},
        {6, "Call to prayer 6", "الأذان 6"},
        {7, "Call to prayer 7", "الأذان 7"},
        {8, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
    };
}
}  // namespace

void Tfrm_azan::ButtonClick(int n) {
    if (n >= 1 && n <= 7)
        PlayCall(n);
    else if (n == kLeaveButton)
        Leave();
}

void OpenCallToPrayerSection() {
    Tfrm_azan* screen = platform::createForm(frm_azan, HubArea());
    screen->showAsChild(HubArea());
}
