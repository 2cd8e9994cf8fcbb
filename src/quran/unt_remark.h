// The remarks: the bookmarked ayas listed with their sura names; one can be
// opened in the Quran page viewer or deleted. Section 12 of the main menu.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "skin/skin_screen.h"

namespace platform {
class StringGrid;
}

class Tfrm_remark : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_remark(QWidget* parent = nullptr);
    void formCreate() override;

    /// Reads the remarks file into the grid and the two lists.
    void LoadRemarks();
    /// Button 2 and Enter: opens the selected remark in a new Quran viewer.
    void OpenSelectedRemark();
    /// Button 3 and Delete: removes the selected remark from the file.
    void DeleteRemark();
    /// Escape: back to the menu like button 1, also when the skin could not
    /// be built.
    void EscapeKey() override { ButtonClick(1); }

    int RemarkCount = 0;
    /// Sura and aya values of remark i at position i - 1, as stored.
    std::vector<std::string> lstindex1, lstindex2;
    platform::StringGrid* grdresult;

  protected:
    void ButtonClick(int n) override;

  private:
    void BackToMenu();
};

extern QPointer<Tfrm_remark> frm_remark;

/// Opens section 12 (the remarks) inside the hub.
void OpenRemarkSection();
