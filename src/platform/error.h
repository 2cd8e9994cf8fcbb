// Errors raised by the platform layer. The message is the text a user reads
// in the error box, in UTF-8. Disc bytes that a message quotes are decoded
// from their code page where the message is made (messageText), so the box
// shows them as they are meant.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/codepage.h"

namespace platform {

/// An operation of the platform failed; what() is the message for the error
/// box, in UTF-8. An error about one file names it in file() (its Windows
/// path), so that the error box reports that file's failure once.
class PlatformError : public std::runtime_error {
  public:
    explicit PlatformError(const std::string& message, std::string file = {})
        : std::runtime_error(message), file_(std::move(file)) {}

    /// The Windows path of the file that failed; empty when none is concerned.
    const std::string& file() const { return file_; }

  private:
    std::string file_;
};

/// Bytes in `codePage` as UTF-8, to be quoted in a message.
std::string messageText(std::string_view bytes, int codePage = kArabicCodePage);

/// Converts decimal text as the program always did: leading blanks and a sign
/// are allowed, "$" or "0x" introduce hexadecimal, nothing may follow the
/// digits. Raises "'<text>' is not a valid integer value" otherwise, the text
/// decoded from `codePage`.
int strToInt(const std::string& text, int codePage = kArabicCodePage);

/// strToInt for a value read from a file: the error says where the text came
/// from after the usual words, "'<text>' is not a valid integer value in <where>"
/// (`where` names the file, and the key or line).
int strToIntIn(const std::string& text, const std::string& where, int codePage = kArabicCodePage);

/// The same conversion without raising; returns false when the text is not a number.
bool tryStrToInt(const std::string& text, int& value);

/// Equal texts, ignoring the case of ASCII letters (names on the disc, INI
/// sections and keys, effect names).
bool sameText(std::string_view a, std::string_view b);

}  // namespace platform
