#include "quran/unt_remote.h"

#include <QKeyEvent>

#include "quran/number_field.h"
#include "quran/remarks_file.h"
#include "quran/unt_quran.h"
#include "quran/unt_quranp.h"
#include "quran/unt_qurans.h"
#include "shell/globals.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_remote> frm_remote;

namespace {
enum Button {
    kSearch = 1,
    kPlay,
    kPause,
    kStop,
    kOnce,
    kTwice,
    kThrice,
    kPhotos,
    kRemark,
    kNextAya
};
}  // namespace

Tfrm_remote::Tfrm_remote(QWidget* parent) : SkinScreen(parent) {
    // The fields exist from the start so the viewer can always write into
    // them, even when the skin could not be built.
    Memoaya = new NumberField(this, "Memoaya", QRect(38, 257, 66, 31), &CurrentAya);
    memosora = new NumberField(this, "memosora", QRect(38, 322, 66, 31), &CurrentSura);
    memopage = new NumberField(this, "memopage", QRect(38, 383, 66, 31), &CurrentPage);
    memopart = new NumberField(this, "memopart", QRect(38, 446, 66, 31), &CurrentPart);
}

void Tfrm_remote::formCreate() {
    ButtonNames = ButtonNameTable();
    SetSkinFolder("remote");
    setClientSize(142, 490);
    move(640, 80);
    // The background is the viewer-sized picture; the panel shows its corner.
    imgground1->setGeometry(0, 0, 800, 600);
    imgground1->setStretch(false);
    imgground1->show();
    imgground1->lower();
    imgground1->loadPicture(ButtonFolder + ScreenName + ".jpg");
    FocusedButton = 0;
    BuildButtons(true);
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Search", "بحث"},
        {2, "Play", "تشغيل"},
        {3, "Pause", "إيقاف مؤقت"},
        {4, "Stop", "إيقاف"},
        {5, "Recite each aya once", "تلاوة كل آية مرة"},
        {6, "Recite each aya twice", "تلاوة كل آية مرتين"},
        {7, "Recite each aya three times", "تلاوة كل آية ثلاث مرات"},
        {8, "Photos", "الصور"},
        {9, "Add a remark", "إضافة ملاحظة"},
        {10, "Next aya", "الآية التالية"},
        {11, "Previous aya", "الآية السابقة"},
        {12, "Next sura", "السورة التالية"},
        {13, "Previous sura", "السورة السابقة"},
        {14, "Next page", "الصفحة التالية"},
        {15, "Previous page", "الصفحة السابقة"},
        {16, "Next part", "الجزء التالي"},
        {17, "Previous part", "الجزء السابق"},
    };
}
}  // namespace

int Tfrm_remote::ButtonChosen(int n) const {
    if (n < kOnce || n > kThrice) return -1;
    return RepeatCount == n - kOnce + 1 ? 1 : 0;
}

void Tfrm_remote::ButtonClick(int n) {
    if (!Viewer) return;
    ReaderCore& core = *Viewer->Core;
    switch (n) {
        case kSearch:
            SearchButton();
            break;
        case kPlay:
            core.Play();
            break;
        case kPause:
            core.Pause();
            break;
        case kStop:
            core.Stop();
            break;
        case kOnce:
        case kTwice:
        case kThrice:
            Viewer->RepeatButton(n - kOnce + 1);
            break;
        case kPhotos:
            OpenQuranPhotos();
            break;
        case kRemark:
            AddRemarkButton();
            break;
        default:
            // 10..17 step through ayas, suras, pages and parts. They are disabled
            // at the ends of their ranges and check the range themselves too, so
            // a position whose display failed half-way never steps outside the Quran.
            if (n >= kNextAya && n < kNextAya + 8) core.StepTo(static_cast<Step>(n - kNextAya));
            break;
    }
}

void Tfrm_remote::SearchButton() {
    // Play disabled means a recitation is running: pause it first.
    if (!ButtonEnabled(kPlay) && Button(kPlay) && Viewer) Viewer->Core->Pause();
    OpenQuranSearch();
}

void Tfrm_remote::OpenQuranSearch() {
    platform::createForm(frm_qurans)->showModal();
}

void Tfrm_remote::OpenQuranPhotos() {
    platform::createForm(frm_quranp)->showModal();
}

void Tfrm_remote::AddRemarkButton() {
    AddRemark(CurrentSura, CurrentAya);
}

void Tfrm_remote::UpdateNavigationButtons() {
    ReaderCore::UpdateStepButtons(*this, kNextAya);
}

void Tfrm_remote::ShowPosition() {
    for (NumberField* field : {Memoaya, memosora, memopage, memopart}) field->showValue();
}

void Tfrm_remote::keyPressEvent(QKeyEvent* e) {
    e->ignore();
}
