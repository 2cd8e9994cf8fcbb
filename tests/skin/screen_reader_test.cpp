// What a screen reader finds through Qt's accessibility interface: a name
// for every picture button of every screen in both languages, the states of
// the buttons, the readers' position and the aya's own text; also the strong
// focus mark and the quiet second after a screen opens.
#include <QAccessible>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "books/topic_tree_reader.h"
#include "platform/accessible.h"
#include "platform/richtext.h"
#include "quran/number_field.h"
#include "quran/quran_files.h"
#include "quran/unt_quran.h"
#include "quran/unt_remote.h"
#include "quran/unt_tafseer.h"
#include "shell/app_sections.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "skin/unt_main.h"
#include "support/screen_test.h"

namespace {

bool HasArabic(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x0600 && c.unicode() <= 0x06FF) return true;
    return false;
}

QAccessibleInterface* Access(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

/// The description of `o` as an English interface says it.
QString EnglishDescription(QObject* o) {
    const int language = LanguageIndex;
    LanguageIndex = 2;
    const QString text = Access(o)->text(QAccessible::Description);
    LanguageIndex = language;
    return text;
}

class ScreenReader : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        RegisterAppSections();
    }
    void TearDown() override {
        platform::pretendAssistiveTechnology(-1);
        platform::accessOptions() = {};
        platform::watchAnnouncements({});
        ScreenTest::TearDown();
    }

    /// Checks every picture button of every screen open now.
    void CheckOpenScreens() {
        for (SkinScreen* s : display->findChildren<SkinScreen*>()) {
            if (s->isClosed()) continue;
            seen.insert(s->ScreenName);
            for (ImageButton* b : s->ButtonList) {
                if (!b) continue;
                const int n = SkinScreen::ButtonNumber(b->objectName());
                SCOPED_TRACE(s->ScreenName + " button " + std::to_string(n));
                const QString arabic = s->ButtonAccessibleName(n, true);
                const QString english = s->ButtonAccessibleName(n, false);
                EXPECT_TRUE(HasArabic(arabic)) << arabic.toStdString();
                EXPECT_TRUE(!english.isEmpty() && !HasArabic(english)) << english.toStdString();
                QAccessibleInterface* i = Access(b);
                ASSERT_TRUE(i);
                EXPECT_EQ(i->role(), QAccessible::Button);
                EXPECT_EQ(i->state().disabled, !b->isEnabled());
                const int language = LanguageIndex;
                LanguageIndex = 1;
                EXPECT_EQ(i->text(QAccessible::Name), arabic);
                LanguageIndex = 2;
                EXPECT_EQ(i->text(QAccessible::Name), english);
                LanguageIndex = language;
            }
        }
    }
    /// Opens a screen from the one on top, checks everything, closes it again.
    template <class Open>
    void CheckOpenedBy(Open open) {
        open();
        Advance(300);
        EXPECT_TRUE(Errors().empty()) << "opened: " << Errors().front();
        CheckOpenScreens();
        if (platform::Form* top = platform::topForm()) top->closeForm();
        Advance(10);
    }
    void CloseAll() {
        for (platform::Form* f : display->findChildren<platform::Form*>())
            if (!f->isClosed()) f->closeForm();
        platform::processPendingEvents();
        ChooserOpen = 0;
    }

    std::set<std::string> seen;
};

}  // namespace

TEST_F(ScreenReader, EveryPictureButtonOfEveryScreenHasANameInBothLanguages) {
    ShowMainMenu();
    Advance(300);
    CheckOpenScreens();
    for (int n : {13, 14, 15}) CheckOpenedBy([&] { frm_main->ClickButton(n); });
    CloseAll();

    for (int section = 1; section <= 12; ++section) {
        SCOPED_TRACE(section);
        PresetSectionValues(section);
        OpenSection(section);
        Advance(1500);
        EXPECT_TRUE(Errors().empty()) << "opening: " << Errors().front();
        CheckOpenScreens();
        if (section == 1) {
            CheckOpenedBy([] { frm_quran->OpenSuraIndex(); });
            CheckOpenedBy([] { frm_remote->OpenQuranSearch(); });
        } else if (section == 2) {
            CheckOpenedBy([] { frm_tafseer->ClickButton(1); });   // languages
            CheckOpenedBy([] { frm_tafseer->ClickButton(10); });  // commentary chooser
        } else if (auto* reader = dynamic_cast<TopicTreeReader*>(platform::topForm())) {
            CheckOpenedBy([reader] { reader->ClickButton(reader->Member.buttons.search); });
        }
        CloseAll();
        EXPECT_TRUE(Errors().empty()) << Errors().front();
        Errors().clear();
    }
    const std::set<std::string> every = {
        "main",    "settings", "company",     "about",  "quran",   "remote", "soraname", "qurans",
        "tafseer", "lang",     "tafseername", "hadith", "hadiths", "fekh",   "fekhs",    "live",
        "lives",   "asbab",    "tagweed",     "azan",   "doaa",    "azkar",  "fourty",   "remark"};
    EXPECT_EQ(seen, every);
}

