// What the remembrances, the occasions of revelation and the recitation
// rules have in common: they always show the language-1 skin, giving the
// interface language back when they leave, and they carry the stars.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"

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
};
