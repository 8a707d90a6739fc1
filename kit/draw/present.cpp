#include "kit/draw/present.h"

#include "kit/draw/blit.h"
#include "kit/draw/image.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/pack.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/display.h"

#include <algorithm>
#include <limits>

int32_t transitionKind = 0;
int32_t transitionCounter = 0;
int32_t transitionStep = 0;
int32_t transitionLength = 0;
int32_t transitionSheet = 0;
int32_t vsyncWait = 1;

int32_t pageOverlayOn = 0;
int32_t pageImage = 0, pageTileImage = 0;
int32_t pageHeight = 0;
float pageScroll = 0.0f;
float pageTileOffsetX = 0.0f, pageTileOffsetY = 0.0f;
uint32_t heldKey = 0;

int32_t clipWipeState = 0;
int32_t clipWipeClosing = 0;
int32_t clipWipeStyle = 0;
float clipWipeSpeed = 0.0f;
int32_t clipWipeSize = 0;
int32_t clipWipeDone = 0, clipWipeClosed = 0;
int32_t savedClipLeft = 0, savedClipTop = 0, savedClipRight = 0, savedClipBottom = 0;

namespace {

constexpr int32_t kSnapshotImage = 1;
constexpr uint32_t kVkLeft = 37, kVkUp = 38, kVkRight = 39, kVkDown = 40;

// A piece of the snapshot, clipped like every draw.
void Piece(int64_t x, int64_t y, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    BlitOpaque(Sat32(x), Sat32(y), kSnapshotImage, Sat32(left), Sat32(top), Sat32(right), Sat32(bottom));
}

void DrawTileFade(int32_t c) {
    const int64_t frameLeft = (int64_t(c) - 1) * 64;
    for (int32_t column = 0; column < 10; ++column)
        for (int32_t row = 0; row < 10; ++row)
            BlitKeyed(column * 64, row * 48, transitionSheet, Sat32(frameLeft), 0, Sat32(frameLeft + 64), 48);
}

void DrawWipe(int32_t kind, int64_t c) {
    const int64_t W = screenWidth, H = screenHeight, s = transitionLength;
    // The bands step by the length and the slides divide by it: without a
    // length those kinds draw nothing (the counter still runs out).
    if (s <= 0 && (kind == 2 || kind == 4)) return;
    if (s == 0 && kind >= 5) return;
    const int64_t steps = s - c + 1; // how far the wipe has gone
    switch (kind) {
    case 1:
        for (int64_t y = 0; y < H; ++y)
            if (y % c != 0) Piece(0, y, 0, y, W, y + 1);
        break;
    case 2:
        for (int64_t y = 0; y < H; y += s)
            Piece(0, y, 0, y, W, y + c + 1);
        break;
    case 3: {
        const int64_t span = (s - c) * 2 + 2;
        for (int64_t y = 0; y < H; ++y) {
            if (y % c == 0) continue;
            const int64_t draw = kitSystem::Random();
            const int64_t r = span != 0 ? draw % span : 0;
            Piece(r - steps, y, 0, y, W, y + 1);
        }
        break;
    }
    case 4: {
        const int64_t span = (s - c) * 2 + 2;
        for (int64_t y = 0; y < H; y += s) {
            const int64_t draw = kitSystem::Random();
            const int64_t r = span != 0 ? draw % span : 0;
            Piece(r - steps, y, 0, y, W, y + c + 1);
        }
        break;
    }
    case 5:
        Piece(0, (-H / s) * steps, 0, 0, W, H);
        break;
    case 6:
        Piece(0, (H / s) * steps, 0, 0, W, H);
        break;
    case 7:
        Piece((-W / s) * steps, 0, 0, 0, W, H);
        break;
    case 8:
        Piece((W / s) * steps, 0, 0, 0, W, H);
        break;
    case 9:
        Piece(0, (-H / 2 / s) * steps, 0, 0, W, H / 2);
        Piece(0, H / 2 + (H / 2 / s) * steps, 0, H / 2, W, H);
        break;
    case 10:
        Piece((-W / 2 / s) * steps, 0, 0, 0, W / 2, H);
        Piece(W / 2 + (W / 2 / s) * steps, 0, W / 2, 0, W, H);
        break;
    case 11:
        Piece(0, 0, 0, 0, (W / s) * c, H);
        break;
    case 12: {
        const int64_t x = (W / s) * steps;
        Piece(x, 0, x, 0, W, H);
        break;
    }
    default:
        break; // other kinds draw nothing
    }
}

void DrawPageOverlay() {
    for (int32_t column = 0; column < 11; ++column)
        for (int32_t row = 0; row < 11; ++row)
            BlitKeyed(Sat32(int64_t(column) * 64 + FloatToInt(pageTileOffsetX)),
                      Sat32(int64_t(row) * 48 + FloatToInt(pageTileOffsetY)), pageTileImage, 0, 0, 64, 48);
    pageTileOffsetX -= 10.0f * frameDt;
    pageTileOffsetY -= 10.0f * frameDt;
    if (pageTileOffsetX <= -64.0f) pageTileOffsetX += 64.0f;
    if (pageTileOffsetY <= -48.0f) pageTileOffsetY += 48.0f;

    const int64_t scroll = FloatToInt(pageScroll);
    BlitKeyed(clipLeft, clipTop, pageImage, 0, Sat32(scroll), Sat32(int64_t(clipRight) - clipLeft),
              Sat32(scroll + clipBottom - clipTop));
    switch (heldKey) {
    case kVkUp:
        pageScroll -= 100.0f * frameDt;
        break;
    case kVkLeft:
        pageScroll -= 300.0f * frameDt;
        break;
    case kVkDown:
        pageScroll += 100.0f * frameDt;
        break;
    case kVkRight:
        pageScroll += 300.0f * frameDt;
        break;
    default:
        break;
    }
    const float last = float(int64_t(pageHeight) - (int64_t(clipBottom) - clipTop));
    if (pageScroll < 0.0f) pageScroll = 0.0f;
    if (pageScroll > last) pageScroll = last;
}

// The back buffer to the screen: a straight copy when the sizes match,
// otherwise scaled by nearest pixel. Rectangles outside either surface are
// refused.
int32_t CopyToScreen() {
    if (!backBuffer || !primarySurface) return plat::kErrInvalidParams;
    const plat::Rect& d = presentRect;
    const plat::Rect& s = presentSourceRect;
    const int64_t dw = int64_t(d.right) - d.left, dh = int64_t(d.bottom) - d.top;
    const int64_t sw = int64_t(s.right) - s.left, sh = int64_t(s.bottom) - s.top;
    if (dw == sw && dh == sh) return plat::BltFast(primarySurface, d.left, d.top, backBuffer, s, false);
    if (primarySurface->lost || backBuffer->lost) return plat::kErrSurfaceLost;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return plat::kErrInvalidRect;
    if (d.left < 0 || d.top < 0 || d.right > primarySurface->width || d.bottom > primarySurface->height ||
        s.left < 0 || s.top < 0 || s.right > backBuffer->width || s.bottom > backBuffer->height)
        return plat::kErrInvalidRect;
    for (int64_t y = 0; y < dh; ++y) {
        const uint16_t* src = backBuffer->Row(int32_t(s.top + y * sh / dh)) + s.left;
        uint16_t* dst = primarySurface->Row(int32_t(d.top + y)) + d.left;
        for (int64_t x = 0; x < dw; ++x)
            dst[x] = src[x * sw / dw];
    }
    return plat::kOk;
}

// Moves an edge toward its target by d, landing exactly on it; true once there.
bool Toward(int32_t& edge, int32_t target, int32_t d) {
    const int64_t e = edge;
    if (e < target)
        edge = int32_t(std::min<int64_t>(e + d, target));
    else if (e > target)
        edge = int32_t(std::max<int64_t>(e - d, target));
    return edge == target;
}

// One edge moving in by d (negative d: moving back); true once it has reached
// or passed its target. It is not set back onto the target.
bool Past(int32_t& edge, int32_t target, int32_t d) {
    edge = Sat32(int64_t(edge) + d);
    return d > 0 ? edge >= target : edge <= target;
}

// Two edges moving toward each other; true once they meet or cross, where they stay.
bool Close(int32_t& low, int32_t& high, int32_t d) {
    low = Sat32(int64_t(low) + d);
    high = Sat32(int64_t(high) - d);
    return low >= high;
}

// The same, but a pair that crosses is set onto the centre.
bool Meet(int32_t& low, int32_t& high, int32_t centre, int32_t d) {
    if (low == high) return true;
    if (!Close(low, high, d)) return false;
    low = centre;
    high = centre;
    return true;
}

int32_t CentreX() { return Sat32((int64_t(savedClipRight) - savedClipLeft) / 2 + savedClipLeft); }
int32_t CentreY() { return Sat32((int64_t(savedClipBottom) - savedClipTop) / 2 + savedClipTop); }

bool CloseStep(int32_t d) {
    const int32_t cx = CentreX(), cy = CentreY();
    const int32_t half = clipWipeSize / 2;
    switch (clipWipeStyle) {
    case 1:
        return Past(clipTop, savedClipBottom, d);
    case 2:
        return Past(clipBottom, savedClipTop, -d);
    case 3:
        return Past(clipLeft, savedClipRight, d);
    case 4:
        return Past(clipRight, savedClipLeft, -d);
    case 5:
        return Close(clipTop, clipBottom, d);
    case 6:
        return Close(clipLeft, clipRight, d);
    case 7: {
        const bool across = Meet(clipLeft, clipRight, cx, d);
        const bool down = Meet(clipTop, clipBottom, cy, d);
        return across && down;
    }
    case 8: {
        const bool l = Toward(clipLeft, Sat32(int64_t(cx) - half), d);
        const bool r = Toward(clipRight, Sat32(int64_t(cx) + half), d);
        return l && r && Close(clipTop, clipBottom, d);
    }
    case 9: {
        const bool t = Toward(clipTop, Sat32(int64_t(cy) - half), d);
        const bool b = Toward(clipBottom, Sat32(int64_t(cy) + half), d);
        return t && b && Close(clipLeft, clipRight, d);
    }
    default:
        return true; // no such style: nothing to animate
    }
}

bool OpenStep(int32_t d) {
    switch (clipWipeStyle) {
    case 1:
        return Toward(clipTop, savedClipTop, d);
    case 2:
        return Toward(clipBottom, savedClipBottom, d);
    case 3:
        return Toward(clipLeft, savedClipLeft, d);
    case 4:
        return Toward(clipRight, savedClipRight, d);
    case 5: {
        const bool t = Toward(clipTop, savedClipTop, d);
        const bool b = Toward(clipBottom, savedClipBottom, d);
        return t && b;
    }
    case 6: {
        const bool l = Toward(clipLeft, savedClipLeft, d);
        const bool r = Toward(clipRight, savedClipRight, d);
        return l && r;
    }
    case 7: {
        const bool l = Toward(clipLeft, savedClipLeft, d);
        const bool r = Toward(clipRight, savedClipRight, d);
        const bool t = Toward(clipTop, savedClipTop, d);
        const bool b = Toward(clipBottom, savedClipBottom, d);
        return l && r && t && b;
    }
    case 8: {
        const bool t = Toward(clipTop, savedClipTop, d);
        const bool b = Toward(clipBottom, savedClipBottom, d);
        if (!(t && b)) return false;
        const bool l = Toward(clipLeft, savedClipLeft, d);
        const bool r = Toward(clipRight, savedClipRight, d);
        return l && r;
    }
    case 9: {
        const bool l = Toward(clipLeft, savedClipLeft, d);
        const bool r = Toward(clipRight, savedClipRight, d);
        if (!(l && r)) return false;
        const bool t = Toward(clipTop, savedClipTop, d);
        const bool b = Toward(clipBottom, savedClipBottom, d);
        return t && b;
    }
    default:
        return true;
    }
}

} // namespace

