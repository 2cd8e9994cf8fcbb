// The stages of the sample disc. Each stage adds independent jobs that write
// its files; the jobs of a stage run in parallel.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "disc_writer.h"

namespace disc {

using Job = std::function<void()>;

struct Stage {
    std::string name;
    std::string description;
    /// Adds the stage's jobs; heavy jobs first, so the workers stay busy.
    std::function<void(DiscWriter&, std::vector<Job>&)> addJobs;
};

/// Every stage in build order.
const std::vector<Stage>& allStages();

/// Main menu, settings, about and company screens, stars, about text,
/// fonts and the intro video.
void addBaseJobs(DiscWriter& out, std::vector<Job>& jobs);

/// The big and small star pictures under graphic\main\<language>\.
void writeStars(DiscWriter& out, int language);

/// The Quran reader: aya counts, parts, aya map, page pictures, sura titles,
/// sura names and the skins of the reader, its go-to panel and the sura index.
void addQuranJobs(DiscWriter& out, std::vector<Job>& jobs);

/// The 114 sura recordings and their timing lists.
void addRecitationJobs(DiscWriter& out, std::vector<Job>& jobs);

/// The commentary reader: commentaries 1..3, translations 4..9, the skins of
/// the reader, its chooser and the language screen.
void addCommentaryJobs(DiscWriter& out, std::vector<Job>& jobs);

/// The Quran's text (file 11) and the skins of the search and remarks screens.
void addSearchJobs(DiscWriter& out, std::vector<Job>& jobs);

/// The hadith and fekh books, the translated hadith book, and the skins of
/// their readers and search screens.
void addBookJobs(DiscWriter& out, std::vector<Job>& jobs);

/// The remembrances, the occasions of revelation and the recitation rules:
/// titles, texts, recordings and skins.
void addReadingJobs(DiscWriter& out, std::vector<Job>& jobs);
/// The forty hadith: texts and recordings in Arabic and English, and the skin.
void addFourtyJobs(DiscWriter& out, std::vector<Job>& jobs);

/// The photos of the Quran photo screen, the supplications and the call to prayer.
void addPhotoJobs(DiscWriter& out, std::vector<Job>& jobs);

/// The supplications and the call to prayer: skins of languages 1, 2 and 5,
/// the recordings of the supplications, the calls and the supplication after
/// the call.
void addPrayerJobs(DiscWriter& out, std::vector<Job>& jobs);

}  // namespace disc
