// The layout file of a skin screen: how many buttons it has and where each
// one lies. Values are read with the private-profile rules.
#pragma once

#include <string>

#include "platform/inifile.h"

/// Reads a button position value: characters 1-3 are the left coordinate,
/// characters 6-8 the top; 4-5 separate them and anything after 8 is
/// ignored. Each field converts as a decimal integer (leading zeros and
/// blanks allowed). `left` is set before `top` is converted, so a value with
/// a bad top field still yields its left. Raises the conversion error.
void ParseButtonPosition(const std::string& value, int& left, int& top);

/// The most buttons a screen can have: a control's name carries its number in
/// at most two digits.
constexpr int kMaxButtons = 99;

/// Converts a "ButtonsCount" value. A count above kMaxButtons raises a
/// conversion error like any bad layout value, before anything is sized by it.
int ParseButtonsCount(const std::string& value);

class LayoutFile {
  public:
    explicit LayoutFile(const std::string& windowsPath) : path_(windowsPath), ini_(windowsPath) {}

    /// True when the file exists (a missing one reads as no buttons).
    bool Exists() const;

    /// "ButtonsCount" of section "main" ("0" when missing), as ParseButtonsCount
    /// reads it; a bad value raises its conversion error naming the file and key.
    int ButtonsCount() const;

    /// The position value of button n ("b" + n in section "BUTTONS", "0" when missing).
    std::string ButtonValue(int n) const;

    /// Reads the position of button n as ParseButtonPosition does; a bad value
    /// raises its conversion error naming the file and key, `left` set as there.
    void ButtonPosition(int n, int& left, int& top) const;

    /// The file, quoted for a message with its host path.
    std::string Quoted() const;
    const std::string& Path() const { return path_; }

  private:
    /// Raises `e` again with the file and key it came from.
    [[noreturn]] void Raise(const std::exception& e, const std::string& key) const;

    std::string path_;
    platform::IniFile ini_;
};
