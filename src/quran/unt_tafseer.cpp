#include "quran/unt_tafseer.h"

#include <QEvent>
#include <QTextOption>

#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/richtext.h"
#include "quran/commentary_file.h"
#include "quran/unt_lang.h"
#include "quran/unt_soraname.h"
#include "quran/unt_tafseername.h"
#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_tafseer> frm_tafseer;

namespace {
enum Button { kLanguage = 1, kNextAya = 2, kChooser = 10, kExit = 11, kMinimise = 12, kMenu = 13 };

/// Runs `click` on a left-button press of `widget`.
class ClickFilter : public QObject {
  public:
    ClickFilter(QWidget* widget, std::function<void()> click)
        : QObject(widget), click_(std::move(click)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) platform::guarded(click_);
        return false;
    }

  private:
    std::function<void()> click_;
};
}  // namespace

Tfrm_tafseer::Tfrm_tafseer(QWidget* parent) : SkinScreen(parent) {
    CloseButton = kMenu;
    panquran = new PagePanel(this, QPoint(400, 38));

    pantafseer = new QWidget(this);
    pantafseer->setObjectName("pantafseer");
    pantafseer->setGeometry(18, 38, 382, 503);
    imgtafseer = new platform::ImageControl(pantafseer, "imgtafseer");
    imgtafseer->setAutoSize(true);
    imgtafseer->move(0, 0);
    memotafseer = new platform::RichTextBox(pantafseer, "memotafseer");
    memotafseer->setAccessibleName(LanguageIndex == 1 ? "التفسير" : "Commentary");
    memotafseer->setGeometry(50, 70, 286, 370);
    memotafseer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memotafseer->setBackgroundColor(0xC5F4F2);  // RGB 242, 244, 197
    new ClickFilter(memotafseer->viewport(), [this] { TextClick(); });

    imgsoraname = new platform::ImageControl(this, "imgsoraname");
    imgsoraname->setAutoSize(true);
    imgsoraname->move(340, -2);
    imgsoraname->setCursor(Qt::PointingHandCursor);
    imgsoraname->onClick = [this] { OpenSuraIndex(); };
    auto* index = new platform::ImageControl(this, "lblindex");
    index->setGeometry(225, 5, 90, 40);
    index->setCursor(Qt::PointingHandCursor);
    index->onClick = [this] { OpenSuraIndex(); };
    lblindex = index;

    Memoaya = new NumberField(this, "Memoaya", QRect(623, 566, 46, 27), &CurrentAya);
    memosora = new NumberField(this, "memosora", QRect(514, 566, 46, 27), &CurrentSura);
    memopage = new NumberField(this, "memopage", QRect(406, 566, 46, 27), &CurrentPage);
    memopart = new NumberField(this, "memopart", QRect(299, 566, 46, 27), &CurrentPart);

    Core = std::make_unique<ReaderCore>(this, *this, panquran, imgsoraname, std::string());
    Core->AttachFields(Memoaya, memosora, memopage, memopart);

    Timer1 = new platform::Timer(this, 10, true);
    Timer1->onTimer = [this] { Timer1Timer(); };
}

Tfrm_tafseer::~Tfrm_tafseer() = default;

void Tfrm_tafseer::formCreate() {
    ButtonNames = ButtonNameTable();
    SetSkinFolder("tafseer");
    // The sura titles are the Quran reader's.
    Core->TitleFolder = GraphicDir + "quran\\" + std::to_string(LanguageIndex) + "\\sora_name\\";
    PlaceBackground(800, 600);
    panquran->LoadFrame(ButtonFolder + "around.jpg");
    imgtafseer->loadPicture(ButtonFolder + "around.jpg");
    BuildButtons(true);
    FocusedButton = 0;
    EnableButton(kChooser, LanguageIndex == 1);
}

void Tfrm_tafseer::Timer1Timer() {
    // Off first: a failing first sura must not be tried again every 10 ms.
    Timer1->setEnabled(false);
    Core->LoadSura();
}

void Tfrm_tafseer::ShowPosition() {
    for (NumberField* field : {Memoaya, memosora, memopage, memopart}) field->showValue();
    // A text that cannot be read does not stop the aya from being shown and
    // recited; the box says so, and the error is shown once.
    try {
        LoadCommentaryText();
        lastTextError_.clear();
    } catch (const std::exception& e) {
        memotafseer->setPlainText(
            QString::fromUtf8("نص هذه الآية غير موجود.\nThe text of this aya is missing."));
        if (lastTextError_ != e.what()) {
            lastTextError_ = e.what();
            platform::ErrorBox::show(e.what());
        }
    }
}

