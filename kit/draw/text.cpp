#include "kit/draw/text.h"

#include "kit/draw/blit.h"
#include "kit/draw/gdi.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/screen.h"
#include "kit/system/frame_timer.h"
#include "kit/system/kit_system.h"

#include <algorithm>
#include <cstring>
#include <string>

plat::LogFont logFont{};
FontListEntry fontList[kFontListSize];
int32_t fontCount = 0;
plat::DC* textDC = nullptr;
plat::Font* textFont = nullptr;
plat::Font* previousFont = nullptr;
int32_t fontSize = 0;
uint32_t textColor = 0, backColor = 0;
GlyphBox glyphBoxes[kGlyphBoxes];
int32_t glyphCount = 0;
int32_t revealIndex = 0;
float revealClock = 0.0f;
int32_t glyphAutoDraw = 1;

namespace {

// The two face names the library knows by number, in the text encoding.
const std::string& FaceName(int32_t face) {
    static const std::string mincho = plat::Utf8ToCp932("標準明朝");
    static const std::string gothic = plat::Utf8ToCp932("標準ゴシック");
    return face == 0 ? mincho : gothic;
}

void SetFaceName(const char* name) {
    std::memset(logFont.faceName, 0, sizeof logFont.faceName);
    if (name) std::strncpy(logFont.faceName, name, sizeof logFont.faceName - 1);
}

void Describe(int32_t size, int32_t angle, int32_t weight, uint8_t italic, uint8_t underline) {
    fontSize = size;
    logFont.height = size;
    logFont.width = 0;
    logFont.escapement = int32_t(std::clamp<int64_t>(int64_t(angle) * 10, INT32_MIN, INT32_MAX));
    logFont.weight = weight == 0 ? 400 : weight == 1 ? 700 : 0;
    logFont.italic = italic;
    logFont.underline = underline;
    logFont.charSet = plat::kShiftJisCharset;
}

// Puts the previous font back, deletes the text font and gives the context back.
void DropText() {
    if (textDC) {
        plat::SelectFont(textDC, previousFont);
        plat::ReleaseDC(textDC->surface, textDC);
    }
    if (textFont) plat::DeleteFont(textFont);
    textDC = nullptr;
    textFont = nullptr;
    previousFont = nullptr;
}

// Creates the font from logFont and selects it into a context of s. A text
// context still held from an unreleased Set is given back first, so a
// missing Release cannot use up the contexts.
plat::Font* Attach(plat::Surface* s) {
    DropText();
    textFont = plat::CreateFontIndirect(logFont);
    textDC = plat::GetDC(s);
    previousFont = plat::SelectFont(textDC, textFont);
    return previousFont;
}

plat::Surface* ImageSurface(int32_t slot) {
    ImageRecord* rec = ImageAt(slot);
    return rec ? rec->surface : nullptr;
}

// The charset of the first listed face of exactly that name; Shift-JIS when
// the face is not listed.
uint8_t ListedCharSet(const char* faceName) {
    if (!faceName) return plat::kShiftJisCharset;
    for (int32_t i = 0; i < fontCount; ++i)
        if (std::strcmp(fontList[i].name, faceName) == 0) return fontList[i].charSet;
    return plat::kShiftJisCharset;
}

uint32_t NotBlack(uint32_t c) {
    const uint32_t r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    return r < 16 && g < 16 && b < 16 ? 0x101010u : c;
}

// Characters that may not begin a line; they hang at the end of the line instead.
bool MustNotBeginLine(const char* p, size_t n) {
    static const std::string list = plat::Utf8ToCp932("、。，．・…‥”’（」,.　 ");
    for (size_t i = 0; i < list.size();) {
        const size_t m = plat::CharLength(list.data() + i, list.size() - i);
        if (m == n && std::memcmp(list.data() + i, p, n) == 0) return true;
        i += m;
    }
    return false;
}

// The reduction of the double-size text in image 3 (w2 x h2 from its
// top-left) into image 2 at (left, top), blending edges with the back buffer.
void HalveGlyphImage(int32_t left, int32_t top, int32_t w2, int32_t h2) {
    plat::Surface* big = ImageSurface(3);
    plat::Surface* half = ImageSurface(2);
    if (!big || !half || !backBuffer || w2 <= 0 || h2 <= 0) return;
    uint16_t *bp, *hp, *dp;
    int32_t bpitch, hpitch, dpitch;
    if (plat::Lock(big, &bp, &bpitch) != plat::kOk) return;
    if (plat::Lock(half, &hp, &hpitch) != plat::kOk) {
        plat::Unlock(big);
        return;
    }
    if (plat::Lock(backBuffer, &dp, &dpitch) != plat::kOk) {
        plat::Unlock(half);
        plat::Unlock(big);
        return;
    }
    w2 = std::min(w2, big->width);
    h2 = std::min(h2, big->height);
    for (int32_t Y = 0; Y < (h2 + 1) / 2; ++Y) {
        const int64_t dy = int64_t(top) + Y;
        if (dy < clipTop || dy >= clipBottom || dy < 0 || dy >= half->height || dy >= backBuffer->height)
            continue;
        for (int32_t X = 0; X < (w2 + 1) / 2; ++X) {
            const int64_t dx = int64_t(left) + X;
            if (dx < clipLeft || dx >= clipRight || dx < 0 || dx >= half->width || dx >= backBuffer->width)
                continue;
            uint32_t n = 0, sr = 0, sg = 0, sb = 0;
            for (int32_t v = -1; v <= 1; ++v)
                for (int32_t u = -1; u <= 1; ++u) {
                    const int32_t sx = 2 * X + u, sy = 2 * Y + v;
                    if (sx < 0 || sy < 0 || sx >= w2 || sy >= h2) continue;
                    const uint16_t p = big->Row(sy)[sx];
                    if (p == 0) continue;
                    ++n;
                    sr += pixelDecodeTable[p][0];
                    sg += pixelDecodeTable[p][1];
                    sb += pixelDecodeTable[p][2];
                }
            if (n == 0) continue;
            const uint32_t k = n < 8 ? 8 - n : 0;
            const uint16_t under = backBuffer->Row(int32_t(dy))[dx];
            const uint32_t r = std::min<uint32_t>(31, (31 + sr + k * pixelDecodeTable[under][0]) >> 3);
            const uint32_t g = std::min<uint32_t>(31, (31 + sg + k * pixelDecodeTable[under][1]) >> 3);
            const uint32_t b = std::min<uint32_t>(31, (31 + sb + k * pixelDecodeTable[under][2]) >> 3);
            half->Row(int32_t(dy))[dx] = kitDraw::Pack5(r, g, b);
        }
    }
    plat::Unlock(backBuffer);
    plat::Unlock(half);
    plat::Unlock(big);
}

// The layout of both glyph builders. Pen coordinates are in the target
// image; a screen position is origin + pen / scale.
void Layout(plat::DC* dc, int32_t scale, int32_t originX, int32_t originY, int32_t penX0, int32_t penY0,
            int32_t right, int32_t bottom, const char* text, uint16_t flags, int32_t* usedW, int32_t* usedH) {
    const uint32_t fg = NotBlack(textColor), shadow = NotBlack(backColor);
    const bool hasShadow = flags & 0x100, thickRight = flags & 0x200, thickDown = flags & 0x400;
    int32_t lineHeight = std::max(1, fontSize + (flags & 0xFF));
    const int32_t targetW = dc && dc->surface ? dc->surface->width : 0;
    const int32_t targetH = dc && dc->surface ? dc->surface->height : 0;
    int64_t penX = penX0, penY = penY0;
    auto screenX = [&](int64_t px) { return originX + px / scale; };
    auto screenY = [&](int64_t py) { return originY + py / scale; };
    const size_t length = text ? std::strlen(text) : 0;

    auto drawChar = [&](int64_t x, int64_t y, const char* p, size_t n, int32_t w, int32_t h) {
        const int32_t sx = hasShadow ? scale * (thickRight ? 2 : 1) : 0, sy = scale * (thickDown ? 2 : 1);
        if (hasShadow) {
            plat::SetTextColor(dc, shadow);
            plat::TextOut(dc, int32_t(x + sx), int32_t(y + sy), p, int32_t(n));
        }
        plat::SetTextColor(dc, fg);
        plat::TextOut(dc, int32_t(x), int32_t(y), p, int32_t(n));
        if (thickRight) plat::TextOut(dc, int32_t(x + 1), int32_t(y), p, int32_t(n));
        if (thickDown) plat::TextOut(dc, int32_t(x), int32_t(y + 1), p, int32_t(n));
        if (thickRight && thickDown) plat::TextOut(dc, int32_t(x + 1), int32_t(y + 1), p, int32_t(n));
        *usedW = int32_t(std::clamp<int64_t>(x + w, *usedW, INT32_MAX));
        *usedH = int32_t(std::clamp<int64_t>(y + h, *usedH, INT32_MAX));
    };

    for (size_t i = 0; i < length;) {
        const char* p = text + i;
        const size_t n = plat::CharLength(p, length - i);
        const bool newline = n == 1 && *p == '\n';
        int32_t w = 0, h = 0;
        if (!newline) {
            plat::Size ext{0, 0};
            plat::GetTextExtent(dc, p, int32_t(n), &ext);
            w = ext.cx;
            h = ext.cy;
            if (hasShadow) {
                w += scale;
                h += scale;
            }
            if (thickRight) ++w;
            if (thickDown) ++h;
            if (scale == 2) {
                w += w & 1;
                h += h & 1;
            }
        }
        const int64_t x = penX, y = penY;
        penX += w;
        lineHeight = std::max(lineHeight, h);
        // The plain layout breaks once the pen has passed the right edge; the
        // double-size one as soon as it reaches it (or the buffer's edge).
        const bool overflow = scale == 2 ? screenX(penX) >= right || penX >= targetW : screenX(penX) > right;
        if (overflow || newline) {
            bool takeAgain = !newline;
            if (overflow && !newline && MustNotBeginLine(p, n)) {
                drawChar(x, y, p, n, w, h);
                takeAgain = false;
            }
            if (!takeAgain) i += n;
            penX = penX0;
            penY += lineHeight;
            // Nothing below the target image can be drawn, so the layout ends
            // there too (a character wider than the box cannot loop for long).
            if (screenY(penY + lineHeight) >= bottom || penY >= targetH) break;
            continue;
        }
        i += n;
        if (glyphCount >= kGlyphBoxes) break;
        GlyphBox& box = glyphBoxes[glyphCount++];
        box = {int32_t(screenX(x)), int32_t(screenY(y)), int32_t(screenX(x + w)), int32_t(screenY(y + h))};
        drawChar(x, y, p, n, w, h);
        glyphBoxes[0].right = std::max(glyphBoxes[0].right, box.right);
        glyphBoxes[0].bottom = std::max(glyphBoxes[0].bottom, box.bottom);
    }
}

void DrawWholeBox() {
    const GlyphBox& b = glyphBoxes[0];
    BlitKeyed(b.left, b.top, 2, b.left, b.top, b.right, b.bottom);
}

} // namespace

