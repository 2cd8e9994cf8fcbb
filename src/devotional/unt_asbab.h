// The occasions of revelation: 434 entries listed by title; choosing one
// shows its aya and the account of the occasion on which it was revealed.
// Print, copy, back to the main menu, or on to the Quran page reader at the
// entry's aya. Section 5 of the main menu; it always shows the language-1
// skin.
#pragma once

#include <QPointer>
#include <string>

#include "devotional/reading_screen.h"

class QPlainTextEdit;
class TitleList;
namespace platform {
class RichTextBox;
}

/// The entry chosen last in the run, kept from one visit of the screen to
/// the next: its number (0 until one is chosen), and its sura and aya as its
/// file writes them, always taken together.
struct OccasionChoice {
    int entry = 0;
    std::string suraNum;
    std::string ayaNum;
};
extern OccasionChoice ChosenOccasion;

class Tfrm_asbab : public ReadingScreen {
    Q_OBJECT
  public:
    explicit Tfrm_asbab(QWidget* parent = nullptr);
    void formCreate() override;

    /// A choice in the list: shows the selected entry's aya and account.
    void list1Click();
    /// Button 8: opens the Quran page reader at the chosen entry's aya.
    void OpenChosenAya();
    /// Escape: back to the menu like button 5, also without a skin.
    void EscapeKey() override { ButtonClick(5); }

    /// The entry whose texts this screen shows (0: none yet).
    int ShownEntry = 0;

    TitleList* list1;
    QPlainTextEdit* Memo1;            // the aya
    QPlainTextEdit* Memo2;            // the account
    platform::RichTextBox* richtext;  // both, for print and copy; never shown

  protected:
    void ButtonClick(int n) override;
    bool ReleaseShowsFocus(int n) override { return n != 5 && n != 8; }
};

extern QPointer<Tfrm_asbab> frm_asbab;

/// Opens section 5 (the occasions of revelation) inside the hub.
void OpenAsbabSection();
