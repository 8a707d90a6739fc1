// Squads in waves of five: when each member enters, its bands and where it
// fires, a wreck that still fires, and the points of a wave shot down through
// the collision code.
#include "game/enemies/aimed_string5.h"
#include "game/enemies/random_aimed_shot.h"
#include "game/enemies/squads.h"
#include "game/player/collisions.h"
#include "kit/system/fint.h"
#include "squad_world.h"

#include <functional>
#include <vector>

namespace {

class Squads : public SquadWorld {
  protected:
    // One stage frame of SquadV1A in the drivers' order; `afterMove` looks at
    // the frame between the squad's move and its bullets' move.
    void V1AFrame(const std::function<void()>& afterMove = nullptr) {
        SquadV1A_Move();
        if (afterMove) afterMove();
        SquadV1A_Draw();
        SquadV1A_Schedule();
        SquadV1A_Shot1_Move();
        SquadV1A_Shot1_Draw();
        SquadV1A_Shot2_Move();
        SquadV1A_Shot2_Draw();
    }
};

} // namespace

TEST_F(Squads, V1MembersEnterOnTheirTicksFlyTheirBandsAndFireFromFixedSlots) {
    // Frames after slot 0's arming (phase 0.78125 a frame): on and between
    // the band edges, where a member keeps the speeds of the band before.
    const float speeds[][3] = {{14, 0, 220},   {15, 110, 220}, {26, 110, 220}, {27, 210, 220},
                               {39, 210, 220}, {40, 310, 220}, {52, 310, 220}, {53, 410, 0}};
    std::vector<int> armedOn[kSquadSlots];
    for (int frame = 1; frame <= 211; ++frame) {
        int32_t was[kSquadSlots];
        for (int k = 0; k < kSquadSlots; ++k)
            was[k] = squadV1ASlots[k].active;
        V1AFrame([&] {
            const int j = frame - 30;
            for (const auto& s : speeds)
                if (int(s[0]) == j) {
                    EXPECT_EQ(squadV1ASlots[0].vx, s[1]) << j;
                    EXPECT_EQ(squadV1ASlots[0].vy, s[2]) << j;
                }
            // Phase 11 opens band 1: the string of four leaves slot 0 at once.
            if (j == 14) {
                EXPECT_EQ(squadV1AShot1Pool[0].active, 0);
            }
            if (j == 15)
                for (int i = 0; i < 4; ++i) {
                    EXPECT_EQ(squadV1AShot1Pool[i].x, 225.0f);
                    EXPECT_EQ(squadV1AShot1Pool[i].y, -100.0f + 6.875f * 14 + 50.0f);
                    EXPECT_EQ(squadV1AShot1Pool[i].speed, 230.0f + 40.0f * i);
                    EXPECT_EQ(squadV1AShot1Pool[i].angle, squadV1AShot1Pool[0].angle);
                }
        });
        for (int k = 0; k < kSquadSlots; ++k)
            if (!was[k] && squadV1ASlots[k].active) armedOn[k].push_back(frame);
        if (frame == 75) { // slot 0 in band 2 fired slot 1's string of five
            EXPECT_EQ(squadV1AShot2Pool[4].active, 1);
            EXPECT_EQ(squadV1AShot2Pool[4].speed, 340.0f);
        }
    }
    // Slot k enters on call 30 (k + 1), and arming restarts its timer. Slot 0
    // was still flying 30 calls later, so its timer ran on to 150, wrapped,
    // and offered it again on 211; slot 2 had gone when its 90 calls came.
    EXPECT_EQ(armedOn[0], (std::vector<int>{30, 211}));
    EXPECT_EQ(armedOn[1], (std::vector<int>{60}));
    EXPECT_EQ(armedOn[2], (std::vector<int>{90, 180}));
    EXPECT_EQ(armedOn[3], (std::vector<int>{120}));
    EXPECT_EQ(armedOn[4], (std::vector<int>{150}));
}

TEST_F(Squads, AV1WreckStaysPutFiresInItsBandAndItsSlotIsOfferedAgain) {
    for (int frame = 1; frame <= 44; ++frame)
        V1AFrame();
    SquadV1A_SetHit(0); // after the present, as the collision code does
    V1AFrame([] {
        // The hit shows from the next draw: this move still flies one step,
        // and the member, now in band 1, fires.
        EXPECT_EQ(squadV1ASlots[0].y, -3.75f);
        EXPECT_EQ(squadV1AShot1Pool[0].y, 46.25f);
    });
    EXPECT_EQ(BomSounds(), 1);
    for (int frame = 46; frame <= 59; ++frame) {
        V1AFrame();
        EXPECT_EQ(squadV1ASlots[0].y, -3.75f);
        EXPECT_EQ(squadV1ASlots[0].x, 185.0f);
    }
    EXPECT_EQ(BomSounds(), 1); // the second pass, on the 9th draw
    // The 16th draw frees it, and the same frame's schedule offers it again.
    V1AFrame();
    EXPECT_EQ(squadV1ASlots[0].active, 1);
    EXPECT_EQ(squadV1ASlots[0].hit, 0);
    EXPECT_EQ(squadV1ASlots[0].y, -100.0f);
}

TEST_F(Squads, AWholeV2WaveShotDownScoresEveryMemberAndItsTimersRunOn) {
    const int32_t startScore = score;
    int hits = 0, sounds = 0;
    bool rehit = false;
    std::vector<int> slot0ArmedOn;
    for (int frame = 1; frame <= 181; ++frame) {
        const int32_t was = squadV2ASlots[0].active;
        SquadV2A_Move();
        SquadV2A_Draw();
        SquadV2A_Schedule();
        if (!was && squadV2ASlots[0].active) slot0ArmedOn.push_back(frame);
        SquadV2A_Shot1_Move();
        SquadV2A_Shot1_Draw();
        sounds += BomSounds();
        // After the present: a wide shot on each member a few frames in.
        for (SquadSlot& m : squadV2ASlots) {
            const bool burning = m.hit == 1;
            if (m.active != 1 || m.phase < 5.0f || (burning && rehit)) continue;
            TestShotAgainstTargets(kPassWide, FloatToInt(m.x) + 20, FloatToInt(m.y) + 10, nullptr);
            if (burning) {
                rehit = true; // a burning wreck is hit and scored again
            } else {
                ++hits;
            }
        }
    }
    EXPECT_EQ(hits, 5);
    EXPECT_EQ(score - startScore, 6 * 100);
    EXPECT_EQ(sounds, 10); // two passes of each explosion, the extra hit none
    for (int k = 1; k < kSquadSlots; ++k)
        EXPECT_EQ(squadV2ASlots[k].y, ParkY);
    // Arming does not restart a V2 timer: slot 0, free again long before,
    // comes back 151 calls later, not 30.
    EXPECT_EQ(slot0ArmedOn, (std::vector<int>{30, 181}));
}
