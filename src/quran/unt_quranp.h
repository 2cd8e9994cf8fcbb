// The Quran photo screen: the disc's photos one after another, each brought
// in by a transition effect chosen at random and shown for 2 seconds after
// its transition has ended. A click (or Escape) closes it. Shown modally over
// the Quran page viewer, and from the supplications' round picture.
#pragma once

#include <QPointer>
#include <string>

#include "components/photo_cycle.h"

class Tfrm_quranp : public PhotoSlideshow {
    Q_OBJECT
  public:
    explicit Tfrm_quranp(QWidget* parent = nullptr);

    /// Photo n (1..138): GraphicDir + "photos\" + n + ".jpg".
    static std::string PhotoFile(int n);
    static constexpr int kPhotoCount = 138;
};

extern QPointer<Tfrm_quranp> frm_quranp;
