#pragma once
// What each sprite blit the game draws with was asked to draw, told to an
// observer before the blit runs: recorded play watches the picture through
// it, without depending on the pixels of the art. Null, the default, tells
// no one.
#include <cstdint>

enum class DrawKind : int32_t { Keyed, Opaque, Additive, HalfTranslucent, Rotated, StretchKeyed };

struct DrawCall {
    DrawKind kind;
    int32_t img;
    int32_t x, y; // rotated: the box's top-left
    int32_t left, top, right, bottom;
    int32_t a, b, c; // rotated: box right, bottom, angle; stretched: width, height
};

using DrawObserver = void (*)(const DrawCall& call);

inline DrawObserver drawObserver = nullptr;

inline void SetDrawObserverForTests(DrawObserver observer) { drawObserver = observer; }

inline void ObserveDraw(const DrawCall& call) {
    if (drawObserver) drawObserver(call);
}
