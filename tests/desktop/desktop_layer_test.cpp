// The program's own layer over the screens, in virtual time: the right-click
// menu and its entries, full screen and window, the program's keys, the
// preferences dialog and the keys window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <memory>

#include "desktop/command_line.h"
#include "desktop/desktop_layer.h"
#include "desktop/key_table.h"
#include "desktop/listening_page.h"
#include "desktop/preferences.h"
#include "desktop/preferences_dialog.h"
#include "desktop/texts.h"
#include "platform/guard.h"
#include "platform/listening.h"
#include "platform/media.h"
#include "platform/paths.h"
#include "quran/reader_core.h"
#include "platform/arabic_match.h"
#include "platform/forms.h"
#include "platform/string_grid.h"
#include "quran/quran_search.h"
#include "quran/sura_names.h"
#include "quran/unt_quran.h"
#include "quran/unt_qurans.h"
#include "quran/unt_remote.h"
#include "quran/unt_soraname.h"
#include "shell/globals.h"
#include "shell/sections.h"
#include "shell/unt_logo.h"
#include "shell/unt_start.h"
#include "shell/unt_video.h"
#include "skin/unt_main.h"
#include "support/screen_test.h"
#include "support/sim_device.h"

namespace {

using desktop::DesktopLayer;
using desktop::Preferences;

class DesktopLayerTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        display->hide();
        hub = std::make_unique<Tfrm_start>();
        frm_start = hub.get();
        hub->Timer1->setEnabled(false);
        platform::guarded([&] { hub->FormCreate(); });
        prefs = std::make_unique<Preferences>(dir.filePath("zafirel.conf"));
        layer = new DesktopLayer(hub.get(), *prefs);
        hub->showHub(true);
        hub->activateWindow();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        hub.reset();
        ScreenTest::TearDown();
    }

    /// A key as the keyboard gives it: to the widget with the focus, or to
    /// the hub's display.
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != hub.get()) target = hub->area();
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(target, &press);
        platform::processPendingEvents();
    }
    /// A right click on a widget.
    static void RightClick(QWidget* w) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, w->rect().center(),
                            w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &e);
    }
    QStringList Entries() const {
        QStringList names;
        if (layer->menu())
            for (QAction* a : layer->menu()->actions())
                if (!a->isSeparator())
                    names << (a->objectName().isEmpty() ? "control" : a->objectName());
        return names;
    }
    QAction* Entry(const QString& name) const {
        for (QAction* a : layer->menu()->actions())
            if (a->objectName() == name) return a;
        return nullptr;
    }
    platform::SimulatedDevice* Playing() const {
        for (auto* d : platform::SimulatedDevice::devices())
            if (d->isPlaying()) return d;
        return nullptr;
    }

    QTemporaryDir dir;
    std::unique_ptr<Tfrm_start> hub;
    std::unique_ptr<Preferences> prefs;
    DesktopLayer* layer = nullptr;  // owned by the hub
};

