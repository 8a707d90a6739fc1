// The ending: its picture windows on scrollDistance, the credits, the music,
// and the two ways back to the title.
#include "harness/game_harness.h"

#include "game/shell/ending.h"
#include "game/shell/new_game.h"
#include "game/state/scene_state.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/present.h"
#include "kit/system/kit_system.h"
#include "platform/display.h"

#include <gtest/gtest.h>

namespace {

HarnessOptions Quiet() {
    HarnessOptions o;
    o.fakeMidi = true;
    return o;
}

// Enters the ending outside a frame, as a boss defeat's reset leaves it.
void EnterEnding(GameHarness& h) {
    NewGameSetup();
    stageFrameCounter = 0;
    h.SetScene(10);
    ASSERT_TRUE(h.Frame(0.0f));
}

// One frame of the ending at exactly this distance (frameDt 0 adds nothing).
void FrameAt(GameHarness& h, float distance) {
    scrollDistance = distance;
    ASSERT_TRUE(h.Frame(0.0f));
}

const int32_t* const kPictures[5] = {&imgVXTLCG1, &imgVXTLCG2, &imgVXTLCG3, &imgVXTLCG5, &imgVXTLCG6};

// Which of the five pictures is drawn (-1 none, -2 more than one or unclear).
int PictureShown(const plat::Surface* s) {
    int shown = -1;
    for (int i = 0; i < 5; ++i) {
        const PictureMatch m = MatchPicture(s, 180, 60, *kPictures[i], 0, 0, 440, 480, 30);
        if (m.Shown())
            shown = shown == -1 ? i : -2;
        else if (!m.Absent())
            return -2;
    }
    return shown;
}

bool BannerShown(const plat::Surface* s) {
    return MatchPicture(s, 250, 100, imgMYGOODN, 0, 0, 300, 100).Shown();
}

// Pixels of the credit lines' dark-blue background.
int CreditPixels(const plat::Surface* s) {
    int n = 0;
    for (int32_t y = 175; y < 320; ++y)
        for (int32_t x = 280; x < 620; ++x)
            if (s->Pixel(x, y) == 0x0010) ++n;
    return n;
}

} // namespace

TEST(Ending, PictureWindowsBannerAndCredits) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    EnterEnding(h);
    EXPECT_FLOAT_EQ(endingZoom, 30.0f);
    EXPECT_EQ(stageFrameCounter, 1);
    const plat::Surface* back = h.BackBuffer();

    FrameAt(h, 0.0f);
    EXPECT_TRUE(BannerShown(back));
    EXPECT_EQ(PictureShown(back), -1);
    FrameAt(h, 399.9f);
    EXPECT_TRUE(BannerShown(back));
    EXPECT_EQ(PictureShown(back), -1);

    // At exactly 400 the banner's window and the first picture's both hold,
    // and the panel is drawn again on top of the picture.
    FrameAt(h, 400.0f);
    EXPECT_EQ(PictureShown(back), 0);
    EXPECT_TRUE(MatchPicture(back, 180, 0, imgSUJI09, 0, 0, 20, 25).Shown());
    EXPECT_TRUE(MatchPicture(back, 380, 6, imgMYMY, 8, 70, 15, 80).Shown());
    FrameAt(h, 400.5f);
    EXPECT_FALSE(BannerShown(back));
    EXPECT_EQ(PictureShown(back), 0);

    const struct {
        float distance;
        int picture;
    } windows[] = {
        {700, 0},  {700.5f, -1}, {701, 1},  {1000, 1}, {1000.5f, -1}, {1001, 2},  {1300, 2},
        {1301, 3}, {1600, 3},    {1601, 4}, {2000, 4}, {2000.5f, -1}, {2001, -1}, {2400, -1},
    };
    for (const auto& w : windows) {
        FrameAt(h, w.distance);
        EXPECT_EQ(PictureShown(back), w.picture) << w.distance;
        EXPECT_EQ(CreditPixels(back) > 200, w.distance >= 2001) << w.distance;
        EXPECT_EQ(currentScene, 10);
    }
    EXPECT_EQ(h.MessageBoxes().size(), 0u);
}

TEST(Ending, MusicDistanceEndAndSpace) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    EnterEnding(h);
    score = 4321;
    const auto log = h.MidiLog();
    ASSERT_GE(log.size(), 3u);
    EXPECT_NE(log[log.size() - 3].find("MIDI/VXTMEND.MID"), std::string::npos);
    EXPECT_EQ(log.back(), "play midi notify");

    // 20 units a second: a 10-second frame moves it 200.
    scrollDistance = 0.0f;
    ASSERT_TRUE(h.Frame(10.0f));
    EXPECT_FLOAT_EQ(scrollDistance, 200.0f);
    EXPECT_EQ(stageFrameCounter, 2);

    // S does not pause the ending.
    pauseFlag = 1;
    ASSERT_TRUE(h.Frame(10.0f));
    EXPECT_FLOAT_EQ(scrollDistance, 400.0f);
    pauseFlag = 0;

    // Exactly 2400 goes on; past it, the title after a 60-step wipe.
    FrameAt(h, 2400.0f);
    EXPECT_EQ(currentScene, 10);
    scrollDistance = 2399.0f;
    ASSERT_TRUE(h.Frame(0.1f));
    EXPECT_EQ(currentScene, 1);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 60);
    EXPECT_EQ(h.MidiLog().back(), "close midi");
    EXPECT_FLOAT_EQ(scrollDistance, 0.0f); // the world reset
    EXPECT_EQ(score, 4321);                // no new game: the panel keeps the run's numbers

    // Space: the same, with a new game.
    EnterEnding(h);
    score = 99;
    lives = 3;
    h.KeyDown(kKeySpace);
    ASSERT_EQ(h.RunFrames(1), 1);
    EXPECT_EQ(currentScene, 1);
    EXPECT_EQ(transitionLength, 60);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(lives, 999);
    EXPECT_EQ(lastKey, kKeySpace); // left for the title, which ignores it
    h.KeyUp(kKeySpace);
    h.DrainMessages();

    // Space in the frame that runs out the distance: one switch to the title.
    EnterEnding(h);
    h.KeyDown(kKeySpace);
    h.DrainMessages();
    scrollDistance = 2399.0f;
    ASSERT_TRUE(h.Frame(0.1f));
    EXPECT_EQ(currentScene, 1);
    EXPECT_EQ(previousScene, 1);
    EXPECT_EQ(sceneChanged, 1);
    EXPECT_EQ(transitionCounter, 60);
    h.KeyUp(kKeySpace);
    h.DrainMessages();
    ASSERT_TRUE(h.Frame(0.0f));
    EXPECT_EQ(currentScene, 1);
}

TEST(Ending, TheLogoZoomsOnlyAfterTheCountdownRanOut) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    EnterEnding(h);
    FrameAt(h, 100.0f);
    EXPECT_FLOAT_EQ(endingZoom, 30.0f);
    countdownExpired = 1;
    ASSERT_TRUE(h.Frame(1.0f));
    EXPECT_FLOAT_EQ(endingZoom, 60.0f);
    // Even far taller than the screen it stays inside its surfaces.
    endingZoom = 5000.0f;
    ASSERT_TRUE(h.Frame(0.5f));
    EXPECT_FLOAT_EQ(endingZoom, 5015.0f);
    EXPECT_EQ(currentScene, 10);
    countdownExpired = 0;
    EXPECT_EQ(kEndingCreditLines, 7);
}
