// Prayer times and the Hijri date for a place, computed by the Islamic tools
// library (libitl). Pure calculation: no widgets, no clock; the window, the
// preferences page and the call at its time build on it.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace desktop {

class Preferences;

namespace prayer {

/// The five prayers and sunrise, in the order of the day.
enum Time { Fajr, Sunrise, Dhuhr, Asr, Maghrib, Isha };
constexpr int kTimes = 6;

/// The English or Arabic name of a time.
QString timeName(int time, bool arabic);

struct Place {
    QString name;
    double latitude = 0;   ///< degrees, north positive
    double longitude = 0;  ///< degrees, east positive
    QByteArray zone;       ///< IANA time zone id ("Asia/Riyadh") or "UTC+03:00"
    /// A place is set when it has a time zone the system knows and its
    /// coordinates are on the globe.
    bool valid() const;
};

struct Options {
    int method = 5;                    ///< the library's method number (Muslim World League)
    int asr = 1;                       ///< 1 Shafi'i, Maliki, Hanbali; 2 Hanafi
    int highLatitude = 5;              ///< the library's extreme-latitude rule
    std::array<int, kTimes> adjust{};  ///< minutes added to each time
    int hijriAdjust = 0;               ///< days, -2..+2
};

/// A named choice of the library (method, Asr, high-latitude rule).
struct Choice {
    int id;
    const char* english;
    const char* arabic;
};
const std::vector<Choice>& methods();
const std::vector<Choice>& asrMethods();
const std::vector<Choice>& highLatitudeRules();

struct Day {
    QDate date;
    /// In the place's time zone; invalid where the sun gives no time and the
    /// high-latitude rule is "none".
    std::array<QDateTime, kTimes> at;
};

/// The times of `date` at `place`.
Day day(const Place& place, const Options& options, QDate date);

struct Next {
    int time;  ///< Fajr, Dhuhr, Asr, Maghrib or Isha
    QDateTime at;
};
/// The first of the five prayers after `now` (today's or tomorrow's).
std::optional<Next> next(const Place& place, const Options& options, const QDateTime& now);

struct HijriDate {
    int year = 0, month = 0, day = 0;
};
/// The Hijri date of `date` by the Umm al-Qura calendar (the tabular
/// calendar outside the years it covers), moved by `adjustDays`.
HijriDate hijri(QDate date, int adjustDays = 0);
QString hijriMonthName(int month, bool arabic);

/// The place and options kept in the preferences; no place until one is set.
std::optional<Place> placeFrom(const Preferences& prefs);
Options optionsFrom(const Preferences& prefs);
void store(Preferences& prefs, const std::optional<Place>& place, const Options& options);

}  // namespace prayer
}  // namespace desktop
