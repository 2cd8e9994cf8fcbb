#include "quran/remarks_file.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <map>
#include <cstdint>
#include <set>
#include <string_view>

#include "quran/quran_files.h"
#include "platform/error.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "shell/globals.h"

namespace {

constexpr const char* kSection = "remarks";
constexpr int kMostRemarks = kQuranAyaCount;  // one per aya at most

// The numbers i for which some line of the text names a key "sora<i>". Only
// those remarks can hold a sura, so a damaged "count" never makes the
// duplicate check run through numbers that have no keys.
std::set<int> suraKeyNumbers(const std::string& text, int upTo) {
    std::set<int> numbers;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        size_t b = line.find_first_not_of(" \t");
        if (b == std::string_view::npos || line.size() - b < 5) continue;
        std::string_view key = line.substr(b);
        auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
        if (lower(key[0]) != 's' || lower(key[1]) != 'o' || lower(key[2]) != 'r' ||
            lower(key[3]) != 'a')
            continue;
        int64_t n = 0;
        size_t i = 4;
        for (; i < key.size() && key[i] >= '0' && key[i] <= '9' && n <= upTo; ++i)
            n = n * 10 + (key[i] - '0');
        if (i > 4 && n >= 1 && n <= upTo) numbers.insert(static_cast<int>(n));
    }
    return numbers;
}

// Where a value of the remarks file came from, for a conversion error.
std::string keyOfFile(const std::string& key) {
    return platform::quotedPath(RemarksFileName()) + ", key " + key;
}

bool sameNumber(const std::string& stored, int value) {
    int n = 0;
    return platform::tryStrToInt(stored, n) && n == value;
}

}  // namespace

std::string RemarksFileName() {
    return "c:\\remrak" + std::to_string(LanguageIndex) + ".ini";
}

bool AddRemark(int sura, int aya) {
    const std::string name = RemarksFileName();
    std::string text;
    if (platform::fileExists(name)) text = platform::readFile(name);
    int count =
        platform::strToIntIn(platform::iniRead(text, kSection, "count", "0"), keyOfFile("count"));
    if (count < 0) count = 0;  // a damaged count: start the list again
    if (count == INT_MAX) return false;

    for (int i : suraKeyNumbers(text, count)) {
        const std::string n = std::to_string(i);
        if (sameNumber(platform::iniRead(text, kSection, "sora" + n, "0"), sura) &&
            sameNumber(platform::iniRead(text, kSection, "aya" + n, "0"), aya))
            return false;
    }

    // The three keys in their order, as one change of the file.
    const std::string n = std::to_string(count + 1);
    platform::IniFile(name).writeText(platform::iniWrite(
        text, kSection,
        {{"count", n}, {"sora" + n, std::to_string(sura)}, {"aya" + n, std::to_string(aya)}}));
    return true;
}

std::vector<StoredRemark> ReadRemarks() {
    const std::string name = RemarksFileName();
    const std::string text = platform::fileExists(name) ? platform::readFile(name) : "";
    // The section is read once; a key read as often as there are remarks
    // would cost the square of their number.
    std::map<std::string, std::string> values;  // key in lower case -> value
    for (auto& [key, value] : platform::iniSection(text, kSection)) {
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        values.emplace(std::move(key), std::move(value));  // the first one counts
    }
    auto read = [&values](const std::string& key) {
        auto it = values.find(key);
        return it == values.end() ? std::string("0") : it->second;
    };
    const int count = platform::strToIntIn(read("count"), keyOfFile("count"));
    std::vector<StoredRemark> remarks;
    for (int i = 1; i <= std::min(count, kMostRemarks); ++i) {
        const std::string n = std::to_string(i);
        remarks.push_back({read("sora" + n), read("aya" + n)});
    }
    return remarks;
}

void WriteRemarksAfterRemoval(const std::vector<StoredRemark>& remarks, size_t removed) {
    platform::IniKeys keys = {{"count", std::to_string(remarks.size())}};
    for (size_t k = removed; k < remarks.size(); ++k) {
        const std::string n = std::to_string(k + 1);
        keys.emplace_back("sora" + n, remarks[k].sura);
        keys.emplace_back("aya" + n, remarks[k].aya);
    }
    platform::IniFile(RemarksFileName()).writeStrings(kSection, keys);
}

int RemarkNumber(const std::string& value, const std::string& key) {
    return platform::strToIntIn(value, keyOfFile(key));
}
