// The supplications and the call to prayer: their skins for interface
// languages 1, 2 and 5 (with the stars of languages 2 and 5), the five supplications and seven
// calls (WAV) and the supplication after the call (MP3). Each recording is a short chant of its own
// pitch and tune, so that one can hear which one plays.
#include <cmath>

#include "media.h"
#include "skin.h"
#include "stages.h"

namespace disc {

namespace {

using art::Icon;

constexpr int kSampleRate = 22050;
constexpr int kMp3Kbps = 32;
/// The languages whose skins the two screens keep.
constexpr int kLanguages[] = {1, 2, 5};
/// Where the supplications' round picture lies.
const QRect kCircle(79, 103, 402, 402);

QString u(const char* text) {
    return QString::fromUtf8(text);
}

QString arabicDigit(int n) {
    return QString(QChar(0x0660 + n));
}

// ---------------------------------------------------------------------------
// Skins

ScreenSpec supplicationsScreen() {
    ScreenSpec s{"doaa", {800, 600}, u("الأدعية"), "Supplications", {}, QRectF(500, 26, 276, 76)};
    for (int n = 1; n <= 5; ++n)
        s.buttons.push_back({u("الدعاء ") + arabicDigit(n), QString("Supplication %1").arg(n),
                             QRect(536, 118 + (n - 1) * 68, 232, 58), Icon::Play});
    s.buttons.push_back({u("القائمة الرئيسية"), "Main menu", QRect(536, 500, 232, 58), Icon::Home});
    s.controls = {kCircle};
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        starFieldBackground(p, screen);
        // The ring the round picture sits in; inside it the picture is drawn.
        p.setPen(Qt::NoPen);
        p.setBrush(art::kGoldDark);
        p.drawEllipse(QRectF(kCircle).adjusted(-14, -14, 14, 14));
        p.setBrush(art::kGold);
        p.drawEllipse(QRectF(kCircle).adjusted(-9, -9, 9, 9));
        p.setBrush(art::kGreenDeep);
        p.drawEllipse(QRectF(kCircle).adjusted(-3, -3, 3, 3));
        // under the ring and inside the frame, whose band ends 23 pixels into the body
        art::drawCaption(p, QRectF(art::kStarFieldWidth + 30, 524, 256, 46),
                         u("اضغط الصورة لعرض الصور كاملة"), "Click the picture for all the photos");
    };
    return s;
}

ScreenSpec callToPrayerScreen() {
    ScreenSpec s{"azan", {800, 600}, u("الأذان"), "Call to prayer", {}, {}};
    const char* sets[] = {"mosques", "night skies", "arcades"};
    for (int n = 1; n <= 7; ++n) {
        const int column = (n - 1) / 4, row = (n - 1) % 4;  // right column first
        const int set = n <= 2 ? n : 3;
        s.buttons.push_back({u("الأذان ") + arabicDigit(n),
                             QString("Call %1 · %2").arg(n).arg(sets[set - 1]),
                             QRect(536 - column * 260, 136 + row * 84, 236, 64), Icon::Play});
    }
    s.buttons.push_back({u("القائمة الرئيسية"), "Main menu", QRect(276, 388, 236, 64), Icon::Home});
    s.paint = [](QPainter& p, const ScreenSpec& screen) {
        starFieldBackground(p, screen);
        art::drawCaption(p, QRectF(290, 486, 460, 48), u("اضغط الصور لإغلاقها والأذان مستمر"),
                         "Click the photos to close them; the call plays on");
    };
    return s;
}

// ---------------------------------------------------------------------------
// Recordings

struct Note {
    double freq;  ///< Hz; 0 for a rest
    int ms;
};

// A sung line: each note with a soft attack and release, a slow vibrato and
// two overtones, so that it sounds like a voice rather than a beep.
std::vector<int16_t> chant(const std::vector<Note>& notes, double vibrato, double amplitude) {
    const double pi = 3.14159265358979323846;
    std::vector<int16_t> out;
    double phase = 0, t = 0;
    for (const Note& note : notes) {
        const int n = note.ms * kSampleRate / 1000, edge = kSampleRate * 60 / 1000;
        for (int i = 0; i < n; ++i, t += 1.0 / kSampleRate) {
            if (note.freq <= 0) {
                out.push_back(0);
                continue;
            }
            const double f = note.freq * (1 + vibrato * std::sin(2 * pi * 5.2 * t));
            phase += 2 * pi * f / kSampleRate;
            const double env = std::min(1.0, std::min(i, n - 1 - i) / static_cast<double>(edge));
            const double v =
                std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase);
            out.push_back(static_cast<int16_t>(32767 * amplitude * env * v / 1.5));
        }
    }
    return out;
}

// Supplication n: about 6 s of notes from a scale on a keynote of its own,
// its tune turning at a different place for each.
std::vector<int16_t> supplication(int n) {
    static const double steps[] = {1.0, 1.0667, 1.2, 1.3333, 1.5, 1.6, 1.7778};
    const double keynote = 130.8 * std::pow(2.0, (n - 1) * 2.0 / 12);
    std::vector<Note> notes;
    for (int k = 0; k < 10; ++k) {
        notes.push_back({keynote * steps[k * (n + 1) % 7], k == 9 ? 900 : 480});
        notes.push_back({0, 60});
    }
    return chant(notes, 0.006, 0.45);
}

// Call n: about 5 s of long held notes rising and falling, on a keynote above
// the supplications', higher for each call.
std::vector<int16_t> call(int n) {
    const double keynote = 220.0 * std::pow(2.0, (n - 1) * 1.5 / 12);
    const double line[] = {1.0, 1.125, 1.2, 1.5, 1.2, 1.0};
    std::vector<Note> notes;
    for (int k = 0; k < 6; ++k) notes.push_back({keynote * line[k * n % 6], 800});
    notes.push_back({0, 200});
    return chant(notes, 0.012, 0.5);
}

// The supplication after the call: about 3 s, falling gently.
std::vector<int16_t> supplicationAfterCall() {
    return chant({{392.0, 700}, {349.2, 700}, {329.6, 700}, {293.7, 1000}, {0, 100}}, 0.008, 0.45);
}

}  // namespace

void addPrayerJobs(DiscWriter& out, std::vector<Job>& jobs) {
    jobs.push_back([&out] {
        writeMp3(out, kSound + "doaa\\1.mp3", supplicationAfterCall(), kSampleRate, kMp3Kbps);
    });
    for (int n = 1; n <= 5; ++n)
        jobs.push_back([&out, n] {
            writeWav(out, kSound + "doaa\\" + std::to_string(n) + ".wav", supplication(n),
                     kSampleRate);
        });
    for (int n = 1; n <= 7; ++n)
        jobs.push_back([&out, n] {
            writeWav(out, kSound + "azan\\" + std::to_string(n) + ".wav", call(n), kSampleRate);
        });
    for (int language : kLanguages)
        jobs.push_back([&out, language] {
            for (ScreenSpec screen : {supplicationsScreen(), callToPrayerScreen()}) {
                screen.language = language;
                writeScreen(out, screen);
            }
            // The stars of the other languages, which only these screens keep.
            if (language != 1) writeStars(out, language);
        });
}

}  // namespace disc
