#include "quran/commentary_file.h"

#include "platform/indexed_text_file.h"
#include "shell/globals.h"

namespace {
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

std::string LoadCommentary(int n, int sura, int aya) {
    platform::IndexedTextFile file(DataDir + std::to_string(n));
    std::string text = file.AyaText(file.FirstAyaRecord(sura), aya);
    if (n == 6 || n == 9) {
        const std::string marker = "aaaaa" + std::to_string(aya);
        if (text.starts_with(marker)) text.erase(0, marker.size());
    }
    return text;
}
