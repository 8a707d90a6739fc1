#include "kit/system/kit_system.h"

#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/draw/text.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/system/joystick.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/instance_lock.h"
#include "platform/time.h"
#include "platform/window.h"

#include <sys/statvfs.h>
#include <sys/sysinfo.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

uint32_t waitDeadlines[12];
int32_t fatalFlag = 0;
int32_t dialogMode = 0;
int32_t messageBoxUp = 0;
int32_t cursorShown = 1;
int32_t cursorClipped = 0;
int32_t windowActive = 0;
float frameDt = 0.0f;
uint32_t frameClock = 0;
int32_t sysKeyMode = 0;
int32_t imeEnabled = 0;
std::string programDir;
std::string installPath;
uint32_t watchedKey = 0, watchedKeyReleases = 0;
uint32_t pressedKey = 0, pressedButton = 0, buttonHeld = 0;

plat::Window* mainWindow = nullptr;
void* appInstance = nullptr;
plat::InstanceLock* instanceMutex = nullptr;
uint32_t lastKey = 0;
int32_t clientLeft = 0, clientTop = 0;
int32_t closingFlag = 0;
std::string windowCaption;

namespace {
int32_t endDone = 0;
int32_t choiceState = 0;
int32_t choiceEntry = 0;

std::string VFormat(const char* format, va_list ap) {
    va_list copy;
    va_copy(copy, ap);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (n <= 0) return "";
    std::string s(size_t(n) + 1, '\0');
    std::vsnprintf(s.data(), s.size(), format, ap);
    s.resize(size_t(n));
    return s;
}

std::string LocalFile(const char* name) { return std::string(kitSystem::ProgramDir(1)) + (name ? name : ""); }

bool LocalDate(std::tm* out) {
    std::time_t t = std::time_t(plat::CalendarSeconds());
    return localtime_r(&t, out) != nullptr;
}
} // namespace

void ResetKitSystemForTests() {
    endDone = 0;
    choiceState = 0;
    choiceEntry = 0;
}

namespace kitSystem {

int Error(const char* name, const char* message, int32_t /*result*/) {
    const std::string text = std::string(name ? name : "") + " : " + (message ? message : "");
    if (directDraw) plat::FlipToGDISurface(directDraw);
    ErrorBeep();
    plat::ShowMessageBox(mainWindow, text, "エラー発生", plat::kMbIconExclamation | plat::kMbSystemModal);
    fatalFlag = 1;
    return 0;
}

int IsFatal() { return fatalFlag; }

int CheckFatal() {
    if (fatalFlag == 1) End();
    return fatalFlag;
}

int SetWait(int32_t n, uint32_t ms) {
    if (n < 1 || n > 10) return Error("kitSystem::SetWait", "ウェイトNoが範囲外です");
    waitDeadlines[n] = plat::TimeMs() + ms;
    return 1;
}

int InitWait(int32_t n) {
    if (n < 1 || n > 10) return Error("kitSystem::InitWait", "ウェイトNoが範囲外です");
    waitDeadlines[n] = kWaitDisarmed;
    return 1;
}

int CheckWait(int32_t n) {
    // Only the table's own entries can be read; any other number never expires.
    if (n < 0 || n > 11) return 0;
    return plat::TimeMs() >= waitDeadlines[n] ? 1 : 0;
}

void Delay(uint32_t ms) {
    waitDeadlines[11] = plat::TimeMs() + ms;
    // Sleep in small steps instead of spinning; the wait ends at the same time.
    while (int32_t(plat::TimeMs() - waitDeadlines[11]) <= 0)
        plat::SleepMs(1);
    ResetFrameClock();
}

int32_t ResetFrameClock() {
    frameDt = 0.0f;
    frameClock = plat::TimeMs();
    return 1;
}

void MeasureFrame() {
    const uint32_t now = plat::TimeMs();
    frameDt = float(double(now - frameClock) / 1000.0);
    frameClock = plat::TimeMs();
}

void KeyState(int32_t vk, int32_t& state) {
    const bool down = (uint16_t(plat::GetKeyState(vk)) & 0x8000u) != 0;
    if (!down)
        state = (state == kKeyPressed || state == kKeyHeld) ? kKeyReleased : kKeyUp;
    else
        state = state == kKeyUp ? kKeyPressed : kKeyHeld;
    if (transitionCounter != 0 || pageOverlayOn || dialogMode == 1) state = kKeyUp;
}

int32_t WaitChoice(int32_t first, ...) {
    if (choiceState == 0 && lastKey == 0 && buttonHeld == 0) choiceState = 1;
    if (choiceState == 1) {
        va_list ap;
        va_start(ap, first);
        for (int32_t entry = first; entry != 0; entry = va_arg(ap, int32_t)) {
            if (uint32_t(entry) == pressedKey || uint32_t(entry) == pressedButton) {
                choiceEntry = entry;
                choiceState = 2;
                break;
            }
        }
        va_end(ap);
    }
    if (choiceState == 2) {
        const bool isButton = choiceEntry == 1 || choiceEntry == 2;
        if (!isButton && uint32_t(choiceEntry) != pressedKey) {
            choiceState = 0;
        } else if (isButton && uint32_t(choiceEntry) != pressedButton) {
            choiceState = 0;
        } else if ((!isButton && lastKey == 0) || (isButton && buttonHeld == 0)) {
            choiceState = 0;
            pressedKey = 0;
            pressedButton = 0;
            return choiceEntry;
        }
    }
    return 0;
}

void SetSysKeyMode(int32_t mode) { sysKeyMode = mode; }
void EnterDialogMode() { dialogMode = 1; }
void LeaveDialogMode() {
    dialogMode = 0;
    lastKey = 0;
}
void SetWatchedKey(uint32_t vk) {
    watchedKey = vk;
    watchedKeyReleases = 0;
}
uint32_t GetWatchedKeyReleases() { return watchedKeyReleases; }

void EnableIme(int32_t on) {
    plat::EnableTextInput(on != 0);
    imeEnabled = on;
}

void ClipCursorRect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    plat::Rect r{left, top, right, bottom};
    plat::ClipCursor(&r);
    cursorClipped = 1;
}

