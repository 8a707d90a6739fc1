#pragma once
// The window and its message queue. SDL events become messages shaped the way
// the library's window procedure expects them (ids, key codes, packed
// coordinates), so the procedure can be written message by message. Under the
// dummy video driver, or with no display at all, the window still exists as a
// queue: the program runs, and input comes from the test hooks.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace plat {

// Message ids (numerically the ones the library was written against).
enum : uint32_t {
    kMsgDestroy = 0x0002,
    kMsgMove = 0x0003,
    kMsgPaint = 0x000F,
    kMsgClose = 0x0010,
    kMsgQuit = 0x0012,
    kMsgActivateApp = 0x001C,
    kMsgSetCursor = 0x0020,
    kMsgKeyDown = 0x0100,
    kMsgKeyUp = 0x0101,
    kMsgChar = 0x0102,
    kMsgSysKeyDown = 0x0104,
    kMsgSysKeyUp = 0x0105,
    kMsgSysCommand = 0x0112,
    kMsgMouseMove = 0x0200,
    kMsgLButtonDown = 0x0201,
    kMsgLButtonUp = 0x0202,
    kMsgLButtonDblClk = 0x0203,
    kMsgRButtonDown = 0x0204,
    kMsgRButtonUp = 0x0205,
    kMsgRButtonDblClk = 0x0206,
    kMsgMciNotify = 0x03B9,
    kMsgUser = 0x0400, // first id free for the program's own messages
};

// Music notification codes (wParam of kMsgMciNotify).
enum : uint32_t {
    kMciNotifySuccessful = 1,
    kMciNotifySuperseded = 2,
    kMciNotifyAborted = 4,
    kMciNotifyFailure = 8,
};

// System commands (wParam of kMsgSysCommand, low four bits masked off).
enum : uint32_t {
    kScClose = 0xF060,
    kScScreenSave = 0xF140,
};

// Virtual key codes.
enum : int32_t {
    kVkLButton = 0x01,
    kVkRButton = 0x02,
    kVkBack = 0x08,
    kVkTab = 0x09,
    kVkReturn = 0x0D,
    kVkShift = 0x10,
    kVkControl = 0x11,
    kVkMenu = 0x12, // Alt
    kVkPause = 0x13,
    kVkCapital = 0x14,
    kVkEscape = 0x1B,
    kVkSpace = 0x20,
    kVkPrior = 0x21,
    kVkNext = 0x22,
    kVkEnd = 0x23,
    kVkHome = 0x24,
    kVkLeft = 0x25,
    kVkUp = 0x26,
    kVkRight = 0x27,
    kVkDown = 0x28,
    kVkInsert = 0x2D,
    kVkDelete = 0x2E,
    kVk0 = 0x30, // '0'..'9' follow
    kVkA = 0x41, // 'A'..'Z' follow
    kVkNumpad0 = 0x60,
    kVkMultiply = 0x6A,
    kVkAdd = 0x6B,
    kVkSubtract = 0x6D,
    kVkDecimal = 0x6E,
    kVkDivide = 0x6F,
    kVkF1 = 0x70, // F1..F12 follow
    kVkF4 = 0x73,
    kVkF10 = 0x79,
    kVkF12 = 0x7B,
    kVkLShift = 0xA0,
    kVkRShift = 0xA1,
    kVkLControl = 0xA2,
    kVkRControl = 0xA3,
    kVkLMenu = 0xA4,
    kVkRMenu = 0xA5,
};

// Window styles the game's window uses.
enum : uint32_t {
    kWsPopup = 0x80000000u,
    kWsSysMenu = 0x00080000u,
    kWsCaption = 0x00C00000u,
};

// Window class styles.
enum : uint32_t {
    kCsVRedraw = 0x1,
    kCsHRedraw = 0x2,
    kCsDblClks = 0x8,
};

// Message box flags and answers.
enum : uint32_t {
    kMbOk = 0x0,
    kMbYesNo = 0x4,
    kMbIconQuestion = 0x20,
    kMbIconExclamation = 0x30,
    kMbSystemModal = 0x1000,
};
enum : int32_t {
    kIdOk = 1,
    kIdCancel = 2,
    kIdYes = 6,
    kIdNo = 7,
};

struct Window;
using WindowProc = intptr_t (*)(Window* window, uint32_t msg, uintptr_t wParam, intptr_t lParam);

struct WindowClass {
    uint32_t style = 0;
    WindowProc proc = nullptr;
    std::string iconName;
    std::string menuName;
    std::string className;
};

struct Message {
    Window* window = nullptr;
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
    uint32_t time = 0;
};

// Packs two 16-bit values the way coordinates travel in lParam.
inline intptr_t MakeLParam(int32_t low, int32_t high) {
    return intptr_t(uint32_t(low & 0xFFFF) | (uint32_t(high & 0xFFFF) << 16));
}

