// Squads in waves of five: when each member enters, its bands and where it
// fires, explosions and the points a wave gives through the collision code.
#include "game/enemies/aimed_string5.h"
#include "game/enemies/random_aimed_shot.h"
#include "game/enemies/squads.h"
#include "game/player/collisions.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"
#include "squad_world.h"

#include <functional>
#include <vector>

namespace {

class Squads : public SquadWorld {
  protected:
    // One stage frame of SquadV1A in the drivers' order: the squad's move and
    // draw, its schedule window, then its two bullet groups. `afterMove` looks
    // at the frame between the squad's move and the bullets' move.
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
    std::vector<int> armedOn[kSquadSlots];
    struct Speeds {
        int j;
        float vx, vy;
    };
    // Frames after slot 0's arming: edges of the bands, between two bands the
    // speeds of the band before.
    const Speeds expected[] = {{14, 0, 220},   {15, 110, 220}, {26, 110, 220}, {27, 210, 220},
                               {39, 210, 220}, {40, 310, 220}, {52, 310, 220}, {53, 410, 0}};
    bool checkedFire = false;
    for (int frame = 1; frame <= 211; ++frame) {
        int32_t wasActive[kSquadSlots];
        for (int k = 0; k < kSquadSlots; ++k)
            wasActive[k] = squadV1ASlots[k].active;
        V1AFrame([&] {
            const int j = frame - 30;
            for (const Speeds& s : expected)
                if (s.j == j) {
                    EXPECT_EQ(squadV1ASlots[0].vx, s.vx) << j;
                    EXPECT_EQ(squadV1ASlots[0].vy, s.vy) << j;
                }
            // Band 1 begins at phase 11 (15 x 0.78125); the string of four
            // leaves slot 0 at once, all on one line at their four speeds.
            if (j == 14) {
                EXPECT_EQ(squadV1AShot1Pool[0].active, 0);
            }
            if (j == 15) {
                checkedFire = true;
                EXPECT_FLOAT_EQ(squadV1ASlots[0].phase, 11.71875f);
                const float speeds[4] = {230, 270, 310, 350};
                for (int i = 0; i < 4; ++i) {
                    EXPECT_EQ(squadV1AShot1Pool[i].active, 1);
                    EXPECT_EQ(squadV1AShot1Pool[i].x, 225.0f);
                    EXPECT_EQ(squadV1AShot1Pool[i].y, -100.0f + 6.875f * 14 + 50.0f);
                    EXPECT_EQ(squadV1AShot1Pool[i].speed, speeds[i]);
                    EXPECT_EQ(squadV1AShot1Pool[i].angle, squadV1AShot1Pool[0].angle);
                }
            }
        });
        for (int k = 0; k < kSquadSlots; ++k)
            if (!wasActive[k] && squadV1ASlots[k].active) armedOn[k].push_back(frame);
    }
    EXPECT_TRUE(checkedFire);
    // Slot k enters on call 30 (k + 1), and arming restarts its timer. Slot 0
    // was still flying 30 calls later, so its timer ran on to 150, wrapped,
    // and offered it again on 211; slot 2 had left when 90 calls had passed.
    EXPECT_EQ(armedOn[0], (std::vector<int>{30, 211}));
    EXPECT_EQ(armedOn[1], (std::vector<int>{60}));
    EXPECT_EQ(armedOn[2], (std::vector<int>{90, 180}));
    EXPECT_EQ(armedOn[3], (std::vector<int>{120}));
    EXPECT_EQ(armedOn[4], (std::vector<int>{150}));
    // Slot 1's string of five came out while slot 0 crossed band 2.
    EXPECT_EQ(squadV1AShot2Pool[0].speed, 200.0f);
    EXPECT_EQ(squadV1AShot2Pool[4].speed, 340.0f);
}

TEST_F(Squads, AV1WreckStaysPutFiresInItsBandAndItsSlotIsOfferedAgain) {
    for (int frame = 1; frame <= 44; ++frame)
        V1AFrame();
    SquadV1A_SetHit(0); // after the present, as the collision code does
    BomSounds();
    V1AFrame([] {
        // The hit shows from the next draw: this move still flies one step
        // and, in band 1 now, the wreck's squad fires.
        EXPECT_EQ(squadV1ASlots[0].y, -3.75f);
        EXPECT_EQ(squadV1AShot1Pool[0].active, 1);
        EXPECT_EQ(squadV1AShot1Pool[0].y, 46.25f);
    });
    EXPECT_EQ(BomSounds(), 1);
    for (int frame = 46; frame <= 59; ++frame) {
        V1AFrame();
        EXPECT_EQ(squadV1ASlots[0].y, -3.75f) << frame;
        EXPECT_EQ(squadV1ASlots[0].x, 185.0f) << frame;
        EXPECT_EQ(squadV1ASlots[0].hit, 1) << frame;
    }
    EXPECT_EQ(BomSounds(), 1); // the second pass, on the 9th draw
    // The 16th draw frees it, and the same frame's schedule offers it again.
    V1AFrame();
    EXPECT_EQ(squadV1ASlots[0].active, 1);
    EXPECT_EQ(squadV1ASlots[0].hit, 0);
    EXPECT_EQ(squadV1ASlots[0].y, -100.0f);
    EXPECT_EQ(squadV1ASlots[0].explosionLoop, 0);
}

TEST_F(Squads, V2TimersRunOnWhateverTheMembersDo) {
    std::vector<int> armedOn;
    for (int call = 1; call <= 340; ++call) {
        const int32_t was = squadV2ASlots[0].active;
        SquadV2A_Schedule();
        if (!was && squadV2ASlots[0].active) armedOn.push_back(call);
        if (call == 40 || call == 200) squadV2ASlots[0].active = 0; // gone long before its next tick
        if (call == 300) {
            EXPECT_EQ(squadV2ASlots[4].waveTimer, 149);
        }
    }
    // Not on 60 as a V1 member would be: every 151 calls from 30.
    EXPECT_EQ(armedOn, (std::vector<int>{30, 181, 332}));
}

TEST_F(Squads, AWholeV2WaveShotDownScoresEveryMember) {
    const int32_t startScore = score;
    int hits = 0;
    int sounds = 0;
    bool rehit = false;
    for (int frame = 1; frame <= 180; ++frame) {
        SquadV2A_Move();
        SquadV2A_Draw();
        SquadV2A_Schedule();
        SquadV2A_Shot1_Move();
        SquadV2A_Shot1_Draw();
        sounds += BomSounds();
        // After the present: a wide shot on each member a few frames in.
        for (int k = 0; k < kSquadSlots; ++k) {
            SquadSlot& m = squadV2ASlots[k];
            const bool burning = m.hit == 1;
            if (m.active != 1 || m.phase < 5.0f || (burning && rehit)) continue;
            TestShotAgainstTargets(kPassWide, FloatToInt(m.x) + 20, FloatToInt(m.y) + 10, nullptr);
            if (burning)
                rehit = true; // a burning wreck is still hit and scored
            else
                ++hits;
        }
    }
    EXPECT_EQ(hits, 5);
    EXPECT_TRUE(rehit);
    EXPECT_EQ(score - startScore, 6 * 100);
    EXPECT_EQ(sounds, 10); // two passes of each explosion
    for (const SquadSlot& m : squadV2ASlots) {
        EXPECT_EQ(m.active, 0);
        EXPECT_EQ(m.hit, 0);
        EXPECT_EQ(m.y, ParkY);
    }
}

TEST_F(Squads, WithoutEffectsAV2WreckBurnsOnOffTheFieldWhileV1StopsAndV3GoesOut) {
    effectDrawMode = 0;
    auto burning = [](SquadSlot& m, float y, float vy) {
        m = SquadSlot{};
        m.active = 1;
        m.hit = 1;
        m.phase = 50.0f;
        m.x = 300.0f;
        m.y = y;
        m.vy = vy;
    };
    burning(squadV2ASlots[0], 590.0f, 410.0f);
    burning(squadV1ASlots[0], 590.0f, 0.0f);
    squadV1ASlots[0].vx = 410.0f;
    burning(squadV3ASlots[0], 590.0f, 0.0f);
    squadV3ASlots[0].vx = 180.0f;
    squadV3ASlots[0].x = 610.0f; // out past 620 on the second move
    squadV3ASlots[0].spinAngle = 14;
    BomSounds();
    for (int frame = 1; frame <= 16; ++frame) {
        SquadV2A_Move();
        SquadV2A_Draw();
        SquadV1A_Move();
        SquadV1A_Draw();
        SquadV3A_Move();
        SquadV3A_Draw();
        if (frame == 1) {
            EXPECT_EQ(squadV2ASlots[0].active, 0); // parked past 600 at once ...
            EXPECT_EQ(squadV2ASlots[0].explosionFrame, 1);
        }
        if (frame == 2) {
            EXPECT_EQ(squadV3ASlots[0].active, 0); // ... and past 620 a frame later
        }
        if (frame < 16) {
            EXPECT_EQ(squadV2ASlots[0].hit, 1) << frame; // ... still burning at the park place
            EXPECT_EQ(squadV1ASlots[0].x, 300.0f + 410.0f * kDt) << frame;
        }
    }
    EXPECT_EQ(squadV2ASlots[0].hit, 0);
    EXPECT_EQ(squadV1ASlots[0].hit, 0);
    EXPECT_EQ(BomSounds(), 5); // V2 and V1 twice each, V3 only its first step
    // The parked V3 wreck keeps its hit mark, shows its (hidden) body and spins.
    EXPECT_EQ(squadV3ASlots[0].hit, 1);
    EXPECT_EQ(squadV3ASlots[0].explosionFrame, 1);
    EXPECT_EQ(squadV3ASlots[0].spinAngle, 14 + 7 * 15);
    EXPECT_EQ(squadV3ASlots[0].x, 340.0f);
}

TEST_F(Squads, GatedSquadsFireOnlyUnderTheOtherDifficulties) {
    struct Case {
        void (*move)();
        SquadSlot* slots;
        float phase;
        AimedString5Record* strings;
        RandomAimedShotRecord* shots;
        bool withHard; // difficulty 2 opens the gate as well
    };
    const Case cases[] = {{SquadV1C_Move, squadV1CSlots, 11, squadV1CShot1Pool, nullptr, false},
                          {SquadV1D_Move, squadV1DSlots, 21, squadV1DShot2Pool, nullptr, false},
                          {SquadV2C_Move, squadV2CSlots, 11, nullptr, squadV2CShot1Pool, true},
                          {SquadV2D_Move, squadV2DSlots, 11, nullptr, squadV2DShot1Pool, true}};
    frameDt = 0.0f;
    for (int setting = 0; setting < 3; ++setting) {
        ResetWorldA();
        difficulty = setting == 1 ? 2 : 1;
        difficultyExtra = setting == 2 ? 1 : 0;
        for (const Case& c : cases) {
            c.slots[1] = SquadSlot{};
            c.slots[1].active = 1;
            c.slots[1].phase = c.phase;
            c.slots[1].x = 300.0f;
            c.slots[1].y = 300.0f;
            c.move();
            const bool open = setting == 2 || (setting == 1 && c.withHard);
            const int32_t armed = c.strings ? c.strings[0].active : c.shots[1].active;
            EXPECT_EQ(armed, open ? 1 : 0) << "setting " << setting << " phase " << c.phase;
        }
    }
}

TEST_F(Squads, StripBodiesShowTheCellOfTheirPhaseAndNothingPastBandFour) {
    const plat::Surface* screen = backBuffer;
    auto member = [](SquadSlot& m, float x, float phase) {
        m.active = 1;
        m.x = x;
        m.y = 300.0f;
        m.phase = phase;
    };
    member(squadV1ASlots[0], 200, 10.0f);  // on an edge: cells 0 and 1, the later on top
    member(squadV1ASlots[1], 320, 100.5f); // between band 4 and the wrap: no body
    member(squadV2ASlots[0], 440, 5.0f);   // V2 reads its strip backwards
    SquadV1A_Draw();
    SquadV2A_Draw();
    EXPECT_TRUE(MatchPicture(screen, 200, 300, imgSZAK30, 100, 0, 200, 100).Shown());
    EXPECT_TRUE(MatchPicture(screen, 440, 300, imgSZAK30, 400, 0, 500, 100).Shown());
    for (int32_t y = 300; y < 400; ++y)
        for (int32_t x = 320; x < 420; ++x)
            ASSERT_EQ(screen->Pixel(x, y), 0) << x << "," << y;
}
