// The go-to panel of the Quran page viewer: four number fields (aya, sura,
// page, part) and seventeen picture buttons for search, transport, repetition,
// photos, remarks and stepping through ayas, suras, pages and parts.
#pragma once

#include <QPointer>

#include "skin/skin_screen.h"

class NumberField;
class Tfrm_quran;

class Tfrm_remote : public SkinScreen {
    Q_OBJECT
  public:
    explicit Tfrm_remote(QWidget* parent = nullptr);
    void formCreate() override;

    /// Enables and disables buttons 10..17 at the ends of their ranges.
    void UpdateNavigationButtons();
    /// Writes the reading position into the four fields.
    void ShowPosition();
    /// Button 9.
    void AddRemarkButton();
    /// Button 1: pauses a running recitation, then opens the Quran search.
    void SearchButton();

    /// Opens the Quran search screen modally over the viewer.
    void OpenQuranSearch();
    /// Button 8: opens the Quran photo screen modally.
    void OpenQuranPhotos();

    /// The viewer this panel drives.
    QPointer<Tfrm_quran> Viewer;

    NumberField* Memoaya;
    NumberField* memosora;
    NumberField* memopage;
    NumberField* memopart;

  protected:
    void ButtonClick(int n) override;
    /// The repeat buttons are choices: the count in use is chosen.
    int ButtonChosen(int n) const override;
    /// Keys go on to the viewer, which drives the panel's buttons.
    void keyPressEvent(QKeyEvent* e) override;
};

extern QPointer<Tfrm_remote> frm_remote;
