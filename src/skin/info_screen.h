// The company and about screens: information screens that always show the
// pictures of interface language 1 and put LanguageIndex back when closed.
#pragma once

#include "skin/skin_screen.h"

class InfoScreen : public SkinScreen {
    Q_OBJECT
  public:
    explicit InfoScreen(QWidget* parent = nullptr) : SkinScreen(parent) {}

    int SavedLanguageIndex = 0;

  protected:
    /// Forces language 1, then sets up background and buttons of `screen`.
    void CreateInfoScreen(const std::string& screen);
    void ButtonClick(int n) override;
    bool ReleaseShowsFocus(int n) override { return n != 1; }
};
