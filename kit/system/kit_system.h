#pragma once
// kitSystem: the library's system services. The error report every other
// library part leans on, millisecond waits, key edge states, the cursor,
// message boxes, the program directory, a debug log, small machine queries,
// and the orderly shut-down.
#include <cstdint>
#include <string>

namespace plat {
struct Window;
struct InstanceLock;
} // namespace plat

// ---- state of the system part ----
extern uint32_t waitDeadlines[12]; // 1..10: waits; 11: Delay's deadline; 999999999 = disarmed
extern int32_t fatalFlag;          // set by every error report
extern int32_t dialogMode;         // 1: key edge states read 0
extern int32_t messageBoxUp;       // 1 while a library message box is shown
extern int32_t cursorShown;
extern int32_t cursorClipped;
extern int32_t windowActive;
extern float frameDt;       // seconds of the last frame
extern uint32_t frameClock; // millisecond stamp frameDt is measured from
extern int32_t sysKeyMode;  // how system keys are treated: 0 ignore all, 2 ignore Alt itself, other pass all
extern int32_t imeEnabled;
extern std::string programDir;  // with a trailing separator
extern std::string installPath; // alternative base directory (empty in the game)
extern uint32_t watchedKey, watchedKeyReleases;
extern uint32_t pressedKey, pressedButton, buttonHeld;

// ---- kept by the shell's window procedure, read by the library ----
extern plat::Window* mainWindow;
extern void* appInstance;
extern plat::InstanceLock* instanceMutex;
extern uint32_t lastKey;              // virtual key of the last key pressed; 0 when released or consumed
extern int32_t clientLeft, clientTop; // screen position of the client area
extern int32_t closingFlag;           // 0 running, 1 the close is being handled, 2 kitSystem::End has run
extern std::string windowCaption;

// Key edge states.
enum : int32_t {
    kKeyUp = 0,
    kKeyPressed = 1,
    kKeyReleased = 2,
    kKeyHeld = 3,
};

constexpr uint32_t kWaitDisarmed = 999999999u;

namespace kitSystem {
// Shows the error box ("エラー発生", text = name + " : " + message), sets the
// fatal flag and returns 0. The result argument is not used.
int Error(const char* name, const char* message, int32_t result = 0);
int IsFatal();
// Calls End when the fatal flag is set; returns the flag.
int CheckFatal();

// Waits: n is 1..10.
int SetWait(int32_t n, uint32_t ms);
int InitWait(int32_t n);
int CheckWait(int32_t n);
void Delay(uint32_t ms);
int32_t ResetFrameClock();
void MeasureFrame();

// Advances one key's edge state from the key's current state: 0 up,
// 1 pressed this frame, 3 held, 2 released this frame. Reads 0 while a
// transition runs, the page overlay is shown or a dialog owns the keyboard.
void KeyState(int32_t vk, int32_t& state);
// A click detector over a list of keys or buttons (1 left, 2 right) ended by 0:
// returns the entry once it was pressed and released, else 0.
int32_t WaitChoice(int32_t first, ...);
void SetSysKeyMode(int32_t mode);
void EnterDialogMode();
void LeaveDialogMode();
void SetWatchedKey(uint32_t vk);
uint32_t GetWatchedKeyReleases();
void EnableIme(int32_t on);

// Cursor.
void ClipCursorRect(int32_t left, int32_t top, int32_t right, int32_t bottom);
void ClipCursorToView();
void ReleaseCursorClip();
int32_t IsCursorClipped();
void SetCursorPosClient(int32_t x, int32_t y);

// Message boxes (the text gets "\r\n" appended).
int32_t MessageBoxPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
int32_t AskYesNo(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Paths and files.
const char* ProgramDir(int alternative = 0);
void ReadInstallPath(const char* fileName);
void WriteIntFile(const char* name, int32_t value);
int32_t ReadIntFile(const char* name); // 0 when the file is missing or holds no number
void DebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Queries.
uint32_t GetOsVersion();
int32_t GetColorDepth();
int32_t IsWindowed();
uint32_t GetDiskFree(char driveLetter);
uint32_t GetFreeMemory();
void GetDate(int32_t* year, int32_t* month, int32_t* day);
void GetDateWeekday(int32_t* year, int32_t* month, int32_t* day, std::string* weekday);
const char* GetCaption();
int32_t CheckColorDepth(const char* name);

void SetActive(int32_t on);
void EmptyHook(int32_t);

// Start-up values (called by kitDraw::Screen).
int32_t Init();
// Orderly shut-down, once only: cursor clip, fonts, sound, drawing, the
// single-instance lock, then a close message to the window. Returns 1.
int32_t End();
} // namespace kitSystem

// Test hook: forget that End ran, and the state WaitChoice keeps.
void ResetKitSystemForTests();
