#include "devotional/tagweed_file.h"

#include <algorithm>

#include "platform/binfile.h"
#include "shell/globals.h"

namespace {
constexpr uint64_t kRuleRecordBytes = 6;
constexpr uint64_t kPageRecordBytes = 10;
}  // namespace

std::string TagweedFileName() {
    return DataDir + "tagweed";
}

TagweedPage ReadTagweedPage(platform::BinaryFile& file, int rule, int page) {
    if (rule < 1 || rule > kTagweedRuleCount) file.fail();
    TagweedPage out;
    file.seek(static_cast<uint64_t>(rule - 1) * kRuleRecordBytes + 1);
    out.pageCount = file.readU8();
    const uint64_t table = file.readU32();
    // A rule without pages, or a page it does not have, is a damaged file.
    if (page < 1 || page > out.pageCount) file.fail();
    file.seek(table + static_cast<uint64_t>(page - 1) * kPageRecordBytes + 1);
    out.exampleCount = std::min<int>(file.readU8(), kMostTagweedExamples);
    const uint64_t text = file.readU32();
    const uint64_t length = file.readU32();
    file.seek(text);
    out.text = file.readBytes(length);
    return out;
}

TagweedPage ReadTagweedPage(int rule, int page) {
    platform::BinaryFile file(TagweedFileName());
    return ReadTagweedPage(file, rule, page);
}
