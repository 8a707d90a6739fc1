#include "platform/joystick.h"

#include <SDL.h>

#include <cstdlib>
#include <vector>

namespace plat {
namespace {

constexpr int kPads = 2;
// Readings this close to the centre snap to it when the dead zone is asked for.
constexpr int32_t kDeadZone = 1024;
constexpr uint32_t kCentre = 32768;

SDL_Joystick* pads[kPads] = {nullptr, nullptr};
bool subsystemTried = false;
bool subsystemOurs = false;
bool subsystemUp = false;

struct VirtualPad {
    SDL_Joystick* joy;
    SDL_JoystickID id;
};
std::vector<VirtualPad> virtualPads;

bool EnsureSubsystem() {
    if (subsystemUp) return true;
    if (subsystemTried) return false;
    subsystemTried = true;
    // A pad is read whether or not our window has the focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) {
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
        subsystemOurs = true;
    }
    subsystemUp = true;
    return true;
}

bool Held(SDL_JoystickID id, int exceptSlot) {
    for (int s = 0; s < kPads; ++s)
        if (s != exceptSlot && pads[s] && SDL_JoystickInstanceID(pads[s]) == id) return true;
    return false;
}

// Drops pads that went away and binds empty slots, in slot order, to the
// first devices no other slot holds.
void BindPads() {
    for (int s = 0; s < kPads; ++s) {
        if (pads[s] && !SDL_JoystickGetAttached(pads[s])) {
            SDL_JoystickClose(pads[s]);
            pads[s] = nullptr;
        }
    }
    for (int s = 0; s < kPads; ++s) {
        if (pads[s]) continue;
        const int n = SDL_NumJoysticks();
        for (int i = 0; i < n; ++i) {
            const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
            if (id < 0 || Held(id, s)) continue;
            pads[s] = SDL_JoystickOpen(i);
            if (pads[s]) break;
        }
    }
}

uint32_t AxisPosition(SDL_Joystick* j, int axis, bool deadZone) {
    if (axis >= SDL_JoystickNumAxes(j)) return kCentre;
    const int32_t v = int32_t(SDL_JoystickGetAxis(j, axis)) + 32768;
    if (deadZone && std::abs(v - int32_t(kCentre)) <= kDeadZone) return kCentre;
    return uint32_t(v);
}

uint32_t PovOf(SDL_Joystick* j) {
    if (SDL_JoystickNumHats(j) < 1) return kJoyPovCentred;
    switch (SDL_JoystickGetHat(j, 0)) {
    case SDL_HAT_UP:
        return 0;
    case SDL_HAT_RIGHTUP:
        return 4500;
    case SDL_HAT_RIGHT:
        return 9000;
    case SDL_HAT_RIGHTDOWN:
        return 13500;
    case SDL_HAT_DOWN:
        return 18000;
    case SDL_HAT_LEFTDOWN:
        return 22500;
    case SDL_HAT_LEFT:
        return 27000;
    case SDL_HAT_LEFTUP:
        return 31500;
    default:
        return kJoyPovCentred;
    }
}

VirtualPad* VirtualOf(int32_t handle) {
    if (handle < 0 || size_t(handle) >= virtualPads.size() || !virtualPads[size_t(handle)].joy)
        return nullptr;
    return &virtualPads[size_t(handle)];
}

} // namespace

int32_t JoyGetPosEx(uint32_t pad, JoyInfoEx* info) {
    if (!info || info->size != kJoyInfoSize || pad >= uint32_t(kPads)) return kJoyErrParms;
    if (!EnsureSubsystem()) return kJoyErrUnplugged;
    SDL_JoystickUpdate();
    BindPads();
    SDL_Joystick* j = pads[pad];
    if (!j) return kJoyErrUnplugged;
    const uint32_t f = info->flags;
    const bool dz = (f & kJoyUseDeadzone) != 0;
    if (f & kJoyReturnX) info->xPos = AxisPosition(j, 0, dz);
    if (f & kJoyReturnY) info->yPos = AxisPosition(j, 1, dz);
    if (f & kJoyReturnZ) info->zPos = AxisPosition(j, 2, dz);
    if (f & kJoyReturnR) info->rPos = AxisPosition(j, 3, dz);
    if (f & kJoyReturnU) info->uPos = AxisPosition(j, 4, dz);
    if (f & kJoyReturnV) info->vPos = AxisPosition(j, 5, dz);
    if (f & kJoyReturnPov) info->pov = PovOf(j);
    if (f & kJoyReturnButtons) {
        uint32_t mask = 0, count = 0;
        const int n = SDL_JoystickNumButtons(j);
        for (int b = 0; b < n && b < 32; ++b) {
            if (SDL_JoystickGetButton(j, b)) {
                mask |= 1u << b;
                ++count;
            }
        }
        info->buttons = mask;
        info->buttonNumber = count;
    }
    return kJoyOk;
}

void JoyConfigChanged(uint32_t) {
    for (auto& p : pads) {
        if (p) SDL_JoystickClose(p);
        p = nullptr;
    }
    // A subsystem that failed to start gets another chance.
    if (!subsystemUp) subsystemTried = false;
}

void JoyShutdown() {
    for (auto& p : pads) {
        if (p) SDL_JoystickClose(p);
        p = nullptr;
    }
    for (size_t h = 0; h < virtualPads.size(); ++h)
        DetachVirtualPadForTests(int32_t(h));
    virtualPads.clear();
    if (subsystemOurs) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    subsystemOurs = subsystemUp = subsystemTried = false;
}

int32_t AttachVirtualPadForTests(int32_t axes, int32_t buttons, int32_t hats) {
    if (!EnsureSubsystem()) return -1;
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes, buttons, hats);
    if (index < 0) return -1;
    SDL_Joystick* j = SDL_JoystickOpen(index);
    if (!j) return -1;
    virtualPads.push_back({j, SDL_JoystickInstanceID(j)});
    return int32_t(virtualPads.size() - 1);
}

void SetVirtualPadAxisForTests(int32_t handle, int32_t axis, int32_t position) {
    if (VirtualOf(handle) == nullptr) return;
    if (position < 0) position = 0;
    if (position > 65535) position = 65535;
    SDL_JoystickSetVirtualAxis(VirtualOf(handle)->joy, axis, Sint16(position - 32768));
}

void SetVirtualPadButtonForTests(int32_t handle, int32_t button, bool down) {
    if (VirtualOf(handle) == nullptr || button < 1) return;
    SDL_JoystickSetVirtualButton(VirtualOf(handle)->joy, button - 1, down ? 1 : 0);
}

void SetVirtualPadHatForTests(int32_t handle, int32_t hat, uint8_t sdlHatValue) {
    if (VirtualOf(handle) == nullptr) return;
    SDL_JoystickSetVirtualHat(VirtualOf(handle)->joy, hat, sdlHatValue);
}

void DetachVirtualPadForTests(int32_t handle) {
    VirtualPad* v = VirtualOf(handle);
    if (!v) return;
    const int n = SDL_NumJoysticks();
    for (int i = 0; i < n; ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) == v->id) {
            SDL_JoystickDetachVirtual(i);
            break;
        }
    }
    SDL_JoystickClose(v->joy);
    v->joy = nullptr;
}

} // namespace plat