// Brings up SDL's event and video subsystems. Safe to call more than once;
// returns false when no display can be used at all (the queue still works).
bool InitWindowing();
// Closes the window system down (after the last window was destroyed).
void ShutdownWindowing();
// True when a real display is in use (not the dummy driver, not headless).
bool HasDisplay();
// Name of the video driver in use ("" without one).
std::string VideoDriverName();

bool RegisterWindowClass(const WindowClass& wc);
// Creates a hidden window of a registered class. Null when the class is unknown
// or a real display refuses the window.
Window* CreateAppWindow(const std::string& className, const std::string& caption, uint32_t style, int32_t x,
                        int32_t y, int32_t width, int32_t height);
// Shows the window. Where the window can never receive focus (dummy driver, no
// display) the activation is posted here instead.
void ShowAppWindow(Window* w);
// Sends kMsgDestroy to the window procedure, then removes the window.
bool DestroyAppWindow(Window* w);
// Minimises the window.
void MinimizeAppWindow(Window* w);
bool IsWindowAlive(const Window* w);
// The main (first created, still alive) window, or null.
Window* MainAppWindow();
// Size of the screen the window is shown on (GetSystemMetrics); 800x600 headless.
int32_t ScreenWidth();
int32_t ScreenHeight();

// The default handling of a message (DefWindowProc).
intptr_t DefWindowProc(Window* w, uint32_t msg, uintptr_t wParam, intptr_t lParam);
// Calls the window procedure directly (SendMessage).
intptr_t SendAppMessage(Window* w, uint32_t msg, uintptr_t wParam, intptr_t lParam);

// Takes the next message, if any (PeekMessage with removal). Pending SDL events
// are translated first. The key states follow the key messages taken.
bool PeekAppMessage(Message* out);
// Blocks until a message is waiting. Under the virtual clock it never blocks.
void WaitAppMessage();
// Waits until a message is waiting or `ms` have passed. Under the virtual clock
// it returns at once when a message waits, else advances the clock by `ms`.
void WaitAppMessageTimeout(uint32_t ms);
void TranslateAppMessage(const Message& m);
intptr_t DispatchAppMessage(const Message& m);
void PostQuitMessage(int32_t exitCode);

// Posts a message to the main window. Safe from any thread (the music player
// posts its end-of-track notification from the audio thread).
void PostAppMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam);
bool PostMessageTo(Window* w, uint32_t msg, uintptr_t wParam, intptr_t lParam);

// Key state as GetKeyState reports it: bit 15 set while the key is down, bit 0
// toggles with each press.
int16_t GetKeyState(int32_t vk);

// Cursor: visibility counter (ShowCursor), the cursor image (SetCursor with or
// without a cursor), confinement (ClipCursor, null = free) and warping.
int32_t ShowCursor(bool show);
void SetCursorVisibleImage(bool arrow);
void ClipCursor(const Rect* logicalRect);
void SetCursorPos(int32_t x, int32_t y);
// Input method editor (text input) on or off.
void EnableTextInput(bool on);

// A message box: an SDL box with a display, else stderr and the recorder; the
// headless form never blocks. Returns kIdOk, kIdYes or kIdNo.
int32_t ShowMessageBox(Window* owner, const std::string& text, const std::string& caption, uint32_t flags);
void MessageBeep(uint32_t type);

// ---- test hooks ----
struct RecordedMessageBox {
    std::string text;
    std::string caption;
    uint32_t flags;
};
const std::vector<RecordedMessageBox>& RecordedMessageBoxes();
void ClearRecordedMessageBoxesForTests();
// The next headless box answers this (default: Yes for Yes/No boxes, OK else).
void QueueMessageBoxAnswerForTests(int32_t answer);
// The headless form even with a display (and nothing printed when quiet).
void ForceHeadlessMessageBoxesForTests(bool on);
void SetQuietMessageBoxesForTests(bool quiet);
// Window creation fails.
void FailWindowCreationForTests(bool fail);
// Input, queued as the messages a real keyboard and mouse would produce
// (coordinates are logical 800x600 ones).
void InjectKeyForTests(int32_t vk, bool down, bool repeat = false);
void InjectSysKeyForTests(int32_t vk, bool down);
void InjectMouseMoveForTests(int32_t x, int32_t y);
// button 0 left, 1 right.
void InjectMouseButtonForTests(int32_t button, bool down, int32_t x, int32_t y);
void InjectDoubleClickForTests(int32_t x, int32_t y);
// Sets a key's state directly, without a message.
void SetKeyStateForTests(int32_t vk, bool down);
void ClearKeyStatesForTests();
// Closes the window system and puts the queue, keys, cursor, input size,
// recorded boxes and every hook above back as a fresh process has them.
void ResetWindowingForTests();
// Cursor state as last set, for tests.
bool CursorVisibleForTests();
bool CursorClippedForTests();
bool TextInputOnForTests();
int32_t PendingMessagesForTests();
} // namespace plat