int32_t PresentFrame() {
    if (transitionCounter != 0) {
        if (transitionKind == 0)
            DrawTileFade(transitionCounter);
        else
            DrawWipe(transitionKind, transitionCounter);
        transitionCounter += transitionStep;
        if ((transitionStep == -1 && transitionCounter < 1) ||
            (transitionStep == 1 && transitionCounter > 10)) {
            transitionCounter = 0;
            transitionStep = 0;
        }
    }
    if (pageOverlayOn) DrawPageOverlay();
    if (vsyncWait) plat::WaitForVerticalBlank();
    const int32_t rc = CopyToScreen();
    if (rc == plat::kOk) plat::PresentPrimary(primarySurface);
    if (rc == plat::kErrSurfaceLost) kitDraw::Restore(); // this frame is lost; the next draws normally
    return rc;
}

void SetVSyncWait(int32_t on) { vsyncWait = on; }

int32_t SnapshotToImage(int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    const ImageRecord* rec = ImageAt(img);
    if (!rec || !rec->surface || !backBuffer) return plat::kErrInvalidParams;
    const int32_t rc =
        plat::BltFast(rec->surface, 0, 0, backBuffer, plat::Rect{left, top, right, bottom}, false);
    if (rc == plat::kErrSurfaceLost) kitDraw::Restore();
    return rc;
}