void InitFontList() {
    logFont = plat::LogFont{};
    for (FontListEntry& e : fontList) {
        std::memset(e.name, 0, sizeof e.name);
        e.kind = -1;
        e.charSet = 0;
    }
    fontCount = 0;
    kitDraw::GetBackDC();
    plat::EnumFonts(backBufferDC, EnumFontEntry, 0);
    kitDraw::ReleaseBackDC();
    glyphAutoDraw = 1;
}

int32_t EnumFontEntry(const plat::LogFont* lf, const plat::TextMetrics*, uint32_t, intptr_t) {
    if (fontCount >= kFontListSize) return 0;
    if (!lf) return 1;
    FontListEntry& e = fontList[fontCount];
    std::memset(e.name, 0, sizeof e.name);
    std::memcpy(e.name, lf->faceName, strnlen(lf->faceName, 31));
    e.charSet = lf->charSet;
    e.kind = lf->charSet == plat::kShiftJisCharset ? 1 : lf->charSet == plat::kSymbolCharset ? 3 : 2;
    ++fontCount;
    return 1;
}

void FreeFontState() {
    DropText();
    logFont = plat::LogFont{};
}

plat::Font* SetFont(int32_t face, int32_t size, int32_t angle, int32_t weight, uint8_t italic,
                    uint8_t underline) {
    if (face == 0 || face == 1) SetFaceName(FaceName(face).c_str());
    Describe(size, angle, weight, italic, underline);
    return Attach(backBuffer);
}