void ClipCursorToView() {
    // Cursor coordinates are the logical screen's; a windowed view starts at
    // the client origin, which is (0, 0) in those coordinates too.
    ClipCursorRect(0, 0, screenWidth, screenHeight);
}

void ReleaseCursorClip() {
    plat::ClipCursor(nullptr);
    cursorClipped = 0;
}

int32_t IsCursorClipped() { return cursorClipped; }

void SetCursorPosClient(int32_t x, int32_t y) { plat::SetCursorPos(x, y); }

static int32_t ShowBox(const std::string& text, const char* caption, uint32_t flags) {
    if (directDraw) plat::FlipToGDISurface(directDraw);
    if (cursorShown == 0) {
        plat::ShowCursor(true);
        cursorShown = 1;
    }
    messageBoxUp = 1;
    const int32_t answer = plat::ShowMessageBox(mainWindow, text + "\r\n", caption, flags);
    messageBoxUp = 0;
    return answer;
}

int32_t MessageBoxPrintf(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const std::string text = VFormat(format, ap);
    va_end(ap);
    ShowBox(text, "メッセージ", plat::kMbIconExclamation | plat::kMbSystemModal);
    return ResetFrameClock();
}

int32_t AskYesNo(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    const std::string text = VFormat(format, ap);
    va_end(ap);
    const int32_t answer = ShowBox(text, "メッセージ", plat::kMbYesNo | plat::kMbIconQuestion);
    ResetFrameClock();
    return answer == plat::kIdYes ? 1 : 0;
}

const char* ProgramDir(int alternative) {
    // Pointers handed out earlier stay valid while the directory is unchanged.
    const std::string dir = plat::ProgramDirectory();
    if (dir != programDir) programDir = dir;
    if (alternative == 1 && !installPath.empty()) {
        // installPath + the program folder's own name, with its trailing separator.
        std::string own = programDir;
        if (!own.empty() && own.back() == '/') own.pop_back();
        const size_t slash = own.find_last_of('/');
        const std::string folder = slash == std::string::npos ? own : own.substr(slash + 1);
        static std::string alt;
        const std::string next = installPath + "/" + folder + "/";
        if (next != alt) alt = next;
        return alt.c_str();
    }
    return programDir.c_str();
}

void ReadInstallPath(const char* fileName) {
    // The system's configuration directory stands where the Windows directory was.
    const std::string dir = "/etc/";
    installPath.clear();
    FILE* f = std::fopen((dir + (fileName ? fileName : "")).c_str(), "r");
    if (!f) return;
    char line[257];
    if (std::fgets(line, sizeof line, f)) {
        std::string s(line);
        if (!s.empty() && s.back() == '\n') s.pop_back();
        if (!s.empty() && (s.back() == '/' || s.back() == '\\')) s.pop_back();
        installPath = s;
    }
    std::fclose(f);
}

