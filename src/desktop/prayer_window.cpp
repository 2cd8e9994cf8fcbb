#include "desktop/prayer_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QTimeZone>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "desktop/prayer_call.h"
#include "desktop/preferences.h"
#include "desktop/texts.h"
#include "platform/guard.h"
#include "platform/print.h"

namespace desktop {

namespace {

QString say(const char* english, const char* arabicText) {
    return QString::fromUtf8(arabic() ? arabicText : english);
}

// "+2130" or "+213012": degrees, minutes and perhaps seconds.
double sexagesimal(const QByteArray& s, int degreeDigits) {
    const int sign = s.startsWith('-') ? -1 : 1;
    const QByteArray digits = s.mid(1);
    double value =
        digits.left(degreeDigits).toDouble() + digits.mid(degreeDigits, 2).toDouble() / 60;
    if (digits.size() > degreeDigits + 2)
        value += digits.mid(degreeDigits + 2, 2).toDouble() / 3600;
    return sign * value;
}

QString hhmm(const QDateTime& t) {
    return t.isValid() ? t.toString("HH:mm") : QStringLiteral("--:--");
}

// Where the disc's users most often are, with the coordinates of their
// centres (city centres as commonly given, to 4 decimals).
const City kExtra[] = {
    {"مكة المكرمة Mecca", 21.4225, 39.8262, "Asia/Riyadh"},
    {"المدينة المنورة Medina", 24.4686, 39.6142, "Asia/Riyadh"},
    {"القدس Jerusalem", 31.7683, 35.2137, "Asia/Jerusalem"},
    {"الرياض Riyadh", 24.7136, 46.6753, "Asia/Riyadh"},
    {"جدة Jeddah", 21.4858, 39.1925, "Asia/Riyadh"},
    {"القاهرة Cairo", 30.0444, 31.2357, "Africa/Cairo"},
    {"الدار البيضاء Casablanca", 33.5731, -7.5898, "Africa/Casablanca"},
    {"الرباط Rabat", 34.0209, -6.8416, "Africa/Casablanca"},
    {"الجزائر Algiers", 36.7538, 3.0588, "Africa/Algiers"},
    {"تونس Tunis", 36.8065, 10.1815, "Africa/Tunis"},
    {"الخرطوم Khartoum", 15.5007, 32.5599, "Africa/Khartoum"},
    {"عمّان Amman", 31.9454, 35.9284, "Asia/Amman"},
    {"دمشق Damascus", 33.5138, 36.2765, "Asia/Damascus"},
    {"بيروت Beirut", 33.8938, 35.5018, "Asia/Beirut"},
    {"بغداد Baghdad", 33.3152, 44.3661, "Asia/Baghdad"},
    {"الكويت Kuwait", 29.3759, 47.9774, "Asia/Kuwait"},
    {"الدوحة Doha", 25.2854, 51.5310, "Asia/Qatar"},
    {"دبي Dubai", 25.2048, 55.2708, "Asia/Dubai"},
    {"إسطنبول Istanbul", 41.0082, 28.9784, "Europe/Istanbul"},
    {"طهران Tehran", 35.6892, 51.3890, "Asia/Tehran"},
    {"كراتشي Karachi", 24.8607, 67.0011, "Asia/Karachi"},
    {"لاهور Lahore", 31.5204, 74.3587, "Asia/Karachi"},
    {"مومباي Mumbai", 19.0760, 72.8777, "Asia/Kolkata"},
    {"دكا Dhaka", 23.8103, 90.4125, "Asia/Dhaka"},
    {"كوالالمبور Kuala Lumpur", 3.1390, 101.6869, "Asia/Kuala_Lumpur"},
    {"جاكرتا Jakarta", -6.2088, 106.8456, "Asia/Jakarta"},
};

}  // namespace

QString prayerTimesTitle() {
    return say("Prayer times", "مواقيت الصلاة");
}

QString prayerTimesSources() {
    return say(
        "Prayer times and Hijri dates (Umm al-Qura): the Islamic tools library (libitl). "
        "Places: the principal cities of the time-zone database (zone1970.tab, tzdata), "
        "and city-centre coordinates of 26 cities added to them.",
        "مواقيت الصلاة والتاريخ الهجري (أم القرى): مكتبة الأدوات الإسلامية (libitl). "
        "الأماكن: المدن الرئيسية في قاعدة بيانات المناطق الزمنية (zone1970.tab، tzdata)، "
        "وإحداثيات مراكز 26 مدينة أضيفت إليها.");
}

std::vector<City> citiesOfZoneTable(const QByteArray& text) {
    std::vector<City> list;
    for (const QByteArray& raw : text.split('\n')) {
        if (raw.startsWith('#')) continue;
        const QList<QByteArray> fields = raw.split('\t');
        if (fields.size() < 3) continue;
        const QByteArray& coords = fields[1];
        const int split = std::max(coords.lastIndexOf('+'), coords.lastIndexOf('-'));
        if (split <= 0) continue;
        const QByteArray lat = coords.left(split), lon = coords.mid(split);
        if (lat.size() != 5 && lat.size() != 7) continue;
        if (lon.size() != 6 && lon.size() != 8) continue;
        const QByteArray zone = fields[2].trimmed();
        QString name = QString::fromUtf8(zone.mid(zone.lastIndexOf('/') + 1)).replace('_', ' ');
        list.push_back({name, sexagesimal(lat, 2), sexagesimal(lon, 3), zone});
    }
    return list;
}

const std::vector<City>& cities() {
    static const std::vector<City> list = [] {
        std::vector<City> all(std::begin(kExtra), std::end(kExtra));
        QFile tab("/usr/share/zoneinfo/zone1970.tab");
        if (tab.open(QIODevice::ReadOnly)) {
            std::vector<City> zones = citiesOfZoneTable(tab.readAll());
            std::sort(zones.begin(), zones.end(),
                      [](const City& a, const City& b) { return a.name < b.name; });
            all.insert(all.end(), zones.begin(), zones.end());
        }
        return all;
    }();
    return list;
}

PrayerTimesWindow::PrayerTimesWindow(prayer::Place place, prayer::Options options,
                                     std::function<QDateTime()> now, QWidget* parent)
    : QDialog(parent), place_(std::move(place)), options_(options), now_(std::move(now)) {
    if (!now_) now_ = [] { return QDateTime::currentDateTime(); };
    setWindowTitle(prayerTimesTitle() + " — " + place_.name);
    setLayoutDirection(direction());
    setAttribute(Qt::WA_DeleteOnClose);
    dates = new QLabel();
    nextPrayer = new QLabel();
    QFont big = nextPrayer->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    nextPrayer->setFont(big);
    today = new QTableWidget(prayer::kTimes, 2);
    today->horizontalHeader()->hide();
    today->verticalHeader()->hide();
    today->setEditTriggers(QAbstractItemView::NoEditTriggers);
    week = new QTableWidget(7, 1 + prayer::kTimes);
    week->verticalHeader()->hide();
    week->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList heads{say("Day", "اليوم")};
    for (int t = 0; t < prayer::kTimes; ++t) heads << prayer::timeName(t, arabic());
    week->setHorizontalHeaderLabels(heads);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(text(Text::Close));
    QPushButton* print =
        buttons->addButton(say("Print the month", "طباعة الشهر"), QDialogButtonBox::ActionRole);
    print->setObjectName("printMonth");
    connect(print, &QPushButton::clicked, this,
            [this] { platform::guarded([this] { printMonth(); }); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dates);
    layout->addWidget(nextPrayer);
    layout->addWidget(today);
    layout->addWidget(new QLabel(say("The next seven days", "الأيام السبعة القادمة")));
    layout->addWidget(week, 1);
    layout->addWidget(buttons);
    tick_ = new QTimer(this);
    connect(tick_, &QTimer::timeout, this, &PrayerTimesWindow::refresh);
    tick_->start(1000);
    refresh();
    resize(640, 560);
}

void PrayerTimesWindow::refresh() {
    const QTimeZone zone(place_.zone);
    const QDateTime now = now_().toTimeZone(zone);
    const QDate date = now.date();
    const bool ar = arabic();
    const QLocale locale(ar ? QLocale::Arabic : QLocale::English);
    const prayer::HijriDate h = prayer::hijri(date, options_.hijriAdjust);
    dates->setText(locale.toString(date, QLocale::LongFormat) + "  —  " +
                   QString("%1 %2 %3 %4")
                       .arg(h.day)
                       .arg(prayer::hijriMonthName(h.month, ar))
                       .arg(h.year)
                       .arg(ar ? QString::fromUtf8("هـ") : QStringLiteral("AH")));
    const prayer::Day d = prayer::day(place_, options_, date);
    for (int t = 0; t < prayer::kTimes; ++t) {
        today->setItem(t, 0, new QTableWidgetItem(prayer::timeName(t, ar)));
        today->setItem(t, 1, new QTableWidgetItem(hhmm(d.at[t])));
    }
    for (int i = 0; i < 7; ++i) {
        const prayer::Day w = prayer::day(place_, options_, date.addDays(i + 1));
        week->setItem(i, 0, new QTableWidgetItem(locale.toString(w.date, QLocale::ShortFormat)));
        for (int t = 0; t < prayer::kTimes; ++t)
            week->setItem(i, t + 1, new QTableWidgetItem(hhmm(w.at[t])));
    }
    const auto n = prayer::next(place_, options_, now);
    if (!n) {
        nextPrayer->clear();
        return;
    }
    const qint64 left = now.secsTo(n->at);
    const QString remaining = QString("%1:%2:%3")
                                  .arg(left / 3600)
                                  .arg(left / 60 % 60, 2, 10, QChar('0'))
                                  .arg(left % 60, 2, 10, QChar('0'));
    nextPrayer->setText(say("Next: %1 at %2, in %3", "القادمة: %1 في %2، بعد %3")
                            .arg(prayer::timeName(n->time, ar), hhmm(n->at.toTimeZone(zone)),
                                 QChar(0x2066) + remaining + QChar(0x2069)));
}

void PrayerTimesWindow::printMonth() {
    const QDate today = now_().toTimeZone(QTimeZone(place_.zone)).date();
    const QDate first(today.year(), today.month(), 1);
    const bool ar = arabic();
    const QLocale locale(ar ? QLocale::Arabic : QLocale::English);
    QString html = QString("<table border=1 cellpadding=3 dir=%1><tr><th>%2</th><th>%3</th>")
                       .arg(ar ? "rtl" : "ltr", say("Date", "التاريخ"), say("Hijri", "الهجري"));
    for (int t = 0; t < prayer::kTimes; ++t) html += "<th>" + prayer::timeName(t, ar) + "</th>";
    html += "</tr>";
    for (QDate d = first; d.month() == first.month(); d = d.addDays(1)) {
        const prayer::HijriDate h = prayer::hijri(d, options_.hijriAdjust);
        const prayer::Day day = prayer::day(place_, options_, d);
        html += QString("<tr><td>%1</td><td>%2 %3</td>")
                    .arg(locale.toString(d, QLocale::ShortFormat))
                    .arg(h.day)
                    .arg(prayer::hijriMonthName(h.month, ar));
        for (int t = 0; t < prayer::kTimes; ++t) html += "<td>" + hhmm(day.at[t]) + "</td>";
        html += "</tr>";
    }
    html += "</table>";
    QTextDocument doc;
    doc.setHtml(html);
    platform::printDocument(
        prayerTimesTitle() + " — " + place_.name + " — " + locale.toString(first, "MMMM yyyy"),
        doc);
}

PrayerTimesPage::PrayerTimesPage() {
    auto* form = new QFormLayout(this);
    city = new QComboBox();
    city->addItem(
        say("(no place: prayer times are not shown)", "(لا مكان: لا تُعرض مواقيت الصلاة)"));
    for (const City& c : cities()) city->addItem(c.name);
    city->addItem(say("Typed coordinates", "إحداثيات مكتوبة"));
    form->addRow(say("Place", "المكان"), city);
    latitude = new QDoubleSpinBox();
    latitude->setRange(-90, 90);
    latitude->setDecimals(4);
    longitude = new QDoubleSpinBox();
    longitude->setRange(-180, 180);
    longitude->setDecimals(4);
    zone = new QLineEdit();
    zone->setPlaceholderText("Asia/Riyadh, UTC+03:00");
    form->addRow(say("Latitude (north +)", "خط العرض (الشمال +)"), latitude);
    form->addRow(say("Longitude (east +)", "خط الطول (الشرق +)"), longitude);
    form->addRow(say("Time zone", "المنطقة الزمنية"), zone);
    auto fill = [](QComboBox* box, const std::vector<prayer::Choice>& list) {
        for (const auto& c : list)
            box->addItem(QString::fromUtf8(arabic() ? c.arabic : c.english), c.id);
    };
    method = new QComboBox();
    fill(method, prayer::methods());
    asr = new QComboBox();
    fill(asr, prayer::asrMethods());
    highLatitude = new QComboBox();
    fill(highLatitude, prayer::highLatitudeRules());
    form->addRow(say("Method", "طريقة الحساب"), method);
    form->addRow(say("Asr", "العصر"), asr);
    form->addRow(say("High latitudes", "خطوط العرض العالية"), highLatitude);
    auto* minutes = new QHBoxLayout();
    for (int t = 0; t < prayer::kTimes; ++t) {
        adjust[t] = new QSpinBox();
        adjust[t]->setRange(-60, 60);
        adjust[t]->setToolTip(prayer::timeName(t, arabic()));
        adjust[t]->setAccessibleName(prayer::timeName(t, arabic()));
        minutes->addWidget(adjust[t]);
    }
    form->addRow(say("Minutes added (Fajr … Isha)", "دقائق تضاف (الفجر … العشاء)"), minutes);
    hijriAdjust = new QSpinBox();
    hijriAdjust->setRange(-2, 2);
    form->addRow(say("Hijri date, days added", "التاريخ الهجري، أيام تضاف"), hijriAdjust);
    callOn = new QCheckBox(say("Play the call at each prayer time while the program runs",
                               "تشغيل الأذان عند كل وقت صلاة أثناء عمل البرنامج"));
    call = new QComboBox();
    for (int n = 1; n <= 7; ++n) call->addItem(say("Call %1", "الأذان %1").arg(n), n);
    pauseRecitation = new QCheckBox(
        say("Pause the recitation for the call", "إيقاف التلاوة مؤقتاً من أجل الأذان"));
    form->addRow(callOn);
    form->addRow(say("Call", "الأذان"), call);
    form->addRow(pauseRecitation);
    connect(city, &QComboBox::currentIndexChanged, this, [this] { cityChosen(); });
}

QString PrayerTimesPage::title() const {
    return prayerTimesTitle();
}

void PrayerTimesPage::cityChosen() {
    const int i = city->currentIndex();
    const bool typed = i == city->count() - 1;
    latitude->setEnabled(typed);
    longitude->setEnabled(typed);
    zone->setEnabled(typed);
    if (i >= 1 && !typed) {
        const City& c = cities()[i - 1];
        latitude->setValue(c.latitude);
        longitude->setValue(c.longitude);
        zone->setText(QString::fromUtf8(c.zone));
    }
}

void PrayerTimesPage::load(const Preferences& prefs) {
    const auto place = prayer::placeFrom(prefs);
    int index = 0;
    if (place) {
        index = city->count() - 1;
        for (size_t i = 0; i < cities().size(); ++i)
            if (cities()[i].name == place->name) index = static_cast<int>(i) + 1;
    }
    city->setCurrentIndex(index);
    if (place) {
        latitude->setValue(place->latitude);
        longitude->setValue(place->longitude);
        zone->setText(QString::fromUtf8(place->zone));
    }
    cityChosen();
    const prayer::Options o = prayer::optionsFrom(prefs);
    method->setCurrentIndex(method->findData(o.method));
    asr->setCurrentIndex(asr->findData(o.asr));
    highLatitude->setCurrentIndex(highLatitude->findData(o.highLatitude));
    for (int t = 0; t < prayer::kTimes; ++t) adjust[t]->setValue(o.adjust[t]);
    hijriAdjust->setValue(o.hijriAdjust);
    callOn->setChecked(prefs.value(PrayerCall::kOn, false).toBool());
    call->setCurrentIndex(std::max(0, call->findData(prefs.value(PrayerCall::kCall, 1).toInt())));
    pauseRecitation->setChecked(prefs.value(PrayerCall::kPauseRecitation, false).toBool());
}

void PrayerTimesPage::store(Preferences& prefs) {
    std::optional<prayer::Place> place;
    const int i = city->currentIndex();
    if (i > 0) {
        prayer::Place p{
            i == city->count() - 1 ? say("Typed place", "مكان مكتوب") : city->currentText(),
            latitude->value(), longitude->value(), zone->text().trimmed().toUtf8()};
        // A place whose time zone the system does not know is not kept.
        if (p.valid())
            place = p;
        else
            platform::ErrorBox::show(say("The place was not kept: '%1' is not a time zone this "
                                         "system knows.",
                                         "لم يُحفظ المكان: '%1' ليست منطقة زمنية يعرفها هذا النظام.")
                                         .arg(zone->text())
                                         .toStdString());
    }
    prayer::Options o;
    o.method = method->currentData().toInt();
    o.asr = asr->currentData().toInt();
    o.highLatitude = highLatitude->currentData().toInt();
    for (int t = 0; t < prayer::kTimes; ++t) o.adjust[t] = adjust[t]->value();
    o.hijriAdjust = hijriAdjust->value();
    prayer::store(prefs, place, o);
    prefs.setValue(PrayerCall::kOn, callOn->isChecked());
    prefs.setValue(PrayerCall::kCall, call->currentData().toInt());
    prefs.setValue(PrayerCall::kPauseRecitation, pauseRecitation->isChecked());
}

}  // namespace desktop
