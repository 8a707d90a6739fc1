#include "kit/system/joystick.h"

#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "platform/bmp.h"
#include "platform/files.h"

#include <cstring>

plat::JoyInfoEx joyInfo;
int32_t joyCentreX[2], joyCentreY[2];
JoyPad joyPads[2];

namespace {

bool ValidPad(int32_t pad) { return pad == 0 || pad == 1; }
bool ValidButton(int32_t button) { return button >= 1 && button <= 4; }

// One reading of the pad into joyInfo; false when it cannot be read.
bool Read(int32_t pad, uint32_t flags) {
    if (!ValidPad(pad)) return false;
    joyInfo.size = plat::kJoyInfoSize;
    joyInfo.flags = flags;
    return plat::JoyGetPosEx(uint32_t(pad), &joyInfo) == plat::kJoyOk;
}

constexpr uint32_t kButtonsFlags = plat::kJoyReturnButtons;
constexpr uint32_t kXYFlags = plat::kJoyReturnX | plat::kJoyReturnY;
constexpr uint32_t kXYDeadFlags = kXYFlags | plat::kJoyUseDeadzone;
constexpr uint32_t kCalibrateFlags = plat::kJoyReturnAll | plat::kJoyUseDeadzone;

bool Down(int32_t button) { return (joyInfo.buttons >> (button - 1)) & 1u; }

bool KeysLocked() { return transitionCounter != 0 || pageOverlayOn != 0 || dialogMode != 0; }

int32_t NextEdge(int32_t& state, bool down) {
    int32_t s;
    if (down)
        s = state != 0 ? 3 : 1;
    else
        s = (state == 1 || state == 3) ? 2 : 0;
    if (KeysLocked()) s = 0;
    state = s;
    return s;
}

void Charge(float& charge, float rate, bool down) {
    if (down) {
        charge += frameDt * rate;
        if (charge >= 100.0f) charge = 100.0f;
    } else {
        charge = 0.0f;
    }
}

// Low side -1 up to half the centre, high side +1 from one and a half centres.
int32_t Side(uint32_t position, int32_t centre) {
    const int64_t p = position;
    if (p <= centre / 2) return -1;
    if (p >= int64_t(centre) + centre / 2) return 1;
    return 0;
}

// A pad that could not be read at calibration keeps a centre of 0, and would
// then read as pushed for ever once plugged in; it takes its centre from its
// first reading instead.
void CalibrateLate(int32_t pad) {
    if (!ValidPad(pad) || joyCentreX[pad] != 0 || joyCentreY[pad] != 0) return;
    if (!Read(pad, kCalibrateFlags)) return;
    joyCentreX[pad] = int32_t(joyInfo.xPos);
    joyCentreY[pad] = int32_t(joyInfo.yPos);
}

void Ramp(float& axis, int32_t d, float rate) {
    if (d != 0) {
        axis += float(d) * rate * frameDt;
        if (axis >= 100.0f) axis = 100.0f;
        if (axis <= -100.0f) axis = -100.0f;
    } else if (axis > 0.0f) {
        axis -= rate * frameDt;
        if (axis < 0.0f) axis = 0.0f;
    } else if (axis < 0.0f) {
        axis += rate * frameDt;
        if (axis > 0.0f) axis = 0.0f;
    }
}

void Put(int32_t* p, int32_t v) {
    if (p) *p = v;
}

} // namespace

void JoyInit() {
    plat::JoyConfigChanged(0);
    JoyCalibrate();
    std::memset(joyPads, 0, sizeof joyPads);
}

void JoyCalibrate() {
    for (int32_t pad = 0; pad < 2; ++pad) {
        if (Read(pad, kCalibrateFlags)) {
            joyCentreX[pad] = int32_t(joyInfo.xPos);
            joyCentreY[pad] = int32_t(joyInfo.yPos);
        } else {
            joyCentreX[pad] = 0;
            joyCentreY[pad] = 0;
        }
    }
}

void JoyResetAxes() {
    for (JoyPad& p : joyPads) {
        p.axisX = p.axisY = 0.0f;
        for (float& c : p.charge)
            c = 0.0f;
    }
}

void JoySetRates(int32_t pad, float axisRate, float chargeRate) {
    if (!ValidPad(pad)) return;
    joyPads[pad].axisRate = axisRate;
    joyPads[pad].chargeRate = chargeRate;
}

