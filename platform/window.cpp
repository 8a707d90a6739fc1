#include "platform/window.h"

#include "platform/sdl_internal.h"
#include "platform/time.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace plat {

struct Window {
    std::string className;
    std::string caption;
    uint32_t style = 0;
    uint32_t classStyle = 0;
    WindowProc proc = nullptr;
    SDL_Window* sdl = nullptr;
    bool alive = false;
    int32_t x = 0, y = 0, width = 0, height = 0;
};

namespace {

constexpr size_t kMaxClasses = 8;
constexpr size_t kMaxWindows = 4;
constexpr size_t kQueueSize = 1024;

std::array<WindowClass, kMaxClasses> classes;
size_t classCount = 0;
std::array<Window, kMaxWindows> windows;
// Read by PostAppMessage on other threads.
std::atomic<Window*> mainWin{nullptr};

bool sdlEventsUp = false;
bool sdlVideoUp = false;
uint32_t wakeEventType = 0;

// The queue: a fixed ring, shared with other threads through PostAppMessage.
std::mutex queueMutex;
std::condition_variable queueCv;
std::array<Message, kQueueSize> queue;
size_t queueHead = 0, queueCount = 0;
bool quitPosted = false;
int32_t quitCode = 0;

// Key states as the main thread last took them from the queue.
uint8_t keyDown[256];
uint8_t keyToggle[256];

int32_t cursorCount = 0;
bool cursorArrow = true;
bool cursorClipped = false;
Rect cursorClip{0, 0, 0, 0};
bool textInputOn = true;
int32_t logicalW = 800, logicalH = 600;

std::vector<RecordedMessageBox> recordedBoxes;
std::vector<int32_t> queuedAnswers;
bool forceHeadlessBoxes = false;
bool quietBoxes = false;
bool failWindowCreation = false;

bool PushLocked(const Message& m) {
    if (queueCount == kQueueSize) return false; // a flooded queue drops, as a full system queue does
    queue[(queueHead + queueCount) % kQueueSize] = m;
    ++queueCount;
    return true;
}

bool Push(Window* w, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    Message m;
    m.window = w;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = TimeMs();
    bool ok;
    {
        std::lock_guard<std::mutex> lock(queueMutex);
        ok = PushLocked(m);
    }
    queueCv.notify_all();
    return ok;
}

bool PopLocked(Message* out) {
    if (queueCount == 0) return false;
    *out = queue[queueHead];
    queueHead = (queueHead + 1) % kQueueSize;
    --queueCount;
    return true;
}

bool QueueEmpty() {
    std::lock_guard<std::mutex> lock(queueMutex);
    return queueCount == 0 && !quitPosted;
}

const WindowClass* FindClass(const std::string& name) {
    for (size_t i = 0; i < classCount; ++i)
        if (classes[i].className == name) return &classes[i];
    return nullptr;
}

Window* WindowOfSdl(uint32_t id) {
    for (Window& w : windows)
        if (w.alive && w.sdl && SDL_GetWindowID(w.sdl) == id) return &w;
    return nullptr;
}

// Windows' key message lParam: repeat count, scan code, extended bit,
// context (Alt) bit, previous state and transition bits.
intptr_t KeyLParam(uint32_t scan, bool extended, bool alt, bool previouslyDown, bool up) {
    uint32_t l = 1u | ((scan & 0xFF) << 16);
    if (extended) l |= 1u << 24;
    if (alt) l |= 1u << 29;
    if (previouslyDown) l |= 1u << 30;
    if (up) l |= 1u << 31;
    return intptr_t(l);
}

struct VkInfo {
    int32_t vk;
    uint32_t scan;
    bool extended;
};

VkInfo MapSdlKey(const SDL_Keysym& ks) {
    const SDL_Keycode k = ks.sym;
    if (k >= SDLK_a && k <= SDLK_z) return {int32_t(kVkA + (k - SDLK_a)), 0, false};
    if (k >= SDLK_0 && k <= SDLK_9) return {int32_t(kVk0 + (k - SDLK_0)), 0, false};
    if (k >= SDLK_F1 && k <= SDLK_F12) return {int32_t(kVkF1 + (k - SDLK_F1)), 0, false};
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return {int32_t(kVkNumpad0 + 1 + (k - SDLK_KP_1)), 0, false};
    switch (k) {
    case SDLK_KP_0:
        return {kVkNumpad0, 0, false};
    case SDLK_ESCAPE:
        return {kVkEscape, 0x01, false};
    case SDLK_RETURN:
        return {kVkReturn, 0x1C, false};
    case SDLK_KP_ENTER:
        return {kVkReturn, 0x1C, true};
    case SDLK_SPACE:
        return {kVkSpace, 0x39, false};
    case SDLK_TAB:
        return {kVkTab, 0x0F, false};
    case SDLK_BACKSPACE:
        return {kVkBack, 0x0E, false};
    case SDLK_LSHIFT:
        return {kVkShift, 0x2A, false};
    case SDLK_RSHIFT:
        return {kVkShift, 0x36, false};
    case SDLK_LCTRL:
        return {kVkControl, 0x1D, false};
    case SDLK_RCTRL:
        return {kVkControl, 0x1D, true};
    case SDLK_LALT:
        return {kVkMenu, 0x38, false};
    case SDLK_RALT:
        return {kVkMenu, 0x38, true};
    case SDLK_LEFT:
        return {kVkLeft, 0x4B, true};
    case SDLK_RIGHT:
        return {kVkRight, 0x4D, true};
    case SDLK_UP:
        return {kVkUp, 0x48, true};
    case SDLK_DOWN:
        return {kVkDown, 0x50, true};
    case SDLK_INSERT:
        return {kVkInsert, 0x52, true};
    case SDLK_DELETE:
        return {kVkDelete, 0x53, true};
    case SDLK_HOME:
        return {kVkHome, 0x47, true};
    case SDLK_END:
        return {kVkEnd, 0x4F, true};
    case SDLK_PAGEUP:
        return {kVkPrior, 0x49, true};
    case SDLK_PAGEDOWN:
        return {kVkNext, 0x51, true};
    case SDLK_PAUSE:
        return {kVkPause, 0x45, false};
    case SDLK_CAPSLOCK:
        return {kVkCapital, 0x3A, false};
    case SDLK_KP_MULTIPLY:
        return {kVkMultiply, 0x37, false};
    case SDLK_KP_PLUS:
        return {kVkAdd, 0x4E, false};
    case SDLK_KP_MINUS:
        return {kVkSubtract, 0x4A, false};
    case SDLK_KP_PERIOD:
        return {kVkDecimal, 0x53, false};
    case SDLK_KP_DIVIDE:
        return {kVkDivide, 0x35, true};
    case SDLK_SEMICOLON:
        return {0xBA, 0x27, false};
    case SDLK_EQUALS:
        return {0xBB, 0x0D, false};
    case SDLK_COMMA:
        return {0xBC, 0x33, false};
    case SDLK_MINUS:
        return {0xBD, 0x0C, false};
    case SDLK_PERIOD:
        return {0xBE, 0x34, false};
    case SDLK_SLASH:
        return {0xBF, 0x35, false};
    case SDLK_BACKQUOTE:
        return {0xC0, 0x29, false};
    case SDLK_LEFTBRACKET:
        return {0xDB, 0x1A, false};
    case SDLK_BACKSLASH:
        return {0xDC, 0x2B, false};
    case SDLK_RIGHTBRACKET:
        return {0xDD, 0x1B, false};
    case SDLK_QUOTE:
        return {0xDE, 0x28, false};
    default:
        return {0, 0, false};
    }
}

// Windows posts the key as a system key when Alt is involved, and for F10.
bool IsSysKey(int32_t vk, bool altHeld) { return altHeld || vk == kVkMenu || vk == kVkF10; }

void PostKey(int32_t vk, uint32_t scan, bool extended, bool down, bool repeat, bool altHeld) {
    Window* w = mainWin;
    if (!w) return;
    const bool sys = IsSysKey(vk, altHeld);
    const uint32_t msg = down ? (sys ? kMsgSysKeyDown : kMsgKeyDown) : (sys ? kMsgSysKeyUp : kMsgKeyUp);
    Push(w, msg, uintptr_t(vk), KeyLParam(scan, extended, altHeld, down ? repeat : true, !down));
}

int32_t ClampX(int32_t x) { return x < 0 ? 0 : (x >= logicalW ? logicalW - 1 : x); }
int32_t ClampY(int32_t y) { return y < 0 ? 0 : (y >= logicalH ? logicalH - 1 : y); }

void PostMouseMove(int32_t x, int32_t y) {
    Window* w = mainWin;
    if (!w) return;
    // The cursor shape is asked for before every move, as the system does.
    Push(w, kMsgSetCursor, 0, MakeLParam(1, int32_t(kMsgMouseMove)));
    uintptr_t buttons = (keyDown[kVkLButton] ? 1u : 0u) | (keyDown[kVkRButton] ? 2u : 0u);
    Push(w, kMsgMouseMove, buttons, MakeLParam(ClampX(x), ClampY(y)));
}

void PostMouseButton(int32_t button, bool down, bool dbl, int32_t x, int32_t y) {
    Window* w = mainWin;
    if (!w) return;
    uint32_t msg;
    if (button == 0)
        msg = down ? (dbl ? kMsgLButtonDblClk : kMsgLButtonDown) : kMsgLButtonUp;
    else
        msg = down ? (dbl ? kMsgRButtonDblClk : kMsgRButtonDown) : kMsgRButtonUp;
    Push(w, msg, 0, MakeLParam(ClampX(x), ClampY(y)));
}

void ApplyCursor() {
    if (!sdlVideoUp) return;
    SDL_ShowCursor(cursorCount >= 0 && cursorArrow ? SDL_ENABLE : SDL_DISABLE);
}

void Translate(const SDL_Event& e) {
    if (e.type == wakeEventType && wakeEventType != 0) return;
    switch (e.type) {
    case SDL_QUIT:
        // The session or a signal asks us to go: the same path as closing the window.
        if (Window* mw = mainWin) Push(mw, kMsgClose, 0, 0);
        break;
    case SDL_WINDOWEVENT: {
        Window* w = WindowOfSdl(e.window.windowID);
        if (!w) break;
        switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            Push(w, kMsgActivateApp, 1, 0);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            Push(w, kMsgActivateApp, 0, 0);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            Push(w, kMsgClose, 0, 0);
            break;
        case SDL_WINDOWEVENT_MOVED:
            // A full-screen window's client area starts at the screen's origin
            // in the logical screen, wherever the desktop puts it.
            if (!(w->style & kWsPopup)) Push(w, kMsgMove, 0, MakeLParam(e.window.data1, e.window.data2));
            break;
        default:
            break;
        }
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        if (!mainWin) break;
        VkInfo info = MapSdlKey(e.key.keysym);
        if (info.vk == 0) break;
        const bool down = e.type == SDL_KEYDOWN;
        PostKey(info.vk, info.scan, info.extended, down, e.key.repeat != 0,
                (e.key.keysym.mod & KMOD_ALT) != 0);
        break;
    }
    case SDL_MOUSEMOTION:
        if (e.motion.which == SDL_TOUCH_MOUSEID) break;
        PostMouseMove(e.motion.x, e.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        if (e.button.which == SDL_TOUCH_MOUSEID) break;
        int32_t b = e.button.button == SDL_BUTTON_LEFT ? 0 : (e.button.button == SDL_BUTTON_RIGHT ? 1 : -1);
        if (b < 0) break;
        const bool down = e.type == SDL_MOUSEBUTTONDOWN;
        // The second press of a double-click arrives as a double-click message
        // when the window's class asks for them.
        Window* mw = mainWin;
        const bool dbl =
            down && e.button.clicks >= 2 && (e.button.clicks % 2) == 0 && mw && (mw->classStyle & kCsDblClks);
        PostMouseButton(b, down, dbl, e.button.x, e.button.y);
        break;
    }
    default:
        break;
    }
}

