// The music loop through the real window procedure: a track that plays to its
// end is started again from the top; a track stopped by the game is not.
#include "harness/game_harness.h"

#include "game/state/scene_state.h"
#include "platform/midi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
int Count(const std::vector<std::string>& log, const std::string& line) {
    return int(std::count(log.begin(), log.end(), line));
}
} // namespace

TEST(MusicLoop, NaturalEndRestartsTheTrackAndAStopDoesNot) {
    HarnessOptions o;
    o.fakeMidi = true;
    GameHarness h(o);
    ASSERT_TRUE(h.Start());
    h.SetFrameDt(1.0f / 60);
    h.RunFrames(2);
    h.Press(kKeyEnter);
    h.RunFrames(2);
    h.Press(kKeyF1);
    ASSERT_EQ(currentScene, 2);
    h.RunFrames(3);
    ASSERT_EQ(Count(h.MidiLog(), "play midi notify"), 1);

    // The sequencer reaches the end: the notify message arrives through the
    // queue and the window procedure asks, then restarts from the top.
    ASSERT_TRUE(plat::FakeMidiEndTrackForTests());
    h.RunFrames(1);
    std::vector<std::string> log = h.MidiLog();
    EXPECT_EQ(Count(log, "status midi mode"), 1);
    EXPECT_EQ(Count(log, "seek midi to start"), 2);
    EXPECT_EQ(Count(log, "play midi notify"), 2);

    // T stops the music: nothing is posted, so nothing starts again.
    h.Press('T');
    h.RunFrames(5);
    log = h.MidiLog();
    EXPECT_EQ(Count(log, "stop midi"), 1);
    EXPECT_FALSE(plat::FakeMidiEndTrackForTests());
    h.RunFrames(2);
    EXPECT_EQ(Count(h.MidiLog(), "play midi notify"), 2);
}
