#include "quran/commentary_file.h"

#include "platform/binfile.h"
#include "quran/quran_files.h"
#include "shell/globals.h"

namespace {
constexpr uint64_t kDirectoryEntryBytes = 5;  // -, offset of the sura's aya table
constexpr uint64_t kAyaRecordBytes = 10;      // -, -, text offset, text length

const CommentaryStyle kStyles[kCommentaryCount] = {
    {"Arabic transparent", 1256, true},
    {"Arabic transparent", 1256, true},
    {"Arabic transparent", 1256, true},
    {"Arial", 1252, false},
    {"frnsys", 1252, false},
    {"GerSys", 1252, false},
    {"Arial", 1254, false},
    {"Arial", 1252, false},
    {"Arial", 1251, false},
};
}  // namespace

const CommentaryStyle& CommentaryStyleOf(int n) {
    return kStyles[(n >= 1 && n <= kCommentaryCount ? n : 1) - 1];
}

std::string ReadCommentaryText(platform::BinaryFile& f, int sura, int aya) {
    if (sura < 1 || sura > kSuraCount || aya < 1) f.fail();
    f.seek(static_cast<uint64_t>(sura - 1) * kDirectoryEntryBytes + 1);
    const uint64_t table = f.readU32();
    f.seek(table + static_cast<uint64_t>(aya - 1) * kAyaRecordBytes + 2);
    const uint64_t offset = f.readU32();
    const uint64_t length = f.readU32();
    f.seek(offset);
    return f.readBytes(length);
}

std::string LoadCommentary(int n, int sura, int aya) {
    platform::BinaryFile f(DataDir + std::to_string(n));
    std::string text = ReadCommentaryText(f, sura, aya);
    if (n == 6 || n == 9) {
        const std::string marker = "aaaaa" + std::to_string(aya);
        if (text.starts_with(marker)) text.erase(0, marker.size());
    }
    return text;
}