void PumpSdl() {
    if (!sdlEventsUp) return;
    SDL_Event e;
    while (SDL_PollEvent(&e))
        Translate(e);
}

void SetKeyDown(int32_t vk, bool down) {
    if (vk < 0 || vk > 255) return;
    if (down && !keyDown[vk]) keyToggle[vk] ^= 1;
    keyDown[vk] = down ? 1 : 0;
}

// The generic Shift, Ctrl and Alt keys are down while either side is.
void SetModifierSide(int32_t generic, int32_t left, int32_t right, bool rightSide, bool down) {
    SetKeyDown(rightSide ? right : left, down);
    SetKeyDown(generic, keyDown[left] || keyDown[right]);
}

void TrackInput(const Message& m) {
    switch (m.message) {
    case kMsgKeyDown:
    case kMsgKeyUp:
    case kMsgSysKeyDown:
    case kMsgSysKeyUp: {
        const bool down = m.message == kMsgKeyDown || m.message == kMsgSysKeyDown;
        const int32_t vk = int32_t(m.wParam & 0xFF);
        const uint32_t l = uint32_t(m.lParam);
        const uint32_t scan = (l >> 16) & 0xFF;
        const bool ext = (l >> 24) & 1;
        if (vk == kVkShift)
            SetModifierSide(kVkShift, kVkLShift, kVkRShift, scan == 0x36, down);
        else if (vk == kVkControl)
            SetModifierSide(kVkControl, kVkLControl, kVkRControl, ext, down);
        else if (vk == kVkMenu)
            SetModifierSide(kVkMenu, kVkLMenu, kVkRMenu, ext, down);
        else
            SetKeyDown(vk, down);
        break;
    }
    case kMsgLButtonDown:
    case kMsgLButtonDblClk:
        SetKeyDown(kVkLButton, true);
        break;
    case kMsgLButtonUp:
        SetKeyDown(kVkLButton, false);
        break;
    case kMsgRButtonDown:
    case kMsgRButtonDblClk:
        SetKeyDown(kVkRButton, true);
        break;
    case kMsgRButtonUp:
        SetKeyDown(kVkRButton, false);
        break;
    default:
        break;
    }
}

} // namespace