plat::Font* SetFontByName(const char* faceName, int32_t size, int32_t angle, int32_t weight, uint8_t italic,
                          uint8_t underline) {
    SetFaceName(faceName);
    Describe(size, angle, weight, italic, underline);
    logFont.charSet = ListedCharSet(faceName);
    return Attach(backBuffer);
}

void ReleaseFont() { DropText(); }

void SetTextColors(uint32_t text, uint32_t background, int32_t transparent) {
    plat::SetTextColor(textDC, text);
    plat::SetBkColor(textDC, background);
    textColor = text;
    backColor = background;
    plat::SetBkMode(textDC, transparent ? plat::kBkTransparent : plat::kBkOpaque);
}

void TextOutAt(int32_t x, int32_t y, const char* text) {
    if (!text) return;
    plat::TextOut(textDC, x, y, text, int32_t(std::strlen(text)));
}

int32_t DrawTextInRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                       int32_t align) {
    if (!text || align < 0 || align > 2) return 0;
    static const uint32_t alignFlag[3] = {plat::kDtLeft, plat::kDtCenter, plat::kDtRight};
    plat::Rect r{left, top, right, bottom};
    return plat::DrawText(textDC, text, -1, &r, plat::kDtWordBreak | plat::kDtNoPrefix | alignFlag[align]);
}

