#include "quran_files.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "bytes.h"
#include "media.h"
#include "text.h"

namespace disc {

namespace {

constexpr int kDirectoryBytes = 114 * 5;

}  // namespace

std::string ayaCountFile(const QuranStructure& quran) {
    std::string out;
    for (const SuraInfo& s : quran.suras()) {
        put8(out, s.number);
        put16(out, s.ayaCount);
    }
    return out;
}

std::string partsFile(const QuranStructure& quran) {
    std::string out;
    for (const SuraInfo& s : quran.suras()) {
        put8(out, s.number);
        put32(out, static_cast<uint32_t>(kDirectoryBytes + (s.firstId - 1) * 5));
    }
    for (int id = 1; id <= quran.totalAyas(); ++id) {
        AyaRef a = quran.ref(id);
        put8(out, a.sura);
        put8(out, a.aya);
        put8(out, a.aya >> 8);
        put8(out, quran.partOf(id));
        put8(out, 0);
    }
    return out;
}

std::string ayaMapFile(const std::vector<PageLayout>& pages) {
    std::string records;
    std::vector<uint32_t> first(115, 0);
    int lastSura = 0, lastAya = 0;
    for (const PageLayout& page : pages) {
        for (const AyaSegment& s : page.segments) {
            if (s.sura < lastSura || (s.sura == lastSura && s.aya < lastAya))
                throw std::logic_error("aya map out of Quran order");
            if (s.sura != lastSura)
                first[s.sura] = kDirectoryBytes + static_cast<uint32_t>(records.size());
            lastSura = s.sura;
            lastAya = s.aya;
            put8(records, s.sura);
            put16(records, s.aya);
            put16(records, s.page);
            put16(records, s.rect.left());
            put16(records, s.rect.top());
            put16(records, s.rect.width());
            put16(records, s.rect.height());
        }
    }
    std::string out;
    for (int s = 1; s <= 114; ++s) {
        put8(out, s);
        put32(out, first[s]);
    }
    return out + records;
}

std::string suraNamesFile(const QuranStructure& quran) {
    std::string out = "[soraname]\r\n";
    for (const SuraInfo& s : quran.suras())
        out += std::to_string(s.number) + "=" + toCp1256(s.name) + "\r\n";
    return out;
}

std::string indexedTextFile(const QuranStructure& quran, const std::vector<std::string>& texts) {
    if (static_cast<int>(texts.size()) != quran.totalAyas())
        throw std::logic_error("indexed text file needs a text for every aya");
    std::string out;
    for (const SuraInfo& s : quran.suras()) {
        put8(out, s.number);
        put32(out, static_cast<uint32_t>(kDirectoryBytes + (s.firstId - 1) * 10));
    }
    uint64_t at = kDirectoryBytes + texts.size() * 10;
    for (int id = 1; id <= quran.totalAyas(); ++id) {
        const std::string& text = texts[id - 1];
        putTextRecord(out, quran.ref(id).aya, at, text.size());
        at += text.size();
    }
    for (const std::string& text : texts) out += text;
    return out;
}

std::vector<int> ayaDurations(int sura, int ayaCount) {
    std::vector<int> d;
    for (int k = 1; k <= ayaCount; ++k)
        d.push_back(1500 +
                    100 * static_cast<int>(mix(static_cast<uint64_t>(sura) * 1000 + k) % 16));
    return d;
}

std::string timeText(int ms) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%d", ms / 3600000, ms / 60000 % 60,
                  ms / 1000 % 60, ms / 100 % 10);
    return text;
}

std::string timingList(const std::vector<int>& durations) {
    std::vector<RtfParagraph> lines;
    int at = 0;
    for (size_t i = 0; i + 1 < durations.size(); ++i) {
        at += durations[i];
        lines.push_back({QString::fromStdString(timeText(at)), false, false, 20});
    }
    return rtfDocument(lines);
}

std::vector<int16_t> recitation(int sura, const std::vector<int>& durations, int sampleRate) {
    static const double scale[8] = {261.6, 293.7, 329.6, 392.0, 440.0, 523.3, 587.3, 659.3};
    std::vector<int16_t> out;
    int total = 0;
    for (int d : durations) total += d;
    out.reserve(static_cast<size_t>(total) * sampleRate / 1000);
    auto tone = [&](double freq, int ms, double amplitude, bool ring) {
        appendTone(out, sampleRate, freq, ms, amplitude, ring);
    };
    auto silence = [&](int ms) { appendSilence(out, sampleRate, ms); };
    for (size_t k = 0; k < durations.size(); ++k) {
        size_t begin = out.size();
        tone(1568.0, 120, 0.3, true);  // the chime that opens every aya
        silence(30);
        int body = durations[k] - 120 - 30 - 300;
        int notes = 1 + static_cast<int>(k % 3);
        double base = scale[(k + static_cast<size_t>(sura)) % 8];
        int gap = 40, each = (body - (notes - 1) * gap) / notes;
        for (int i = 0; i < notes; ++i) {
            tone(i % 2 ? base * 1.25 : base, each, 0.32, false);
            if (i + 1 < notes) silence(gap);
        }
        // pad to the exact length: the remainder and the closing silence
        size_t want = begin + static_cast<size_t>(durations[k]) * sampleRate / 1000;
        if (out.size() > want) throw std::logic_error("aya sound longer than its time");
        out.resize(want, 0);
    }
    return out;
}

}  // namespace disc
