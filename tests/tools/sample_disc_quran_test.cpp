// The Quran reader's part of the sample disc against the real structure of
// the Quran the generator was given: aya counts and parts, every aya on its
// page over its ink where a click finds it, and a timing list per recording
// that the recording's sound follows.
#include <QProcess>
#include <cmath>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "platform/binfile.h"
#include "platform/jpeg.h"
#include "platform/rtf.h"
#include "quran/aya_timing.h"
#include "quran/quran_files.h"
#include "sample_disc_check.h"
#include "support/sim_device.h"

namespace {

// The structure file the generator carries, read independently of it: aya
// counts, and the first ayas of the parts and pages by "[part]" and "[page]".
struct Structure {
    std::vector<int> ayaCount;
    std::map<std::string, std::vector<std::pair<int, int>>> starts;
};

const Structure& structure() {
    static const Structure s = [] {
        Structure st;
        std::ifstream in(std::string(ZAFIREL_SOURCE_DIR) +
                         "/tools/sample_disc/data/quran-structure.txt");
        std::string section;
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with('[')) section = line;
            if (line.empty() || line[0] == '#' || line[0] == '[') continue;
            std::vector<int> f;
            std::stringstream ss(line);
            for (std::string x; std::getline(ss, x, ',') && f.size() < 3;)
                f.push_back(std::stoi(x));
            if (section == "[sura]")
                st.ayaCount.push_back(f[2]);
            else
                st.starts[section].push_back({f[1], f[2]});
        }
        return st;
    }();
    return s;
}

class SampleDiscQuran : public SampleDiscTest {
  protected:
    void SetUp() override {
        SampleDiscTest::SetUp();
        ASSERT_EQ(q.ayaCount.size(), 114u);
    }
    const Structure& q = structure();
};

TEST_F(SampleDiscQuran, AyaCountsAndPartsFollowTheStructure) {
    int record = 0, part = 0;
    for (int s = 1; s <= 114; ++s) {
        ASSERT_EQ(ReadSuraAyaCount(s, record), q.ayaCount[s - 1]) << s;
        for (int a = 1; a <= q.ayaCount[s - 1]; ++a) {
            if (part < 30 && q.starts.at("[part]")[part] == std::pair{s, a}) ++part;
            ASSERT_EQ(ReadAyaPart(s, a), part) << s << ":" << a;
        }
    }
}

// Every segment of every aya lies on the aya's page, apart from the others
// (the hit test counts both edges), over printed text, and a click on its
// middle finds the aya from where the reader stands.
TEST_F(SampleDiscQuran, AyaMapPutsEveryAyaOnItsPageOverItsInkWhereAClickFindsIt) {
    platform::BinaryFile map =
        platform::BinaryFile::fromBytes("cutaya", platform::readFile(DataDir + "cutaya"));
    std::map<std::pair<int, int>, int> pageOf;
    for (const auto& start : q.starts.at("[page]"))
        pageOf[start] = static_cast<int>(pageOf.size()) + 1;
    int page = 0;
    QImage print;
    std::vector<QRect> onPage;
    for (int s = 1; s <= 114; ++s)
        for (int a = 1; a <= q.ayaCount[s - 1]; ++a) {
            SCOPED_TRACE(std::to_string(s) + ":" + std::to_string(a));
            if (pageOf.count({s, a})) {
                page = pageOf[{s, a}];
                print =
                    platform::loadJpeg(GraphicDir + "quran_pic\\" + std::to_string(page) + ".jpg");
                ASSERT_EQ(print.size(), QSize(280, 437));
                onPage.clear();
            }
            AyaLocation at;
            ASSERT_TRUE(LocateAyaSegments(map, s, a, at));
            EXPECT_EQ(at.page, page);
            for (const AyaSegment& g : at.segments) {
                const QRect r(g.left, g.top, g.width + 1, g.height + 1);
                EXPECT_TRUE(QRect(0, 0, 280, 437).contains(r));
                for (const QRect& other : onPage) EXPECT_FALSE(r.intersects(other));
                onPage.push_back(r);
                int ink = 0;
                for (int y = r.top(); y <= r.bottom(); ++y)
                    for (int x = r.left(); x <= r.right(); ++x)
                        ink += qGray(print.pixel(x, y)) < 90;
                EXPECT_GT(ink, 8) << "shows no text";
            }
            const AyaSegment& g = at.segments[0];
            const QPoint middle = QRect(g.left, g.top, g.width, g.height).center();
            int hitSura = 0, hitAya = 0;
            EXPECT_TRUE(HitTestAyaRecord(map, s, page, middle.x(), middle.y(), hitSura, hitAya));
            EXPECT_EQ(std::pair(hitSura, hitAya), std::pair(s, a));
        }
    EXPECT_EQ(page, 604);
}