void Tfrm_tafseer::LoadCommentaryText() {
    ShowText(CommentaryIndex, LoadCommentary(CommentaryIndex, CurrentSura, CurrentAya));
}

void Tfrm_tafseer::ChooseCommentary(int n) {
    if (n < 1 || n > kCommentaryCount) return;
    const std::string text = LoadCommentary(n, CurrentSura, CurrentAya);
    CommentaryIndex = n;
    ShowText(n, text);
}

void Tfrm_tafseer::ShowText(int n, const std::string& bytes) {
    const CommentaryStyle& style = CommentaryStyleOf(n);
    QFont font(style.font);
    font.setPointSize(12);
    font.setBold(true);
    memotafseer->setFont(font);
    memotafseer->setRightToLeft(style.rightToLeft);
    QTextOption option;
    option.setAlignment((style.rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute);
    option.setTextDirection(style.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memotafseer->document()->setDefaultTextOption(option);
    memotafseer->setPlainText(platform::toUnicode(bytes, style.codePage));
    EnableButton(kChooser, n <= 3);
}

void Tfrm_tafseer::UpdateNavigationButtons() {
    ReaderCore::UpdateStepButtons(*this, kNextAya);
}

void Tfrm_tafseer::TextClick() {
    if (TextPauseUsed != 0) return;
    TextPauseUsed = 1;
    if (Core->mci1->isOpen()) Core->mci1->Pause();
}

void Tfrm_tafseer::OpenSuraIndex() {
    SuraIndexCaller = 2;
    platform::createForm(frm_soraname)->showModal();
}

bool Tfrm_tafseer::KeyPressed(int key, Qt::KeyboardModifiers modifiers) {
    if (Core->StepKey(*this, kNextAya, key)) return true;
    if (modifiers == Qt::NoModifier && Core->ListeningKey(key)) return true;
    if (key != Qt::Key_Space) return SkinScreen::KeyPressed(key, modifiers);
    if (Core->Pausing())
        Core->Pause();  // holds the pause after the aya, or lets it go on
    else if (Core->mci1->isOpen())
        Core->mci1->Pause();
    return true;
}

namespace {
// What a screen reader calls each button, beside what each one does (below).
std::vector<ButtonName> ButtonNameTable() {
    return {
        {1, "Language of the commentary", "لغة التفسير"},
        {2, "Next aya", "الآية التالية"},
        {3, "Previous aya", "الآية السابقة"},
        {4, "Next sura", "السورة التالية"},
        {5, "Previous sura", "السورة السابقة"},
        {6, "Next page", "الصفحة التالية"},
        {7, "Previous page", "الصفحة السابقة"},
        {8, "Next part", "الجزء التالي"},
        {9, "Previous part", "الجزء السابق"},
        {10, "Choose a commentary", "اختيار التفسير"},
        {11, "Exit", "خروج"},
        {12, "Minimise", "تصغير"},
        {13, "Back to the main menu", "العودة إلى القائمة الرئيسية"},
    };
}
}  // namespace

void Tfrm_tafseer::ButtonClick(int n) {
    switch (n) {
        case kLanguage: {
            LanguageScreenMode = 3;
            Tfrm_lang* lang = platform::createForm(frm_lang);
            lang->Reader = this;
            lang->showModal();
            break;
        }
        case kChooser:
            if (ChooserOpen != 0) return;
            ChooserOpen = 1;
            {
                Tfrm_tafseername* chooser = platform::createForm(frm_tafseername, this);
                chooser->Reader = this;
                chooser->showAsChild(this);
            }
            break;
        case kExit:
            // The position is not saved.
            Core->Timer6->setEnabled(false);
            platform::terminateApplication();
            break;
        case kMinimise:
            if (QWidget* hub = window()) hub->showMinimized();
            break;
        case kMenu:
            Core->Leave();
            closeForm();
            ShowMainMenu();
            break;
        default:
            // 2..9 step through ayas, suras, pages and parts from the reader's
            // own position, within the Quran.
            if (n >= kNextAya && n < kNextAya + 8) Core->StepTo(static_cast<Step>(n - kNextAya));
            break;
    }
}

void OpenCommentarySection() {
    Tfrm_tafseer* reader = platform::createForm(frm_tafseer, HubArea());
    reader->showAsChild(HubArea());
}
