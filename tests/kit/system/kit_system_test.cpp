#include "harness/game_harness.h"

#include "harness/reset_globals.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/draw/text.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/system/joystick.h"
#include "kit/system/kit_system.h"
#include "platform/files.h"
#include "platform/time.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <ctime>

namespace {
// Headless boxes, the virtual clock and clean key states for every case.
class KitSystem : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameGlobals();
        plat::UseVirtualClockForTests(true);
        plat::SetVirtualClockForTests(50000);
        plat::ForceHeadlessMessageBoxesForTests(true);
        plat::SetQuietMessageBoxesForTests(true);
    }
    void TearDown() override { ResetGameGlobals(); }
    int32_t Step(int32_t vk, int32_t& state) {
        kitSystem::KeyState(vk, state);
        return state;
    }
};
} // namespace

TEST_F(KitSystem, KeyEdgeStatesFollowTheKey) {
    int32_t s = 0;
    EXPECT_EQ(Step('C', s), kKeyUp);
    plat::SetKeyStateForTests('C', true);
    EXPECT_EQ(Step('C', s), kKeyPressed);
    EXPECT_EQ(Step('C', s), kKeyHeld);
    EXPECT_EQ(Step('C', s), kKeyHeld);
    plat::SetKeyStateForTests('C', false);
    EXPECT_EQ(Step('C', s), kKeyReleased);
    EXPECT_EQ(Step('C', s), kKeyUp);

    // Pressed again right after a release: straight to held.
    plat::SetKeyStateForTests('C', true);
    EXPECT_EQ(Step('C', s), kKeyPressed);
    plat::SetKeyStateForTests('C', false);
    EXPECT_EQ(Step('C', s), kKeyReleased);
    plat::SetKeyStateForTests('C', true);
    EXPECT_EQ(Step('C', s), kKeyHeld);

    // Another key's state is its own.
    int32_t other = 0;
    EXPECT_EQ(Step('V', other), kKeyUp);
    // Codes outside the key table read as up.
    int32_t odd = kKeyHeld;
    EXPECT_EQ(Step(1000, odd), kKeyReleased);
    EXPECT_EQ(Step(-5, odd), kKeyUp);
}

TEST_F(KitSystem, KeysReadUpDuringTransitionsOverlayAndDialogs) {
    int32_t s = 0;
    plat::SetKeyStateForTests(plat::kVkLeft, true);
    transitionCounter = 20;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Step(plat::kVkLeft, s), kKeyUp);
    transitionCounter = 0;
    // Held through the wipe: newly pressed on the first frame after it.
    EXPECT_EQ(Step(plat::kVkLeft, s), kKeyPressed);
    EXPECT_EQ(Step(plat::kVkLeft, s), kKeyHeld);

    pageOverlayOn = 1;
    EXPECT_EQ(Step(plat::kVkLeft, s), kKeyUp);
    pageOverlayOn = 0;
    kitSystem::EnterDialogMode();
    EXPECT_EQ(Step(plat::kVkLeft, s), kKeyUp);
    lastKey = 'Q';
    kitSystem::LeaveDialogMode();
    EXPECT_EQ(lastKey, 0u);
    EXPECT_EQ(Step(plat::kVkLeft, s), kKeyPressed);
}

TEST_F(KitSystem, ErrorReportTextsAndFlag) {
    EXPECT_EQ(kitSystem::Error("kitDraw::LoadObject", "オブジェクト数が多過ぎます", -1), 0);
    EXPECT_EQ(kitSystem::Error("kitSound::LoadObject", "ファイルが開けません"), 0);
    ASSERT_EQ(plat::RecordedMessageBoxes().size(), 2u);
    const auto& box = plat::RecordedMessageBoxes()[0];
    EXPECT_EQ(box.caption, "エラー発生");
    EXPECT_EQ(box.text, "kitDraw::LoadObject : オブジェクト数が多過ぎます");
    EXPECT_EQ(box.flags, 0x1030u);
    EXPECT_EQ(plat::RecordedMessageBoxes()[1].text, "kitSound::LoadObject : ファイルが開けません");
    EXPECT_EQ(kitSystem::IsFatal(), 1);
    EXPECT_EQ(fatalFlag, 1);
    // Null texts do not crash the report.
    EXPECT_EQ(kitSystem::Error(nullptr, nullptr), 0);
    EXPECT_EQ(plat::RecordedMessageBoxes().back().text, " : ");
}

