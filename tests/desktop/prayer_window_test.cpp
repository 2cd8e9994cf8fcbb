// The prayer times in the program's own layer: nothing before a place is
// set; then the menu entry and F7 open the window, which counts down to the
// next prayer across midnight and prints a month; the preferences page keeps
// the place and method.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeZone>
#include <filesystem>
#include <fstream>
#include <memory>

#include "desktop/desktop_layer.h"
#include "desktop/key_table.h"
#include "desktop/prayer_window.h"
#include "desktop/preferences.h"
#include "platform/forms.h"
#include "platform/guard.h"
#include "platform/print.h"
#include "shell/globals.h"
#include "devotional/unt_azan.h"
#include "platform/media.h"
#include "quran/reader_core.h"
#include "quran/unt_quran.h"
#include "shell/unt_start.h"
#include "support/screen_test.h"
#include "support/sim_device.h"

namespace {

namespace fs = std::filesystem;
using namespace desktop;

const prayer::Place kCairo{"Cairo", 30.0444, 31.2357, "Africa/Cairo"};

prayer::Options egyptian() {
    prayer::Options o;
    o.method = 8;
    return o;
}

class PrayerWindowTest : public ScreenTest {
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
        layer->prayerClock = [this] { return now; };
        hub->showHub(true);
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        hub.reset();
        ScreenTest::TearDown();
    }
    void Press(int key) {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != hub.get()) target = hub->area();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        platform::processPendingEvents();
    }
    bool MenuHasPrayerTimes() {
        QContextMenuEvent e(QContextMenuEvent::Mouse, {5, 5},
                            hub->area()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(hub->area(), &e);
        bool found = false;
        for (QAction* a : layer->menu()->actions()) found |= a->objectName() == "prayerTimes";
        layer->menu()->close();
        return found;
    }

    QTemporaryDir dir;
    std::unique_ptr<Tfrm_start> hub;
    std::unique_ptr<Preferences> prefs;
    DesktopLayer* layer = nullptr;
    QDateTime now{QDate(2025, 3, 15), QTime(10, 0), QTimeZone("Africa/Cairo")};
};

TEST_F(PrayerWindowTest, NothingUntilAPlaceIsSetThenTheMenuAndF7OpenTheWindow) {
    EXPECT_FALSE(MenuHasPrayerTimes());
    Press(Qt::Key_F7);
    EXPECT_EQ(layer->prayerTimesWindow(), nullptr);

    prayer::store(*prefs, kCairo, egyptian());
    EXPECT_TRUE(MenuHasPrayerTimes());
    Press(Qt::Key_F7);
    PrayerTimesWindow* w = layer->prayerTimesWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->layoutDirection(), Qt::RightToLeft);  // language 1 is Arabic
    const prayer::Day today = prayer::day(kCairo, egyptian(), now.date());
    for (int t = 0; t < prayer::kTimes; ++t) {
        EXPECT_EQ(w->today->item(t, 0)->text(), prayer::timeName(t, true));
        EXPECT_EQ(w->today->item(t, 1)->text(), today.at[t].toString("HH:mm"));
    }
    ASSERT_EQ(w->week->rowCount(), 7);
    const prayer::Day lastOfWeek = prayer::day(kCairo, egyptian(), now.date().addDays(7));
    EXPECT_EQ(w->week->item(6, 1 + prayer::Isha)->text(),
              lastOfWeek.at[prayer::Isha].toString("HH:mm"));
    // 15 March 2025 is 15 Ramadan 1446.
    EXPECT_TRUE(w->dates->text().contains(QString::fromUtf8("15 رمضان 1446")))
        << w->dates->text().toStdString();
    EXPECT_TRUE(w->nextPrayer->text().contains(prayer::timeName(prayer::Dhuhr, true)));
    EXPECT_TRUE(Errors().empty());
}

TEST_F(PrayerWindowTest, TheCountdownRunsAcrossMidnightToTomorrowsFajr) {
    LanguageIndex = 3;
    prayer::store(*prefs, kCairo, egyptian());
    const QTimeZone cairo("Africa/Cairo");
    now = QDateTime(QDate(2025, 1, 15), QTime(23, 59, 30), cairo);
    PrayerTimesWindow* w = layer->openPrayerTimes();
    ASSERT_NE(w, nullptr);
    const QDateTime fajr = prayer::day(kCairo, egyptian(), QDate(2025, 1, 16)).at[prayer::Fajr];
    auto left = [&](const QDateTime& from) {
        const qint64 s = from.secsTo(fajr);
        return QString("%1:%2:%3")
            .arg(s / 3600)
            .arg(s / 60 % 60, 2, 10, QChar('0'))
            .arg(s % 60, 2, 10, QChar('0'));
    };
    EXPECT_TRUE(w->nextPrayer->text().startsWith("Next: Fajr at " + fajr.toString("HH:mm")))
        << w->nextPrayer->text().toStdString();
    EXPECT_TRUE(w->nextPrayer->text().contains(left(now))) << w->nextPrayer->text().toStdString();
    EXPECT_TRUE(w->dates->text().contains("January 15, 2025") ||
                w->dates->text().contains("15 January 2025"))
        << w->dates->text().toStdString();

    now = now.addSecs(60);  // 00:00:30 on the 16th
    w->refresh();
    EXPECT_TRUE(w->nextPrayer->text().contains(left(now))) << w->nextPrayer->text().toStdString();
    EXPECT_TRUE(w->dates->text().contains("16")) << w->dates->text().toStdString();
    EXPECT_EQ(w->today->item(prayer::Fajr, 1)->text(), fajr.toString("HH:mm"));
    LanguageIndex = 1;
}

