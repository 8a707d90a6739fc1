// Recorded play: every stage scene played headless through the real frame at
// 60 frames a second, from its first frame through its waves into the boss
// fight, the boss held inside its attack gate for a whole attack cycle and
// then let down through its hp rows to the defeat and the scene switch (or,
// in one run per stage, taken on to the stage's time-out). What
// the game did (harness/play_recorder.h) is compared with the recording kept
// in tests/recordings/; the first difference fails the run, naming the frame
// and what differs there.
//
// After a deliberate change of behaviour, `make record` writes the
// recordings anew (VEX_RECORD_PLAY=1); the commit says why they changed.
#include "harness/game_harness.h"
#include "harness/play_recorder.h"

#include "game/bosses/boss_record.h"
#include "game/enemies/large_enemies.h"
#include "game/player/player_pools.h"
#include "game/shell/new_game.h"
#include "game/shell/world_reset.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/stages/stage_frame.h"
#include "game/state/game_state.h"
#include "game/state/scene_state.h"
#include "kit/draw/present.h"
#include "platform/window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

enum class Input {
    Idle, // never fires, no-death on: every enemy and bullet flies its whole way
    Keys, // random held keys from a fixed seed, no-death off: kills, items, deaths
};

enum class Ending {
    Descent, // after the held cycle the hp falls through the hp rows to 0
    TimeOut, // after the held cycle the scroll is taken to just short of the time-out
};

struct PlayRun {
    int32_t scene;
    int32_t mode;
    int32_t difficulty;
    int32_t extra;
    Input input;
    Ending ending = Ending::Descent;
};

std::string Name(const PlayRun& r) {
    std::string n = "Scene" + std::to_string(r.scene) + "Mode" + std::to_string(r.mode);
    if (r.difficulty != 1 || r.extra != 0)
        n += "Difficulty" + std::to_string(r.difficulty) + "Extra" + std::to_string(r.extra);
    n += r.input == Input::Idle ? "Idle" : "Keys";
    return r.ending == Ending::TimeOut ? n + "TimeOut" : n;
}

std::string Describe(const PlayRun& r) {
    return "scene " + std::to_string(r.scene) + ", game mode " + std::to_string(r.mode) + ", difficulty " +
           std::to_string(r.difficulty) + ", difficultyExtra " + std::to_string(r.extra) + ", input " +
           (r.input == Input::Idle ? "idle (no fire, no-death)" : "random held keys (deaths on)") +
           (r.ending == Ending::TimeOut ? ", ended by the time-out" : ", ended by the hp falling");
}

// gtest names a failing run by this instead of its bytes.
void PrintTo(const PlayRun& r, std::ostream* os) { *os << Name(r); }

std::vector<PlayRun> AllRuns() {
    std::vector<PlayRun> runs;
    for (int32_t scene : {2, 3, 4, 5, 6, 7, 8, 9}) {
        for (Input input : {Input::Idle, Input::Keys})
            for (int32_t mode : {1, 3})
                runs.push_back({scene, mode, 1, 0, input});
        // The values play never sets, so the rows behind those gates run too.
        runs.push_back({scene, 2, 2, 1, Input::Idle});
        runs.push_back({scene, 3, 0, 1, Input::Idle, Ending::TimeOut});
    }
    return runs;
}

struct Boss {
    BossRecord& record;
    const BossSection& section;
};

Boss BossOf(int32_t scene) {
    switch (scene) {
    case 2:
        return {scene2Boss, scene2BossSection};
    case 3:
        return {scene3Boss, scene3BossSection};
    case 4:
        return {scene4Boss, scene4BossSection};
    case 5:
        return {scene5Boss, scene5BossSection};
    case 6:
        return {scene6Boss, scene6BossSection};
    case 7:
        return {scene7Boss, scene7BossSection};
    case 8:
        return {scene8Boss, scene8BossSection};
    default:
        return {scene9Boss, scene9BossSection};
    }
}

// Where each boss is held: hp inside its attack gate and above its hp rows,
// for one whole attack cycle of its longest-cycling mode and 30 frames more.
// Written out here rather than worked out from the boss section under test,
// so that a changed wrap, gate or hp row shows in play, frame by frame.
struct Hold {
    float hp;
    int32_t frames;
};

