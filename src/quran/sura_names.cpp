#include "quran/sura_names.h"

#include "platform/codepage.h"
#include "platform/inifile.h"
#include "platform/paths.h"
#include "shell/globals.h"

SuraNamesFile::SuraNamesFile() {
    const std::string file = DataDir + "names" + std::to_string(LanguageIndex) + ".ini";
    if (platform::fileExists(file)) text_ = platform::readFile(file);
}

QString SuraNamesFile::Name(const std::string& key) const {
    return platform::toUnicode(platform::iniRead(text_, "soraname", key, ""));
}
