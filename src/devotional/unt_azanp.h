// The call to prayer's slideshow: the photos of one of three sets over the
// whole screen while a call plays, shown modally over the call to prayer
// screen. A click (or Escape) closes it and the call plays on; the call to
// prayer screen closes it when its last recording ends.
#pragma once

#include <QPointer>
#include <string>

#include "components/photo_cycle.h"

/// The photo set (1..3) and how many photos it holds, chosen by the call
/// button before the slideshow is created.
extern int AzanPhotoSet, AzanPhotoCount;

class Tfrm_azanp : public PhotoSlideshow {
    Q_OBJECT
  public:
    explicit Tfrm_azanp(QWidget* parent = nullptr);

    /// Photo k of the current set: GraphicDir + "islamic\" + set + "\" + k + ".jpg".
    static std::string PhotoFile(int k);
};

extern QPointer<Tfrm_azanp> frm_azanp;