TEST_F(KitSystem, WaitsAndTheirRange) {
    EXPECT_EQ(kitSystem::SetWait(0, 100), 0);
    EXPECT_EQ(kitSystem::SetWait(11, 100), 0);
    EXPECT_EQ(kitSystem::InitWait(11), 0);
    ASSERT_EQ(plat::RecordedMessageBoxes().size(), 3u);
    EXPECT_EQ(plat::RecordedMessageBoxes()[0].text, "kitSystem::SetWait : ウェイトNoが範囲外です");
    EXPECT_EQ(plat::RecordedMessageBoxes()[2].text, "kitSystem::InitWait : ウェイトNoが範囲外です");
    EXPECT_EQ(fatalFlag, 1);

    EXPECT_EQ(kitSystem::SetWait(10, 100), 1);
    EXPECT_EQ(kitSystem::CheckWait(10), 0);
    plat::AdvanceVirtualClockForTests(99);
    EXPECT_EQ(kitSystem::CheckWait(10), 0);
    plat::AdvanceVirtualClockForTests(1);
    EXPECT_EQ(kitSystem::CheckWait(10), 1);

    // A disarmed wait holds until the clock passes 999999999 ms.
    EXPECT_EQ(kitSystem::InitWait(1), 1);
    EXPECT_EQ(kitSystem::CheckWait(1), 0);
    plat::SetVirtualClockForTests(999999998);
    EXPECT_EQ(kitSystem::CheckWait(1), 0);
    plat::SetVirtualClockForTests(999999999);
    EXPECT_EQ(kitSystem::CheckWait(1), 1);

    // Numbers outside the table never expire instead of reading past it.
    EXPECT_EQ(kitSystem::CheckWait(-1), 0);
    EXPECT_EQ(kitSystem::CheckWait(12), 0);
    EXPECT_EQ(kitSystem::CheckWait(1 << 30), 0);
}

TEST_F(KitSystem, DelayWaitsAndResetsTheFrameClock) {
    frameDt = 0.5f;
    const uint32_t before = plat::TimeMs();
    kitSystem::Delay(30);
    EXPECT_GT(plat::TimeMs(), before + 30);
    EXPECT_EQ(frameDt, 0.0f);
    EXPECT_EQ(frameClock, plat::TimeMs());
    plat::AdvanceVirtualClockForTests(250);
    kitSystem::MeasureFrame();
    EXPECT_FLOAT_EQ(frameDt, 0.25f);
}

TEST_F(KitSystem, MessageBoxesAppendLineEndAndAnswer) {
    frameDt = 1.0f;
    cursorShown = 0;
    kitSystem::MessageBoxPrintf("score %d", 500);
    ASSERT_EQ(plat::RecordedMessageBoxes().size(), 1u);
    EXPECT_EQ(plat::RecordedMessageBoxes()[0].text, "score 500\r\n");
    EXPECT_EQ(plat::RecordedMessageBoxes()[0].caption, "メッセージ");
    EXPECT_EQ(plat::RecordedMessageBoxes()[0].flags, 0x1030u);
    EXPECT_EQ(cursorShown, 1);
    EXPECT_EQ(messageBoxUp, 0);
    EXPECT_EQ(frameDt, 0.0f); // the time in the box is not a frame

    plat::QueueMessageBoxAnswerForTests(plat::kIdNo);
    EXPECT_EQ(kitSystem::AskYesNo("%s", "続けますか"), 0);
    plat::QueueMessageBoxAnswerForTests(plat::kIdYes);
    EXPECT_EQ(kitSystem::AskYesNo("x"), 1);
    EXPECT_EQ(plat::RecordedMessageBoxes()[1].flags, 0x24u);
    // A long text is not cut at 256 bytes.
    std::string longText(600, 'x');
    kitSystem::MessageBoxPrintf("%s", longText.c_str());
    EXPECT_EQ(plat::RecordedMessageBoxes().back().text.size(), 602u);
}

TEST_F(KitSystem, WaitChoiceNeedsPressAndRelease) {
    ResetKitSystemForTests();
    lastKey = 0;
    buttonHeld = 0;
    pressedKey = 0;
    pressedButton = 0;
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 0);
    // Y goes down: chosen, but not yet released.
    pressedKey = 'Y';
    lastKey = 'Y';
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 0);
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 0);
    lastKey = 0;
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 'Y');
    EXPECT_EQ(pressedKey, 0u);

    // A key not in the list is never chosen.
    pressedKey = 'Q';
    lastKey = 0;
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 0);
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 0);

    // The left button: chosen on press, returned once no button is held.
    pressedKey = 0;
    pressedButton = 1;
    buttonHeld = 1;
    EXPECT_EQ(kitSystem::WaitChoice(1, 2, 0), 0);
    buttonHeld = 0;
    EXPECT_EQ(kitSystem::WaitChoice(1, 2, 0), 1);
    EXPECT_EQ(pressedButton, 0u);
    // A chosen key that another key replaced starts over.
    lastKey = 0;
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 0); // armed
    pressedKey = 'Y';
    lastKey = 'Y';
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 0); // Y chosen
    pressedKey = 'N';
    lastKey = 'N';
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 0); // dropped back
    lastKey = 0;
    EXPECT_EQ(kitSystem::WaitChoice('Y', 'N', 0), 'N');
}

