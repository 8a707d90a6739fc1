#include "harness/reset_globals.h"
#include "platform/font.h"
#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

plat::LogFont Describe(const char* utf8Face, int32_t height, int32_t weight = 400) {
    plat::LogFont lf{};
    const std::string face = plat::Utf8ToCp932(utf8Face);
    std::strncpy(lf.faceName, face.c_str(), sizeof lf.faceName - 1);
    lf.height = height;
    lf.weight = weight;
    lf.charSet = plat::kShiftJisCharset;
    return lf;
}

} // namespace

TEST(Cp932, LeadBytesDecodingAndConversion) {
    EXPECT_TRUE(plat::IsDbcsLeadByte(0x81));
    EXPECT_TRUE(plat::IsDbcsLeadByte(0x9F));
    EXPECT_TRUE(plat::IsDbcsLeadByte(0xE0));
    EXPECT_TRUE(plat::IsDbcsLeadByte(0xFC));
    EXPECT_FALSE(plat::IsDbcsLeadByte(0x80));
    EXPECT_FALSE(plat::IsDbcsLeadByte(0xA0));
    EXPECT_FALSE(plat::IsDbcsLeadByte(0xB1)); // half-width katakana
    EXPECT_FALSE(plat::IsDbcsLeadByte('A'));
    const std::string sjis = plat::Utf8ToCp932("テスト～①");
    EXPECT_EQ(sjis.size(), 10u);
    EXPECT_EQ(uint8_t(sjis[0]), 0x83);
    EXPECT_EQ(uint8_t(sjis[1]), 0x65);
    EXPECT_EQ(plat::Cp932ToUtf8(sjis), "テスト～①"); // CP932's own wave dash and circled digits
    EXPECT_EQ(plat::CharLength(sjis.data(), sjis.size()), 2u);
    EXPECT_EQ(plat::CharLength(sjis.data(), 1), 1u); // a lead byte cut off
    EXPECT_EQ(plat::DecodeCp932Char(sjis.data(), 2), 0x30C6u);
    EXPECT_EQ(plat::DecodeCp932Char("\xB1", 1), 0xFF71u);
    EXPECT_EQ(plat::DecodeCp932Char("A", 1), uint32_t('A'));
    EXPECT_EQ(plat::DecodeCp932Char("\x85\x40", 2), uint32_t('?')); // undefined code
    EXPECT_EQ(plat::Cp932ToUtf8("ab\x83"), "ab?");
}

using Fonts = FreshGlobals;
using GdiText = FreshGlobals;

TEST_F(Fonts, JapaneseFaceNamesMapToIpaFacesAndAreShared) {
    plat::Font* gothic = plat::CreateFontIndirect(Describe("標準ゴシック", 12));
    plat::Font* mincho = plat::CreateFontIndirect(Describe("標準明朝", 12));
    ASSERT_NE(gothic, nullptr);
    ASSERT_NE(mincho, nullptr);
    // Judged by the face itself: fontconfig may name the file through a link
    // (Debian's fonts-japanese-gothic.ttf is one).
    EXPECT_EQ(plat::FaceFamilyOf(gothic), "IPAGothic") << plat::FaceFileOf(gothic);
    EXPECT_EQ(plat::FaceFamilyOf(mincho), "IPAMincho") << plat::FaceFileOf(mincho);
    EXPECT_EQ(plat::FaceFamilyOf(plat::CreateFontIndirect(Describe("ＭＳ Ｐゴシック", 16))), "IPAPGothic");
    // The same description is the same realised font.
    EXPECT_EQ(plat::CreateFontIndirect(Describe("標準ゴシック", 12)), gothic);
    EXPECT_EQ(plat::MetricsOf(gothic).height, 12);
    EXPECT_GT(plat::MetricsOf(gothic).ascent, 8);
    const plat::Glyph& a = plat::GlyphOf(gothic, 0x30C6);
    EXPECT_GT(a.width, 4);
    EXPECT_EQ(a.advanceX, 12);                     // full width in a 12-pixel cell
    EXPECT_EQ(&plat::GlyphOf(gothic, 0x30C6), &a); // cached
    EXPECT_EQ(plat::GlyphOf(gothic, 'A').advanceX, 6);
    // Bold is one pixel wider per character.
    plat::Font* bold = plat::CreateFontIndirect(Describe("標準ゴシック", 12, 700));
    EXPECT_EQ(plat::GlyphOf(bold, 'A').advanceX, 7);
    // A Latin face still shows Japanese through the fallback face.
    plat::LogFont latin = Describe("DejaVu Sans", 14);
    latin.charSet = plat::kAnsiCharset;
    plat::Font* dejavu = plat::CreateFontIndirect(latin);
    EXPECT_GT(plat::GlyphOf(dejavu, 0x30C6).width, 4);
}