// ---- SDL plumbing shared with the display ----

SDL_Window* NativeWindow(const Window* w) { return w && w->alive ? w->sdl : nullptr; }
bool VideoUp() { return sdlVideoUp; }
void SetInputLogicalSize(int32_t w, int32_t h) {
    if (w > 0 && h > 0) {
        logicalW = w;
        logicalH = h;
    }
}

bool InitWindowing() {
    if (!sdlEventsUp) {
        SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        // Events alone also bring the signal handlers: Ctrl-C closes the window.
        if (SDL_InitSubSystem(SDL_INIT_EVENTS) == 0) {
            sdlEventsUp = true;
            wakeEventType = SDL_RegisterEvents(1);
            if (wakeEventType == uint32_t(-1)) wakeEventType = 0;
        }
    }
    if (!sdlVideoUp && sdlEventsUp) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0)
            sdlVideoUp = true;
        else
            std::fprintf(stderr, "vextalon: no display (%s); running without one\n", SDL_GetError());
    }
    return sdlVideoUp;
}

void ShutdownWindowing() {
    for (Window& w : windows)
        if (w.alive) {
            if (w.sdl) SDL_DestroyWindow(w.sdl);
            w = Window{};
        }
    mainWin = nullptr;
    if (sdlVideoUp) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (sdlEventsUp) SDL_QuitSubSystem(SDL_INIT_EVENTS);
    sdlVideoUp = sdlEventsUp = false;
    wakeEventType = 0;
    classCount = 0;
    std::lock_guard<std::mutex> lock(queueMutex);
    queueHead = queueCount = 0;
    quitPosted = false;
}

