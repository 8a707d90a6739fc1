#pragma once
// Game pads: up to two SDL joysticks read in the shape the library's pad code
// expects (positions 0..65535 with the centre near 32767, a button bit mask,
// a point-of-view angle in hundredths of a degree). A pad that is absent or
// unplugged fails the read; it never reads as pushed.
#include <cstdint>

namespace plat {

// What to read (flags of JoyInfoEx::flags).
enum : uint32_t {
    kJoyReturnX = 0x01,
    kJoyReturnY = 0x02,
    kJoyReturnZ = 0x04,
    kJoyReturnR = 0x08,
    kJoyReturnU = 0x10,
    kJoyReturnV = 0x20,
    kJoyReturnPov = 0x40,
    kJoyReturnButtons = 0x80,
    kJoyReturnAll = 0xFF,
    kJoyUseDeadzone = 0x800,
};

// Results of JoyGetPosEx.
enum : int32_t {
    kJoyOk = 0,
    kJoyErrParms = 165,
    kJoyErrUnplugged = 167,
};

constexpr uint32_t kJoyPovCentred = 0xFFFF;
constexpr uint32_t kJoyInfoSize = 52;

// One reading; `size` must be kJoyInfoSize (13 words).
struct JoyInfoEx {
    uint32_t size;
    uint32_t flags;
    uint32_t xPos, yPos, zPos, rPos, uPos, vPos;
    uint32_t buttons;      // bit n-1 = button n
    uint32_t buttonNumber; // how many buttons are down
    uint32_t pov;
    uint32_t reserved1, reserved2;
};
static_assert(sizeof(JoyInfoEx) == kJoyInfoSize);

// Reads pad 0 or 1. Fills only what the flags ask for (the rest is left as
// the caller had it). kJoyErrUnplugged when the pad is absent, kJoyErrParms
// for a bad id, a null record or a wrong size.
int32_t JoyGetPosEx(uint32_t pad, JoyInfoEx* info);
// Forgets which devices the pads were bound to, so plugged and unplugged pads
// are found again on the next read.
void JoyConfigChanged(uint32_t flags);
// Closes the pads and leaves the joystick subsystem.
void JoyShutdown();

// Test hooks on SDL's virtual joysticks. Attach returns a handle (>= 0) or -1.
// Positions are in the reading's 0..65535 range.
int32_t AttachVirtualPadForTests(int32_t axes, int32_t buttons, int32_t hats = 0);
void SetVirtualPadAxisForTests(int32_t handle, int32_t axis, int32_t position);
void SetVirtualPadButtonForTests(int32_t handle, int32_t button, bool down); // button 1..n
void SetVirtualPadHatForTests(int32_t handle, int32_t hat, uint8_t sdlHatValue);
void DetachVirtualPadForTests(int32_t handle);

} // namespace plat