Hold HoldOf(int32_t scene) {
    switch (scene) {
    case 2:
        return {1000, 4330};
    case 3:
        return {970, 3740};
    case 4:
        return {580, 1130};
    case 5:
        return {775, 4930};
    case 6:
        return {970, 1800};
    case 7:
        return {1370, 1640};
    case 8:
        return {1470, 4420};
    default:
        return {1190, 1250};
    }
}

// Half a second or so of scrolling short of the time-out, which opens at
// 11000 in every stage.
constexpr float kTimeOutScroll = 10970.0f;

// A record the pool catalogue does not hold, watched as its pools are.
template <typename T> WatchedRecords Watched(const char* name, T& record) {
    int32_t live = -1;
    if constexpr (requires { &T::active; }) live = int32_t(offsetof(T, active) / 4);
    return {name, &record, 1, int32_t(sizeof(T)), live, int32_t(offsetof(T, x) / 4)};
}

const std::vector<WatchedRecords>& MoreRecords() {
    static const std::vector<WatchedRecords> more = {
        Watched("powerItem", powerItem),
        Watched("largeEnemyD50", largeEnemyD50),
        Watched("largeEnemyD51", largeEnemyD51),
        Watched("largeEnemyD52", largeEnemyD52),
        Watched("largeEnemyS53L", largeEnemyS53L),
        Watched("largeEnemyS53R", largeEnemyS53R),
        Watched("largeEnemyS50L", largeEnemyS50L),
        Watched("largeEnemyS50R", largeEnemyS50R),
        Watched("largeEnemyS54L", largeEnemyS54L),
        Watched("largeEnemyS54R", largeEnemyS54R),
        Watched("largeEnemyT60", largeEnemyT60),
        Watched("scene2BossSilhouette", scene2BossSilhouette),
        Watched("scene3BossIntro", scene3BossIntro),
        Watched("scene6BossIntro", scene6BossIntro),
        Watched("scene6BossVerticalBeam1", scene6BossVerticalBeam1),
        Watched("scene6BossVerticalBeam2", scene6BossVerticalBeam2),
    };
    return more;
}

constexpr float kFrameDt = 1.0f / 60;
constexpr uint32_t kInputSeed = 20241207;
constexpr int32_t kDescentFrames = 480;
constexpr int32_t kMaxFrames = 30000;
constexpr int32_t kHeldKeys[] = {plat::kVkLeft, plat::kVkRight, plat::kVkUp,
                                 plat::kVkDown, plat::kVkShift, plat::kVkControl};

std::string Play(const PlayRun& run, std::string& trouble) {
    HarnessOptions o;
    o.fakeMidi = true;
    GameHarness h(o);
    if (!h.Start()) {
        trouble = "the game did not start";
        return {};
    }
    ResetWorldA();
    ResetWorldB();
    NewGameSetup();
    SetDefaultOptions(); // as the title leaves them
    weaponType = 1;      // as the setup screen sets it
    gameMode = run.mode;
    difficulty = run.difficulty;
    difficultyExtra = run.extra;
    noDeathMode = run.input == Input::Idle ? 1 : 0;
    h.SetScene(run.scene);
    transitionCounter = 0;
    transitionStep = 0;
    h.SetFrameDt(kFrameDt);

    const Boss boss = BossOf(run.scene);
    const float hold = HoldOf(run.scene).hp;
    const int32_t holdFrames = HoldOf(run.scene).frames;
    PlayRecorder rec(boss.record, boss.section, MoreRecords());
    // The ship's own shots and wreck follow the keys, not the tables: their
    // spawns say only which records, which keeps the keys runs small.
    for (const char* pool : {"narrowShots", "wideShots", "burstShots", "playerDebris"})
        rec.Brief(pool);
    rec.Note("# " + Describe(run));
    rec.Note("# hold hp " + std::to_string(int(hold)) + " for " + std::to_string(holdFrames) + " frames");

    std::minstd_rand keys(kInputSeed);
    bool held[6] = {};
    int32_t fightFrame = -1; // frames since the boss section opened
    for (int32_t f = 1; f <= kMaxFrames; ++f) {
        if (run.input == Input::Keys && f % 16 == 1) {
            for (int k = 0; k < 6; ++k) {
                const bool down = (keys() & 1) != 0;
                if (down != held[k]) (down ? h.KeyDown(kHeldKeys[k]) : h.KeyUp(kHeldKeys[k]));
                held[k] = down;
            }
        }
        if (fightFrame >= 0) {
            if (fightFrame < holdFrames) {
                boss.record.hp = hold;
            } else if (run.ending == Ending::TimeOut) {
                // Two seconds or so of scrolling short of the time-out; the
                // hp stays where the gate holds the attacks.
                if (fightFrame == holdFrames) scrollDistance = kTimeOutScroll;
                boss.record.hp = hold;
            } else {
                const int32_t k = fightFrame - holdFrames;
                boss.record.hp = std::min(boss.record.hp, hold - hold * float(k) / kDescentFrames);
            }
            ++fightFrame;
        }
        if (h.RunFrames(1) != 1) {
            trouble = "the game stopped at frame " + std::to_string(f);
            break;
        }
        rec.AfterFrame(f);
        if (fightFrame < 0 && boss.record.behaviourClock > 0) fightFrame = 0;
        if (currentScene != run.scene) {
            rec.Finish();
            return rec.Text();
        }
    }
    if (trouble.empty()) trouble = "no scene switch within " + std::to_string(kMaxFrames) + " frames";
    return rec.Text();
}

