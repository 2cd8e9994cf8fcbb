// The real structure of the Quran the disc is built on: 114 suras with their
// aya counts and names, the first aya of each of the 30 parts and of each of
// the 604 pages of the Madani print.
#pragma once

#include <QString>
#include <string_view>
#include <vector>

namespace disc {

struct SuraInfo {
    int number;
    int firstId;  ///< number of its first aya counted over the whole Quran, from 1
    int ayaCount;
    QString name;  ///< Arabic
};

struct AyaRef {
    int sura;
    int aya;
    bool operator==(const AyaRef&) const = default;
};

class QuranStructure {
  public:
    /// Parses the structure text ([sura], [part] and [page] tables) and checks
    /// it: 114 suras in order with consecutive aya numbers, 30 parts and 604
    /// pages starting at existing ayas in increasing order. Raises
    /// std::runtime_error otherwise.
    static QuranStructure parse(std::string_view text);

    /// The structure built into the generator.
    static const QuranStructure& builtIn();

    const std::vector<SuraInfo>& suras() const { return suras_; }
    const SuraInfo& sura(int number) const { return suras_.at(number - 1); }
    const std::vector<AyaRef>& partStarts() const { return parts_; }
    const std::vector<AyaRef>& pageStarts() const { return pages_; }

    int totalAyas() const { return suras_.back().firstId + suras_.back().ayaCount - 1; }
    /// Quran-wide number (1..totalAyas) of an aya.
    int id(AyaRef a) const { return sura(a.sura).firstId + a.aya - 1; }
    AyaRef ref(int id) const;
    /// Part 1..30 of an aya.
    int partOf(int id) const;
    /// Page 1..604 on which an aya begins.
    int pageOf(int id) const;

  private:
    std::vector<SuraInfo> suras_;
    std::vector<AyaRef> parts_;
    std::vector<AyaRef> pages_;
    std::vector<int> partIds_, pageIds_;
};

}  // namespace disc