std::string VideoDriverName() {
    if (!sdlVideoUp) return "";
    const char* n = SDL_GetCurrentVideoDriver();
    return n ? n : "";
}

bool HasDisplay() {
    if (!sdlVideoUp) return false;
    const std::string d = VideoDriverName();
    return d != "dummy" && d != "offscreen" && d != "evdev";
}

bool HeadlessByChoice() {
    if (!sdlVideoUp) return false;
    const std::string d = VideoDriverName();
    if (d == "dummy") return true;
    // SDL falls back to its off-screen driver when no display is there; only
    // asking for it by name makes it a headless run rather than a missing display.
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return asked && d == asked && !HasDisplay();
}

bool RegisterWindowClass(const WindowClass& wc) {
    if (wc.className.empty() || !wc.proc) return false;
    if (FindClass(wc.className)) return false;
    if (classCount == kMaxClasses) return false;
    classes[classCount++] = wc;
    return true;
}

Window* CreateAppWindow(const std::string& className, const std::string& caption, uint32_t style, int32_t x,
                        int32_t y, int32_t width, int32_t height) {
    const WindowClass* wc = FindClass(className);
    if (!wc || failWindowCreation) return nullptr;
    Window* slot = nullptr;
    for (Window& w : windows)
        if (!w.alive) {
            slot = &w;
            break;
        }
    if (!slot) return nullptr;
    *slot = Window{};
    slot->className = className;
    slot->caption = caption;
    slot->style = style;
    slot->classStyle = wc->style;
    slot->proc = wc->proc;
    slot->x = x;
    slot->y = y;
    slot->width = width;
    slot->height = height;
    if (sdlVideoUp) {
        uint32_t flags = SDL_WINDOW_HIDDEN;
        if (style & kWsPopup) flags |= SDL_WINDOW_BORDERLESS;
        slot->sdl = SDL_CreateWindow(caption.c_str(), (style & kWsPopup) ? x : int(SDL_WINDOWPOS_CENTERED),
                                     (style & kWsPopup) ? y : int(SDL_WINDOWPOS_CENTERED),
                                     width > 0 ? width : 1, height > 0 ? height : 1, flags);
        if (!slot->sdl) {
            std::fprintf(stderr, "vextalon: window refused: %s\n", SDL_GetError());
            return nullptr;
        }
    }
    slot->alive = true;
    if (!mainWin.load()) mainWin = slot;
    // The client area's position, as a new window reports it.
    Push(slot, kMsgMove, 0, (style & kWsPopup) ? MakeLParam(0, 0) : MakeLParam(x, y));
    return slot;
}

