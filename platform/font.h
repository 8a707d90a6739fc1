#pragma once
// Fonts: faces found by name through fontconfig and drawn by FreeType, sized
// and styled like the font descriptions the library builds, plus the CP932
// text encoding the library's strings are in. Japanese faces come from the
// IPA fonts; the usual Windows face names map onto them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

constexpr uint8_t kAnsiCharset = 0;
constexpr uint8_t kSymbolCharset = 2;
constexpr uint8_t kShiftJisCharset = 128;

// A font description (the fields and order of the classic 60-byte record).
struct LogFont {
    int32_t height;     // > 0 cell height, < 0 character height, 0 default
    int32_t width;      // 0 = natural
    int32_t escapement; // tenths of a degree, anticlockwise
    int32_t orientation;
    int32_t weight; // 0 default (400), 400 normal, 700 bold
    uint8_t italic, underline, strikeOut, charSet;
    uint8_t outPrecision, clipPrecision, quality, pitchAndFamily;
    char faceName[32]; // CP932 bytes, NUL-terminated
};

struct TextMetrics {
    int32_t height;  // cell height in pixels
    int32_t ascent;  // top of the cell to the baseline
    int32_t descent; // baseline to the bottom of the cell
    int32_t aveCharWidth;
    int32_t overhang; // extra width of synthesised bold
};

// One rendered character: 1 byte per pixel (0 or 1), placed relative to the
// pen on the baseline (y grows downwards).
struct Glyph {
    int32_t left = 0, top = 0; // offset of the bitmap's top-left from the pen
    int32_t width = 0, rows = 0;
    int32_t advanceX = 0, advanceY = 0; // pen movement, pixels (turned with the font)
    std::vector<uint8_t> bits;
};

struct Font; // a realised font: face, size, style, glyph cache

// Realises a description. Realised fonts are cached and shared; deleting only
// drops a reference, so asking for the same font every frame allocates
// nothing after the first time. Null only when no face at all can be opened.
Font* CreateFontIndirect(const LogFont& lf);
void DeleteFont(Font* font);
const LogFont& DescriptionOf(const Font* font);
TextMetrics MetricsOf(const Font* font);
// The path of the face file in use (for tests and diagnostics).
std::string FaceFileOf(const Font* font);
// The family the face file declares ("IPAGothic"), whatever the file is called.
std::string FaceFamilyOf(const Font* font);
// The glyph for a code point (the fallback Japanese face supplies what the
// chosen face lacks). Never null.
const Glyph& GlyphOf(Font* font, uint32_t codePoint);

// Every installed face, as font descriptions (name in CP932, charset 128 for
// faces that cover Japanese, 2 for symbol faces, 0 otherwise), in a stable
// order without duplicates.
std::vector<LogFont> EnumerateFonts();

// CP932.
bool IsDbcsLeadByte(uint8_t b);
// Length in bytes (1 or 2) of the character starting at p; a lead byte
// without its trail byte counts as 1.
size_t CharLength(const char* p, size_t remaining);
// The code point of the character at p (of CharLength bytes); a code CP932
// does not define gives '?'.
uint32_t DecodeCp932Char(const char* p, size_t length);
std::string Cp932ToUtf8(std::string_view text);
std::string Utf8ToCp932(std::string_view text);

} // namespace plat
