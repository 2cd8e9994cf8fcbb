#include "devotional/unt_fourty.h"

#include <QListWidget>

#include "components/shaped_button.h"
#include "devotional/title_list.h"
#include "platform/clock.h"
#include "platform/guard.h"
#include "platform/media.h"
#include "platform/richtext.h"
#include "platform/rtf.h"
#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_fourty> frm_fourty;

namespace {

constexpr int kItemHeight = 19;

QFont boldFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

/// A language button: a yellow oval with a red second colour and a blue caption.
TShapedButton* languageButton(QWidget* parent, const char* name, const QString& caption, int left) {
    auto* b = new TShapedButton(parent);
    b->setObjectName(name);
    b->setCursor(Qt::PointingHandCursor);
    b->SetButtonKind(bkOval);
    b->SetButtonColor(QColor(253, 215, 62));  // 4118525
    b->SetButtonColor1(Qt::red);
    b->SetButtonDepth(4);
    b->SetCaption3dKind(ckSimple);
    b->SetRadiusRatio(0.5);
    b->SetArcAngle(2.0943951023932);
    b->SetUserRGNAUTO(true);
    b->setFont(boldFont("Arabic Transparent", 21));  // 16 points
    b->SetFontColor(Qt::blue);
    // The shape's own size: a resize from outside would keep its proportions.
    b->SetButtonWidth(97);
    b->SetButtonHeight(41);
    b->move(left, 30);
    b->SetCaption(caption);
    return b;
}

}  // namespace

Tfrm_fourty::Tfrm_fourty(QWidget* parent) : ReadingScreen(parent) {
    CloseButton = 5;
    TabReachesButtons();

    list1 = new TitleList(this);
    list1->onChoose = [this] { list1Click(); };
    FillList();

    richtext = MakeTextPane();
    richtext->setFont(boldFont("Simplified Arabic", 16));

    ShapedButton1 = languageButton(this, "ShapedButton1", QString::fromUtf8("عربي"), 180);
    ShapedButton1->OnClick = [this] { ShapedButton1Click(); };
    ShapedButton2 = languageButton(this, "ShapedButton2", "English", 300);
    ShapedButton2->OnClick = [this] { ShapedButton2Click(); };
    setTabOrder(list1, richtext);
    setTabOrder(richtext, ShapedButton1);
    setTabOrder(ShapedButton1, ShapedButton2);
    FirstFocus = list1;

    mci1 = new platform::MediaPlayer(this);
    Timer1 = new platform::Timer(this, 100, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

Tfrm_fourty::~Tfrm_fourty() = default;

void Tfrm_fourty::formCreate() {
    ButtonNames = ButtonNameTable();
    BuildSkin("fourty", {1, 2, 3, 4, 8});
    StartStars();
}

QString Tfrm_fourty::EntryLabel(int language, int n) {
    return (language == kEnglish ? QString("Hadith number ") : QString::fromUtf8("حديث رقم ")) +
           QString::number(n);
}

void Tfrm_fourty::FillList() {
    list1->setLayoutDirection(ContentLanguage == kEnglish ? Qt::LeftToRight : Qt::RightToLeft);
    list1->clear();
    for (int n = 1; n <= kEntryCount; ++n) {
        auto* item = new QListWidgetItem(EntryLabel(ContentLanguage, n), list1);
        item->setSizeHint(QSize(0, kItemHeight));
    }
    list1->setCurrentRow(0);
}

void Tfrm_fourty::Timer1Timer() {
    Timer1->setEnabled(false);
    ContentLanguage = kArabic;
    list1->setCurrentRow(0);
    ShowEntry(1);
}

void Tfrm_fourty::list1Click() {
    const int entry = list1->SelectedEntry();
    if (entry == 0) return;
    // The user's choice stands: the start-up must not replace it.
    Timer1->setEnabled(false);
    ShowEntry(entry);
}

void Tfrm_fourty::ChooseLanguage(int language) {
    Timer1->setEnabled(false);
    ContentLanguage = language;
    FillList();
    ShowEntry(1);
}

void Tfrm_fourty::ShowEntry(int n) {
    const std::string name =
        "fourty\\" + std::to_string(ContentLanguage) + "\\" + std::to_string(n);
    // The text is read whole before it replaces the one shown: a missing
    // file leaves the earlier text, and nothing new is recited.
    const platform::RtfDocument text = platform::loadRtf(DataDir + name + ".rtf");
    mci1->Close();
    richtext->showDocument(text);
    ShownEntry = n;
    mci1->FileName = SoundDir + name + ".wav";
    mci1->Open();
    mci1->Play();
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Unused", "غير مستخدم"},
        {2, "Unused", "غير مستخدم"},
        {3, "Unused", "غير مستخدم"},
        {4, "Unused", "غير مستخدم"},
        {5, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
        {6, "Print", "طباعة"},
        {7, "Copy", "نسخ"},
        {8, "Unused", "غير مستخدم"},
    };
}
}  // namespace

void Tfrm_fourty::ButtonClick(int n) {
    switch (n) {
        case 5:
            mci1->Close();
            BackToMenu();
            break;
        case 6:
            if (ShownEntry != 0) PrintOrCopyPane(true, EntryLabel(ContentLanguage, ShownEntry));
            break;
        case 7:
            PrintOrCopyPane(false, {});
            break;
        default:
            break;
    }
}

void OpenFourtySection() {
    Tfrm_fourty* screen = platform::createForm(frm_fourty, HubArea());
    screen->showAsChild(HubArea());
}