void ShowAppWindow(Window* w) {
    if (!IsWindowAlive(w)) return;
    if (w->sdl) {
        SDL_ShowWindow(w->sdl);
        SDL_RaiseWindow(w->sdl);
    }
    // Without a real display nothing ever hands us the focus.
    if (!HasDisplay() || !w->sdl)
        Push(w, kMsgActivateApp, 1, 0);
    else if (SDL_GetWindowFlags(w->sdl) & SDL_WINDOW_INPUT_FOCUS)
        Push(w, kMsgActivateApp, 1, 0);
}

bool DestroyAppWindow(Window* w) {
    if (!IsWindowAlive(w)) return false;
    if (w->proc) w->proc(w, kMsgDestroy, 0, 0);
    DisplayForgetWindow(w);
    if (w->sdl) SDL_DestroyWindow(w->sdl);
    w->sdl = nullptr;
    w->alive = false;
    if (mainWin.load() == w) mainWin = nullptr;
    return true;
}

void MinimizeAppWindow(Window* w) {
    if (IsWindowAlive(w) && w->sdl) SDL_MinimizeWindow(w->sdl);
}

bool IsWindowAlive(const Window* w) { return w && w->alive; }
Window* MainAppWindow() { return mainWin; }

int32_t ScreenWidth() {
    SDL_DisplayMode m;
    if (HasDisplay() && SDL_GetDesktopDisplayMode(0, &m) == 0) return m.w;
    return 800;
}
int32_t ScreenHeight() {
    SDL_DisplayMode m;
    if (HasDisplay() && SDL_GetDesktopDisplayMode(0, &m) == 0) return m.h;
    return 600;
}

intptr_t DefWindowProc(Window* w, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    (void)wParam;
    switch (msg) {
    case kMsgClose:
        DestroyAppWindow(w);
        return 0;
    case kMsgSysKeyDown:
        // Alt+F4 asks the window to close.
        if (int32_t(wParam) == kVkF4 && (uint32_t(lParam) & (1u << 29)))
            return SendAppMessage(w, kMsgSysCommand, kScClose, 0);
        return 0;
    case kMsgSysCommand:
        if ((wParam & 0xFFF0) == kScClose) return SendAppMessage(w, kMsgClose, 0, 0);
        return 0;
    case kMsgSetCursor:
        SetCursorVisibleImage(true);
        return 1;
    default:
        return 0;
    }
}

intptr_t SendAppMessage(Window* w, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    if (!IsWindowAlive(w) || !w->proc) return 0;
    return w->proc(w, msg, wParam, lParam);
}

bool PeekAppMessage(Message* out) {
    PumpSdl();
    std::lock_guard<std::mutex> lock(queueMutex);
    if (PopLocked(out)) {
        TrackInput(*out);
        return true;
    }
    if (quitPosted) {
        quitPosted = false;
        *out = Message{};
        out->message = kMsgQuit;
        out->wParam = uintptr_t(quitCode);
        out->time = TimeMs();
        return true;
    }
    return false;
}

