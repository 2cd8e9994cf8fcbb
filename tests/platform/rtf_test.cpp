// The RTF reader: formatting, code pages, Unicode, skipped parts, plain lines
// and hostile input.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/error.h"
#include "platform/rtf.h"
#include "temp_folder.h"

using platform::parseRtf;
using platform::RtfAlign;
using platform::RtfDirection;
using platform::RtfDocument;
using platform::rtfPlainLines;
using Lines = std::vector<std::string>;

namespace {
QString u(const char16_t* s) {
    return QString::fromUtf16(s);
}

// A run as text: its characters, font and whatever formatting it has.
std::string describe(const platform::RtfRun& run) {
    const platform::RtfCharFormat& f = run.format;
    std::string s = run.text.toStdString() + "/" + f.fontName.toStdString();
    s += std::string(f.bold ? " b" : "") + (f.italic ? " i" : "") + (f.underline ? " u" : "");
    if (f.halfPoints) s += " fs" + std::to_string(f.halfPoints);
    if (f.color) s += " #" + QString::number(*f.color, 16).rightJustified(6, '0').toStdString();
    return s;
}
}  // namespace

TEST(Rtf, CharacterFormattingFollowsGroups) {
    RtfDocument doc = parseRtf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fnil\\fcharset178 Simplified "
        "Arabic;}}{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
        "plain {\\b bold {\\i both}} \\ul under\\ulnone  {\\cf1 red}{\\cf2\\fs38 big}"
        "{\\f1 font}\\b\\i\\fs20 x\\plain y\\b1 z\\b0 w}");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    Lines runs;
    for (const auto& run : doc.paragraphs[0].runs) runs.push_back(describe(run));
    // \deff0 gives the font; one blank ends \ulnone and the next is text; \plain
    // resets everything to the defaults; \b1 and \b0 switch bold on and off.
    EXPECT_EQ(runs, (Lines{"plain /Arial", "bold /Arial b", "both/Arial b i", " /Arial",
                           "under/Arial u", " /Arial", "red/Arial #ff0000",
                           "big/Arial fs38 #0080ff", "font/Simplified Arabic", "x/Arial b i fs20",
                           "y/Arial", "z/Arial b", "w/Arial"}));
    EXPECT_EQ(doc.paragraphs[0].runs[8].format.codePage, 1256);
    // Colour 0 of the table is "automatic"; an index past the table is too.
    doc = parseRtf("{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\cf0 a\\cf7 b}");
    for (const auto& run : doc.paragraphs[0].runs)
        EXPECT_FALSE(run.format.color.has_value()) << run.text.toStdString();
}

TEST(Rtf, ParagraphsAlignmentDirectionAndLines) {
    RtfDocument doc = parseRtf(
        "{\\rtf1 \\pard\\qc\\rtlpar centred\\par\n"
        "still centred\\par\r\n"
        "\\pard\\qr right\\line second\\tab x\\par"
        "\\pard\\qj\\ltrpar j\\par\\pard\\ql left\\par\\pard default}");
    // Paragraph properties last to \pard.
    std::vector<std::pair<RtfAlign, RtfDirection>> props;
    for (const auto& p : doc.paragraphs) props.emplace_back(p.align, p.direction);
    EXPECT_EQ(props, (std::vector<std::pair<RtfAlign, RtfDirection>>{
                         {RtfAlign::Center, RtfDirection::RightToLeft},
                         {RtfAlign::Center, RtfDirection::RightToLeft},
                         {RtfAlign::Right, RtfDirection::Default},
                         {RtfAlign::Justify, RtfDirection::LeftToRight},
                         {RtfAlign::Left, RtfDirection::Default},
                         {RtfAlign::Default, RtfDirection::Default}}));
    EXPECT_EQ(doc.paragraphs[2].text(), u(u"right\u2028second\tx"));
    EXPECT_EQ(doc.plainLines(),
              (Lines{"centred", "still centred", "right", "second\tx", "j", "left", "default"}));
}

