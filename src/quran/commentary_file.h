// The commentaries and translations of the commentary reader: data files
// "1" to "9", each a directory of the 114 suras followed by a table of 10-byte
// aya records (text offset and length) and the texts.
#pragma once

#include <string>

namespace platform {
class BinaryFile;
}

constexpr int kCommentaryCount = 9;

/// How commentary n (1..9) is shown.
struct CommentaryStyle {
    const char* font;
    int codePage;
    bool rightToLeft;  // right-to-left and right-aligned, else left-to-right and left-aligned
};
const CommentaryStyle& CommentaryStyleOf(int n);

/// The text of `aya` of `sura` as its bytes in the commentary's code page.
/// Offsets and lengths are checked against the file: damage raises the file's
/// read error.
std::string ReadCommentaryText(platform::BinaryFile& file, int sura, int aya);

/// Commentary n's text of an aya from the disc (DataDir + n), without the
/// "aaaaa" + aya marker that commentaries 6 and 9 begin with.
std::string LoadCommentary(int n, int sura, int aya);
