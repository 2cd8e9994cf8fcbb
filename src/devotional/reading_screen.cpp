#include "devotional/reading_screen.h"

#include "platform/print.h"
#include "platform/richtext.h"
#include "shell/globals.h"
#include "shell/sections.h"

ReadingScreen::ReadingScreen(QWidget* parent)
    : SkinScreen(parent), Stars(std::make_unique<StarTwinkle>(this)) {}

ReadingScreen::~ReadingScreen() = default;

void ReadingScreen::BuildSkin(const std::string& screen, std::initializer_list<int> hidden) {
    SavedLanguageIndex = LanguageIndex;
    LanguageIndex = 1;
    SetSkinFolder(screen);
    PlaceBackground(800, 600);
    BuildButtons(true);
    FocusedButton = 0;
    for (int n : hidden)
        if (ImageButton* b = Button(n)) b->hide();
}

void ReadingScreen::StartStars() {
    Stars->StarPlacement(StarLayout::Devotional);
    Stars->Start();
}

void ReadingScreen::BackToMenu() {
    closeForm();
    LanguageIndex = SavedLanguageIndex;
    ShowMainMenu();
}

platform::RichTextBox* ReadingScreen::MakeTextPane() {
    constexpr uint32_t kPaneColour = 12113882;  // red 218, green 215, blue 184
    auto* pane = new platform::RichTextBox(this, "richtext");
    pane->setGeometry(139, 115, 315, 400);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setRightToLeft(false);
    pane->setDefaultAlignment(Qt::AlignHCenter);
    pane->setBackgroundColor(kPaneColour);
    pane->setDefaultFont("Simplified Arabic", 16);
    pane->setFocusPolicy(Qt::TabFocus);
    pane_ = pane;
    return pane;
}

void ReadingScreen::PrintOrCopyPane(bool print, const QString& title) {
    if (print)
        platform::printDocument(title, *pane_->document());
    else
        platform::copyToClipboard(pane_->toPlainText());
}
