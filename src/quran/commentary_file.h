// The commentaries and translations of the commentary reader: data files
// "1" to "9", indexed text files by sura.
#pragma once

#include <string>

constexpr int kCommentaryCount = 9;

/// How commentary n (1..9) is shown.
struct CommentaryStyle {
    const char* font;
    int codePage;
    bool rightToLeft;  // right-to-left and right-aligned, else left-to-right and left-aligned
};
const CommentaryStyle& CommentaryStyleOf(int n);

/// Commentary n's text of an aya from the disc (DataDir + n), as bytes in its
/// code page, without the "aaaaa" + aya marker that commentaries 6 and 9
/// begin with. Damage raises the file's read error.
std::string LoadCommentary(int n, int sura, int aya);
