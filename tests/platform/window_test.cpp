#include "harness/reset_globals.h"
#include "platform/time.h"
#include "platform/window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

namespace {
std::vector<plat::Message> taken;
intptr_t RecordingProc(plat::Window*, uint32_t, uintptr_t, intptr_t) { return 0; }

// A dummy-driver window of a class that wants double-clicks.
class PlatWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameGlobals();
        ::setenv("SDL_VIDEODRIVER", "dummy", 1);
        plat::UseVirtualClockForTests(true);
        plat::SetVirtualClockForTests(1000);
        ASSERT_TRUE(plat::InitWindowing());
        plat::WindowClass wc;
        wc.style = plat::kCsDblClks;
        wc.proc = RecordingProc;
        wc.className = "T";
        ASSERT_TRUE(plat::RegisterWindowClass(wc));
        w = plat::CreateAppWindow("T", "test", plat::kWsPopup, 0, 0, 800, 600);
        ASSERT_NE(w, nullptr);
        plat::ShowAppWindow(w);
        Drain();
    }
    void TearDown() override { ResetGameGlobals(); }
    std::vector<plat::Message> Drain() {
        std::vector<plat::Message> out;
        plat::Message m;
        while (plat::PeekAppMessage(&m))
            out.push_back(m);
        return out;
    }
    void PushKey(SDL_Keycode sym, bool down, uint16_t mod = 0, bool repeat = false) {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        e.key.repeat = repeat ? 1 : 0;
        SDL_PushEvent(&e);
    }
    void PushButton(uint8_t button, bool down, uint8_t clicks, int x, int y) {
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = button;
        e.button.clicks = clicks;
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
    plat::Window* w = nullptr;
};
} // namespace

TEST_F(PlatWindow, KeysBecomeKeyMessages) {
    PushKey(SDLK_x, true);
    PushKey(SDLK_x, true, 0, true); // auto-repeat
    PushKey(SDLK_x, false);
    auto m = Drain();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].message, plat::kMsgKeyDown);
    EXPECT_EQ(m[0].wParam, uintptr_t('X'));
    EXPECT_EQ(uint32_t(m[0].lParam) & (1u << 30), 0u);
    EXPECT_EQ(m[1].message, plat::kMsgKeyDown);
    EXPECT_NE(uint32_t(m[1].lParam) & (1u << 30), 0u); // was down already
    EXPECT_EQ(m[2].message, plat::kMsgKeyUp);
    EXPECT_EQ(plat::GetKeyState('X') & 0x8000, 0);
    EXPECT_EQ(plat::GetKeyState('X') & 1, 1); // toggled once by the one press

    // Alt combinations, Alt itself and F10 are system keys.
    PushKey(SDLK_LALT, true, KMOD_LALT);
    PushKey(SDLK_F4, true, KMOD_LALT);
    PushKey(SDLK_F10, true);
    PushKey(SDLK_ESCAPE, true);
    m = Drain();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].message, plat::kMsgSysKeyDown);
    EXPECT_EQ(m[0].wParam, uintptr_t(plat::kVkMenu));
    EXPECT_EQ(m[1].message, plat::kMsgSysKeyDown);
    EXPECT_EQ(m[1].wParam, uintptr_t(plat::kVkF4));
    EXPECT_NE(uint32_t(m[1].lParam) & (1u << 29), 0u);
    EXPECT_EQ(m[2].message, plat::kMsgSysKeyDown);
    EXPECT_EQ(m[3].message, plat::kMsgKeyDown);
    EXPECT_EQ(m[3].wParam, uintptr_t(plat::kVkEscape));

    // Either Shift holds the Shift key down.
    PushKey(SDLK_LSHIFT, true);
    PushKey(SDLK_RSHIFT, true);
    PushKey(SDLK_LSHIFT, false);
    m = Drain();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].wParam, uintptr_t(plat::kVkShift));
    EXPECT_NE(plat::GetKeyState(plat::kVkShift) & 0x8000, 0);
    EXPECT_NE(plat::GetKeyState(plat::kVkRShift) & 0x8000, 0);
    EXPECT_EQ(plat::GetKeyState(plat::kVkLShift) & 0x8000, 0);
    PushKey(SDLK_RSHIFT, false);
    Drain();
    EXPECT_EQ(plat::GetKeyState(plat::kVkShift) & 0x8000, 0);

    // Keys without a code of ours are dropped.
    PushKey(SDLK_AUDIOPLAY, true);
    EXPECT_TRUE(Drain().empty());
}