int32_t MeasureTextRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text) {
    if (!text) return 0;
    plat::Rect r{left, top, right, bottom};
    return plat::DrawText(textDC, text, -1, &r, plat::kDtCalcRect | plat::kDtWordBreak | plat::kDtNoPrefix);
}

plat::Font* SetGlyphFont(int32_t face, int32_t size) {
    if (face == 0 || face == 1) SetFaceName(FaceName(face).c_str());
    Describe(size, 0, 0, 0, 0);
    return Attach(ImageSurface(3));
}

plat::Font* SetGlyphFontByName(const char* faceName, int32_t size) {
    SetFaceName(faceName);
    Describe(size, 0, 0, 0, 0);
    logFont.charSet = ListedCharSet(faceName);
    return Attach(ImageSurface(3));
}

void ReleaseGlyphFont() { DropText(); }

void BuildGlyphs(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text, uint16_t flags) {
    DropText();
    kitDraw::ClearImage(2);
    plat::Font* font = plat::CreateFontIndirect(logFont);
    plat::Surface* target = ImageSurface(2);
    plat::DC* dc = plat::GetDC(target);
    plat::Font* before = plat::SelectFont(dc, font);
    plat::SetBkMode(dc, plat::kBkTransparent);

    glyphBoxes[0] = {left, top, left, top};
    glyphCount = 1;
    int32_t usedW = 0, usedH = 0;
    if (dc) Layout(dc, 1, 0, 0, left, top, right, bottom, text, flags, &usedW, &usedH);

    plat::SelectFont(dc, before);
    plat::DeleteFont(font);
    if (dc) plat::ReleaseDC(target, dc);
    if (glyphAutoDraw == 1) DrawWholeBox();
    Attach(backBuffer);
    revealIndex = 0;
    revealClock = 0.0f;
    glyphAutoDraw = 1;
}

void BuildGlyphsHidden(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                       uint16_t flags) {
    glyphAutoDraw = 0;
    BuildGlyphs(left, top, right, bottom, text, flags);
}

void BuildSmoothGlyphs(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                       uint16_t flags) {
    kitDraw::ClearImage(2);
    kitDraw::ClearImage(3);
    plat::Surface* big = ImageSurface(3);
    if (!textDC || textDC->surface != big) Attach(big);
    plat::SetBkMode(textDC, plat::kBkTransparent);

    glyphBoxes[0] = {left, top, left, top};
    glyphCount = 1;
    int32_t usedW = 0, usedH = 0;
    if (textDC) Layout(textDC, 2, left, top, 0, 0, right, bottom, text, flags, &usedW, &usedH);
    HalveGlyphImage(left, top, usedW, usedH);
    kitDraw::ClearImage(3);
    Attach(big);
    if (glyphAutoDraw == 1) DrawWholeBox();
    revealIndex = 0;
    revealClock = 0.0f;
    glyphAutoDraw = 1;
}

void BuildSmoothGlyphsHidden(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                             uint16_t flags) {
    glyphAutoDraw = 0;
    BuildSmoothGlyphs(left, top, right, bottom, text, flags);
}

int32_t RevealGlyphs(float delaySeconds) {
    if (delaySeconds == 0.0f || revealIndex > glyphCount) {
        DrawWholeBox();
        revealIndex = glyphCount + 1;
    } else {
        for (int32_t i = 1; i < revealIndex && i < glyphCount; ++i) {
            const GlyphBox& b = glyphBoxes[i];
            BlitKeyed(b.left, b.top, 2, b.left, b.top, b.right, b.bottom);
        }
    }
    if (revealIndex > glyphCount) return 1;
    revealClock += frameDt;
    if (revealClock >= delaySeconds) {
        revealIndex = std::min(revealIndex + 1, glyphCount + 1);
        revealClock = 0.0f;
    }
    return 0;
}
