#include "quran/unt_tafseername.h"

#include "quran/unt_tafseer.h"
#include "shell/globals.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_tafseername> frm_tafseername;

namespace {
constexpr int kWidth = 140;
constexpr int kFullHeight = 145;
constexpr int kStep = 5;
}  // namespace

Tfrm_tafseername::Tfrm_tafseername(QWidget* parent) : SkinScreen(parent) {
    Timer1 = new platform::Timer(this, 30, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

void Tfrm_tafseername::formCreate() {
    ButtonNames = ButtonNameTable();
    SetSkinFolder("tafseername");
    setGeometry(176, 539, kWidth, 0);
    imgground1->setStretch(false);
    imgground1->setAutoSize(true);
    imgground1->move(0, 0);
    imgground1->show();
    imgground1->loadPicture(ButtonFolder + ScreenName + ".jpg");
    BuildButtons(true);
    FocusedButton = 0;
}

void Tfrm_tafseername::Timer1Timer() {
    // The panel grows upward: its lower edge stays where it is.
    const int height = std::min(this->height() + kStep, kFullHeight);
    setGeometry(x(), y() - (height - this->height()), width(), height);
    if (height >= kFullHeight) Timer1->setEnabled(false);
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "First commentary", "التفسير الأول"},
        {2, "Second commentary", "التفسير الثاني"},
        {3, "Third commentary", "التفسير الثالث"},
    };
}
}  // namespace

void Tfrm_tafseername::ButtonClick(int n) {
    if (n < 1 || n > 3) return;
    if (Reader) Reader->ChooseCommentary(n);
    ChooserOpen = 0;
    closeForm();
}
