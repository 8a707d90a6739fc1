#include "harness/game_harness.h"

#include "game/state/game_state.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/draw/text.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/system/joystick.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/instance_lock.h"
#include "platform/time.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MainLoop, StartsHeadlessAndQuitsOnEsc) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    EXPECT_NE(mainWindow, nullptr);
    EXPECT_EQ(fullScreen, 1);
    EXPECT_EQ(currentScene, 1);
    EXPECT_FALSE(plat::TextInputOnForTests()); // the input method is off
    EXPECT_EQ(h.RunFrames(5), 5);
    EXPECT_EQ(windowActive, 1);
    ASSERT_NE(backBuffer, nullptr);
    h.Tap(plat::kVkEscape);
    EXPECT_EQ(h.RunToExit(), 0);
    EXPECT_EQ(closingFlag, 2);
    EXPECT_EQ(directDraw, nullptr);
    EXPECT_FALSE(plat::IsWindowAlive(mainWindow));
    EXPECT_TRUE(h.MessageBoxes().empty());
    // The lock went with the program: a new copy may start.
    bool held = true;
    plat::InstanceLock* lock = plat::CreateInstanceLock("VEX TALON:KitMutex", &held);
    EXPECT_NE(lock, nullptr);
    EXPECT_FALSE(held);
    plat::ReleaseInstanceLock(lock);
}

TEST(MainLoop, SecondCopyReturnsAtOnce) {
    GameHarness h;
    bool held = true;
    plat::InstanceLock* first = plat::CreateInstanceLock("VEX TALON:KitMutex", &held);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(h.Start());
    EXPECT_EQ(mainWindow, nullptr);
    EXPECT_EQ(directDraw, nullptr);
    EXPECT_EQ(currentScene, 0);
    plat::ReleaseInstanceLock(first);
}

TEST(MainLoop, ExactlyOneFrameSeesSceneChanged) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    std::vector<int32_t> seen;
    h.OnFrame([&] { seen.push_back(sceneChanged * 100 + currentScene); });
    int switchAfter = -1; // frames to run before a scene function switches
    int32_t switchTo = 11;
    h.AfterFrame([&] {
        // A scene function switching as the scene switch does.
        if (switchAfter > 0 && --switchAfter == 0) {
            currentScene = switchTo;
            previousScene = 0;
        }
    });
    switchAfter = 3;
    h.RunFrames(6);
    // The loader's switch, then the scene function's switch.
    EXPECT_EQ(seen, (std::vector<int32_t>{101, 1, 1, 111, 11, 11}));

    // The T key switches outside a frame: the title's first frame sees it once.
    seen.clear();
    h.Tap('T');
    h.RunFrames(3);
    EXPECT_EQ(seen, (std::vector<int32_t>{101, 1, 1}));
    EXPECT_EQ(keyboardControl, 1);
    EXPECT_EQ(effectDrawMode, 1);

    // A switch right before the pacer holds the next pass back still shows up
    // on exactly one frame. (A stage frame does not sleep, unlike the menus,
    // so the pacer does hold the next pass back.)
    h.SetScene(9);
    h.RunFrames(2);
    seen.clear();
    switchAfter = 1;
    switchTo = 9;
    h.RunFrames(1);
    EXPECT_EQ(h.Pass(), LoopPass::NotDue);
    h.RunFrames(2);
    EXPECT_EQ(seen, (std::vector<int32_t>{9, 109, 9}));
}