void WriteIntFile(const char* name, int32_t value) {
    FILE* f = std::fopen(LocalFile(name).c_str(), "w");
    if (!f) return;
    std::fprintf(f, "%d", value);
    std::fclose(f);
}

int32_t ReadIntFile(const char* name) {
    const std::string path = plat::ResolvePath(LocalFile(name));
    FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "r");
    if (!f) return 0;
    int value = 0;
    if (std::fscanf(f, "%d", &value) != 1) value = 0;
    std::fclose(f);
    return value;
}

void DebugLog(const char* format, ...) {
    FILE* f = std::fopen("DEBUG.TXT", "a");
    if (!f) return;
    va_list ap;
    va_start(ap, format);
    std::vfprintf(f, format, ap);
    va_end(ap);
    std::fputs("\n", f);
    std::fclose(f);
}

uint32_t GetOsVersion() { return 0xFFFFFFFFu; } // not one of the platforms the table knows

int32_t GetColorDepth() { return plat::DesktopBitsPerPixel(); }

int32_t IsWindowed() { return fullScreen == 0 ? 1 : 0; }

uint32_t GetDiskFree(char) {
    struct statvfs st;
    if (::statvfs(ProgramDir(0), &st) != 0) return 0;
    return uint32_t(uint64_t(st.f_bavail) * uint64_t(st.f_frsize)); // a 32-bit product, as reported
}

uint32_t GetFreeMemory() {
    struct sysinfo si;
    if (::sysinfo(&si) != 0) return 0;
    const uint64_t bytes = uint64_t(si.freeram) * uint64_t(si.mem_unit);
    return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : uint32_t(bytes);
}

// One reading of the clock for the date and its weekday, so both agree at midnight.
static std::tm DateInto(int32_t* year, int32_t* month, int32_t* day) {
    std::tm tm{};
    LocalDate(&tm);
    if (year) *year = tm.tm_year + 1900;
    if (month) *month = tm.tm_mon + 1;
    if (day) *day = tm.tm_mday;
    return tm;
}

void GetDate(int32_t* year, int32_t* month, int32_t* day) { DateInto(year, month, day); }

void GetDateWeekday(int32_t* year, int32_t* month, int32_t* day, std::string* weekday) {
    static const char* const names[7] = {"日", "月", "火", "水", "木", "金", "土"};
    const std::tm tm = DateInto(year, month, day);
    if (weekday) *weekday = names[tm.tm_wday >= 0 && tm.tm_wday < 7 ? tm.tm_wday : 0];
}

const char* GetCaption() { return windowCaption.c_str(); }

static const char* ColourCount(int32_t depth) {
    switch (depth) {
    case 8:
        return "256";
    case 16:
        return "65536";
    case 24:
    case 32:
        return "1670万";
    default:
        return nullptr;
    }
}

int32_t CheckColorDepth(const char* name) {
    const char* wanted = ColourCount(displayDepth);
    if (!wanted || fullScreen) return 1;
    const int32_t desktop = GetColorDepth();
    if (desktop >= displayDepth) return 1;
    const char* current = ColourCount(desktop);
    MessageBoxPrintf("　ウィンドウ状態で実行しようとしていますが、"
                     "画面が%s色以下に設定されています。\n"
                     "正しく動作させるには、%s色以上に設定するか、"
                     "フルスクリーンで実行させて下さい。",
                     current ? current : "?", wanted);
    const bool noName = !name || !*name;
    if (noName) {
        End();
        return 0;
    }
    const bool star = std::strcmp(name, "*") == 0;
    if (!AskYesNo("%s", star ? "フルスクリーンに切り換えますか？" : "フルスクリーンに設定し直しますか？")) {
        End();
        return 0;
    }
    if (!star) WriteIntFile(name, 1);
    fullScreen = 1;
    return 1;
}

void SetActive(int32_t on) { windowActive = on; }
void EmptyHook(int32_t) {}

int32_t Init() {
    for (int i = 1; i <= 11; ++i)
        waitDeadlines[i] = kWaitDisarmed;
    LeaveDialogMode();
    sysKeyMode = 0;
    if (fullScreen) ClipCursorToView();
    return 1;
}

int32_t End() {
    if (endDone) return 1;
    endDone = 1;
    ReleaseCursorClip();
    FreeFontState();
    kitSound::Release();
    kitDraw::Release();
    if (instanceMutex) {
        plat::ReleaseInstanceLock(instanceMutex);
        instanceMutex = nullptr;
    }
    if (!closingFlag) plat::PostMessageTo(mainWindow, plat::kMsgClose, 0, 0);
    closingFlag = 2;
    return 1;
}

} // namespace kitSystem