TEST(Rtf, BytesAreReadInTheCodePageOfTheirFont) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1256\\deff0{\\fonttbl{\\f0\\fnil Times;}{\\f1\\fnil\\fcharset204 "
        "Cyr;}{\\f2\\fcharset0 Latin;}}\\'c7\\'e1{\\f1\\'c0}{\\f2\\'e9}\\'C8\\'zz\\par}";
    RtfDocument doc = parseRtf(rtf);
    EXPECT_EQ(doc.codePage, 1256);
    EXPECT_EQ(doc.paragraphs[0].text(), u(u"\u0627\u0644\u0410\u00E9\u0628zz"));
    // Plain lines keep the file's bytes: nothing is converted.
    EXPECT_EQ(rtfPlainLines(rtf), Lines{"\xC7\xE1\xC0\xE9\xC8zz"});
    // Without \ansicpg the reader's default applies.
    EXPECT_EQ(parseRtf("{\\rtf1\\ansi \\'c7}").paragraphs[0].text(), u(u"\u0627"));
    EXPECT_EQ(parseRtf("{\\rtf1\\ansi \\'c7}", 1252).paragraphs[0].text(), u(u"\u00C7"));
}

TEST(Rtf, UnicodeCharactersAndTheirFallbackText) {
    // \uc1 is the default: one fallback character is skipped.
    RtfDocument doc = parseRtf(
        "{\\rtf1\\ansicpg1256 \\u1575?\\u1604\\'e1 a{\\uc2\\u1576\\'c8\\'c8b}"
        "{\\uc0\\u1577 c}\\u-3913?\\u1575{x}\\par}");
    EXPECT_EQ(doc.paragraphs[0].text(), u(u"\u0627\u0644 a\u0628b\u0629c\uF0B7\u0627x"));
    // In plain lines the character is given in the code page; '?' when it has none.
    EXPECT_EQ(doc.plainLines(), Lines{"\xC7\xE1 a\xC8"
                                      "b\xC9"
                                      "c?\xC7x"});
    // A fallback control word is skipped too, and a group ends the fallback.
    EXPECT_EQ(parseRtf("{\\rtf1\\uc1\\u1575\\par x}").paragraphs[0].text(), u(u"\u0627x"));
}

TEST(Rtf, HiddenPartsAreNotShown) {
    const std::string rtf =
        "{\\rtf1{\\fonttbl{\\f0{\\*\\panose 02020603050405020304}Times;}}"
        "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
        "{\\*\\generator Riched20;}{\\*\\unknowndest secret}"
        "{\\pict\\wmetafile8 0123abcd}{\\header head}"
        "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}"
        "\\bin6 {}\\}\\ a\\{b\\}c\\\\d\\~e\\-f\\par}";
    RtfDocument doc = parseRtf(rtf);
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].text(), u(u"linka{b}c\\d\u00A0ef"));
    EXPECT_EQ(doc.paragraphs[0].runs[0].format.fontName, "Times");
}

TEST(Rtf, TimingListsReadAsPlainLines) {
    // As a word processor saves a timing list.
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1256\\deff0\\deflang1025{\\fonttbl{\\f0\\fnil\\fcharset178 "
        "MS Sans Serif;}}\r\n\\viewkind4\\uc1\\pard\\rtlpar\\lang1025\\f0\\fs16 00:00:05.3\\par\r\n"
        "00:00:11.0\\par\r\n\\par\r\n01:02:03.4\\par\r\n}\r\n";
    EXPECT_EQ(rtfPlainLines(rtf), (Lines{"00:00:05.3", "00:00:11.0", "", "01:02:03.4"}));
    // A file that is not RTF gives its own lines, bytes unchanged.
    EXPECT_EQ(rtfPlainLines("00:00:05.3\r\n00:00:11.0\n\n\xC7\r01\r\n"),
              (Lines{"00:00:05.3", "00:00:11.0", "", "\xC7", "01"}));
    EXPECT_EQ(rtfPlainLines("{\\rt not rtf"), Lines{"{\\rt not rtf"});
    EXPECT_TRUE(rtfPlainLines("").empty());
    EXPECT_EQ(parseRtf("\xC7\xE1").paragraphs[0].text(), u(u"\u0627\u0644"));
}

TEST(Rtf, MalformedInputIsReadAsFarAsItGoes) {
    // Truncated in every possible place: never more text than the whole.
    const std::string whole =
        "{\\rtf1{\\fonttbl{\\f0\\fcharset178 A;}}{\\colortbl;\\red9;}\\f0\\cf1\\u1575?\\'c7 "
        "{\\b x}\\par y}";
    for (size_t n = 0; n <= whole.size(); ++n) {
        RtfDocument doc = parseRtf(whole.substr(0, n));
        EXPECT_LE(doc.paragraphs.size(), 2u) << n;
    }
    EXPECT_EQ(rtfPlainLines(whole), (Lines{"\xC7\xC7 x", "y"}));
    // Text after the document's closing brace is not part of it.
    EXPECT_EQ(rtfPlainLines("{\\rtf1 a}}}b{c"), Lines{"a"});
    EXPECT_EQ(rtfPlainLines("{\\rtf1 a{b"), Lines{"ab"});
    // Huge numbers saturate instead of overflowing or allocating.
    EXPECT_EQ(rtfPlainLines("{\\rtf1\\fs99999999999999999 a\\u99999999999 b\\cf-99999999999 "
                            "c\\f99999999999 d\\bin99999999999999 e}"),
              Lines{"acd"});
    EXPECT_EQ(rtfPlainLines("{\\rtf1\\uc2147483647\\u65 abc\\par def}"), Lines{"A"});
    // Nesting deeper than the limit is skipped, and reading goes on after it.
    const int deep = platform::kRtfMaxDepth + 500;
    std::string nested =
        "{\\rtf1 a" + std::string(deep, '{') + "hidden\\}" + std::string(deep, '}') + "b}";
    EXPECT_EQ(rtfPlainLines(nested), Lines{"ab"});
    EXPECT_EQ(rtfPlainLines("{\\rtf1 a" + std::string(100000, '{')), Lines{"a"});
    // A control word longer than any real one, and a lone backslash at the end.
    EXPECT_EQ(rtfPlainLines("{\\rtf1 " + std::string(10000, 'q') + "x\\" + std::string(10000, 'z') +
                            " y\\"),
              Lines{std::string(10000, 'q') + "xy"});
}

namespace {
// The text of a document as a reader sees it: a line per paragraph and per
// line break.
std::string visibleText(const RtfDocument& doc) {
    QString out;
    for (const auto& p : doc.paragraphs) out += p.text().replace(QChar(0x2028), '\n') + '\n';
    return out.toStdString();
}
}  // namespace

TEST(Rtf, FilesOfRealWordProcessorsGiveTheirWholeText) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(testData("rtf"))) {
        if (entry.path().extension() != ".rtf") continue;
        ++files;
        std::filesystem::path expected = entry.path();
        expected.replace_extension(".txt");
        EXPECT_EQ(visibleText(parseRtf(readHostFile(entry.path()))), readHostFile(expected))
            << entry.path().filename();
    }
    EXPECT_EQ(files, 5);
}

