#include "skin/unt_about.h"

#include "shell/globals.h"

QPointer<Tfrm_about> frm_about;

Tfrm_about::Tfrm_about(QWidget* parent) : InfoScreen(parent) {
    memoabout1 = new platform::RichTextBox(this);
    memoabout2 = new platform::RichTextBox(this);
    memoabout3 = new platform::RichTextBox(this);
    for (auto* box : {memoabout1, memoabout2, memoabout3}) box->hide();
    memoabout1->setDefaultFont("Simplified Arabic", 19);
    memoabout1->setRightToLeft(true);
    memoabout1->setBackgroundColor(7786988);
}

void Tfrm_about::formCreate() {
    CreateInfoScreen("about");
    for (auto* box : {memoabout1, memoabout2, memoabout3}) box->setGeometry(120, 90, 655, 390);
    memoabout1->show();
    memoabout1->raise();
    memoabout1->loadFromFile(DataDir + "about.rtf");
}