TEST(MainLoop, LastKeyAndKeyUps) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    h.KeyDown('A');
    h.KeyDown('B');
    h.DrainMessages();
    EXPECT_EQ(lastKey, uint32_t('B')); // two presses between frames: the last one counts
    EXPECT_NE(plat::GetKeyState('A') & 0x8000, 0);
    h.KeyUp('A');
    h.DrainMessages();
    EXPECT_EQ(lastKey, uint32_t('B')); // not the key it holds
    EXPECT_EQ(plat::GetKeyState('A') & 0x8000, 0);
    h.KeyUp('B');
    h.DrainMessages();
    EXPECT_EQ(lastKey, 0u);

    // S toggles the pause, except under the continue prompt.
    h.Tap('S');
    h.DrainMessages();
    EXPECT_EQ(pauseFlag, 1);
    h.Tap('S');
    h.DrainMessages();
    EXPECT_EQ(pauseFlag, 0);
    continuePrompt = 1;
    h.Tap('S');
    h.DrainMessages();
    EXPECT_EQ(pauseFlag, 0);
    continuePrompt = 0;

    // Alt+F4 and other system keys do nothing.
    h.SysKeyDown(plat::kVkF4);
    h.SysKeyDown(plat::kVkMenu);
    h.DrainMessages();
    EXPECT_TRUE(h.Running());
    EXPECT_EQ(h.RunFrames(2), 2);
    EXPECT_EQ(closingFlag, 0);
}

TEST(MainLoop, DoubleClickReachesExactlyOneFrame) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    h.RunFrames(2);
    std::vector<int32_t> clicks;
    h.OnFrame([&] { clicks.push_back(leftDoubleClick); });
    h.DoubleClick(300, 200);
    h.RunFrames(3);
    EXPECT_EQ(clicks, (std::vector<int32_t>{1, 0, 0}));
    EXPECT_EQ(leftButtonDown, 0); // the double-click's press is not a plain press

    h.MouseMove(612, 433);
    h.MouseButton(0, true);
    h.MouseButton(1, true);
    h.DrainMessages();
    EXPECT_EQ(mouseX, 612);
    EXPECT_EQ(mouseY, 433);
    EXPECT_EQ(leftButtonDown, 1);
    EXPECT_EQ(rightButtonDown, 1);
    // The full-screen cursor is hidden over the window.
    EXPECT_FALSE(plat::CursorVisibleForTests());
    h.MouseButton(0, false);
    h.MouseButton(1, false);
    h.MouseMove(5000, -20); // clamped to the screen
    h.DrainMessages();
    EXPECT_EQ(leftButtonDown, 0);
    EXPECT_EQ(rightButtonDown, 0);
    EXPECT_EQ(mouseX, 799);
    EXPECT_EQ(mouseY, 0);
    // With a library message box up the cursor stays.
    messageBoxUp = 1;
    h.MouseMove(10, 10);
    h.DrainMessages();
    EXPECT_TRUE(plat::CursorVisibleForTests());
    messageBoxUp = 0;
}

TEST(MainLoop, InactiveRunsNoFramesAndTheGapCarriesOver) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    h.RunFrames(3);
    plat::PostAppMessage(plat::kMsgActivateApp, 0, 0);
    h.DrainMessages();
    EXPECT_EQ(windowActive, 0);
    const int frames = h.SceneFrames();
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(h.Pass(), LoopPass::Waited);
    EXPECT_EQ(h.SceneFrames(), frames);
    h.AdvanceMs(5000);
    plat::PostAppMessage(plat::kMsgActivateApp, 1, 0);
    h.DrainMessages();
    EXPECT_EQ(windowActive, 1);
    float dt = -1;
    h.OnFrame([&] {
        if (dt < 0) dt = frameDt;
    });
    h.RunFrames(1);
    EXPECT_GT(dt, 5.0f);
    EXPECT_LT(dt, 5.1f);
}

TEST(MainLoop, FadeOutPresentsThenEntersNextScene) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    h.RunFrames(2);
    int sceneCalls = 0;
    h.OnFrame([&] { ++sceneCalls; });
    nextScene = 11;
    transitionCounter = 1;
    transitionStep = 1;
    int fadeSteps = 0;
    for (int i = 0; i < 100 && transitionStep == 1; ++i)
        if (h.Pass() == LoopPass::FadeStep) ++fadeSteps;
    EXPECT_EQ(fadeSteps, 10);
    EXPECT_EQ(sceneCalls, 0);
    EXPECT_EQ(currentScene, 11);
    EXPECT_EQ(sceneChanged, 1);
    std::vector<int32_t> seen;
    h.OnFrame([&] { seen.push_back(sceneChanged); });
    h.RunFrames(2);
    EXPECT_EQ(seen, (std::vector<int32_t>{1, 0}));
}

