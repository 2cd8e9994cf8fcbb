// The photos of the slideshows: painted landscapes (a sky at some hour of
// the day, dunes, mountains, sea or hills, and a mosque, palms or an arcade),
// each with its number in a corner so that a person can tell them apart.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace disc {

struct PhotoLook {
    enum Sky { Dawn, Day, Dusk, Night };
    enum Land { Dunes, Mountains, Sea, Hills };
    enum Subject { Mosque, Palms, Arcade };
    Sky sky;
    Land land;
    Subject subject;
};

/// The look of photo n of the Quran photo set: neighbours differ in sky,
/// and sky, land and subject run through every combination.
PhotoLook photoLook(int n);

/// A photo of `size`; `seed` varies the shapes, `label` is written in the
/// corner badge under the number.
QImage scenePhoto(const PhotoLook& look, unsigned seed, int number, const QString& label,
                  QSize size = QSize(800, 600));

/// The resting picture of the round supplication show: a gold rosette.
QImage supplicationBackdrop(QSize size = QSize(402, 402));

}  // namespace disc
