// The remembrances: 91 titles in a list; choosing one shows its text and
// recites it. Print, copy and back to the main menu. Section 10 of the main
// menu; it always shows the language-1 skin.
#pragma once

#include <QPointer>

#include "devotional/reading_screen.h"

class TitleList;
namespace platform {
class MediaPlayer;
class RichTextBox;
class Timer;
}  // namespace platform

class Tfrm_azkar : public ReadingScreen {
    Q_OBJECT
  public:
    explicit Tfrm_azkar(QWidget* parent = nullptr);
    void formCreate() override;

    /// The start-up tick, 100 ms after creation: selects and shows the first
    /// remembrance, unless the user chose one before.
    void Timer1Timer();
    /// A choice in the list: shows the selected remembrance.
    void list1Click();
    /// Shows the text of remembrance n and recites it.
    void ShowRemembrance(int n);
    /// Escape: back to the menu like button 5, also without a skin.
    void EscapeKey() override { ButtonClick(5); }

    static std::string TextFile(int n);
    static std::string SoundFile(int n);

    /// The remembrance whose text is shown (0: none yet).
    int ShownRemembrance = 0;

    TitleList* list1;
    platform::RichTextBox* richtext;
    platform::MediaPlayer* mci1;
    platform::Timer* Timer1;

  protected:
    void ButtonClick(int n) override;
    bool ReleaseShowsFocus(int n) override { return n != 5; }
};

extern QPointer<Tfrm_azkar> frm_azkar;

/// Opens section 10 (the remembrances) inside the hub.
void OpenAzkarSection();