TEST_F(ScreenReader, DisabledAndChosenButtonsAreSoAndThePressActionClicks) {
    PresetSectionValues(1);
    OpenSection(1);
    Advance(500);
    ASSERT_TRUE(frm_remote);
    auto state = [](int n) { return Access(frm_remote->Button(n))->state(); };
    // At 1:1 there is no aya before; one recitation of each aya is chosen.
    EXPECT_TRUE(state(11).disabled);
    EXPECT_FALSE(state(10).disabled);
    EXPECT_FALSE(state(2).checkable);
    for (int n = 5; n <= 7; ++n) {
        EXPECT_TRUE(state(n).checkable) << n;
        EXPECT_EQ(state(n).checked, n == 5) << n;
    }
    // Pressing "twice" through the interface chooses it, as a click does.
    QAccessibleActionInterface* twice = Access(frm_remote->Button(6))->actionInterface();
    ASSERT_TRUE(twice);
    ASSERT_TRUE(twice->actionNames().contains(QAccessibleActionInterface::pressAction()));
    twice->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(RepeatCount, 2);
    EXPECT_TRUE(state(6).checked && state(6).disabled);
    EXPECT_FALSE(state(5).checked || state(5).disabled);
    // A disabled button offers no press.
    EXPECT_FALSE(Access(frm_remote->Button(6))
                     ->actionInterface()
                     ->actionNames()
                     .contains(QAccessibleActionInterface::pressAction()));
    CloseAll();

    // The connector of the book search is a radio choice, checked when chosen.
    OpenSection(3);
    Advance(500);
    auto* reader = dynamic_cast<TopicTreeReader*>(platform::topForm());
    ASSERT_TRUE(reader);
    reader->ClickButton(reader->Member.buttons.search);
    Advance(100);
    auto* optor = platform::topForm()->findChild<QRadioButton*>("optor");
    ASSERT_TRUE(optor);
    EXPECT_EQ(Access(optor)->role(), QAccessible::RadioButton);
    EXPECT_FALSE(Access(optor)->state().checked);
    Click(optor);
    EXPECT_TRUE(Access(optor)->state().checked);
    EXPECT_EQ(Access(optor)->text(QAccessible::Name), QString::fromUtf8("أو"));
    CloseAll();
}

