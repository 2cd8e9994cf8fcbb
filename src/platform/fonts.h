// Fonts: the disc's own font files are registered for this run, and the
// Windows font names the screens ask for are mapped to installed free fonts
// that cover Arabic.
#pragma once

#include <string>

namespace platform {

/// Registers a font file named by a Windows path for this run; failures are ignored.
void registerFont(const std::string& windowsPath);

/// Maps the Windows font names used by the screens ("Simplified Arabic",
/// "Traditional Arabic", "Times New Roman", "Tahoma", ...) to installed fonts.
void installFontSubstitutes();

}  // namespace platform
