#pragma once
// The pieces an enemy's explosion is drawn from, shared by the enemy kinds and
// the squads: square cells of a strip that fly apart as the explosion frame
// grows.
#include <cstdint>

#include "game/state/assets.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"

enum class PieceBlit : uint8_t { Keyed, Additive, Half };

// One cell of the explosion strip, size 80 or 40, cell f at x = size·f, drawn
// at (X + baseX + stepX·f, Y + baseY + stepY·f): pieces fly apart as f grows.
struct ExplosionPiece {
    const int32_t* image;
    int32_t size;
    int32_t baseX;
    int32_t baseY;
    int32_t stepX;
    int32_t stepY;
    PieceBlit blit;
};

constexpr ExplosionPiece Main(const int32_t* image, PieceBlit blit) { return {image, 80, 0, 0, 0, 0, blit}; }
constexpr ExplosionPiece Big(const int32_t* image, int32_t a, int32_t b, PieceBlit blit) {
    return {image, 80, 20, 20, a, b, blit};
}
constexpr ExplosionPiece Small(int32_t a, int32_t b) {
    return {&imgZBAK6B, 40, 20, 20, a, b, PieceBlit::Additive};
}
constexpr ExplosionPiece Ring(const int32_t* image, int32_t dx, int32_t dy) {
    return {image, 80, dx, dy, 0, 0, PieceBlit::Keyed};
}

inline void BlitPiece(PieceBlit blit, int32_t x, int32_t y, int32_t img, int32_t l, int32_t t, int32_t r,
                      int32_t b) {
    switch (blit) {
    case PieceBlit::Keyed:
        BlitKeyed(x, y, img, l, t, r, b);
        break;
    case PieceBlit::Additive:
        BlitAdditive(x, y, img, l, t, r, b);
        break;
    case PieceBlit::Half:
        BlitHalfTranslucent(x, y, img, l, t, r, b);
        break;
    }
}

inline void DrawPiece(const ExplosionPiece& p, PieceBlit blit, int32_t f, int32_t X, int32_t Y) {
    const int32_t left = p.size * f;
    BlitPiece(blit, X + p.baseX + p.stepX * f, Y + p.baseY + p.stepY * f, *p.image, left, 0, left + p.size,
              p.size);
}