// The recording of a sura on the disc.
std::string recording(int sura) {
    return QString("D:\\%1.mp3").arg(sura, 3, 10, QChar('0')).toStdString();
}

// Where each aya of a sura ends: its timing list gives every aya but the
// last, and the last ends with the recording.
std::vector<int> ayaEnds(int sura) {
    std::vector<std::string> lines = platform::loadRtfPlainLines(
        DataDir + QString("sound\\%1.rtf").arg(sura, 3, 10, QChar('0')).toStdString());
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::vector<int> ends;
    for (const std::string& line : lines) ends.push_back(TimingLineMs(line));
    ends.push_back(platform::mp3LengthMs(platform::readFile(recording(sura))));
    return ends;
}

TEST_F(SampleDiscQuran, TimingListsMatchTheRecordings) {
    for (int s = 1; s <= 114; ++s) {
        SCOPED_TRACE(s);
        const std::vector<int> ends = ayaEnds(s);
        ASSERT_EQ(static_cast<int>(ends.size()), q.ayaCount[s - 1]);
        for (size_t i = 0; i < ends.size(); ++i)
            EXPECT_GE(ends[i] - (i ? ends[i - 1] : 0), 1500) << "aya " << i + 1;
    }
}

// The recitations as a listener hears them, decoded with the ffmpeg program:
// every aya's tone starts with a chime right after the boundary its timing
// list gives and falls silent before the next.
constexpr int kRate = 16000;

// The sound of a disc file as mono 16-bit samples at kRate.
std::vector<int16_t> decode(const std::string& discPath) {
    QProcess p;
    p.start("ffmpeg", {"-nostdin", "-loglevel", "error", "-i",
                       QString::fromStdString(platform::hostPath(discPath).string()), "-f", "s16le",
                       "-ac", "1", "-ar", QString::number(kRate), "-"});
    p.waitForFinished(60000);
    const QByteArray bytes = p.readAllStandardOutput();
    std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}

double rms(const std::vector<int16_t>& s, int fromMs, int toMs) {
    const size_t a = static_cast<size_t>(std::max(0, fromMs)) * kRate / 1000;
    const size_t b = std::min(s.size(), static_cast<size_t>(toMs) * kRate / 1000);
    double sum = 0;
    for (size_t i = a; i < b; ++i) sum += static_cast<double>(s[i]) * s[i];
    return b > a ? std::sqrt(sum / static_cast<double>(b - a)) : 0;
}

TEST_F(SampleDiscQuran, EachAyaSoundsBetweenItsTimingListBoundaries) {
    QProcess probe;
    probe.start("ffmpeg", {"-version"});
    if (!probe.waitForFinished(10000) || probe.exitCode() != 0) GTEST_SKIP() << "no ffmpeg";
    for (const int sura : {1, 103, 114}) {
        const std::vector<int16_t> sound = decode(recording(sura));
        ASSERT_GT(sound.size(), static_cast<size_t>(kRate)) << sura;
        const std::vector<int> ends = ayaEnds(sura);
        for (size_t k = 0; k < ends.size(); ++k) {
            const int start = k ? ends[k - 1] : 0, end = ends[k];
            EXPECT_GT(rms(sound, start + 5, start + 100), 800)
                << sura << " aya " << k + 1 << " chime";
            EXPECT_GT(rms(sound, start + 200, end - 350), 2000)
                << sura << " aya " << k + 1 << " heard";
            EXPECT_LT(rms(sound, end - 250, end - 30), 300)
                << sura << " aya " << k + 1 << " silent";
        }
    }
}

}  // namespace