TEST(MainLoop, SceneNumbersOutsideTheTableRunNothing) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    h.SetScene(13);
    int noScene = 0;
    for (int i = 0; i < 100; ++i)
        if (h.Pass() == LoopPass::NoScene) ++noScene;
    EXPECT_GT(noScene, 0);
    EXPECT_EQ(h.SceneFrames(), 0);
    h.SetScene(-4);
    for (int i = 0; i < 50; ++i)
        h.Pass();
    h.SetScene(12);
    EXPECT_EQ(h.RunFrames(2), 2);
    // A scene function that moves on is followed by the helper.
    h.AfterFrame([] {
        if (currentScene == 12) {
            currentScene = 10;
            previousScene = 0;
        }
    });
    EXPECT_TRUE(h.RunUntilScene(10, 5));
    EXPECT_FALSE(h.RunUntilScene(3, 5));
}

TEST(MainLoop, FrameDtIsTheHarnessChoiceAndSeedIsTheClock) {
    HarnessOptions o;
    o.seed = 777;
    GameHarness h(o);
    ASSERT_TRUE(h.Start());
    // Seeded from time() before the screen's noise table drew its 10000 numbers.
    const uint32_t state = kitSystem::RandomState();
    kitSystem::SeedRandom(777);
    for (int i = 0; i < 10000; ++i)
        kitSystem::Random();
    EXPECT_EQ(kitSystem::RandomState(), state);
    h.Seed(5);
    EXPECT_EQ(kitSystem::RandomState(), 5u);
    h.SetFrameDt(0.25f);
    std::vector<float> dts;
    h.OnFrame([&] { dts.push_back(frameDt); });
    h.RunFrames(3);
    EXPECT_EQ(dts, (std::vector<float>{0.25f, 0.25f, 0.25f}));
}

TEST(MainLoop, SystemCloseEndsTheProgram) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    h.RunFrames(2);
    plat::PostAppMessage(plat::kMsgClose, 0, 0);
    EXPECT_EQ(h.RunToExit(), 0);
    EXPECT_EQ(closingFlag, 2);
    EXPECT_EQ(directDraw, nullptr);
}

TEST(MainLoop, WindowMoveUpdatesThePresentRectangle) {
    GameHarness h;
    ASSERT_TRUE(h.Start());
    plat::PostAppMessage(plat::kMsgMove, 0, plat::MakeLParam(-10, 40));
    h.DrainMessages();
    EXPECT_EQ(clientLeft, -10);
    EXPECT_EQ(clientTop, 40);
    EXPECT_EQ(presentRect.left, -10);
    EXPECT_EQ(presentRect.right, 790);
    EXPECT_EQ(presentRect.bottom, 640);
    // The screen saver is refused.
    EXPECT_EQ(MainWndProc(mainWindow, plat::kMsgSysCommand, plat::kScScreenSave, 0), 0);
}

TEST(MainLoop, FailedStartIsReportedAndTheGameStillQuits) {
    {
        HarnessOptions o;
        o.failDisplay = true;
        GameHarness h(o);
        ASSERT_TRUE(h.Start());
        ASSERT_EQ(h.MessageBoxes().size(), 1u);
        EXPECT_EQ(h.MessageBoxes()[0].caption, "エラー発生");
        EXPECT_EQ(h.MessageBoxes()[0].text, "kitDraw::Screen : DirectDrawが使用できません");
        EXPECT_EQ(fatalFlag, 1);
        EXPECT_EQ(h.RunFrames(3), 3); // the game runs on
        h.Tap(plat::kVkEscape);
        EXPECT_EQ(h.RunToExit(), 0);
    }
    {
        HarnessOptions o;
        o.refuseDisplayDepth = 16;
        GameHarness h(o);
        ASSERT_TRUE(h.Start());
        ASSERT_EQ(h.MessageBoxes().size(), 1u);
        EXPECT_EQ(h.MessageBoxes()[0].text, "kitDraw::Screen : 解像度が変更できません");
        EXPECT_EQ(h.RunFrames(2), 2);
        h.Tap(plat::kVkEscape);
        EXPECT_EQ(h.RunToExit(), 0);
    }
}
