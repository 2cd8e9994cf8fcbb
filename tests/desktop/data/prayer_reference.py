#!/usr/bin/env python3
"""Reference prayer times for prayer_times_test.cpp, computed without libitl.

The sun's position comes from the U.S. Naval Observatory's approximate solar
coordinates (declination and equation of time from the day number, good to
about a minute of time for 1950-2050), evaluated at the moment of each event
and iterated. Each time is then the hour angle at which the sun stands at the
method's published angle below the horizon:
  sunrise and sunset 0.833 degrees (refraction and the sun's radius),
  Fajr and Isha the method's angles (Muslim World League 18/17, Egyptian
  General Authority 19.5/17.5, Umm al-Qura 18 and Isha 90 minutes after
  Maghrib, ISNA 15/15, Karachi 18/18), Asr where the shadow is one (Shafi'i)
  or two (Hanafi) lengths plus the noon shadow, Dhuhr at the transit.
  Where Fajr and Isha do not exist (Oslo in June), the 'one seventh of the
  night' rule: Fajr a seventh of the night before sunrise, Isha a seventh
  after sunset, the night running from sunset to the next sunrise.
Run it to print the table rows of the test.
"""
import math

def sun(jd):
    d = jd - 2451545.0
    g = math.radians((357.529 + 0.98560028 * d) % 360)
    q = (280.459 + 0.98564736 * d) % 360
    lam = math.radians(q + 1.915 * math.sin(g) + 0.020 * math.sin(2 * g))
    e = math.radians(23.439 - 0.00000036 * d)
    ra = math.degrees(math.atan2(math.cos(e) * math.sin(lam), math.cos(lam))) / 15
    ra %= 24
    decl = math.asin(math.sin(e) * math.sin(lam))
    eqt = q / 15 - ra
    eqt = (eqt + 12) % 24 - 12
    return decl, eqt

def julian(y, m, d):
    if m <= 2:
        y -= 1
        m += 12
    a = y // 100
    b = 2 - a + a // 4
    return math.floor(365.25 * (y + 4716)) + math.floor(30.6001 * (m + 1)) + d + b - 1524.5

def times(lat, lng, tz, y, m, d, fajr, isha, asr, isha_minutes=None, seventh=False):
    jd0 = julian(y, m, d) - lng / 360.0
    phi = math.radians(lat)

    def at(hours):  # sun at local clock hours
        return sun(jd0 + (hours - tz) / 24.0 + lng / 360.0)

    def noon(h):
        _, eqt = at(h)
        return 12 + tz - lng / 15 - eqt

    def hour_angle(alt_deg, h):
        decl, _ = at(h)
        c = (math.sin(math.radians(alt_deg)) - math.sin(phi) * math.sin(decl)) / (
            math.cos(phi) * math.cos(decl))
        if abs(c) > 1:
            return None
        return math.degrees(math.acos(c)) / 15

    def event(alt_fn, sign, guess):
        h = guess
        for _ in range(5):
            alt = alt_fn(h)
            t = hour_angle(alt, h)
            if t is None:
                return None
            h = noon(h) + sign * t
        return h

    def asr_alt(h):
        decl, _ = at(h)
        return math.degrees(math.atan(1 / (asr + math.tan(abs(phi - decl)))))

    dhuhr = noon(12)
    rise = event(lambda h: -0.833, -1, 6)
    sset = event(lambda h: -0.833, +1, 18)
    f = event(lambda h: -fajr, -1, 5)
    a = event(asr_alt, +1, 15)
    i = sset + isha_minutes / 60 if isha_minutes else event(lambda h: -isha, +1, 20)
    if seventh:
        # tomorrow's sunrise, for the night's length
        jd0_saved = jd0
        jd0 = julian(y, m, d) + 1 - lng / 360.0
        rise2 = event(lambda h: -0.833, -1, 6) + 24
        jd0 = jd0_saved
        night = rise2 - sset
        f = rise - night / 7 if f is None else f
        i = sset + night / 7 if i is None else i
    return [f, rise, dhuhr, a, sset, i]

def hms(h):
    s = round(h * 3600)
    return '%d' % s

CASES = [
    # name, lat, lng, tz (offset on that day), date, method, fajr, isha, asr, isha_minutes, seventh
    ('Mecca', 21.4225, 39.8262, 3, (2025, 3, 15), 'UmmAlQura', 18, 0, 1, 90, False),
    ('Cairo', 30.0444, 31.2357, 2, (2025, 1, 15), 'Egypt', 19.5, 17.5, 1, None, False),
    ('Jakarta', -6.2088, 106.8456, 7, (2025, 9, 1), 'Egyptian', 20, 18, 1, None, False),
    ('London', 51.5074, -0.1278, 1, (2025, 6, 21), 'ISNA', 15, 15, 1, None, False),
    ('London', 51.5074, -0.1278, 0, (2025, 12, 21), 'MWL', 18, 17, 1, None, False),
    ('Karachi', 24.8607, 67.0011, 5, (2025, 10, 5), 'KarachiHanafi', 18, 18, 2, None, False),
    ('NewYork', 40.7128, -74.0060, -5, (2025, 2, 10), 'ISNA', 15, 15, 1, None, False),
    ('Oslo', 59.9139, 10.7522, 2, (2025, 6, 21), 'MWL', 18, 17, 1, None, True),
]

if __name__ == '__main__':
    for name, lat, lng, tz, (y, m, d), method, fajr, isha, asr, im, seventh in CASES:
        t = times(lat, lng, tz, y, m, d, fajr, isha, asr, im, seventh)
        print('{"%s", %.4f, %.4f, %d, {%d, %d, %d}, "%s", {%s}},' % (
            name, lat, lng, tz, y, m, d, method, ', '.join(hms(x) for x in t)))
