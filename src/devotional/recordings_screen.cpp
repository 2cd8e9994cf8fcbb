#include "devotional/recordings_screen.h"

#include "platform/media.h"
#include "shell/globals.h"
#include "shell/sections.h"

RecordingsScreen::RecordingsScreen(QWidget* parent, int leaveButton)
    : SkinScreen(parent), leaveButton_(leaveButton) {
    CloseButton = leaveButton;
    // The screen takes the keys: arrows, Enter and Space for its buttons,
    // Escape to leave.
    TabReachesButtons();
    FirstFocus = this;
    mci1 = new platform::MediaPlayer(this);
    mci1->OnNotify = [this] { mci1Notify(); };
    Stars = std::make_unique<StarTwinkle>(this);
    Timer2 = Stars->ShrinkTimer;
    Timer3 = Stars->GrowTimer;
}

RecordingsScreen::~RecordingsScreen() = default;

void RecordingsScreen::BuildScreen(const std::string& folder, StarLayout layout) {
    SavedLanguageIndex = LanguageIndex;
    if (LanguageIndex != 1 && LanguageIndex != 2 && LanguageIndex != 5) LanguageIndex = 2;
    Closing = 0;
    SetSkinFolder(folder);
    PlaceBackground(800, 600);
    FocusedButton = 0;
    BuildButtons(true);
    Stars->StarPlacement(layout);
    Stars->Start();
}

void RecordingsScreen::PlayRecording(const std::string& file) {
    mci1->Close();
    mci1->FileName = file;
    mci1->Open();
    mci1->Notify = true;
    mci1->Play();
}

void RecordingsScreen::mci1Notify() {
    // A play that was stopped or replaced, or one that never opened, has not
    // ended.
    if (Closing == 0 && mci1->PlayedToEnd()) RecordingEnded();
}

void RecordingsScreen::Leave() {
    if (Closing) return;
    Closing = 1;
    mci1->Close();
    Leaving();
    closeForm();
    LanguageIndex = SavedLanguageIndex;
    ShowMainMenu();
}