TEST_F(PlatWindow, MouseAndWindowEvents) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 123;
    e.motion.y = 4567;
    SDL_PushEvent(&e);
    PushButton(SDL_BUTTON_LEFT, true, 1, 10, 20);
    PushButton(SDL_BUTTON_LEFT, false, 1, 10, 20);
    PushButton(SDL_BUTTON_LEFT, true, 2, 10, 20);
    PushButton(SDL_BUTTON_RIGHT, true, 1, 30, 40);
    PushButton(SDL_BUTTON_MIDDLE, true, 1, 30, 40);
    auto m = Drain();
    ASSERT_EQ(m.size(), 6u);
    EXPECT_EQ(m[0].message, plat::kMsgSetCursor);
    EXPECT_EQ(m[1].message, plat::kMsgMouseMove);
    EXPECT_EQ(m[1].lParam, plat::MakeLParam(123, 599)); // clamped to the logical screen
    EXPECT_EQ(m[2].message, plat::kMsgLButtonDown);
    EXPECT_EQ(m[2].lParam, plat::MakeLParam(10, 20));
    EXPECT_EQ(m[3].message, plat::kMsgLButtonUp);
    EXPECT_EQ(m[4].message, plat::kMsgLButtonDblClk);
    EXPECT_EQ(m[5].message, plat::kMsgRButtonDown);
    EXPECT_NE(plat::GetKeyState(plat::kVkLButton) & 0x8000, 0);

    SDL_Event q{};
    q.type = SDL_QUIT;
    SDL_PushEvent(&q); // a signal or the session: closes the window
    m = Drain();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].message, plat::kMsgClose);
    EXPECT_EQ(m[0].window, w);
}

TEST_F(PlatWindow, QueueAcrossThreadsAndQuit) {
    std::thread t([] {
        for (int i = 0; i < 200; ++i)
            plat::PostAppMessage(plat::kMsgMciNotify, plat::kMciNotifySuccessful, i);
    });
    t.join();
    plat::PostQuitMessage(3);
    plat::PostAppMessage(plat::kMsgUser, 0, 0);
    auto m = Drain();
    ASSERT_EQ(m.size(), 202u);
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(m[size_t(i)].message, plat::kMsgMciNotify);
        ASSERT_EQ(m[size_t(i)].lParam, i);
    }
    // The quit message comes after everything already posted.
    EXPECT_EQ(m[200].message, plat::kMsgUser);
    EXPECT_EQ(m[201].message, plat::kMsgQuit);
    EXPECT_EQ(m[201].wParam, 3u);

    // Waiting never blocks under the virtual clock.
    const uint32_t t0 = plat::TimeMs();
    plat::WaitAppMessage();
    plat::WaitAppMessageTimeout(40);
    EXPECT_EQ(plat::TimeMs(), t0 + 41);
    plat::PostAppMessage(plat::kMsgUser, 0, 0);
    plat::WaitAppMessageTimeout(40); // a message waits: no time passes
    EXPECT_EQ(plat::TimeMs(), t0 + 41);

    // A destroyed window gets nothing more.
    EXPECT_TRUE(plat::DestroyAppWindow(w));
    EXPECT_FALSE(plat::PostMessageTo(w, plat::kMsgClose, 0, 0));
    EXPECT_EQ(plat::MainAppWindow(), nullptr);
}

TEST_F(PlatWindow, HeadlessMessageBoxesRecordAndAnswer) {
    plat::ClearRecordedMessageBoxesForTests();
    plat::SetQuietMessageBoxesForTests(true);
    EXPECT_FALSE(plat::HasDisplay());
    EXPECT_EQ(plat::ShowMessageBox(w, "本文", "題", plat::kMbIconExclamation), plat::kIdOk);
    EXPECT_EQ(plat::ShowMessageBox(w, "?", "q", plat::kMbYesNo), plat::kIdYes);
    plat::QueueMessageBoxAnswerForTests(plat::kIdNo);
    EXPECT_EQ(plat::ShowMessageBox(w, "?", "q", plat::kMbYesNo), plat::kIdNo);
    ASSERT_EQ(plat::RecordedMessageBoxes().size(), 3u);
    EXPECT_EQ(plat::RecordedMessageBoxes()[0].text, "本文");
    EXPECT_EQ(plat::RecordedMessageBoxes()[0].caption, "題");
}
