#include "platform/indexed_text_file.h"

namespace platform {

namespace {
constexpr uint64_t kRecordBytes = 10;
constexpr uint64_t kDirectoryEntryBytes = 5;
constexpr uint64_t kTextOffset = 2;  // then the length, 4 bytes on
}  // namespace

IndexedTextFile::IndexedTextFile(const std::string& windowsPath) : file_(windowsPath) {}

std::string IndexedTextFile::Record(int n) {
    if (n < 1) file_.fail();
    return RecordAt(static_cast<uint64_t>(n - 1) * kRecordBytes);
}

void IndexedTextFile::ForEachRecord(int count,
                                    const std::function<void(int, const std::string&)>& each) {
    if (count <= 0) return;
    file_.seek(0);
    const std::string records = file_.readBytes(static_cast<uint64_t>(count) * kRecordBytes);
    auto u32 = [&records](size_t at) {
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(records[at + i]);
        return v;
    };
    std::string text;
    for (int n = 1; n <= count; ++n) {
        const size_t at = static_cast<size_t>(n - 1) * kRecordBytes + kTextOffset;
        file_.seek(u32(at));
        text = file_.readBytes(u32(at + 4));
        each(n, text);
    }
}

uint64_t IndexedTextFile::FirstAyaRecord(int sura) {
    if (sura < 1 || sura > kSuras) file_.fail();
    file_.seek(static_cast<uint64_t>(sura - 1) * kDirectoryEntryBytes + 1);
    return file_.readU32();
}

std::string IndexedTextFile::AyaText(uint64_t firstRecord, int aya) {
    if (aya < 1) file_.fail();
    return RecordAt(firstRecord + static_cast<uint64_t>(aya - 1) * kRecordBytes);
}

std::string IndexedTextFile::RecordAt(uint64_t offset) {
    file_.seek(offset + kTextOffset);
    const uint64_t text = file_.readU32();
    const uint64_t length = file_.readU32();
    file_.seek(text);
    return file_.readBytes(length);
}

}  // namespace platform