void WaitAppMessage() {
    PumpSdl();
    if (!QueueEmpty()) return;
    if (VirtualClockOn()) {
        // Tests never block: an idle wait only lets time pass.
        AdvanceVirtualClockForTests(1);
        return;
    }
    for (;;) {
        if (sdlEventsUp) {
            SDL_WaitEventTimeout(nullptr, 100);
        } else {
            std::unique_lock<std::mutex> lock(queueMutex);
            queueCv.wait_for(lock, std::chrono::milliseconds(100));
        }
        PumpSdl();
        if (!QueueEmpty()) return;
    }
}

void WaitAppMessageTimeout(uint32_t ms) {
    PumpSdl();
    if (!QueueEmpty()) return;
    if (VirtualClockOn()) {
        AdvanceVirtualClockForTests(ms);
        return;
    }
    const uint32_t start = TimeMs();
    for (;;) {
        const uint32_t spent = TimeMs() - start;
        if (spent >= ms) return;
        const uint32_t left = ms - spent;
        if (sdlEventsUp) {
            SDL_WaitEventTimeout(nullptr, int(left));
        } else {
            std::unique_lock<std::mutex> lock(queueMutex);
            queueCv.wait_for(lock, std::chrono::milliseconds(left));
        }
        PumpSdl();
        if (!QueueEmpty()) return;
    }
}

void TranslateAppMessage(const Message&) {
    // Character messages are not used by the game; nothing to add.
}

intptr_t DispatchAppMessage(const Message& m) {
    if (!IsWindowAlive(m.window) || !m.window->proc) return 0;
    return m.window->proc(m.window, m.message, m.wParam, m.lParam);
}

void PostQuitMessage(int32_t exitCode) {
    {
        std::lock_guard<std::mutex> lock(queueMutex);
        quitPosted = true;
        quitCode = exitCode;
    }
    queueCv.notify_all();
}

void PostAppMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    Window* w = mainWin;
    if (!w) return;
    Push(w, msg, wParam, lParam);
    // Wake a main thread that sleeps in SDL's event wait.
    if (sdlEventsUp && wakeEventType) {
        SDL_Event e;
        std::memset(&e, 0, sizeof e);
        e.type = wakeEventType;
        SDL_PushEvent(&e);
    }
}

bool PostMessageTo(Window* w, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    if (!IsWindowAlive(w)) return false;
    return Push(w, msg, wParam, lParam);
}

int16_t GetKeyState(int32_t vk) {
    if (vk < 0 || vk > 255) return 0;
    return int16_t(uint16_t((keyDown[vk] ? 0x8000u : 0u) | (keyToggle[vk] & 1u)));
}

int32_t ShowCursor(bool show) {
    cursorCount += show ? 1 : -1;
    ApplyCursor();
    return cursorCount;
}

void SetCursorVisibleImage(bool arrow) {
    if (cursorArrow == arrow) return;
    cursorArrow = arrow;
    ApplyCursor();
}

void ClipCursor(const Rect* r) {
    Window* w = mainWin;
    SDL_Window* sw = NativeWindow(w);
    if (!r) {
        cursorClipped = false;
        if (sw) SDL_SetWindowMouseRect(sw, nullptr);
        return;
    }
    cursorClipped = true;
    cursorClip = *r;
    if (sw && HasDisplay()) {
        int32_t x0, y0, x1, y1;
        LogicalToWindowPoint(w, r->left, r->top, &x0, &y0);
        LogicalToWindowPoint(w, r->right, r->bottom, &x1, &y1);
        SDL_Rect sr{x0, y0, x1 - x0, y1 - y0};
        if (sr.w > 0 && sr.h > 0) SDL_SetWindowMouseRect(sw, &sr);
    }
}

void SetCursorPos(int32_t x, int32_t y) {
    Window* w = mainWin;
    SDL_Window* sw = NativeWindow(w);
    if (!sw || !HasDisplay()) return;
    int32_t wx, wy;
    LogicalToWindowPoint(w, x, y, &wx, &wy);
    SDL_WarpMouseInWindow(sw, wx, wy);
}

