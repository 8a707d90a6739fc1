#pragma once
// Two game pads turned into what the library offers for keys: button edge
// states (0 up, 1 pressed, 3 held, 2 released), eight-way directions in keypad
// numbering, a stick position that ramps up while pushed and a per-button
// charge that builds while held. Each ramped value and edge state moves only
// when it is read, so read each once per frame. Pads are 0 and 1, buttons 1..4.
#include <cstdint>

#include "platform/joystick.h"

struct JoyPad {
    float axisX, axisY; // -100..100
    float axisRate;     // units per second
    float charge[4];    // buttons 1..4, 0..100
    float chargeRate;   // units per second
    int32_t buttonState[4];
};

extern plat::JoyInfoEx joyInfo;
extern int32_t joyCentreX[2], joyCentreY[2];
extern JoyPad joyPads[2];

void JoyInit();
void JoyCalibrate();
void JoyResetAxes();
void JoySetRates(int32_t pad, float axisRate, float chargeRate);
void JoyGetCentre(int32_t pad, int32_t* x, int32_t* y);
int32_t JoyButton(int32_t pad, int32_t button);
int32_t JoyButtonState(int32_t pad, int32_t button);
void JoyButtons4(int32_t pad, int32_t* b1, int32_t* b2, int32_t* b3, int32_t* b4);
void JoyButtonStates4(int32_t pad, int32_t* s1, int32_t* s2, int32_t* s3, int32_t* s4);
int32_t JoyButtonCharge(int32_t pad, int32_t button);
void JoyButtonCharges4(int32_t pad, int32_t* c1, int32_t* c2, int32_t* c3, int32_t* c4);
void JoyDirection(int32_t pad, int32_t* dx, int32_t* dy);
int32_t JoyDirection8(int32_t pad);
void JoyPosition(int32_t pad, int32_t* x, int32_t* y);
void JoyAnalog(int32_t pad, int32_t* ax, int32_t* ay);
