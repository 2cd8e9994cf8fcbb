// Pictures of the Quran reader: the page pictures drawn from the layout,
// the page frame, the sura titles, the script animation, and the skins of
// the reader, its go-to panel and the sura index.
#pragma once

#include <QImage>

#include "quran_layout.h"
#include "quran_structure.h"
#include "skin.h"

namespace disc {

/// Where the reader's controls lie on its 800 by 600 screen.
inline const QRect kSuraTitleRect(383, 16, 230, 46);
inline const QRect kIndexLabelRect(280, 20, 75, 30);
inline const QRect kScript1Rect(634, 0, 160, 70);
inline const QRect kScript2Rect(42, 188, 120, 120);
inline const QRect kPagePanelRect(256, 70, 382, 503);
inline const QRect kRemoteRect(640, 80, 142, 490);

/// A page picture: paper, sura titles and basmalas, lines of Arabic words
/// within each aya segment, and a numbered marker where each aya ends.
QImage renderPage(const PageLayout& page, const QuranStructure& quran);

/// The frame around the page ("around.jpg", 382 by 503) with `inner`, where
/// the page lies, filled with `fill`.
QImage pageFramePicture(const QRect& inner = QRect(49, 33, kPageWidth, kPageHeight),
                        const QColor& fill = QColor(252, 248, 236));

/// The title picture of a sura, drawn over the reader's background.
QImage suraTitlePicture(const QImage& readerBackground, const SuraInfo& sura);

/// Frame 1..3 of script animation 1 (top right) or 2 (on the star field).
QImage scriptPicture(int which, int frame, const QImage& readerBackground);

/// The reader ("quran", buttons: exit, minimise, main menu).
ScreenSpec quranScreen();
/// The go-to panel ("remote", 142 by 490, seventeen buttons).
ScreenSpec remoteScreen();
/// The sura index ("soraname", cells for the 114 names, button 1 closes).
ScreenSpec suraIndexScreen();

}  // namespace disc