TEST_F(DesktopLayerTest, ARightClickOnAnyScreenOpensTheMenuInTheInterfaceLanguage) {
    ShowMainMenu();
    Advance(200);
    for (int language : {1, 3}) {
        LanguageIndex = language;
        RightClick(frm_main->Button(1));
        ASSERT_NE(layer->menu(), nullptr);
        EXPECT_EQ(Entries(), QStringList({"fullScreen", "preferences", "keys", "about", "quit"}));
        EXPECT_TRUE(Entry("fullScreen")->isChecked());
        EXPECT_TRUE(
            Entry("quit")->text().startsWith(desktop::text(desktop::Text::Quit, language == 1)));
        EXPECT_EQ(layer->menu()->layoutDirection(),
                  language == 1 ? Qt::RightToLeft : Qt::LeftToRight);
        layer->menu()->close();
    }
    EXPECT_NE(frm_main, nullptr) << "the click did nothing to the screen";

    // A text field keeps its own menu, with the program's entries below it.
    auto* field = new QLineEdit(frm_main);
    field->show();
    RightClick(field);
    const QStringList entries = Entries();
    ASSERT_GT(entries.size(), 5);
    EXPECT_EQ(entries.front(), "control");
    EXPECT_EQ(entries.mid(entries.size() - 5),
              QStringList({"fullScreen", "preferences", "keys", "about", "quit"}));
    layer->menu()->close();

    // The keyboard reaches it too, and Quit ends the program as Ctrl+Q does.
    Press(Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_NE(layer->menu(), nullptr);
    layer->menu()->close();
    Press(Qt::Key_Menu);
    ASSERT_NE(layer->menu(), nullptr);
    Entry("quit")->trigger();
    EXPECT_TRUE(platform::terminationRequested());
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

TEST_F(DesktopLayerTest, FullScreenAndWindowKeepTheSectionTheAyaAndTheRecitation) {
    CurrentSura = 2;
    CurrentAya = 5;
    OpenQuranSection();
    Advance(500);
    ASSERT_NE(frm_quran, nullptr);
    if (!Playing()) frm_quran->KeyPressed(Qt::Key_Space, Qt::NoModifier);
    Advance(100);
    platform::SimulatedDevice* device = Playing();
    ASSERT_NE(device, nullptr) << "the aya is being recited";
    const std::string file = device->file();
    QPointer<Tfrm_quran> reader = frm_quran.data();
    const int aya = CurrentAya;
    frm_quran->setFocus();
    QPointer<QWidget> focus = QApplication::focusWidget();

    RightClick(frm_quran);
    ASSERT_NE(layer->menu(), nullptr);
    Entry("fullScreen")->trigger();  // unchecked: a window
    Advance(100);
    EXPECT_FALSE(hub->fullScreenMode());
    EXPECT_FALSE(hub->isFullScreen());
    EXPECT_EQ(hub->size(), QSize(1024, 768));
    EXPECT_EQ(frm_quran, reader) << "the same reader, not a new one";
    EXPECT_EQ(CurrentAya, aya);
    EXPECT_EQ(Playing(), device);
    EXPECT_EQ(device->file(), file);
    EXPECT_EQ(QApplication::focusWidget(), focus);

    // The choice is kept: the next start opens a window.
    Preferences next(prefs->file());
    next.load();
    EXPECT_TRUE(next.startWindowed());
    EXPECT_TRUE(desktop::startWindowed({}, nullptr, next.startWindowed()));

    Press(Qt::Key_F11);
    EXPECT_TRUE(hub->fullScreenMode());
    EXPECT_EQ(frm_quran, reader);
    EXPECT_EQ(Playing(), device);
    next.load();
    EXPECT_FALSE(next.startWindowed());
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

TEST_F(DesktopLayerTest, ThePreferencesDialogStoresItsPagesAndSpeaksArabicRightToLeft) {
    ShowMainMenu();
    Advance(200);
    Press(Qt::Key_Comma, Qt::ControlModifier);
    desktop::PreferencesDialog* dialog = layer->preferencesDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->layoutDirection(), Qt::RightToLeft);  // language 1
    ASSERT_GE(dialog->pages().size(), 1u);
    auto* general = dynamic_cast<desktop::GeneralPage*>(dialog->pages()[0]);
    ASSERT_NE(general, nullptr);
    EXPECT_FALSE(general->startAtMenu->isChecked());

    // The folder chooser says what a folder holds.
    general->discFolder->setText(QString::fromStdString(TestDiscFolder()));
    EXPECT_TRUE(general->discStatus->text().startsWith(desktop::text(desktop::Text::DiscFound)));
    general->discFolder->setText(dir.path());
    EXPECT_TRUE(general->discStatus->text().startsWith(desktop::text(desktop::Text::DiscNotFound)));

    general->startAtMenu->setChecked(true);
    general->discFolder->setText(QString::fromStdString(TestDiscFolder()));
    dialog->accept();
    Preferences saved(prefs->file());
    saved.load();
    EXPECT_TRUE(saved.startAtMenu());
    EXPECT_FALSE(saved.startWindowed());
    EXPECT_EQ(saved.discFolder().toStdString(), TestDiscFolder());

    // A page registered later appears after the general and search ones.
    struct Later : desktop::PreferencesPage {
        QString title() const override { return "Later"; }
        void load(const Preferences&) override {}
        void store(Preferences& p) override { p.setValue("later/on", true); }
    };
    desktop::registerPreferencesPage([] { return new Later(); });
    LanguageIndex = 3;
    auto* english = new desktop::PreferencesDialog(*prefs);
    EXPECT_EQ(english->layoutDirection(), Qt::LeftToRight);
    const int pages = english->pageList->count();
    ASSERT_GE(pages, 3);
    EXPECT_EQ(english->pageList->item(0)->text(), "General");
    EXPECT_EQ(english->pageList->item(1)->text(), "Search");
    EXPECT_EQ(english->pageList->item(pages - 1)->text(), "Later");
    english->accept();
    EXPECT_TRUE(prefs->value("later/on").toBool());
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

TEST_F(DesktopLayerTest, AnUnwritablePreferencesFileIsToldOnceAndTheProgramGoesOn) {
    prefs = std::make_unique<Preferences>(dir.path());  // a folder: cannot be written
    delete layer;
    layer = new DesktopLayer(hub.get(), *prefs);
    Press(Qt::Key_F11);
    Press(Qt::Key_F11);
    EXPECT_TRUE(hub->fullScreenMode());
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find(dir.path().toStdString()), std::string::npos) << Errors()[0];
}

// The search page: every option off at first; each choice survives a
// restart and reaches the searches when the dialog is accepted, and at start.
TEST_F(DesktopLayerTest, TheSearchPageKeepsItsOptionsAndTheSearchesSeeThem) {
    struct Restore {
        ~Restore() { platform::setSearchOptions({}); }
    } restore;
    auto same = [](const platform::SearchOptions& a, const platform::SearchOptions& b) {
        return a.arabicAware == b.arabicAware && a.wholeWords == b.wholeWords &&
               a.daggerAlef == b.daggerAlef;
    };
    const platform::SearchOptions choices[] = {
        {true, false, false}, {false, true, false}, {false, false, true}, {true, true, true}, {}};
    for (const platform::SearchOptions& o : choices) {
        auto* dialog = layer->openPreferences();
        auto* page = dynamic_cast<desktop::SearchPage*>(dialog->pages().at(1));
        ASSERT_NE(page, nullptr);
        page->arabicAware->setChecked(o.arabicAware);
        page->wholeWords->setChecked(o.wholeWords);
        page->daggerAlef->setChecked(o.daggerAlef);
        dialog->accept();
        EXPECT_TRUE(same(platform::searchOptions(), o));

        // Kept in the file, and shown by the page.
        Preferences next(prefs->file());
        next.load();
        EXPECT_TRUE(next.problem().isEmpty()) << next.problem().toStdString();
        EXPECT_TRUE(same(next.searchOptions(), o));
        desktop::SearchPage shown;
        shown.load(next);
        EXPECT_EQ(shown.arabicAware->isChecked(), o.arabicAware);
        EXPECT_EQ(shown.wholeWords->isChecked(), o.wholeWords);
        EXPECT_EQ(shown.daggerAlef->isChecked(), o.daggerAlef);
        platform::processPendingEvents();
    }
    // The next start gives the kept options to the searches.
    prefs->setSearchOptions({true, false, true});
    ASSERT_TRUE(prefs->save());
    platform::setSearchOptions({});
    prefs = std::make_unique<Preferences>(prefs->file());
    prefs->load();
    delete layer;
    layer = new DesktopLayer(hub.get(), *prefs);
    EXPECT_TRUE(same(platform::searchOptions(), {true, false, true}));
    // Off by default, and a value that is not a truth value is refused.
    Preferences fresh(dir.filePath("fresh.conf"));
    fresh.load();
    EXPECT_TRUE(same(fresh.searchOptions(), {}));
    {
        QFile bad(dir.filePath("bad.conf"));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("[search]\narabicAware=perhaps\n");
    }
    Preferences wrong(dir.filePath("bad.conf"));
    wrong.load();
    EXPECT_FALSE(wrong.problem().isEmpty());
    EXPECT_TRUE(same(wrong.searchOptions(), {}));
}

// On the Quran search the program's menu offers where to search; the scope
// chosen is the search's, and the label names it.
TEST_F(DesktopLayerTest, TheSearchScreensMenuSetsTheScopeOfTheSearch) {
    CurrentSura = 2;
    CurrentAya = 5;
    OpenQuranSection();
    Advance(500);
    ASSERT_TRUE(frm_remote);
    frm_remote->SearchButton();
    ASSERT_TRUE(frm_qurans);
    Tfrm_qurans* search = frm_qurans;
    const QStringList scopes = {"scopeWhole", "scopeSura", "scopePages"};
    RightClick(search);
    ASSERT_NE(layer->menu(), nullptr);
    EXPECT_EQ(Entries().mid(0, 3), scopes);
    EXPECT_TRUE(Entry("scopeWhole")->isChecked()) << "the whole Quran by default";
    EXPECT_TRUE(Entry("scopeSura")->text().contains(SuraNamesFile().Name(2)));

    search->Memo1->setText(QString::fromUtf8("الله"));
    Entry("scopeSura")->trigger();
    EXPECT_EQ(search->Scope.kind, SearchScope::Sura);
    EXPECT_EQ(search->Scope.sura, 2);
    ASSERT_GT(search->QuranHitCount, 0);
    for (const QuranHit& h : search->Hits) EXPECT_EQ(h.sura, 2);
    EXPECT_TRUE(search->lblresult->text().contains(SuraNamesFile().Name(2)));
    layer->menu()->close();

    // Pages: the dialog starts at the reader's page; a range given the wrong
    // way round is taken as the range it names.
    RightClick(search->grdresult->viewport());
    EXPECT_TRUE(Entry("scopeSura")->isChecked());
    Entry("scopePages")->trigger();
    ASSERT_NE(layer->pageRangeDialog(), nullptr);
    EXPECT_EQ(layer->fromPage->value(), CurrentPage);
    layer->fromPage->setValue(604);
    layer->toPage->setValue(603);
    layer->pageRangeDialog()->accept();
    EXPECT_EQ(search->Scope.kind, SearchScope::Pages);
    EXPECT_EQ(search->Scope.fromPage, 603);
    EXPECT_EQ(search->Scope.toPage, 604);
    ASSERT_GT(search->QuranHitCount, 0);
    for (const QuranHit& h : search->Hits) EXPECT_GE(h.sura, 109);

    // The whole Quran again: the label as the screen always wrote it.
    RightClick(search);
    Entry("scopeWhole")->trigger();
    EXPECT_EQ(search->lblresult->text(),
              QString::fromUtf8("التكرار= ") + QString::number(search->QuranHitCount));
    // Elsewhere the menu has no scope.
    search->EscapeKey();
    platform::processPendingEvents();
    RightClick(frm_quran);
    EXPECT_FALSE(Entries().contains("scopeWhole"));
    layer->menu()->close();
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

// The keys window lists, for the screen on top, what that screen's handler
// takes: every key a row gives the screen itself is taken, and the keys no
// row gives it are left.
TEST_F(DesktopLayerTest, TheKeysWindowListsWhatTheScreensHandlerDoes) {
    const int probes[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                          Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End,
                          Qt::Key_Space,  Qt::Key_Return,   Qt::Key_A,    Qt::Key_F5,
                          Qt::Key_Delete, Qt::Key_Insert,   Qt::Key_R};
    struct Screen {
        const char* name;
        std::function<platform::Form*()> open;
    };
    const Screen screens[] = {
        {"main menu",
         [] {
             ShowMainMenu();
             return static_cast<platform::Form*>(frm_main.data());
         }},
        {"Quran reader",
         [] {
             OpenQuranSection();
             return static_cast<platform::Form*>(frm_quran.data());
         }},
        {"sura index",
         [] { return static_cast<platform::Form*>(platform::createForm(frm_soraname)); }},
        {"video", [] { return static_cast<platform::Form*>(platform::createForm(frmvideo)); }},
        {"logo", [] { return static_cast<platform::Form*>(platform::createForm(frmlogo)); }},
    };
    for (const Screen& s : screens) {
        for (int key : probes) {
            platform::Form* form = s.open();
            form->show();
            Advance(300);
            form->KeyPressed(Qt::Key_Down, Qt::NoModifier);  // something highlighted first
            bool listed = false, byControl = false;
            for (const desktop::KeyRow& row : desktop::keysFor(form))
                for (QKeyCombination k : row.keys)
                    if (k == QKeyCombination(Qt::Key(key)))
                        (row.byControl ? byControl : listed) = true;
            if (!byControl) {
                bool taken = false;
                platform::guarded([&] { taken = form->KeyPressed(key, Qt::NoModifier); });
                EXPECT_EQ(taken, listed)
                    << s.name << ": key "
                    << desktop::keyName(QKeyCombination(Qt::Key(key))).toStdString();
            }
            if (!form->isClosed()) form->closeForm();
            for (auto* f : hub->area()->findChildren<platform::Form*>()) f->closeForm();
            Advance(100);
        }
    }

    // F1 shows the table for the screen on top.
    ShowMainMenu();
    Advance(200);
    Press(Qt::Key_F1);
    desktop::KeysWindow* window = layer->keysWindow();
    ASSERT_NE(window, nullptr);
    const auto rows = desktop::keysFor(frm_main);
    ASSERT_EQ(window->table->rowCount(), static_cast<int>(rows.size()));
    QStringList shown;
    for (int r = 0; r < window->table->rowCount(); ++r)
        shown << window->table->item(r, 0)->text().remove(QChar(0x2066)).remove(QChar(0x2069));
    EXPECT_TRUE(shown.contains("F11"));
    EXPECT_TRUE(shown.contains("Ctrl+Q"));
    EXPECT_TRUE(shown.contains("Left, Right, Up, Down"));
    EXPECT_FALSE(shown.contains("Home")) << "the readers' keys are not the menu's";
}

}  // namespace

TEST_F(DesktopLayerTest, VolumeKeysReachEveryPlayerAndAreKeptForTheNextStart) {
    CurrentSura = 1;
    CurrentAya = 1;
    OpenQuranSection();
    Advance(500);
    ASSERT_NE(frm_quran, nullptr);
    frm_quran->setFocus();
    struct Step {
        int key;
        int volume;
        bool muted;
    };
    const Step steps[] = {{Qt::Key_Minus, 90, false},  {Qt::Key_Minus, 80, false},
                          {Qt::Key_M, 80, true},       {Qt::Key_Plus, 90, false},
                          {Qt::Key_Equal, 100, false}, {Qt::Key_Plus, 100, false},
                          {Qt::Key_Minus, 90, false},  {Qt::Key_Minus, 80, false}};
    for (const Step& s : steps) {
        Press(s.key);
        EXPECT_EQ(platform::mediaVolume(), s.volume);
        EXPECT_EQ(platform::mediaMuted(), s.muted);
        ASSERT_FALSE(platform::SimulatedDevice::devices().empty());
        for (auto* device : platform::SimulatedDevice::devices())
            EXPECT_EQ(device->volume(), s.muted ? 0 : s.volume) << s.key;
    }
    // Typed into a text box, the keys are text.
    auto* edit = new QLineEdit(frm_quran);
    edit->show();
    edit->setFocus();
    Press(Qt::Key_Minus);
    EXPECT_EQ(platform::mediaVolume(), 80);

    // The next start plays at the volume kept.
    platform::setMediaVolume(100, false);
    Preferences next(prefs->file());
    next.load();
    desktop::applyListening(next);
    EXPECT_EQ(platform::mediaVolume(), 80);
    platform::MediaPlayer player;
    player.FileName = platform::programDrive() + "001.mp3";
    player.Open();
    EXPECT_EQ(platform::SimulatedDevice::devices().back()->volume(), 80);
    platform::setMediaVolume(100, false);
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

TEST_F(DesktopLayerTest, TheRecitationPageSetsTheListeningOptions) {
    LanguageIndex = 3;
    desktop::PreferencesDialog* dialog = layer->openPreferences();
    desktop::ListeningPage* page = nullptr;
    for (auto* p : dialog->pages())
        if (auto* l = dynamic_cast<desktop::ListeningPage*>(p)) page = l;
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->title(), "Recitation");
    // Off by default: the disc's own recitation.
    EXPECT_EQ(page->pauseSeconds->value(), 0);
    EXPECT_EQ(page->thirdRepeat->value(), 3);
    EXPECT_TRUE(page->rangeFrom->text().isEmpty());

    page->pauseSeconds->setValue(3);
    page->thirdRepeat->setValue(2);  // without end
    page->rangeFrom->setText("2:10");
    page->rangeTo->setText(" 2:5 ");
    page->rangeCount->setValue(4);
    dialog->accept();
    const platform::ListeningOptions& o = platform::listening();
    EXPECT_EQ(o.pauseSeconds, 3);
    EXPECT_EQ(o.thirdRepeat, 0);
    EXPECT_EQ(o.rangeFrom, (platform::AyaRef{2, 5}));
    EXPECT_EQ(o.rangeTo, (platform::AyaRef{2, 10}));
    EXPECT_EQ(o.rangeCount, 4);
    EXPECT_EQ(ReaderCore::ListeningStatus().toStdString(),
              "pause 3 s, ayas 5–10 ×4");  // the third button is not chosen

    // Kept for the next start; a range that names no aya is no range.
    Preferences next(prefs->file());
    next.load();
    platform::listening() = {};
    desktop::applyListening(next);
    EXPECT_EQ(o.pauseSeconds, 3);
    EXPECT_TRUE(o.rangeOn());
    for (const char* bad : {"", "2", "0:1", "115:1", "2:0", "a:b", "2:5:1"})
        EXPECT_FALSE(desktop::parseAyaRef(bad).valid()) << bad;
    next.setValue(desktop::listening_keys::kRangeTo, "300:1");
    next.setValue(desktop::listening_keys::kPauseSeconds, 999);
    desktop::applyListening(next);
    EXPECT_FALSE(o.rangeOn());
    EXPECT_EQ(o.pauseSeconds, 20);
    platform::listening() = {};
    EXPECT_TRUE(ReaderCore::ListeningStatus().isEmpty());
}
