#include "game/shell/main_loop.h"

#include "game/shell/new_game.h"
#include "game/shell/scenes.h"
#include "game/state/game_state.h"
#include "game/state/scene_state.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/draw/text.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/system/frame_timer.h"
#include "kit/system/joystick.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/instance_lock.h"
#include "platform/time.h"
#include "platform/window.h"

#include <cstdio>
#include <cstring>

void (*beforeSceneFrameHook)() = nullptr;
void (*afterSceneFrameHook)() = nullptr;

namespace {
using SceneFunction = void (*)();
// Indexed by scene number; 0 is not a scene.
constexpr SceneFunction kSceneTable[13] = {
    nullptr,     TitleScene,  StageScene2, StageScene3, StageScene4, StageScene5,       StageScene6,
    StageScene7, StageScene8, StageScene9, EndingScene, SetupScene,  WeaponSelectScene,
};

// The 16-bit halves of lParam as signed screen coordinates.
int32_t SignedHalf(uint32_t v) {
    int32_t s = int32_t(v & 0xFFFF);
    return s > 32768 ? s - 65536 : s;
}
} // namespace

void InitGlobals() {
    mainWindow = nullptr;
    appInstance = nullptr;
    instanceMutex = nullptr;
    currentScene = previousScene = nextScene = sceneChanged = 0;
    mouseX = mouseY = 0;
    leftButtonDown = rightButtonDown = leftDoubleClick = 0;
    lastKey = 0;
    clientLeft = clientTop = 0;
    frameDt = 0.0f;
    fullScreen = 1;
    cursorShown = 1;
    closingFlag = 0;
    windowActive = 0;
    frameClock = plat::TimeMs();
}

int32_t SingleInstanceGuard(const char* caption) {
    const std::string name = std::string(caption) + ":KitMutex";
    bool held = false;
    instanceMutex = plat::CreateInstanceLock(name, &held);
    if (held) {
        // The running copy keeps the screen; there is no way to raise its window from here.
        std::fprintf(stderr, "%s is already running\n", caption);
        return 0;
    }
    return 1;
}

bool RunSceneFunction(int32_t scene) {
    if (scene < kSceneTitle || scene > kSceneWeaponSelect) return false;
    kSceneTable[scene]();
    return true;
}

void OnKeyDown(uint32_t vk) {
    lastKey = vk;
    switch (vk) {
    case plat::kVkEscape:
        MidiStop();
        kitSystem::End();
        break;
    case 'S':
        if (!continuePrompt) pauseFlag = 1 - pauseFlag;
        break;
    case 'T':
        MidiStop();
        SetDefaultOptions();
        currentScene = kSceneTitle;
        previousScene = 0;
        break;
    default:
        break;
    }
}

intptr_t MainWndProc(plat::Window* window, uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    switch (msg) {
    case plat::kMsgDestroy:
        plat::PostQuitMessage(0);
        return 0;
    case plat::kMsgMove:
        clientLeft = SignedHalf(uint32_t(lParam));
        clientTop = SignedHalf(uint32_t(lParam) >> 16);
        presentRect = {clientLeft, clientTop, clientLeft + screenWidth, clientTop + screenHeight};
        break;
    case plat::kMsgClose:
        if (closingFlag == 0) closingFlag = 1;
        if (closingFlag < 2) kitSystem::End();
        plat::DestroyAppWindow(window);
        return 0;
    case plat::kMsgActivateApp:
        if (wParam == 0) {
            kitSystem::SetActive(0);
            if (cursorShown == 0) {
                plat::ShowCursor(true);
                cursorShown = 1;
            }
        } else {
            kitSystem::SetActive(1);
            kitSystem::ResetFrameClock();
        }
        return 0;
    case plat::kMsgSetCursor:
        if (fullScreen == 1 && messageBoxUp == 0) {
            plat::SetCursorVisibleImage(false);
            return 1;
        }
        break;
    case plat::kMsgKeyDown:
        OnKeyDown(uint32_t(wParam));
        break;
    case plat::kMsgKeyUp:
        if (uint32_t(wParam) == lastKey) lastKey = 0;
        break;
    case plat::kMsgSysKeyDown:
        // No default handling: Alt, F10 and Alt+F4 do nothing.
        return 0;
    case plat::kMsgSysCommand:
        if ((wParam & 0xFFF0) == plat::kScScreenSave) return 0;
        break;
    case plat::kMsgMouseMove:
        mouseX = int32_t(uint32_t(lParam) & 0xFFFF);
        mouseY = int32_t((uint32_t(lParam) >> 16) & 0xFFFF);
        break;
    case plat::kMsgLButtonDown:
        leftButtonDown = 1;
        break;
    case plat::kMsgLButtonUp:
        leftButtonDown = 0;
        break;
    case plat::kMsgRButtonDown:
        rightButtonDown = 1;
        break;
    case plat::kMsgRButtonUp:
        rightButtonDown = 0;
        break;
    case plat::kMsgLButtonDblClk:
        leftDoubleClick = 1;
        return 0;
    case plat::kMsgRButtonDblClk:
        return 0;
    case plat::kMsgMciNotify:
        // The track played to its end: every track of the game loops.
        if (wParam == plat::kMciNotifySuccessful && midiOpen) {
            std::string mode;
            MciSendString("status midi mode", &mode);
            if (mode.size() >= 2 && mode[0] == 's' && mode[1] == 't') MidiRestart();
        }
        break;
    default:
        break;
    }
    return plat::DefWindowProc(window, msg, wParam, lParam);
}

