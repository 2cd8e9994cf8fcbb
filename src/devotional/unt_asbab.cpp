#include "devotional/unt_asbab.h"

#include <QPlainTextEdit>

#include "devotional/asbab_entry.h"
#include "devotional/title_list.h"
#include "platform/codepage.h"
#include "platform/error.h"
#include "platform/print.h"
#include "platform/richtext.h"
#include "quran/unt_quran.h"
#include "shell/globals.h"
#include "shell/sections.h"

namespace {
std::vector<ButtonName> ButtonNameTable();
}

QPointer<Tfrm_asbab> frm_asbab;
OccasionChoice ChosenOccasion;

namespace {

constexpr int kEntryCount = 434;
const QColor kPaneColour(218, 215, 184);  // 12113882

QPlainTextEdit* makeMemo(QWidget* parent, const char* name, const QRect& place, const char* family,
                         const QColor& colour) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setGeometry(place);
    memo->setReadOnly(true);
    memo->setTabChangesFocus(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLayoutDirection(Qt::RightToLeft);
    QFont font(family);
    font.setPixelSize(16);  // 12 points
    font.setBold(true);
    memo->setFont(font);
    QPalette p = memo->palette();
    p.setColor(QPalette::Base, kPaneColour);
    p.setColor(QPalette::Text, colour);
    memo->setPalette(p);
    return memo;
}

/// A number as written in an entry file, short enough for a message.
std::string quotedNumber(const std::string& text) {
    constexpr size_t kShown = 24;
    const std::string shown = text.size() > kShown ? text.substr(0, kShown) + "..." : text;
    return "\"" + platform::messageText(shown) + "\"";
}

}  // namespace

Tfrm_asbab::Tfrm_asbab(QWidget* parent) : ReadingScreen(parent) {
    CloseButton = 5;
    TabReachesButtons();
    list1 = new TitleList(this);
    list1->onChoose = [this] { list1Click(); };
    Memo1 = makeMemo(this, "Memo1", QRect(129, 95, 335, 170), "Monotype Koufi", QColor(128, 0, 0));
    Memo2 = makeMemo(this, "Memo2", QRect(129, 284, 335, 237), "Arial",
                     palette().color(QPalette::WindowText));
    richtext = new platform::RichTextBox(this, "richtext");
    richtext->setGeometry(129, 95, 335, 521);
    richtext->hide();
    setTabOrder(list1, Memo1);
    setTabOrder(Memo1, Memo2);
    FirstFocus = list1;
}

void Tfrm_asbab::formCreate() {
    ButtonNames = ButtonNameTable();
    BuildSkin("asbab", {1, 2, 3, 4});
    list1->LoadTitles(DataDir + "asbab\\asbab.ini", "asbab", kEntryCount);
    StartStars();
}

void Tfrm_asbab::list1Click() {
    const int n = list1->SelectedEntry();
    // The whole entry is read before anything changes: a missing file
    // leaves the panes and the chosen aya as they were.
    const OccasionEntry entry = ReadOccasionEntry(n);
    Memo1->setPlainText(platform::toUnicode("\n" + entry.aya));
    Memo2->setPlainText(platform::toUnicode(entry.sabab));
    ChosenOccasion = {n, entry.suraNum, entry.ayaNum};
    ShownEntry = n;
    richtext->setPlainText(Memo1->toPlainText() + "\n\n" + Memo2->toPlainText());
}

void Tfrm_asbab::OpenChosenAya() {
    const OccasionChoice chosen = ChosenOccasion;
    if (chosen.entry == 0) return;
    int sura = 0, aya = 0;
    if (!OccasionAya(chosen.suraNum, chosen.ayaNum, sura, aya))
        throw platform::PlatformError(
            "Entry " + std::to_string(chosen.entry) +
            " of the occasions of revelation names sura " + quotedNumber(chosen.suraNum) +
            ", aya " + quotedNumber(chosen.ayaNum) + ": that is not an aya of the Quran.");
    closeForm();
    LanguageIndex = SavedLanguageIndex;
    CurrentSura = sura;
    CurrentAya = aya;
    CurrentPart = 0;
    CurrentPage = 0;
    RepeatDone = 0;
    RepeatCount = 1;
    if (LanguageIndex == 1) CommentaryIndex = 1;
    OpenQuranSection();
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
        {8, "Open the aya in the Quran", "الآية في المصحف"},
    };
}
}  // namespace

void Tfrm_asbab::ButtonClick(int n) {
    const QString title = list1->Title(ShownEntry);
    switch (n) {
        case 5:
            BackToMenu();
            break;
        case 6:
            platform::printText(title, richtext->toPlainText(), true);
            break;
        case 7:
            platform::copyToClipboard(richtext->toPlainText());
            break;
        case 8:
            OpenChosenAya();
            break;
        default:
            break;
    }
}

void OpenAsbabSection() {
    Tfrm_asbab* screen = platform::createForm(frm_asbab, HubArea());
    screen->showAsChild(HubArea());
}
