// The sura names of the interface language: DataDir + "names" + LanguageIndex
// + ".ini", section "soraname", key = sura number in decimal, value = the
// name in code page 1256.
#pragma once

#include <QString>
#include <string>

class SuraNamesFile {
  public:
    /// Reads the names file of the current language once; a missing file
    /// gives empty names, like every INI read.
    SuraNamesFile();

    /// The name stored under `key` (a sura number as text), empty when missing.
    QString Name(const std::string& key) const;
    QString Name(int sura) const { return Name(std::to_string(sura)); }

  private:
    std::string text_;
};
