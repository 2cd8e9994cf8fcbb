#include "desktop/prayer_times.h"

#include <QTimeZone>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "desktop/preferences.h"

extern "C" {
#include <itl/astro.h>
#include <itl/hijri.h>
#include <itl/prayer.h>
}

namespace desktop::prayer {

namespace {

const char* const kEnglish[] = {"Fajr", "Sunrise", "Dhuhr", "Asr", "Maghrib", "Isha"};
const char* const kArabic[] = {"الفجر", "الشروق", "الظهر", "العصر", "المغرب", "العشاء"};

const char* const kMonthsEnglish[] = {
    "Muharram", "Safar",   "Rabi' al-Awwal", "Rabi' al-Thani", "Jumada al-Ula", "Jumada al-Akhirah",
    "Rajab",    "Sha'ban", "Ramadan",        "Shawwal",        "Dhu al-Qa'dah", "Dhu al-Hijjah"};
const char* const kMonthsArabic[] = {"محرم",         "صفر",          "ربيع الأول", "ربيع الآخر",
                                     "جمادى الأولى", "جمادى الآخرة", "رجب",        "شعبان",
                                     "رمضان",        "شوال",         "ذو القعدة",  "ذو الحجة"};

// The library's sun runs on a Julian day that carries its own delta-T (TT
// minus UT, about 100 s), and its times come out that much early. The
// library tells its delta-T through getJulianDay; the times are moved back
// by it, so that no Maghrib is announced before sunset.
double deltaTSeconds(const Date& date) {
    Date d = date;
    const double withDelta = getJulianDay(&d, 0);
    const QDate q(date.year, date.month, date.day);
    const double plain = static_cast<double>(q.toJulianDay()) - 0.5;
    return (withDelta - plain) * 86400.0;
}

bool sameDay(const sDate& a, QDate b) {
    return a.year == b.year() && a.month == b.month() && a.day == b.day();
}

}  // namespace

QString timeName(int time, bool arabic) {
    if (time < 0 || time >= kTimes) return {};
    return QString::fromUtf8(arabic ? kArabic[time] : kEnglish[time]);
}

bool Place::valid() const {
    return std::abs(latitude) <= 90 && std::abs(longitude) <= 180 && !zone.isEmpty() &&
           QTimeZone(zone).isValid();
}

const std::vector<Choice>& methods() {
    static const std::vector<Choice> list = {
        {5, "Muslim World League", "رابطة العالم الإسلامي"},
        {1, "Egyptian General Authority of Survey (20°, 18°)",
         "الهيئة المصرية العامة للمساحة (20°، 18°)"},
        {8, "Egyptian General Authority of Survey (Egypt, 19.5°, 17.5°)",
         "الهيئة المصرية العامة للمساحة (مصر، 19.5°، 17.5°)"},
        {6, "Umm al-Qura, Mecca", "أم القرى، مكة المكرمة"},
        {9, "Umm al-Qura in Ramadan (Isha 120 minutes)",
         "أم القرى في رمضان (العشاء بعد 120 دقيقة)"},
        {4, "Islamic Society of North America", "الجمعية الإسلامية لأمريكا الشمالية"},
        {2, "University of Islamic Sciences, Karachi (Shafi'i)",
         "جامعة العلوم الإسلامية، كراتشي (شافعي)"},
        {3, "University of Islamic Sciences, Karachi (Hanafi)",
         "جامعة العلوم الإسلامية، كراتشي (حنفي)"},
        {7, "Fixed Isha interval (Gulf, 90 minutes)", "فاصل ثابت للعشاء (الخليج، 90 دقيقة)"},
        {10, "Moonsighting Committee Worldwide", "لجنة رؤية الهلال العالمية"},
        {11, "Morocco, Ministry of Awqaf", "المغرب، وزارة الأوقاف"},
    };
    return list;
}

const std::vector<Choice>& asrMethods() {
    static const std::vector<Choice> list = {
        {1, "Shafi'i, Maliki, Hanbali (shadow once its length)", "الجمهور (ظل الشيء مثله)"},
        {2, "Hanafi (shadow twice its length)", "الحنفي (ظل الشيء مثليه)"},
    };
    return list;
}

const std::vector<Choice>& highLatitudeRules() {
    static const std::vector<Choice> list = {
        {5, "Nearest good day, where Fajr or Isha do not exist",
         "أقرب يوم معتاد، حين لا يوجد الفجر أو العشاء"},
        {3, "Nearest latitude (48.5°), where Fajr or Isha do not exist",
         "أقرب خط عرض (48.5°)، حين لا يوجد الفجر أو العشاء"},
        {7, "A seventh of the night, where Fajr or Isha do not exist",
         "سُبع الليل، حين لا يوجد الفجر أو العشاء"},
        {11, "Middle of the night, where Fajr or Isha do not exist",
         "منتصف الليل، حين لا يوجد الفجر أو العشاء"},
        {15, "By the angle, where Fajr or Isha do not exist",
         "بحسب الزاوية، حين لا يوجد الفجر أو العشاء"},
        {0, "None (no time where the sun gives none)", "لا شيء (لا وقت حيث لا تعطيه الشمس)"},
    };
    return list;
}

Day day(const Place& place, const Options& options, QDate date) {
    Day result;
    result.date = date;
    const QTimeZone zone(place.zone);
    if (!place.valid() || !date.isValid()) return result;
    // The offset of the day (summer time included), taken at noon.
    const int offset = zone.offsetFromUtc(QDateTime(date, QTime(12, 0), zone));
    Location loc{};
    loc.degreeLong = place.longitude;
    loc.degreeLat = place.latitude;
    loc.gmtDiff = offset / 3600.0;
    loc.dst = 0;
    loc.seaLevel = 0;
    loc.pressure = 1010;
    loc.temperature = 10;
    Method method;
    getMethod(options.method, &method);
    method.round = 0;
    method.mathhab = options.asr == 2 ? 2 : 1;
    method.extreme = options.highLatitude;
    Date d{date.day(), date.month(), date.year()};
    Prayer times[kTimes];
    getPrayerTimes(&loc, &method, &d, times);
    const double delta = deltaTSeconds(d);
    const QDateTime midnightUtc(date, QTime(0, 0), QTimeZone::utc());
    for (int i = 0; i < kTimes; ++i) {
        const Prayer& p = times[i];
        if (p.hour >= 99 || p.minute >= 99) continue;  // the sun gives no time
        double local =
            p.hour * 3600.0 + p.minute * 60 + p.second + delta + options.adjust[i] * 60.0;
        // Isha after midnight (summer in the north) comes as an early hour.
        if (i > Dhuhr && p.hour < 12) local += 86400;
        // Kept to the minute, sunrise rounded down so that it is never late.
        const double minutes = local / 60.0;
        const qint64 whole =
            i == Sunrise ? std::llround(std::floor(minutes)) : std::llround(minutes);
        const qint64 seconds = whole * 60 - offset;
        result.at[i] = midnightUtc.addSecs(seconds).toTimeZone(zone);
    }
    return result;
}

std::optional<Next> next(const Place& place, const Options& options, const QDateTime& now) {
    if (!place.valid()) return std::nullopt;
    const QDate today = now.toTimeZone(QTimeZone(place.zone)).date();
    for (int offset = -1; offset <= 2; ++offset) {
        const Day d = day(place, options, today.addDays(offset));
        for (int t : {Fajr, Dhuhr, Asr, Maghrib, Isha})
            if (d.at[t].isValid() && d.at[t] > now) return Next{t, d.at[t]};
    }
    return std::nullopt;
}

HijriDate hijri(QDate date, int adjustDays) {
    const QDate g = date.addDays(adjustDays);
    sDate out{};
    // The library's Umm al-Qura tables cover 1420-1450 AH; outside them its
    // conversion gives nonsense or never returns, so it is asked only for
    // 2000-2028, and its answer checked by the reverse conversion.
    if (g.year() >= 2000 && g.year() <= 2028) {
        G2H(&out, g.day(), g.month(), g.year());
        sDate back{};
        H2G(&back, out.day, out.month, out.year);
        if (out.month >= 1 && out.month <= 12 && sameDay(back, g))
            return {out.year, out.month, out.day};
    }
    sDate tab{};
    h_date(&tab, g.day(), g.month(), g.year());
    std::free(tab.event);
    return {tab.year, tab.month, tab.day};
}

QString hijriMonthName(int month, bool arabic) {
    if (month < 1 || month > 12) return {};
    return QString::fromUtf8(arabic ? kMonthsArabic[month - 1] : kMonthsEnglish[month - 1]);
}

namespace {
constexpr const char* kName = "prayer/place_name";
constexpr const char* kLatitude = "prayer/latitude";
constexpr const char* kLongitude = "prayer/longitude";
constexpr const char* kZone = "prayer/zone";
constexpr const char* kMethod = "prayer/method";
constexpr const char* kAsr = "prayer/asr";
constexpr const char* kHighLatitude = "prayer/high_latitude";
constexpr const char* kHijriAdjust = "prayer/hijri_adjust";
const char* const kAdjust[] = {"prayer/adjust_fajr", "prayer/adjust_sunrise", "prayer/adjust_dhuhr",
                               "prayer/adjust_asr",  "prayer/adjust_maghrib", "prayer/adjust_isha"};

bool known(const std::vector<Choice>& list, int id) {
    for (const Choice& c : list)
        if (c.id == id) return true;
    return false;
}
}  // namespace

std::optional<Place> placeFrom(const Preferences& prefs) {
    Place place;
    place.zone = prefs.value(kZone).toString().toUtf8();
    if (place.zone.isEmpty()) return std::nullopt;
    place.name = prefs.value(kName).toString();
    place.latitude = prefs.value(kLatitude, 0).toDouble();
    place.longitude = prefs.value(kLongitude, 0).toDouble();
    if (!place.valid()) return std::nullopt;
    return place;
}

Options optionsFrom(const Preferences& prefs) {
    Options o;
    const int method = prefs.value(kMethod, o.method).toInt();
    if (known(methods(), method)) o.method = method;
    const int asr = prefs.value(kAsr, o.asr).toInt();
    if (known(asrMethods(), asr)) o.asr = asr;
    const int high = prefs.value(kHighLatitude, o.highLatitude).toInt();
    if (known(highLatitudeRules(), high)) o.highLatitude = high;
    for (int i = 0; i < kTimes; ++i)
        o.adjust[i] = std::clamp(prefs.value(kAdjust[i], 0).toInt(), -60, 60);
    o.hijriAdjust = std::clamp(prefs.value(kHijriAdjust, 0).toInt(), -2, 2);
    return o;
}

void store(Preferences& prefs, const std::optional<Place>& place, const Options& options) {
    prefs.setValue(kName, place ? place->name : QString());
    prefs.setValue(kLatitude, place ? place->latitude : 0.0);
    prefs.setValue(kLongitude, place ? place->longitude : 0.0);
    prefs.setValue(kZone, place ? QString::fromUtf8(place->zone) : QString());
    prefs.setValue(kMethod, options.method);
    prefs.setValue(kAsr, options.asr);
    prefs.setValue(kHighLatitude, options.highLatitude);
    for (int i = 0; i < kTimes; ++i) prefs.setValue(kAdjust[i], options.adjust[i]);
    prefs.setValue(kHijriAdjust, options.hijriAdjust);
}

}  // namespace desktop::prayer
