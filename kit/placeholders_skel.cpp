// Stand-ins until the sound, music, text, joystick and presentation parts land.
#include "kit/placeholders_skel.h"

#include "kit/draw/screen.h"
#include "platform/display.h"

#include <cstring>

namespace kitSound {
int32_t Init() { return 0; }
void Release() {}
void ResetSlots() {}
} // namespace kitSound
void ErrorBeep() {}

int32_t midiOpen = 0;
int32_t MidiInit() {
    midiOpen = 0;
    return 1;
}
void MidiStop() { midiOpen = 0; }
void MidiRestart() {}
namespace plat {
int32_t MciSendString(const char*, char* reply, uint32_t replySize) {
    if (reply && replySize) reply[0] = 0;
    return 0;
}
} // namespace plat

void InitFontList() {}
void FreeFontState() {}
void JoyInit() {}

int32_t transitionCounter = 0;
int32_t transitionStep = 0;
int32_t pageOverlayOn = 0;
int32_t pageImage = 0, pageTileImage = 0;
int32_t vsyncWait = 1;

// Just enough presentation to see the back buffer: no wipes, no overlay.
int32_t PresentFrame() {
    if (transitionCounter != 0) {
        transitionCounter += transitionStep;
        if ((transitionStep == -1 && transitionCounter < 1) ||
            (transitionStep == 1 && transitionCounter > 10)) {
            transitionCounter = 0;
            transitionStep = 0;
        }
    }
    if (vsyncWait) plat::WaitForVerticalBlank();
    if (!backBuffer || !primarySurface) return plat::kErrInvalidParams;
    int32_t r = plat::BltFast(primarySurface, presentRect.left, presentRect.top, backBuffer,
                              presentSourceRect, false);
    plat::PresentPrimary(primarySurface);
    return r;
}
