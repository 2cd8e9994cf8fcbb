#include "shell/app_sections.h"

#include "books/unt_fekh.h"
#include "books/unt_hadith.h"
#include "books/unt_live.h"
#include "devotional/unt_asbab.h"
#include "devotional/unt_azan.h"
#include "devotional/unt_azkar.h"
#include "devotional/unt_doaa.h"
#include "devotional/unt_fourty.h"
#include "devotional/unt_tagweed.h"
#include "quran/unt_quran.h"
#include "quran/unt_tafseer.h"
#include "quran/unt_remark.h"
#include "shell/sections.h"

void RegisterAppSections() {
    // Sections register here as their screens are built.
    RegisterSection(1, OpenQuranSection, SaveQuranSectionAtQuit);
    RegisterSection(2, OpenCommentarySection);
    RegisterSection(3, OpenHadithSection);
    RegisterSection(4, OpenFekhSection);
    RegisterSection(5, OpenAsbabSection);
    RegisterSection(6, OpenTagweedSection);
    RegisterSection(7, OpenCallToPrayerSection);
    RegisterSection(8, OpenSupplicationsSection);
    RegisterSection(9, OpenLiveSection);
    RegisterSection(10, OpenAzkarSection);
    RegisterSection(11, OpenFourtySection);
    RegisterSection(12, OpenRemarkSection);
}
