// The Quran search: a word typed into the box is looked for in the text of
// every aya; the hits (row, sura name, aya) are listed, and choosing one moves
// the Quran page viewer there and closes the screen. Shown modally over the
// viewer.
#pragma once

#include <QPointer>
#include <memory>
#include <vector>

#include "quran/quran_search.h"
#include "skin/skin_screen.h"
#include "skin/star_twinkle.h"

class QLabel;
class QLineEdit;
namespace platform {
class StringGrid;
}

class Tfrm_qurans : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_qurans(QWidget* parent = nullptr);
    ~Tfrm_qurans() override;
    void formCreate() override;

    /// Button 1 and Enter in the box: searches for the box's word.
    void RunQuranSearch();
    /// Fills the grid with the hits, or says the word was not found.
    void ShowQuranResults();
    /// Button 3 and Enter in the grid: moves the viewer to the selected hit
    /// and closes the screen.
    void GoToSelectedHit();
    /// Sets where the search looks and runs it again when the box holds a
    /// word; the label names any scope other than the whole Quran.
    void SetScope(const SearchScope& scope);
    /// The scope's words written after the count; empty for the whole Quran.
    QString ScopeText() const;
    SearchScope Scope;

    /// Escape: button 2, also when the skin could not be built (the screen
    /// is modal: it must never keep the user in).
    void EscapeKey() override { ButtonClick(2); }

    /// The hits the grid shows: row r is hit r - 1. A search that finds
    /// nothing leaves them (and the rows) as they were.
    std::vector<QuranHit> Hits;
    /// Hits of the last search; 0 when it found nothing.
    int QuranHitCount = 0;
    /// When the exact search found nothing: the ayas the Arabic-aware search
    /// would find (the not-found message names it when there are any).
    int AwareHitCount = 0;
    int SavedLanguageIndex = 0;

    QLineEdit* Memo1;
    QLabel* lblresult;
    platform::StringGrid* grdresult;
    std::unique_ptr<StarTwinkle> Stars;

  protected:
    void ButtonClick(int n) override;
};

extern QPointer<Tfrm_qurans> frm_qurans;
