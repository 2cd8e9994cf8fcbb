// The forty hadith: the 42 entries of the collection listed in Arabic or in
// English; choosing one shows its text and recites it. Two shaped buttons
// switch the language of the content, picture buttons print and copy the text
// and go back to the main menu. Section 11 of the main menu.
#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "devotional/reading_screen.h"
#include "devotional/title_list.h"

class TShapedButton;
namespace platform {
class MediaPlayer;
class RichTextBox;
class Timer;
}  // namespace platform

class Tfrm_fourty : public ReadingScreen {
    Q_OBJECT
  public:
    /// The number of entries, in both languages.
    static constexpr int kEntryCount = 42;
    /// Content languages: they name the sub-folders of the texts and recordings.
    static constexpr int kArabic = 1, kEnglish = 2;

    explicit Tfrm_fourty(QWidget* parent = nullptr);
    ~Tfrm_fourty() override;
    /// Takes language 1 for the skin (the interface language comes back on
    /// leaving), builds the skin and starts the stars.
    void formCreate() override;

    /// 100 ms after creation, unless the user chose first: entry 1 in Arabic.
    void Timer1Timer();
    /// A click (or Enter) on the list: the selected entry; nothing when no
    /// item is selected.
    void list1Click();
    /// The language buttons: the list in that language and its reading order,
    /// and entry 1 shown.
    void ShapedButton1Click() { ChooseLanguage(kArabic); }
    void ShapedButton2Click() { ChooseLanguage(kEnglish); }
    /// Shows the text of entry n in the content language and recites it. The
    /// recitation of the entry shown before stops first, whatever fails.
    void ShowEntry(int n);
    /// Escape: back to the menu like button 5, also when the skin could not
    /// be built.
    void EscapeKey() override { ButtonClick(5); }

    /// The label of entry n in a content language ("Hadith number 7").
    static QString EntryLabel(int language, int n);

    int ContentLanguage = kArabic;
    /// The entry whose text richtext shows; 0 when it shows none.
    int ShownEntry = 0;

    TitleList* list1;
    platform::RichTextBox* richtext;
    TShapedButton* ShapedButton1;
    TShapedButton* ShapedButton2;
    platform::MediaPlayer* mci1;
    platform::Timer* Timer1;

  protected:
    void ButtonClick(int n) override;

  private:
    void ChooseLanguage(int language);
    /// The labels of the content language, the first item selected.
    void FillList();
};

extern QPointer<Tfrm_fourty> frm_fourty;

/// Opens section 11 (the forty hadith) inside the hub.
void OpenFourtySection();