TEST_F(Fonts, EnumerationListsJapaneseFacesOnce) {
    const auto faces = plat::EnumerateFonts();
    ASSERT_FALSE(faces.empty());
    bool ipaGothic = false;
    for (size_t i = 0; i < faces.size(); ++i) {
        if (std::strcmp(faces[i].faceName, "IPAGothic") == 0) {
            ipaGothic = true;
            EXPECT_EQ(faces[i].charSet, plat::kShiftJisCharset);
        }
        EXPECT_LT(std::strlen(faces[i].faceName), 32u);
        if (i) {
            EXPECT_LT(std::strcmp(faces[i - 1].faceName, faces[i].faceName), 0);
        }
    }
    EXPECT_TRUE(ipaGothic);
}

TEST_F(GdiText, OpaqueCellsExtentsAndWrapping) {
    plat::SetPixelFormatForTests(plat::PixelFormat::RGB565);
    plat::Surface* s = plat::CreateSurface(200, 60);
    plat::DC* dc = plat::GetDC(s);
    plat::Font* font = plat::CreateFontIndirect(Describe("標準ゴシック", 12));
    plat::SelectFont(dc, font);
    plat::SetTextColor(dc, 0xFFFFFF);
    plat::SetBkColor(dc, 0x800000);
    const std::string text = plat::Utf8ToCp932("ベクスA");
    plat::Size ext{};
    ASSERT_TRUE(plat::GetTextExtent(dc, text.data(), int32_t(text.size()), &ext));
    EXPECT_EQ(ext.cx, 3 * 12 + 6);
    EXPECT_EQ(ext.cy, 12);
    plat::TextOut(dc, 10, 20, text.data(), int32_t(text.size()));
    const uint16_t blue = plat::PixelOf(plat::PixelFormat::RGB565, 0x800000);
    int white = 0, blueCells = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            const uint16_t p = s->Pixel(x, y);
            const bool inCell = x >= 10 && x < 10 + ext.cx && y >= 20 && y < 32;
            if (!inCell) {
                ASSERT_EQ(p, 0) << x << "," << y;
                continue;
            }
            white += p == 0xFFFF;
            blueCells += p == blue;
            ASSERT_TRUE(p == 0xFFFF || p == blue);
        }
    EXPECT_GT(white, 30);
    EXPECT_GT(blueCells, 200);
    // Transparent mode leaves the background; text near the edge is cut.
    plat::SetBkMode(dc, plat::kBkTransparent);
    plat::TextOut(dc, 190, 55, text.data(), int32_t(text.size()));
    plat::TextOut(dc, INT32_MIN / 2, INT32_MAX / 2, text.data(), int32_t(text.size()));
    // Word wrapping, measuring and alignment.
    plat::Rect r{0, 0, 60, 0};
    const std::string words = "aaaa bbbb cccc";
    EXPECT_EQ(
        plat::DrawText(dc, words.c_str(), -1, &r, plat::kDtCalcRect | plat::kDtWordBreak | plat::kDtNoPrefix),
        24);
    EXPECT_EQ(r.bottom, 24);
    plat::Rect one{0, 0, 0, 0};
    EXPECT_EQ(plat::DrawText(dc, "abc", -1, &one, plat::kDtCalcRect), 12);
    EXPECT_EQ(one.right, 18);
    plat::Rect two{0, 0, 200, 60};
    EXPECT_EQ(plat::DrawText(dc, "a\nb", -1, &two, plat::kDtCalcRect | plat::kDtNoPrefix), 24);
    const std::string kana = plat::Utf8ToCp932("あいうえおかきくけこ");
    plat::Rect narrow{0, 0, 50, 0};
    EXPECT_EQ(plat::DrawText(dc, kana.c_str(), -1, &narrow, plat::kDtCalcRect | plat::kDtWordBreak), 36);
    plat::Rect box{100, 0, 200, 14};
    EXPECT_EQ(plat::DrawText(dc, "xy", -1, &box, plat::kDtRight | plat::kDtNoPrefix), 12);
    plat::ReleaseDC(s, dc);
    plat::DestroySurface(s);
}
