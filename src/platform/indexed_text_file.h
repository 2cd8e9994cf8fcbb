// The indexed text files of the disc: 10-byte records, each pointing at a
// byte string elsewhere in the same file (bytes 2-5 its offset, bytes 6-9 its
// length, both 32-bit little-endian; bytes 0-1 unused). Two forms exist:
//  - numbered: record n (n >= 1) at byte (n - 1) * 10 (book titles, topic
//    titles and texts);
//  - by sura: a directory of 114 entries of 5 bytes, entry s at (s - 1) * 5
//    holding in bytes 1-4 the offset of sura s's first record; aya a of the
//    sura is the record at that offset + (a - 1) * 10 (the aya text "11").
// The file stays open for the life of the object; every field is read where
// it lies and checked against the file's size: a damaged offset or length
// raises the file's read error, never reads outside the file and never
// allocates more than the file holds. Strings are raw single-byte text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/binfile.h"

namespace platform {

class IndexedTextFile {
  public:
    /// Opens the file named by a Windows path; raises "Cannot open file" when missing.
    explicit IndexedTextFile(const std::string& windowsPath);
    /// Reads an open file (or a file's bytes, see platform::BinaryFile::fromBytes).
    explicit IndexedTextFile(BinaryFile file) : file_(std::move(file)) {}

    /// Numbered form: the string of record n (n >= 1).
    std::string Record(int n);

    /// Numbered form: the strings of records 1..count in order, each given to
    /// `each` with its number. The records are read in one piece first (all
    /// of them must lie in the file), then the strings where they lie.
    void ForEachRecord(int count, const std::function<void(int n, const std::string& text)>& each);

    /// The suras of the by-sura form's directory.
    static constexpr int kSuras = 114;

    /// By-sura form: the offset of the first aya record of `sura` (1..kSuras).
    uint64_t FirstAyaRecord(int sura);
    /// By-sura form: the string of aya `aya` (>= 1) of the sura whose first
    /// record is at `firstRecord`.
    std::string AyaText(uint64_t firstRecord, int aya);

    /// The string of the record at byte `offset`.
    std::string RecordAt(uint64_t offset);

    uint64_t size() const { return file_.size(); }

  private:
    BinaryFile file_;
};

}  // namespace platform
