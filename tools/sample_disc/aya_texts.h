// Texts per aya: the Quran's own text and six translations, read from the
// shared data folder, and the generated Arabic commentaries.
#pragma once

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "quran_structure.h"

namespace disc {

/// A translation on the disc: its commentary file number, source file and code page.
struct Translation {
    int file;         ///< 4..9
    const char* tsv;  ///< under quran-text/
    int codePage;
    bool ayaMarker;  ///< each text begins with "aaaaa" and the aya number
};
inline constexpr Translation kTranslations[] = {
    {4, "en.tsv", 1252, false}, {5, "fr.tsv", 1252, false}, {6, "es.tsv", 1252, true},
    {7, "tr.tsv", 1254, false}, {8, "id.tsv", 1252, false}, {9, "ru.tsv", 1251, true},
};

/// quran-text/<name> in the shared data folder.
std::filesystem::path quranTextFile(const std::string& name);

/// Reads "sura<TAB>aya<TAB>text" lines; raises std::runtime_error unless the
/// file holds every aya of `quran` once, in Quran order.
std::vector<QString> readAyaTexts(const std::filesystem::path& file, const QuranStructure& quran);

/// `text` in a single-byte Windows code page, unchanged; raises
/// std::runtime_error naming `where` when the code page lacks a character.
std::string encodeExactly(const QString& text, int codePage, const std::string& where);

/// The name of Arabic commentary 1..3 as its texts and buttons give it.
QString commentaryName(int commentary);

/// The generated text of Arabic commentary 1..3 for one aya: which commentary,
/// sura and aya it is, the aya's own text quoted and a line of explanation,
/// all in Arabic: the reader shows these texts right to left.
QString commentaryText(int commentary, const SuraInfo& sura, int aya, const QString& ayaText);

}  // namespace disc