void EnableTextInput(bool on) {
    textInputOn = on;
    if (!sdlVideoUp) return;
    if (on)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

int32_t ShowMessageBox(Window* owner, const std::string& text, const std::string& caption, uint32_t flags) {
    const bool yesNo = (flags & 0xF) == kMbYesNo;
    if (HasDisplay() && !forceHeadlessBoxes) {
        SDL_MessageBoxButtonData yesNoButtons[2] = {
            {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kIdYes, "はい"},
            {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kIdNo, "いいえ"},
        };
        SDL_MessageBoxButtonData okButton[1] = {
            {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kIdOk, "OK"},
        };
        SDL_MessageBoxData data;
        std::memset(&data, 0, sizeof data);
        data.flags =
            (flags & 0xF0) == kMbIconExclamation ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
        data.window = NativeWindow(owner);
        data.title = caption.c_str();
        data.message = text.c_str();
        data.numbuttons = yesNo ? 2 : 1;
        data.buttons = yesNo ? yesNoButtons : okButton;
        int pressed = -1;
        if (SDL_ShowMessageBox(&data, &pressed) == 0 && pressed >= 0) return pressed;
        // No box could be shown: fall through to the headless report.
    }
    recordedBoxes.push_back({text, caption, flags});
    if (!quietBoxes) std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    if (!queuedAnswers.empty()) {
        int32_t a = queuedAnswers.front();
        queuedAnswers.erase(queuedAnswers.begin());
        return a;
    }
    return yesNo ? kIdYes : kIdOk;
}

void MessageBeep(uint32_t) {}

// ---- test hooks ----

const std::vector<RecordedMessageBox>& RecordedMessageBoxes() { return recordedBoxes; }
void ClearRecordedMessageBoxesForTests() { recordedBoxes.clear(); }
void QueueMessageBoxAnswerForTests(int32_t answer) { queuedAnswers.push_back(answer); }
void ForceHeadlessMessageBoxesForTests(bool on) { forceHeadlessBoxes = on; }
void SetQuietMessageBoxesForTests(bool quiet) { quietBoxes = quiet; }
void FailWindowCreationForTests(bool fail) { failWindowCreation = fail; }

void InjectKeyForTests(int32_t vk, bool down, bool repeat) {
    uint32_t scan = 0;
    bool ext = false;
    if (vk == kVkLShift || vk == kVkRShift) {
        scan = vk == kVkRShift ? 0x36 : 0x2A;
        vk = kVkShift;
    } else if (vk == kVkShift) {
        scan = 0x2A;
    } else if (vk == kVkLControl || vk == kVkRControl) {
        ext = vk == kVkRControl;
        vk = kVkControl;
    } else if (vk == kVkLMenu || vk == kVkRMenu) {
        ext = vk == kVkRMenu;
        vk = kVkMenu;
    }
    PostKey(vk, scan, ext, down, repeat, vk == kVkMenu && down);
}

void InjectSysKeyForTests(int32_t vk, bool down) { PostKey(vk, 0, false, down, false, true); }
void InjectMouseMoveForTests(int32_t x, int32_t y) { PostMouseMove(x, y); }
void InjectMouseButtonForTests(int32_t button, bool down, int32_t x, int32_t y) {
    PostMouseButton(button, down, false, x, y);
}
void InjectDoubleClickForTests(int32_t x, int32_t y) {
    // What the system sends for two quick clicks: down, up, double-click, up.
    PostMouseButton(0, true, false, x, y);
    PostMouseButton(0, false, false, x, y);
    Window* mw = mainWin;
    PostMouseButton(0, true, mw && (mw->classStyle & kCsDblClks), x, y);
    PostMouseButton(0, false, false, x, y);
}
void SetKeyStateForTests(int32_t vk, bool down) { SetKeyDown(vk, down); }
void ClearKeyStatesForTests() {
    std::memset(keyDown, 0, sizeof keyDown);
    std::memset(keyToggle, 0, sizeof keyToggle);
}
void ResetWindowingForTests() {
    ShutdownWindowing();
    ClearKeyStatesForTests();
    cursorCount = 0;
    cursorArrow = true;
    cursorClipped = false;
    cursorClip = Rect{0, 0, 0, 0};
    textInputOn = true;
    logicalW = 800;
    logicalH = 600;
    quitCode = 0;
    recordedBoxes.clear();
    queuedAnswers.clear();
    forceHeadlessBoxes = false;
    quietBoxes = false;
    failWindowCreation = false;
}
bool CursorVisibleForTests() { return cursorCount >= 0 && cursorArrow; }
bool CursorClippedForTests() { return cursorClipped; }
bool TextInputOnForTests() { return textInputOn; }
int32_t PendingMessagesForTests() {
    std::lock_guard<std::mutex> lock(queueMutex);
    return int32_t(queueCount);
}

} // namespace plat