TEST_F(KitSystem, InitDisarmsWaitsAndLeavesDialogs) {
    waitDeadlines[3] = 5;
    waitDeadlines[11] = 5;
    dialogMode = 1;
    lastKey = 'A';
    sysKeyMode = 2;
    EXPECT_EQ(kitSystem::Init(), 1);
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(waitDeadlines[i], kWaitDisarmed) << i;
    EXPECT_EQ(dialogMode, 0);
    EXPECT_EQ(lastKey, 0u);
    EXPECT_EQ(sysKeyMode, 0);
}

TEST_F(KitSystem, FilesDatesAndPaths) {
    char dir[] = "/tmp/vexkit-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    plat::SetProgramDirectoryForTests(dir);
    installPath.clear();
    EXPECT_EQ(std::string(kitSystem::ProgramDir()), std::string(dir) + "/");
    kitSystem::WriteIntFile("HISCORE.DAT", -123);
    EXPECT_EQ(kitSystem::ReadIntFile("HISCORE.DAT"), -123);
    EXPECT_EQ(kitSystem::ReadIntFile("hiscore.dat"), -123); // names are found in any case
    EXPECT_EQ(kitSystem::ReadIntFile("MISSING.DAT"), 0);
    installPath = "/opt/games";
    const std::string folder = std::string(dir).substr(5); // after "/tmp/"
    EXPECT_EQ(std::string(kitSystem::ProgramDir(1)), "/opt/games/" + folder + "/");
    EXPECT_EQ(std::string(kitSystem::ProgramDir(0)), std::string(dir) + "/");
    installPath.clear();
    ::unlink((std::string(dir) + "/HISCORE.DAT").c_str());
    ::rmdir(dir);
    plat::SetProgramDirectoryForTests("");

    ::setenv("TZ", "UTC", 1);
    ::tzset();
    plat::SetVirtualCalendarForTests(3 * 86400); // 1970-01-04, a Sunday
    int32_t y = 0, m = 0, d = 0;
    std::string weekday;
    kitSystem::GetDateWeekday(&y, &m, &d, &weekday);
    EXPECT_EQ(y, 1970);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(d, 4);
    EXPECT_EQ(weekday, "日");
    plat::SetVirtualCalendarForTests(9 * 86400); // Saturday
    kitSystem::GetDateWeekday(&y, &m, &d, &weekday);
    EXPECT_EQ(weekday, "土");
    y = m = d = 0;
    kitSystem::GetDate(&y, &m, &d);
    EXPECT_EQ(y * 10000 + m * 100 + d, 19700110);
}

TEST(KitSystemColorDepth, WindowedOnAShallowScreenAsksForFullScreen) {
    GameHarness h;
    ASSERT_TRUE(h.Start()); // the display mode is set: the screen reports 16 bits
    const char* kWarning = "　ウィンドウ状態で実行しようとしていますが、"
                           "画面が65536色以下に設定されています。\n"
                           "正しく動作させるには、1670万色以上に設定するか、"
                           "フルスクリーンで実行させて下さい。\r\n";
    // Full screen, or a depth the screen has, asks nothing.
    displayDepth = 32;
    EXPECT_EQ(kitSystem::CheckColorDepth("*"), 1);
    fullScreen = 0;
    displayDepth = 16;
    EXPECT_EQ(kitSystem::CheckColorDepth("*"), 1);
    displayDepth = 15; // no colour count for this depth
    EXPECT_EQ(kitSystem::CheckColorDepth("*"), 1);
    EXPECT_TRUE(h.MessageBoxes().empty());

    // "*" asks to switch; Yes goes full screen and writes nothing.
    displayDepth = 32;
    plat::QueueMessageBoxAnswerForTests(plat::kIdOk);
    plat::QueueMessageBoxAnswerForTests(plat::kIdYes);
    EXPECT_EQ(kitSystem::CheckColorDepth("*"), 1);
    ASSERT_EQ(h.MessageBoxes().size(), 2u);
    EXPECT_EQ(h.MessageBoxes()[0].text, kWarning);
    EXPECT_EQ(h.MessageBoxes()[0].caption, "メッセージ");
    EXPECT_EQ(h.MessageBoxes()[1].text, "フルスクリーンに切り換えますか？\r\n");
    EXPECT_EQ(h.MessageBoxes()[1].flags, 0x24u);
    EXPECT_EQ(fullScreen, 1);
    EXPECT_EQ(closingFlag, 0);

    // Another name asks to set it again; No ends the program.
    fullScreen = 0;
    plat::QueueMessageBoxAnswerForTests(plat::kIdOk);
    plat::QueueMessageBoxAnswerForTests(plat::kIdNo);
    EXPECT_EQ(kitSystem::CheckColorDepth("MODE.DAT"), 0);
    ASSERT_EQ(h.MessageBoxes().size(), 4u);
    EXPECT_EQ(h.MessageBoxes()[3].text, "フルスクリーンに設定し直しますか？\r\n");
    EXPECT_EQ(fullScreen, 0);
    EXPECT_EQ(closingFlag, 2);
    EXPECT_EQ(h.RunToExit(), 0);
}
