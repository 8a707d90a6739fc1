#pragma once
// Text: one font at a time is selected into the text device context (the
// back buffer's, or image 3's for the glyph font); callers bracket their text
// with SetFont and ReleaseFont. Text bytes are CP932. The glyph engine lays a
// text out character by character into image 2 and can reveal it one
// character at a time.
#include <cstdint>

#include "platform/font.h"
#include "platform/gdi.h"

struct FontListEntry {
    char name[36];   // face name, at most 31 bytes and NUL
    int32_t kind;    // 1 Shift-JIS face, 3 symbol face, 2 any other, -1 unused
    uint8_t charSet; // the face's charset
};

struct GlyphBox {
    int32_t left, top, right, bottom;
};

constexpr int kFontListSize = 200;
// Entry 0 plus one box per character of the longest text laid out.
constexpr int kGlyphBoxes = 4096;

extern plat::LogFont logFont;
extern FontListEntry fontList[kFontListSize];
extern int32_t fontCount;
extern plat::DC* textDC;
extern plat::Font* textFont;
extern plat::Font* previousFont;
extern int32_t fontSize;
extern uint32_t textColor, backColor;
extern GlyphBox glyphBoxes[kGlyphBoxes];
extern int32_t glyphCount;
extern int32_t revealIndex;
extern float revealClock;
extern int32_t glyphAutoDraw;

void InitFontList();
int32_t EnumFontEntry(const plat::LogFont* lf, const plat::TextMetrics* tm, uint32_t type, intptr_t data);
void FreeFontState();

// face 0 "標準明朝", 1 "標準ゴシック", anything else keeps the face already
// described; weight 0 normal (400), 1 bold (700), else the default weight.
plat::Font* SetFont(int32_t face, int32_t size, int32_t angle, int32_t weight, uint8_t italic,
                    uint8_t underline);
plat::Font* SetFontByName(const char* faceName, int32_t size, int32_t angle, int32_t weight, uint8_t italic,
                          uint8_t underline);
void ReleaseFont();
void SetTextColors(uint32_t text, uint32_t background, int32_t transparent);
void TextOutAt(int32_t x, int32_t y, const char* text);
// align 0 left, 1 centre, 2 right (other values draw nothing); words wrap.
int32_t DrawTextInRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                       int32_t align);
// The height the text would take, without drawing.
int32_t MeasureTextRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text);

plat::Font* SetGlyphFont(int32_t face, int32_t size);
plat::Font* SetGlyphFontByName(const char* faceName, int32_t size);
void ReleaseGlyphFont();

// flags: bits 0..7 extra line spacing; 0x100 drop shadow; 0x200 thicken right;
// 0x400 thicken down.
void BuildGlyphs(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text, uint16_t flags);
void BuildGlyphsHidden(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                       uint16_t flags);
void BuildSmoothGlyphs(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                       uint16_t flags);
void BuildSmoothGlyphsHidden(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                             uint16_t flags);
// Call once per frame after a hidden build; 1 once every character shows.
int32_t RevealGlyphs(float delaySeconds);
