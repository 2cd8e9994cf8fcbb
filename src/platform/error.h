// Errors raised by the platform layer. The message is the text a user reads
// in the error box.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

/// An operation of the platform failed; what() is the message for the error box.
class PlatformError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

/// "Cannot open file "<name>"." for a file that is missing or unreadable.
[[noreturn]] void throwCannotOpen(const std::string& name);

/// Converts decimal text as the program always did: leading blanks and a sign
/// are allowed, "$" or "0x" introduce hexadecimal, nothing may follow the
/// digits. Raises "'<text>' is not a valid integer value" otherwise.
int strToInt(const std::string& text);

/// The same conversion without raising; returns false when the text is not a number.
bool tryStrToInt(const std::string& text, int& value);

/// Equal texts, ignoring the case of ASCII letters (names on the disc, INI
/// sections and keys, effect names).
bool sameText(std::string_view a, std::string_view b);

}  // namespace platform