TEST_F(PrayerWindowTest, PrintingGivesTheMonthAsATable) {
    const fs::path docs = fs::path(DriveC()) / "docs";
    const fs::path config = fs::path(DriveC()) / "config";
    fs::create_directories(config);
    std::ofstream(config / "user-dirs.dirs") << "XDG_DOCUMENTS_DIR=\"" << docs.string() << "\"\n";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    platform::setPrintToFileOnly(true);
    LanguageIndex = 3;
    PrayerTimesWindow w(kCairo, egyptian(), [this] { return now; });
    w.printMonth();
    unsetenv("XDG_CONFIG_HOME");
    LanguageIndex = 1;
    bool found = false;
    for (const auto& f : fs::directory_iterator(docs / "ZAFIREL"))
        found |= f.path().filename().string().find("March 2025") != std::string::npos &&
                 fs::file_size(f.path()) > 1000;
    EXPECT_TRUE(found);
}

TEST_F(PrayerWindowTest, ThePreferencesPageKeepsThePlaceAndMethod) {
    PrayerTimesPage page;
    page.load(*prefs);
    EXPECT_EQ(page.city->currentIndex(), 0);  // no place
    page.store(*prefs);
    EXPECT_FALSE(prayer::placeFrom(*prefs).has_value());

    page.city->setCurrentIndex(page.city->findText(QString::fromUtf8("مكة المكرمة Mecca")));
    EXPECT_DOUBLE_EQ(page.latitude->value(), 21.4225);
    EXPECT_FALSE(page.zone->isEnabled());
    page.method->setCurrentIndex(page.method->findData(6));
    page.adjust[prayer::Isha]->setValue(30);
    page.hijriAdjust->setValue(1);
    page.store(*prefs);
    PrayerTimesPage again;
    again.load(*prefs);
    EXPECT_EQ(again.city->currentText(), QString::fromUtf8("مكة المكرمة Mecca"));
    EXPECT_EQ(again.method->currentData().toInt(), 6);
    EXPECT_EQ(again.adjust[prayer::Isha]->value(), 30);
    EXPECT_EQ(again.hijriAdjust->value(), 1);

    // Typed coordinates; a time zone the system does not know is told and not kept.
    again.city->setCurrentIndex(again.city->count() - 1);
    EXPECT_TRUE(again.zone->isEnabled());
    again.latitude->setValue(48.1);
    again.longitude->setValue(11.6);
    again.zone->setText("Europe/Berlin");
    again.store(*prefs);
    ASSERT_TRUE(prayer::placeFrom(*prefs).has_value());
    EXPECT_EQ(prayer::placeFrom(*prefs)->zone, "Europe/Berlin");
    again.zone->setText("Europe/Atlantis");
    again.store(*prefs);
    EXPECT_FALSE(prayer::placeFrom(*prefs).has_value());
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find("Europe/Atlantis"), std::string::npos);
    Errors().clear();
}