std::string RecordingPath(const PlayRun& run) {
    return std::string(VEX_SOURCE_DIR) + "/tests/recordings/" + Name(run) + ".txt.xz";
}

class RecordedPlay : public ::testing::TestWithParam<PlayRun> {};

TEST_P(RecordedPlay, PlaysAsRecorded) {
    const PlayRun& run = GetParam();
    std::string trouble;
    const std::string now = Play(run, trouble);
    ASSERT_TRUE(trouble.empty()) << Describe(run) << ": " << trouble;
    const std::string path = RecordingPath(run);
    const char* rewrite = std::getenv("VEX_RECORD_PLAY");
    if (rewrite && std::string(rewrite) == "1") {
        ASSERT_TRUE(WriteXzText(path, now)) << "cannot write " << path;
        return;
    }
    std::string recorded;
    ASSERT_TRUE(ReadXzText(path, recorded)) << "no recording at " << path << " (make record writes it)";
    const std::string diff = FirstDifference(recorded, now);
    EXPECT_TRUE(diff.empty()) << Describe(run) << " no longer plays as recorded in " << path << "\n" << diff;
}

INSTANTIATE_TEST_SUITE_P(Stages, RecordedPlay, ::testing::ValuesIn(AllRuns()),
                         [](const ::testing::TestParamInfo<PlayRun>& info) { return Name(info.param); });

} // namespace

// The comparison itself: a recording that parts from the new run must never
// read as the same, and the report names the frame and both sides.
TEST(RecordedPlayComparison, NamesTheFirstFrameThatDiffersAndBothSides) {
    const std::string recorded =
        "# run\n@ 1\nspawn fanPool 0,2 1.5f 7\n@ 5\nspawn fanPool 1 = 8\nfree fanPool 0\n";
    EXPECT_EQ(FirstDifference(recorded, recorded), "");

    // The same words spelled out where the recording wrote "=".
    const std::string spelled =
        "# run\n@ 1\nspawn fanPool 0,2 1.5f 7\n@ 5\nspawn fanPool 1 1.5f 8\nfree fanPool 0\n";
    EXPECT_EQ(FirstDifference(recorded, spelled), "");

    const std::string moved =
        "# run\n@ 1\nspawn fanPool 0,2 1.5f 7\n@ 5\nspawn fanPool 1 = 9\nfree fanPool 0\n";
    const std::string d = FirstDifference(recorded, moved);
    EXPECT_NE(d.find("frame 5"), std::string::npos) << d;
    EXPECT_NE(d.find("recorded: spawn fanPool 1 1.5f 8"), std::string::npos) << d;
    EXPECT_NE(d.find("now:      spawn fanPool 1 1.5f 9"), std::string::npos) << d;

    // A frame with nothing on one side, and a run that stops early.
    const std::string late =
        "# run\n@ 1\nspawn fanPool 0,2 1.5f 7\n@ 6\nspawn fanPool 1 = 8\nfree fanPool 0\n";
    EXPECT_NE(FirstDifference(recorded, late).find("frame 5"), std::string::npos);
    const std::string stops = "# run\n@ 1\nspawn fanPool 0,2 1.5f 7\n";
    EXPECT_NE(FirstDifference(recorded, stops).find("ends at frame 1"), std::string::npos)
        << FirstDifference(recorded, stops);
}
