#include "quran_structure.h"

#include <QFile>
#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>

namespace disc {

namespace {

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream s(line);
    for (std::string f; std::getline(s, f, ',');) fields.push_back(f);
    return fields;
}

int number(const std::string& text) {
    size_t used = 0;
    int v = std::stoi(text, &used);
    if (used != text.size()) throw std::runtime_error("bad number " + text);
    return v;
}

// Quran-wide numbers of a list of aya references; they must rise.
std::vector<int> idsOf(const QuranStructure& q, const std::vector<AyaRef>& refs, const char* what) {
    std::vector<int> ids;
    for (const AyaRef& r : refs) {
        if (r.sura < 1 || r.sura > 114 || r.aya < 1 || r.aya > q.sura(r.sura).ayaCount)
            throw std::runtime_error(std::string("no such aya in ") + what);
        ids.push_back(q.id(r));
        if (ids.size() > 1 && ids[ids.size() - 2] >= ids.back())
            throw std::runtime_error(std::string(what) + " out of order");
    }
    if (ids.empty() || ids.front() != 1)
        throw std::runtime_error(std::string(what) + " must start at 1:1");
    return ids;
}

}  // namespace

QuranStructure QuranStructure::parse(std::string_view text) {
    QuranStructure q;
    std::stringstream in{std::string(text)};
    std::string section;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            section = line;
            continue;
        }
        auto f = splitFields(line);
        if (section == "[sura]" && f.size() == 4) {
            q.suras_.push_back(
                {number(f[0]), number(f[1]), number(f[2]), QString::fromStdString(f[3])});
        } else if ((section == "[part]" || section == "[page]") && f.size() == 3) {
            (section == "[part]" ? q.parts_ : q.pages_).push_back({number(f[1]), number(f[2])});
        } else {
            throw std::runtime_error("unexpected line in Quran structure: " + line);
        }
    }
    if (q.suras_.size() != 114) throw std::runtime_error("Quran structure needs 114 suras");
    int next = 1;
    for (size_t i = 0; i < q.suras_.size(); ++i) {
        const SuraInfo& s = q.suras_[i];
        if (s.number != static_cast<int>(i) + 1 || s.firstId != next || s.ayaCount < 1)
            throw std::runtime_error("sura table broken at sura " + std::to_string(i + 1));
        next += s.ayaCount;
    }
    if (q.parts_.size() != 30 || q.pages_.size() != 604)
        throw std::runtime_error("Quran structure needs 30 parts and 604 pages");
    q.partIds_ = idsOf(q, q.parts_, "parts");
    q.pageIds_ = idsOf(q, q.pages_, "pages");
    return q;
}

const QuranStructure& QuranStructure::builtIn() {
    static const QuranStructure q = [] {
        QFile file(":/sample_disc/quran-structure.txt");
        if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("Quran structure missing");
        return parse(file.readAll().toStdString());
    }();
    return q;
}

AyaRef QuranStructure::ref(int id) const {
    auto it = std::upper_bound(suras_.begin(), suras_.end(), id,
                               [](int v, const SuraInfo& s) { return v < s.firstId; });
    const SuraInfo& s = *(it - 1);
    return {s.number, id - s.firstId + 1};
}

int QuranStructure::partOf(int id) const {
    return static_cast<int>(std::upper_bound(partIds_.begin(), partIds_.end(), id) -
                            partIds_.begin());
}

int QuranStructure::pageOf(int id) const {
    return static_cast<int>(std::upper_bound(pageIds_.begin(), pageIds_.end(), id) -
                            pageIds_.begin());
}

}  // namespace disc