void JoyGetCentre(int32_t pad, int32_t* x, int32_t* y) {
    Put(x, ValidPad(pad) ? joyCentreX[pad] : 0);
    Put(y, ValidPad(pad) ? joyCentreY[pad] : 0);
}

int32_t JoyButton(int32_t pad, int32_t button) {
    if (button < 1 || button > 32 || !Read(pad, kButtonsFlags)) return 0;
    return Down(button) ? 1 : 0;
}

int32_t JoyButtonState(int32_t pad, int32_t button) {
    if (!ValidButton(button) || !Read(pad, kButtonsFlags)) return 0;
    return NextEdge(joyPads[pad].buttonState[button - 1], Down(button));
}

void JoyButtons4(int32_t pad, int32_t* b1, int32_t* b2, int32_t* b3, int32_t* b4) {
    int32_t* out[4] = {b1, b2, b3, b4};
    const bool ok = Read(pad, kButtonsFlags);
    for (int32_t i = 0; i < 4; ++i)
        Put(out[i], ok && Down(i + 1) ? 1 : 0);
}

void JoyButtonStates4(int32_t pad, int32_t* s1, int32_t* s2, int32_t* s3, int32_t* s4) {
    int32_t* out[4] = {s1, s2, s3, s4};
    const bool ok = Read(pad, kButtonsFlags);
    for (int32_t i = 0; i < 4; ++i)
        Put(out[i], ok ? NextEdge(joyPads[pad].buttonState[i], Down(i + 1)) : 0);
}

int32_t JoyButtonCharge(int32_t pad, int32_t button) {
    if (!ValidPad(pad) || !ValidButton(button)) return 0;
    JoyPad& p = joyPads[pad];
    float& c = p.charge[button - 1];
    Charge(c, p.chargeRate, JoyButton(pad, button) == 1);
    return FloatToInt(c);
}

void JoyButtonCharges4(int32_t pad, int32_t* c1, int32_t* c2, int32_t* c3, int32_t* c4) {
    int32_t* out[4] = {c1, c2, c3, c4};
    const bool ok = Read(pad, kButtonsFlags);
    for (int32_t i = 0; i < 4; ++i) {
        if (!ok) {
            Put(out[i], 0);
            continue;
        }
        JoyPad& p = joyPads[pad];
        Charge(p.charge[i], p.chargeRate, Down(i + 1));
        Put(out[i], FloatToInt(p.charge[i]));
    }
}

void JoyDirection(int32_t pad, int32_t* dx, int32_t* dy) {
    CalibrateLate(pad);
    const bool ok = Read(pad, kXYFlags);
    Put(dx, ok ? Side(joyInfo.xPos, joyCentreX[pad]) : 0);
    Put(dy, ok ? Side(joyInfo.yPos, joyCentreY[pad]) : 0);
}

int32_t JoyDirection8(int32_t pad) {
    CalibrateLate(pad);
    if (!Read(pad, kXYDeadFlags)) return 5;
    const int32_t dx = Side(joyInfo.xPos, joyCentreX[pad]);
    const int32_t dy = Side(joyInfo.yPos, joyCentreY[pad]);
    const int32_t row = dy < 0 ? 7 : (dy == 0 ? 4 : 1);
    return row + dx + 1;
}

void JoyPosition(int32_t pad, int32_t* x, int32_t* y) {
    const bool ok = Read(pad, kXYDeadFlags);
    Put(x, ok ? int32_t(joyInfo.xPos) : 0);
    Put(y, ok ? int32_t(joyInfo.yPos) : 0);
}

void JoyAnalog(int32_t pad, int32_t* ax, int32_t* ay) {
    CalibrateLate(pad);
    if (!Read(pad, kXYDeadFlags)) {
        Put(ax, 0);
        Put(ay, 0);
        return;
    }
    JoyPad& p = joyPads[pad];
    Ramp(p.axisX, Side(joyInfo.xPos, joyCentreX[pad]), p.axisRate);
    Ramp(p.axisY, Side(joyInfo.yPos, joyCentreY[pad]), p.axisRate);
    Put(ax, FloatToInt(p.axisX));
    Put(ay, FloatToInt(p.axisY));
}