TEST_F(PrayerWindowTest, PInTheCallToPrayerSectionOpensTheWindowOnceAPlaceIsSet) {
    OpenCallToPrayerSection();
    Advance(500);
    ASSERT_NE(frm_azan, nullptr);
    ASSERT_NE(platform::topForm(), nullptr);
    EXPECT_STREQ(platform::topForm()->metaObject()->className(), "Tfrm_azan");
    Press(Qt::Key_P);
    EXPECT_EQ(layer->prayerTimesWindow(), nullptr);
    prayer::store(*prefs, kCairo, egyptian());
    Press(Qt::Key_P);
    ASSERT_NE(layer->prayerTimesWindow(), nullptr);
    layer->prayerTimesWindow()->close();
    frm_azan->Leave();
    Advance(500);
    // Elsewhere P stays the screen's own.
    EXPECT_EQ(programAction(QKeyCombination(Qt::Key_P), platform::topForm()), ProgramAction::None);
    EXPECT_EQ(programAction(QKeyCombination(Qt::Key_F7), platform::topForm()),
              ProgramAction::PrayerTimes);
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

// Virtual time: the wall clock runs with the program's clock.
TEST_F(PrayerWindowTest, TheCallPlaysAtItsTimeButNotOverARecitationUnlessChosen) {
    prayer::store(*prefs, kCairo, egyptian());
    const QDateTime dhuhr = prayer::day(kCairo, egyptian(), now.date()).at[prayer::Dhuhr];
    const QDateTime asr = prayer::day(kCairo, egyptian(), now.date()).at[prayer::Asr];
    QDateTime start = dhuhr.addSecs(-5);
    const int64_t t0 = clock.now();
    layer->prayerClock = [&] { return start.addMSecs(clock.now() - t0); };
    PrayerCall* call = layer->prayerCall;

    Advance(10000);  // off by default: Dhuhr passes in silence
    EXPECT_EQ(call->played, 0);

    prefs->setValue(PrayerCall::kOn, true);
    prefs->setValue(PrayerCall::kCall, 3);
    start = asr.addSecs(-5).addMSecs(t0 - clock.now());
    Advance(1000);
    EXPECT_EQ(call->played, 0);
    Advance(6000);
    ASSERT_EQ(call->played, 1);
    auto opened = [](const char* tail) {
        for (const std::string& line : platform::SimulatedDevice::log())
            if (line.rfind("open ", 0) == 0 &&
                QString::fromStdString(line).endsWith(tail, Qt::CaseInsensitive))
                return true;
        return false;
    };
    EXPECT_TRUE(opened("azan/3.wav"));
    // Then the supplication after it, as the program's setting asks.
    for (int i = 0; i < 600 && call->player->FileName == Tfrm_azan::CallFile(3); ++i) Advance(1000);
    EXPECT_EQ(call->player->FileName, Tfrm_azan::SupplicationFile());
    EXPECT_TRUE(opened("doaa/1.mp3"));
    EXPECT_EQ(call->played, 1) << "one call per prayer";
    call->player->Close();

    // Maghrib during a recitation: left out, the recitation goes on.
    CurrentSura = 2;
    CurrentAya = 5;
    OpenQuranSection();
    Advance(500);
    ASSERT_NE(frm_quran, nullptr);
    if (!frm_quran->Core->Playing()) frm_quran->KeyPressed(Qt::Key_Space, Qt::NoModifier);
    Advance(100);
    ASSERT_TRUE(frm_quran->Core->Playing());
    const QDateTime maghrib = prayer::day(kCairo, egyptian(), now.date()).at[prayer::Maghrib];
    start = maghrib.addSecs(-2).addMSecs(t0 - clock.now());
    Advance(4000);
    EXPECT_EQ(call->played, 1);
    EXPECT_EQ(call->leftOut, 1);
    EXPECT_TRUE(frm_quran->Core->Playing());

    // Isha, with "pause the recitation for the call" chosen.
    prefs->setValue(PrayerCall::kPauseRecitation, true);
    const QDateTime isha = prayer::day(kCairo, egyptian(), now.date()).at[prayer::Isha];
    start = isha.addSecs(-2).addMSecs(t0 - clock.now());
    Advance(4000);
    EXPECT_EQ(call->played, 2);
    EXPECT_FALSE(frm_quran->Core->Playing());
    EXPECT_TRUE(Errors().empty()) << Errors().front();
}

TEST(PrayerCities, TheZoneTableAndTheCitiesAddedToIt) {
    const QByteArray tab =
        "# comment\n"
        "SA,AQ,KW,YE\t+2438+04643\tAsia/Riyadh\n"
        "US\t+404251-0740023\tAmerica/New_York\tEastern (most areas)\n"
        "XX\tbroken\tNowhere/Here\n"
        "short line\n";
    const std::vector<City> list = citiesOfZoneTable(tab);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name, "Riyadh");
    EXPECT_NEAR(list[0].latitude, 24.6333, 1e-3);
    EXPECT_NEAR(list[0].longitude, 46.7167, 1e-3);
    EXPECT_EQ(list[1].name, "New York");
    EXPECT_NEAR(list[1].latitude, 40.7142, 1e-3);
    EXPECT_NEAR(list[1].longitude, -74.0064, 1e-3);
    EXPECT_EQ(list[1].zone, "America/New_York");

    bool berlin = false;
    for (const City& c : cities()) {
        berlin |= c.zone == "Europe/Berlin";
        EXPECT_TRUE(QTimeZone(c.zone).isValid()) << c.zone.toStdString();
    }
    EXPECT_TRUE(berlin);
    EXPECT_EQ(cities()[25].zone, "Asia/Jakarta") << "the count the about window gives";
}

}  // namespace
