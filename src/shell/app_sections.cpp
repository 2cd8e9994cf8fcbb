#include "shell/app_sections.h"

#include "devotional/unt_fourty.h"
#include "quran/unt_quran.h"
#include "quran/unt_tafseer.h"
#include "quran/unt_remark.h"
#include "shell/sections.h"

void RegisterAppSections() {
    // Sections register here as their screens are built.
    RegisterSection(1, OpenQuranSection);
    RegisterSection(2, OpenCommentarySection);
    RegisterSection(11, OpenFourtySection);
    RegisterSection(12, OpenRemarkSection);
}