TEST_F(ScreenReader, TheReaderSaysWhereItStandsAndReadsTheAya) {
    platform::pretendAssistiveTechnology(1);
    std::vector<QString> told;
    platform::watchAnnouncements([&told](QAccessibleEvent& e) {
        if (e.type() == QAccessible::DescriptionChanged && frm_quran &&
            e.object() == frm_quran->panquran)
            told.push_back(EnglishDescription(e.object()));
    });
    PresetSectionValues(1);
    OpenSection(1);
    Advance(500);
    ASSERT_TRUE(frm_quran);
    QAccessibleInterface* page = Access(frm_quran->panquran);
    ASSERT_TRUE(page);
    EXPECT_EQ(EnglishDescription(page->object()), "Sura 1, aya 1, page 1, part 1");
    frm_remote->ClickButton(10);  // next aya
    EXPECT_EQ(EnglishDescription(page->object()), "Sura 1, aya 2, page 1, part 1");

    // A click on 2:255 from 2:254: the place, the announcement and the text.
    CurrentSura = 2;
    CurrentAya = 254;
    frm_quran->Core->LoadSura();
    AyaLocation target;
    ASSERT_TRUE(LocateAyaSegments(2, 255, target));
    ASSERT_EQ(target.page, CurrentPage);
    const AyaSegment& s = target.segments[0];
    Click(frm_quran->panquran->imgpage, {s.left + s.width / 2, s.top + s.height / 2});
    ASSERT_EQ(CurrentSura * 1000 + CurrentAya, 2255);
    const QString where = QString("Sura 2, aya 255, page %1, part 3").arg(CurrentPage);
    EXPECT_EQ(EnglishDescription(page->object()), where);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), where);
    EXPECT_EQ(told, (std::vector<QString>{"Sura 1, aya 1, page 1, part 1",
                                          "Sura 1, aya 2, page 1, part 1", told[2], where}));

    // The aya's text, as the disc holds it, for speech and braille.
    std::ifstream tsv(std::string(ZAFIREL_SHARED_DATA) + "/quran-text/ar-simple.tsv");
    std::string line;
    while (std::getline(tsv, line) && line.rfind("2\t255\t", 0) != 0) {
    }
    const QString text = QString::fromStdString(line.substr(6)).trimmed();
    ASSERT_FALSE(text.isEmpty());
    QAccessibleTextInterface* readable = page->textInterface();
    ASSERT_TRUE(readable);
    EXPECT_EQ(readable->text(0, readable->characterCount()), text);
    EXPECT_EQ(readable->text(0, 4), text.left(4));

    // The go-to fields are named number fields.
    QAccessibleInterface* aya = Access(frm_remote->Memoaya);
    EXPECT_EQ(aya->role(), QAccessible::EditableText);
    EXPECT_EQ(aya->text(QAccessible::Name), QString::fromUtf8("الآية"));
    EXPECT_EQ(aya->textInterface()->text(0, aya->textInterface()->characterCount()), "255");

    // In Arabic, the sura's name from the disc.
    EXPECT_EQ(page->text(QAccessible::Description),
              QString::fromUtf8("سورة البَقَرَة، الآية 255، الصفحة %1، الجزء 3").arg(CurrentPage));
    CloseAll();

    // The commentary reader: the same page, and its pane is named text.
    PresetSectionValues(2);
    OpenSection(2);
    Advance(500);
    ASSERT_TRUE(frm_tafseer);
    EXPECT_EQ(EnglishDescription(frm_tafseer->panquran), "Sura 1, aya 1, page 1, part 1");
    QAccessibleInterface* pane = Access(frm_tafseer->memotafseer);
    EXPECT_EQ(pane->text(QAccessible::Name), QString::fromUtf8("التفسير"));
    ASSERT_TRUE(pane->textInterface());
    EXPECT_GT(pane->textInterface()->characterCount(), 0);
    CloseAll();
}

TEST_F(ScreenReader, StrongFocusMarkFramesTheFocusedButtonOnlyWhenChosen) {
    for (bool strong : {false, true}) {
        platform::accessOptions().strongFocusMark = strong;
        ShowMainMenu();
        Advance(300);
        Key(Qt::Key_Down);
        ASSERT_EQ(frm_main->FocusedButton, 1);
        QWidget* mark = platform::strongFocusOutline();
        EXPECT_EQ(mark != nullptr, strong);
        if (mark) {
            EXPECT_EQ(mark->geometry(), frm_main->Button(1)->geometry().adjusted(-3, -3, 3, 3));
            Key(Qt::Key_Right);
            EXPECT_EQ(mark->geometry(),
                      frm_main->Button(frm_main->FocusedButton)->geometry().adjusted(-3, -3, 3, 3));
            frm_main->Reset();
            EXPECT_FALSE(platform::strongFocusOutline());
        }
        CloseAll();
    }
}

TEST_F(ScreenReader, WithAScreenReaderNothingPlaysInTheFirstSecond) {
    for (int listening : {0, 1}) {
        SCOPED_TRACE(listening);
        platform::pretendAssistiveTechnology(listening);
        PresetSectionValues(1);
        OpenSection(1);
        Advance(500);
        ASSERT_TRUE(frm_quran);
        platform::MediaPlayer* player = frm_quran->Core->mci1;
        EXPECT_EQ(player->waitingForQuiet(), listening == 1);
        EXPECT_EQ(player->Position() > 0, listening == 0);
        Advance(1000);
        EXPECT_FALSE(player->waitingForQuiet());
        EXPECT_GT(player->Position(), 0);
        CloseAll();
    }
    // Stopped while it waits: it never starts.
    platform::pretendAssistiveTechnology(1);
    PresetSectionValues(1);
    OpenSection(1);
    Advance(200);
    frm_remote->ClickButton(4);  // stop
    Advance(2000);
    EXPECT_EQ(frm_quran->Core->mci1->Position(), 0);
    CloseAll();
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}