void StartFadeIn() {
    transitionCounter = 10;
    transitionStep = -1;
}

void StartFadeOut() {
    transitionCounter = 1;
    transitionStep = 1;
}

void LoadTransitionSheet(const char* name) {
    kitDraw::SetKeyColor(0);
    transitionSheet = kitDraw::LoadObject(name, 2);
}

void LoadPageOverlay(const char* pageName, const char* tileName, int32_t height) {
    kitDraw::SetKeyColor(0);
    if (pageImage != 0) {
        kitDraw::SwapObject(pageName, pageImage, 2);
        kitDraw::SwapObject(tileName, pageTileImage, 2);
    } else {
        pageImage = kitDraw::LoadObject(pageName, 2);
        pageTileImage = kitDraw::LoadObject(tileName, 2);
    }
    pageScroll = 0.0f;
    pageHeight = height;
}

void TogglePageOverlay() {
    if (pageOverlayOn)
        pageOverlayOn = 0;
    else if (pageHeight != 0)
        pageOverlayOn = 1;
}

int32_t StartClipWipe(int32_t closing, int32_t style, float speed, int32_t size) {
    if (clipWipeState > 0) return 0;
    if (clipWipeState == -1) kitDraw::SetClip(savedClipLeft, savedClipTop, savedClipRight, savedClipBottom);
    savedClipLeft = clipLeft;
    savedClipTop = clipTop;
    savedClipRight = clipRight;
    savedClipBottom = clipBottom;
    if (style == 0) style = kitSystem::Random() % 9 + 1;
    clipWipeStyle = style;
    clipWipeSpeed = speed;
    clipWipeSize = size;
    clipWipeClosing = closing;
    clipWipeDone = 0;
    clipWipeClosed = 0;
    if (closing != 0) {
        clipWipeState = 2;
        return 1;
    }
    clipWipeState = 1;
    const int32_t cx = CentreX(), cy = CentreY();
    const int32_t half = size / 2;
    switch (style) {
    case 1:
        clipTop = savedClipBottom;
        break;
    case 2:
        clipBottom = savedClipTop;
        break;
    case 3:
        clipLeft = savedClipRight;
        break;
    case 4:
        clipRight = savedClipLeft;
        break;
    case 5:
        clipTop = clipBottom = cy;
        break;
    case 6:
        clipLeft = clipRight = cx;
        break;
    case 7:
        clipTop = clipBottom = cy;
        clipLeft = clipRight = cx;
        break;
    case 8: // a horizontal line of `size` pixels
        clipTop = clipBottom = cy;
        clipLeft = Sat32(int64_t(cx) - half);
        clipRight = Sat32(int64_t(cx) + half);
        break;
    case 9: // a vertical line
        clipLeft = clipRight = cx;
        clipTop = Sat32(int64_t(cy) - half);
        clipBottom = Sat32(int64_t(cy) + half);
        break;
    default:
        break;
    }
    return 1;
}

void CloseClipNow() {
    savedClipLeft = clipLeft;
    savedClipTop = clipTop;
    savedClipRight = clipRight;
    savedClipBottom = clipBottom;
    clipRight = clipLeft;
    clipBottom = clipTop;
    clipWipeState = -1;
}

int32_t ClipWipeStep() {
    if (clipWipeState != 1 && clipWipeState != 2) return 0;
    const int32_t d = Sat32(int64_t(FloatToInt(frameDt * clipWipeSpeed)) + 1);
    if (clipWipeState == 2) {
        if (CloseStep(d)) {
            clipWipeState = -1;
            clipWipeClosed = 1;
        }
    } else if (OpenStep(d)) {
        clipWipeState = 0;
        clipWipeDone = 1;
    }
    return 1;
}
