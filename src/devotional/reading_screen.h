// What the remembrances, the forty hadith, the occasions and the recitation
// rules have in common: they always show the language-1 skin, giving the
// interface language back when they leave, and they carry the stars.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"

namespace platform {
class RichTextBox;
}

class ReadingScreen : public SkinScreen {
    Q_OBJECT
  public:
    explicit ReadingScreen(QWidget* parent = nullptr);
    ~ReadingScreen() override;

    /// The interface language when the screen was created.
    int SavedLanguageIndex = 0;
    std::unique_ptr<StarTwinkle> Stars;

  protected:
    /// Keeps the interface language and takes language 1, then shows the
    /// 800 by 600 skin of `screen` with every button but those in `hidden`.
    /// Raises (and builds no more) when a picture or the layout is bad.
    void BuildSkin(const std::string& screen, std::initializer_list<int> hidden);
    /// Places the stars and starts them twinkling.
    void StartStars();
    /// Closes the screen, gives the interface language back and opens a new
    /// main menu.
    void BackToMenu();
    /// The pale text pane beside the list: centred text in 16-point Simplified
    /// Arabic, scrolled by the keyboard once Tab reaches it.
    platform::RichTextBox* MakeTextPane();
    /// Prints the text pane's document under `title` (a PDF needs a name), or
    /// copies the pane's plain text alone.
    void PrintOrCopyPane(bool print, const QString& title);

  private:
    platform::RichTextBox* pane_ = nullptr;
};