int32_t WinMainStart(void* instance, const char*, int) {
    windowCaption = kGameCaption;
    InitGlobals();
    if (!SingleInstanceGuard(windowCaption.c_str())) return 0;

    plat::InitWindowing();
    plat::WindowClass wc;
    wc.style = plat::kCsVRedraw | plat::kCsHRedraw | plat::kCsDblClks;
    wc.proc = MainWndProc;
    wc.iconName = "MAIN";
    wc.menuName = "DEFAULT";
    wc.className = "DEFAULT";
    plat::RegisterWindowClass(wc);
    mainWindow = plat::CreateAppWindow("DEFAULT", windowCaption, plat::kWsPopup | plat::kWsSysMenu, 0, 0,
                                       plat::ScreenWidth(), plat::ScreenHeight());
    if (!mainWindow) {
        // Nothing else was started; let the next copy run.
        plat::ReleaseInstanceLock(instanceMutex);
        instanceMutex = nullptr;
        return 0;
    }
    plat::ShowAppWindow(mainWindow);

    appInstance = instance;
    kitSystem::SeedRandom(uint32_t(plat::CalendarSeconds()));
    kitSystem::EnableIme(0);

    LoadAssets();
    kitSystem::ResetFrameClock();
    return 1;
}

LoopPass MainLoopPass() {
    plat::Message m;
    if (plat::PeekAppMessage(&m)) {
        if (m.message == plat::kMsgQuit) return LoopPass::Quit;
        plat::TranslateAppMessage(m);
        plat::DispatchAppMessage(m);
        return LoopPass::Message;
    }
    if (windowActive == 0) {
        plat::WaitAppMessage();
        return LoopPass::Waited;
    }

    // The shell's own measure; FrameWait replaces it before a scene runs.
    kitSystem::MeasureFrame();
    // A switch made outside a frame (the loader, the T key) is seen here.
    if (previousScene == 0 && currentScene != 0) {
        sceneChanged = 1;
        previousScene = currentScene;
    }

    LoopPass result;
    if (transitionStep == 1) {
        PresentFrame();
        if (transitionStep == 0) currentScene = nextScene;
        result = LoopPass::FadeStep;
    } else if (FrameWait()) {
        if (beforeSceneFrameHook) beforeSceneFrameHook();
        result = RunSceneFunction(currentScene) ? LoopPass::SceneFrame : LoopPass::NoScene;
        if (afterSceneFrameHook) afterSceneFrameHook();
    } else {
        // Nothing to do until the next frame is due: sleep instead of spinning,
        // waking early for any message.
        // Most of the wait listens for messages; the last moments are slept
        // to the counter's precision so frames keep their 60 Hz period.
        const uint32_t wait = FrameMsUntilDue();
        if (wait > 2)
            plat::WaitAppMessageTimeout(wait - 2);
        else
            FrameSleepUntilDue();
        return LoopPass::NotDue;
    }

    if (result == LoopPass::SceneFrame || result == LoopPass::FadeStep) {
        sceneChanged = currentScene != previousScene ? 1 : 0;
        previousScene = currentScene;
        leftDoubleClick = 0;
    }
    return result;
}

void WinMainEnd() {
    // Esc and the window's close both ran kitSystem::End already; this covers
    // a loop that ended another way.
    kitSystem::End();
    if (plat::IsWindowAlive(mainWindow)) plat::DestroyAppWindow(mainWindow);
    mainWindow = nullptr;
    plat::ShutdownWindowing();
}

int WinMain(void* instance, void*, const char* commandLine, int showCommand) {
    if (!WinMainStart(instance, commandLine, showCommand)) {
        plat::ShutdownWindowing();
        return 0;
    }
    while (MainLoopPass() != LoopPass::Quit) {
    }
    WinMainEnd();
    return 0;
}