TEST(Rtf, TablesBreaksListMarkersAndLinksEndOrKeepTheirText) {
    // A row ends a line and each cell is a line of its own, as a timing list needs.
    EXPECT_EQ(rtfPlainLines("{\\rtf1\\ansi\\ansicpg1256{\\fonttbl{\\f0\\fcharset178 Arial;}}\\f0"
                            "\\trowd\\cellx1000\\cellx2000\\pard\\intbl 00:00:01.5\\cell 00:00:03.2"
                            "\\cell\\row\\pard 00:00:05.0\\par}"),
              (Lines{"00:00:01.5", "00:00:03.2", "00:00:05.0"}));
    // An empty cell between two keeps its line; a nested table's cells end lines too.
    EXPECT_EQ(
        rtfPlainLines("{\\rtf1 a\\cell\\cell b\\nestcell c\\nestcell{\\*\\nesttableprops\\nestrow}"
                      "\\cell\\row}"),
        (Lines{"a", "", "b", "c"}));
    // Section, page and column breaks end the line; after a paragraph mark
    // they add no empty one.
    EXPECT_EQ(
        rtfPlainLines("{\\rtf1\\ansi\\ansicpg1256 00:00:01.5\\sect 00:00:03.2\\page 4\\column 5"
                      "\\par\\sect 6\\par}"),
        (Lines{"00:00:01.5", "00:00:03.2", "4", "5", "6"}));
    // List markers are shown, the Symbol font's bullet as a bullet.
    const RtfDocument list = parseRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}{\\f2 Wingdings;}}"
        "{\\pntext\\f1\\'B7\\tab}Bullet one\\par{\\listtext 2.\\tab}Two\\par"
        "{\\listtext\\f2\\'A7\\tab}Three\\par{\\listtext\\f1\\u-3913?\\tab}Four\\par}");
    EXPECT_EQ(visibleText(list), "\u2022\tBullet one\n2.\tTwo\n\u25AA\tThree\n\u2022\tFour\n");
    // A field's result is shown whether or not it is starred.
    EXPECT_EQ(
        parseRtf("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://x/\"}{\\*\\fldrslt LINKTEXT}}"
                 "\\par}")
            .paragraphs[0]
            .text(),
        "LINKTEXT");
}

TEST(Rtf, RightToLeftRunsTakeTheirOwnBoldAndItalic) {
    const RtfDocument doc =
        parseRtf("{\\rtf1\\ansicpg1256 {\\ab\\ai\\'c7 a}{\\b\\ab0\\'c7}{\\plain\\'c7}\\par}");
    std::vector<std::string> runs;
    for (const auto& run : doc.paragraphs[0].runs) runs.push_back(describe(run));
    // \ab and \ai are for the Arabic letters only; \b stays for every letter.
    EXPECT_EQ(runs, (std::vector<std::string>{"\u0627/ b i", " a/", "\u0627/ b", "\u0627/"}));
}

TEST(Rtf, CharactersGivenOnlyByUnicodeKeepTheirLetterInPlainLines) {
    // Arabic text under a Latin font: the plain lines give it in the Arabic code page.
    EXPECT_EQ(rtfPlainLines("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 "
                            "\\u1575?\\u1604? 1\\u-3913?\\par}"),
              Lines{"\xC7\xE1 1?"});
    EXPECT_EQ(visibleText(parseRtf("{\\rtf1{\\*\\xmlnstbl {\\xmlns1 http://x}}text\\par}")),
              "text\n");
}
