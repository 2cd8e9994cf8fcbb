#include "devotional/unt_azan.h"

#include "shell/globals.h"
#include "shell/sections.h"

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
