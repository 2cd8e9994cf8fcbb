#include "shell/app_sections.h"

#include "devotional/unt_azan.h"
#include "devotional/unt_doaa.h"
#include "quran/unt_quran.h"
#include "quran/unt_tafseer.h"
#include "quran/unt_remark.h"
#include "shell/sections.h"

void RegisterAppSections() {
    // Sections register here as their screens are built.
    RegisterSection(1, OpenQuranSection);
    RegisterSection(2, OpenCommentarySection);
    RegisterSection(7, OpenCallToPrayerSection);
    RegisterSection(8, OpenSupplicationsSection);
    RegisterSection(12, OpenRemarkSection);
}
