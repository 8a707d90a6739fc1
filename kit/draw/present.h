#pragma once
// Frame presentation: the running screen transition is drawn over the
// finished back buffer, the page overlay on top, then the back buffer is
// copied to the screen. A scene switch snapshots the screen into image 1 and
// starts a wipe; the new scene then draws normally and PresentFrame covers it
// with pieces of the snapshot that shrink frame by frame.
#include <cstdint>

// Transition state.
extern int32_t transitionKind;    // 0 tile fade from transitionSheet; 1..12 wipes from image 1
extern int32_t transitionCounter; // frames left (wipes) or tile frame (fades); 0 = none running
extern int32_t transitionStep;    // -1 wipes and fade-in, +1 fade-out, 0 idle
extern int32_t transitionLength;  // a wipe's length in frames
extern int32_t transitionSheet;   // image of the tile fade: ten 64x48 frames side by side
extern int32_t vsyncWait;         // 1 = wait for the vertical blank before the copy

// Page overlay: a scrolling page over a drifting tile pattern.
extern int32_t pageOverlayOn;
extern int32_t pageImage, pageTileImage;
extern int32_t pageHeight;
extern float pageScroll;
extern float pageTileOffsetX, pageTileOffsetY;
extern uint32_t heldKey; // virtual key held while the overlay is shown (kept by the key handler)

// Clip wipe: animates the clip rectangle instead of drawing.
extern int32_t clipWipeState; // 0 idle, 1 opening, 2 closing, -1 closed
extern int32_t clipWipeClosing;
extern int32_t clipWipeStyle; // 1..9
extern float clipWipeSpeed;   // pixels per second
extern int32_t clipWipeSize;
extern int32_t clipWipeDone, clipWipeClosed;
extern int32_t savedClipLeft, savedClipTop, savedClipRight, savedClipBottom;

// Ends every frame; returns the result of the copy to the screen.
int32_t PresentFrame();
void SetVSyncWait(int32_t on);
// Copies a back-buffer rectangle to (0, 0) of an image.
int32_t SnapshotToImage(int32_t img, int32_t left, int32_t top, int32_t right, int32_t bottom);
void StartFadeIn();
void StartFadeOut();
void LoadTransitionSheet(const char* name);
void LoadPageOverlay(const char* pageName, const char* tileName, int32_t height);
void TogglePageOverlay();
// 1, or 0 while a clip wipe runs. Style 0 picks one at random.
int32_t StartClipWipe(int32_t closing, int32_t style, float speed, int32_t size);
void CloseClipNow();
// One frame of the clip wipe; 0 when none runs.
int32_t ClipWipeStep();
