// The commentary reader: the printed page with the current aya marked (right)
// beside the commentary or translation of that aya (left), recited and
// advanced like the Quran page viewer.
#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/controls.h"
#include "quran/reader_core.h"
#include "skin/skin_screen.h"

namespace platform {
class RichTextBox;
}

class Tfrm_tafseer : public SkinScreen, public ReaderView {
    Q_OBJECT
  public:
    explicit Tfrm_tafseer(QWidget* parent = nullptr);
    ~Tfrm_tafseer() override;
    void formCreate() override;

    void LoadSura() { Core->LoadSura(); }
    /// Shows the commentary CommentaryIndex of the current aya.
    void LoadCommentaryText();
    /// Shows commentary n of the current aya; CommentaryIndex becomes n once
    /// its text has loaded (on an error the text and index stay as they were).
    void ChooseCommentary(int n);

    /// Start-up tick (10 ms after opening): loads the first sura.
    void Timer1Timer();
    /// A click on the commentary text: the one pause of the recitation.
    void TextClick();
    void OpenSuraIndex();

    // ReaderView: this screen's own fields, text and stepping buttons.
    void ShowPosition() override;
    void UpdateNavigationButtons() override;

    /// Space pauses or resumes; Left and Right step to the next and previous
    /// aya, Page Down and Page Up to the next and previous page, Home to the
    /// sura's first aya, each only while its button is enabled.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) override;

    PagePanel* panquran;
    QWidget* pantafseer;
    platform::ImageControl* imgtafseer;
    platform::RichTextBox* memotafseer;
    platform::ImageControl* imgsoraname;
    QWidget* lblindex;
    NumberField* Memoaya;
    NumberField* memosora;
    NumberField* memopage;
    NumberField* memopart;
    platform::Timer* Timer1;
    std::unique_ptr<ReaderCore> Core;

  protected:
    void ButtonClick(int n) override;

  private:
    /// Shows `bytes` as the text of commentary n.
    void ShowText(int n, const std::string& bytes);
    /// The last error of loading a text, reported once until a text loads again.
    std::string lastTextError_;
};

extern QPointer<Tfrm_tafseer> frm_tafseer;

/// Opens section 2 (the reader at the position the dispatch set).
void OpenCommentarySection();
