// The recitation rules: 23 rules, eight of their titles at a time in a
// column of labels that scrolls; each rule has pages of text, each page up
// to eight recited examples. Pages are turned, examples played, the page
// printed or copied. Section 6 of the main menu; it always shows the
// language-1 skin.
#pragma once

#include <QPointer>
#include <QString>
#include <array>

#include "devotional/reading_screen.h"

class QLabel;
namespace platform {
class MediaPlayer;
class RichTextBox;
}  // namespace platform

class Tfrm_tagweed : public ReadingScreen {
    Q_OBJECT
  public:
    explicit Tfrm_tagweed(QWidget* parent = nullptr);
    void formCreate() override;

    /// A click on title label k (1..8): shows page 1 of its rule.
    void label1Click(int k);
    /// Buttons 1 and 2: the titles one step back (earlier) or on (later).
    void ScrollBack();
    void ScrollOn();
    /// Buttons 5 and 6: the next and the previous page.
    void TurnPage(int step);
    /// Buttons 10 to 17: plays example e (1..8) of the page shown.
    void PlayExample(int e);
    /// Shows page `page` of rule `rule`; the rule and page are taken only
    /// once the page has been read.
    void LoadPage(int rule, int page);

    /// Escape: back to the menu like button 7, also without a skin.
    void EscapeKey() override { ButtonClick(7); }
    /// Page Down and Page Up turn the page; the rest as on every skin screen.
    bool KeyPressed(int key, Qt::KeyboardModifiers modifiers) override;

    /// The title of rule r (1..23).
    static QString RuleTitle(int r);
    /// The example sound of rule r, page p, example e.
    static std::string ExampleFile(int r, int p, int e);

    /// The table index (from 0) of the title in the eighth label: 7..22.
    int TitleOffset = 7;
    /// The rule and page shown (0 before the first page is read), the
    /// rule's page count, the page's example count (0..8), and the example
    /// played last.
    int Rule = 0, RulePage = 0, RulePageCount = 0, PageExamples = 0, LastExample = 0;
    /// The caption of the label clicked last; red wherever it is shown.
    QString SelectedTitle;

    std::array<QLabel*, 8> Labels;  // label1, Label2 .. Label8
    QLabel* lblsub;
    platform::RichTextBox* richtext;  // the page text for print and copy; never shown
    platform::MediaPlayer* mci1;

  protected:
    void ButtonClick(int n) override;
    bool ReleaseShowsFocus(int n) override { return n != 7; }

  private:
    void ShowTitles();
    /// Page and example buttons for the page shown.
    void UpdatePageButtons();
};

extern QPointer<Tfrm_tagweed> frm_tagweed;

/// Opens section 6 (the recitation rules) inside the hub.
void OpenTagweedSection();
