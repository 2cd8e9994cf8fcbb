// The prayer times window (today's date in both calendars, the five times and
// sunrise, the next prayer and the time left, the next seven days; printing
// gives a month) and the preferences page that sets the place and method.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>

#include "desktop/preferences_dialog.h"
#include "desktop/prayer_times.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace desktop {

/// A city of the place list.
struct City {
    QString name;
    double latitude, longitude;
    QByteArray zone;
};

/// The principal cities of the time-zone database's zone1970.tab text.
std::vector<City> citiesOfZoneTable(const QByteArray& text);
/// The place list: the cities every Muslim user expects (with Arabic names)
/// first, then those of the system's zone1970.tab, by name.
const std::vector<City>& cities();

class PrayerTimesWindow : public QDialog {
    Q_OBJECT
  public:
    /// Shows the times for `place`; `now` gives the wall-clock time (tests
    /// give their own).
    PrayerTimesWindow(prayer::Place place, prayer::Options options,
                      std::function<QDateTime()> now = {}, QWidget* parent = nullptr);

    /// Shows the date, the times and the time left at the moment now() gives.
    void refresh();
    /// Prints the month of today's date as a table.
    void printMonth();

    QLabel* dates;
    QLabel* nextPrayer;
    QTableWidget* today;
    QTableWidget* week;

  private:
    prayer::Place place_;
    prayer::Options options_;
    std::function<QDateTime()> now_;
    QTimer* tick_;
};

class PrayerTimesPage : public PreferencesPage {
    Q_OBJECT
  public:
    PrayerTimesPage();
    QString title() const override;
    void load(const Preferences& prefs) override;
    void store(Preferences& prefs) override;

    QComboBox* city;  ///< first entry: no place; last: typed coordinates
    QDoubleSpinBox* latitude;
    QDoubleSpinBox* longitude;
    QLineEdit* zone;
    QComboBox* method;
    QComboBox* asr;
    QComboBox* highLatitude;
    QSpinBox* adjust[prayer::kTimes];
    QSpinBox* hijriAdjust;
    QCheckBox* callOn;
    QComboBox* call;  ///< the disc's calls 1..7
    QCheckBox* pauseRecitation;

  private:
    void cityChosen();
};

/// Where the prayer times, the Hijri dates and the place list come from.
QString prayerTimesSources();
/// The page's and window's title, in the interface language.
QString prayerTimesTitle();

}  // namespace desktop
