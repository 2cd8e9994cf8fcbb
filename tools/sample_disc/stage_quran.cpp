// The second stage: everything the Quran reader reads.
#include <algorithm>
#include <cstdio>
#include <memory>

#include "media.h"
#include "quran_art.h"
#include "quran_files.h"
#include "stages.h"

namespace disc {

namespace {

constexpr int kSampleRate = 16000;
constexpr int kMp3Kbps = 24;

std::string threeDigits(int n) {
    char s[8];
    std::snprintf(s, sizeof s, "%03d", n);
    return s;
}

// Timing list and recording of one sura.
void writeRecitation(DiscWriter& out, const SuraInfo& sura) {
    std::vector<int> durations = ayaDurations(sura.number, sura.ayaCount);
    out.write(kData + "sound\\" + threeDigits(sura.number) + ".rtf", timingList(durations));
    writeMp3(out, threeDigits(sura.number) + ".mp3",
             recitation(sura.number, durations, kSampleRate), kSampleRate, kMp3Kbps);
}

void writeReaderPictures(DiscWriter& out, const QuranStructure& quran) {
    ScreenSpec reader = quranScreen();
    const QImage background = writeScreen(out, reader);
    const std::string folder = kGraphic + "quran\\1\\";
    out.writeJpeg(folder + "around.jpg", pageFramePicture(), 90);
    for (int which : {1, 2})
        for (int frame = 1; frame <= 3; ++frame)
            out.writeJpeg(
                folder + "script" + std::to_string(which) + "\\" + std::to_string(frame) + ".jpg",
                scriptPicture(which, frame, background), 92);
    for (const SuraInfo& s : quran.suras())
        out.writeJpeg(folder + "sora_name\\" + std::to_string(s.number) + ".jpg",
                      suraTitlePicture(background, s), 90);
}

}  // namespace

void addRecitationJobs(DiscWriter& out, std::vector<Job>& jobs) {
    // longest suras first, so the two workers finish together
    std::vector<const SuraInfo*> suras;
    for (const SuraInfo& s : QuranStructure::builtIn().suras()) suras.push_back(&s);
    std::stable_sort(suras.begin(), suras.end(), [](const SuraInfo* a, const SuraInfo* b) {
        return a->ayaCount > b->ayaCount;
    });
    for (const SuraInfo* s : suras) jobs.push_back([&out, s] { writeRecitation(out, *s); });
}

void addQuranJobs(DiscWriter& out, std::vector<Job>& jobs) {
    const QuranStructure& quran = QuranStructure::builtIn();
    auto pages = std::make_shared<std::vector<PageLayout>>(layoutQuran(quran));
    jobs.push_back([&out, &quran, pages] {
        out.write(kData + "aya_count", ayaCountFile(quran));
        out.write(kData + "parts", partsFile(quran));
        out.write(kData + "cutaya", ayaMapFile(*pages));
        out.write(kData + "names1.ini", suraNamesFile(quran));
    });
    jobs.push_back([&out, &quran] { writeReaderPictures(out, quran); });
    jobs.push_back([&out] { writeScreen(out, remoteScreen()); });
    jobs.push_back([&out] { writeScreen(out, suraIndexScreen()); });
    for (size_t first = 0; first < pages->size(); first += 8) {
        jobs.push_back([&out, &quran, pages, first] {
            for (size_t i = first; i < std::min(first + 8, pages->size()); ++i) {
                const PageLayout& page = (*pages)[i];
                out.writeJpeg(kGraphic + "quran_pic\\" + std::to_string(page.page) + ".jpg",
                              renderPage(page, quran), 85);
            }
        });
    }
}

}  // namespace disc
