// A whole run through the real key messages and the main loop: title, setup,
// the five played stages by their time-outs (the first through its boss's
// defeat), the ending, and the title again.
#include "harness/game_harness.h"

#include "game/state/scene_state.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/present.h"
#include "kit/sound/midi.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(WholeRun, TitleSetupFiveStagesEndingAndBackToTheTitle) {
    HarnessOptions o;
    o.fakeMidi = true;
    GameHarness h(o);
    ASSERT_TRUE(h.Start());
    std::vector<int32_t> scenes;
    h.OnFrame([&] {
        if (scenes.empty() || scenes.back() != currentScene) scenes.push_back(currentScene);
    });
    // Scene 2 ends through its boss: destroyed at the time-out, its defeat
    // switches to scene 3. Its frames are too long to meet the music-stop
    // window, so the track is still open for scene 3's music to close.
    bool bossDown = false;
    int32_t openAtSwitch = -1;
    int32_t last = 0;
    h.AfterFrame([&] {
        if (currentScene == 2 && scene2Boss.hp <= 0.0f) bossDown = true;
        if (last == 2 && currentScene == 3) openAtSwitch = midiOpen;
        last = currentScene;
    });

    h.SetFrameDt(1.0f / 60);
    h.RunFrames(2);
    h.Press(kKeyEnter);
    h.RunFrames(2);
    h.Press(kKeyF2);
    ASSERT_EQ(currentScene, 2);

    // Long frames bring every time-out within a few hundred frames, each
    // step shorter than the 100-unit window the time-out lies in; the wipes
    // still run their steps over the new scenes.
    h.SetFrameDt(4.9f);
    ASSERT_TRUE(h.RunUntilScene(10, 3000));
    EXPECT_EQ(gameMode, 3);
    EXPECT_EQ(lives, 999);
    ASSERT_TRUE(h.RunUntilScene(1, 100));
    ASSERT_TRUE(h.RunUntilTransitionDone());
    EXPECT_EQ(scenes, (std::vector<int32_t>{1, 11, 2, 3, 5, 6, 8, 10, 1}));
    EXPECT_TRUE(bossDown);
    EXPECT_EQ(openAtSwitch, 1);

    // Each stage's track in order, then the ending's; every one stopped at the end.
    std::vector<std::string> opened;
    for (const auto& line : h.MidiLog())
        if (line.rfind("open ", 0) == 0) {
            const size_t at = line.find("MIDI/");
            opened.push_back(line.substr(at, line.find('"', at) - at));
        }
    EXPECT_EQ(opened, (std::vector<std::string>{"MIDI/VXTM1.MID", "MIDI/VXTM2.MID", "MIDI/VXTM3.MID",
                                                "MIDI/VXTM4.MID", "MIDI/VXTM5.MID", "MIDI/VXTMEND.MID"}));
    EXPECT_EQ(h.MidiLog().back(), "close midi");
    EXPECT_TRUE(h.MessageBoxes().empty());

    // The title is up again and starts the next run.
    h.SetFrameDt(1.0f / 60);
    h.RunFrames(1);
    EXPECT_TRUE(MatchPicture(h.Primary(), 180, 60, imgTITLEC, 0, 0, 440, 480).Shown());
    h.Press(kKeyEnter);
    EXPECT_EQ(currentScene, 11);
    h.Tap(27);
    EXPECT_EQ(h.RunToExit(), 0);
}
