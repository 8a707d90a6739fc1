// The spinning, lockable squads V3 and V4: their bands and bounds, the spin,
// and their lock markers, which nothing locks in play, locked here by hand.
#include "game/enemies/aimed_string5.h"
#include "game/enemies/squads.h"
#include "game/player/lockon_shots.h"
#include "game/player/player_api.h"
#include "game/player/player_pools.h"
#include "kit/draw/screen.h"
#include "squad_world.h"

namespace {

using SpinningSquads = SquadWorld;

void Place(SquadSlot& m, float x, float y) {
    m.active = 1;
    m.hit = 0;
    m.x = x;
    m.y = y;
}

} // namespace

TEST_F(SpinningSquads, V3FiresFromItsFirstFrameAndV4ClimbsFromTheBottomEdge) {
    squadV3ASlots[0].waveTimer = 77;
    squadV4ASlots[0].waveTimer = 77;
    SquadV3A_SpawnSlot(0);
    SquadV4A_SpawnSlot(0);
    EXPECT_EQ(squadV3ASlots[0].waveTimer, 0); // V3 restarts the timer, V4 leaves it running
    EXPECT_EQ(squadV4ASlots[0].waveTimer, 77);

    // Band 0 starts at phase 0: string 1 leaves slot 0 on the first move;
    // string 2 waits for phase 11 (1.25 a frame at 40 per second).
    for (int frame = 1; frame <= 9; ++frame) {
        SquadV3A_Move();
        SquadV4A_Move();
        if (frame == 1) {
            EXPECT_EQ(squadV3AShot1Pool[0].active, 1);
            EXPECT_EQ(squadV3AShot1Pool[0].x, 255.0f);
            EXPECT_EQ(squadV3AShot1Pool[0].y, -70.0f);
            EXPECT_EQ(squadV4ASlots[0].y, 600.0f); // on the bound, not parked
            EXPECT_EQ(squadV4ASlots[0].vy, -400.0f);
        }
        EXPECT_EQ(squadV3AShot2Pool[0].active, frame == 9 ? 1 : 0) << frame;
    }
    // V4 climbs at 400 until its phase reaches 11 (0.78125 a frame), then turns.
    for (int frame = 10; frame <= 15; ++frame) {
        EXPECT_EQ(squadV4ASlots[0].vx, 0.0f) << frame;
        SquadV4A_Move();
    }
    EXPECT_EQ(squadV4ASlots[0].vy, -220.0f);
    EXPECT_EQ(squadV4ASlots[0].vx, 110.0f);
    EXPECT_EQ(squadV4ASlots[0].y, 600.0f - 400.0f * kDt * 14);

    // Every bound keeps a member; one step past it parks the member at x 340.
    frameDt = 0.0f;
    const float inside[4][2] = {{60, 300}, {620, 300}, {300, -120}, {300, 600}};
    const float outside[4][2] = {{59.99f, 300}, {620.01f, 300}, {300, -120.01f}, {300, 600.01f}};
    for (int i = 0; i < 4; ++i) {
        Place(squadV3BSlots[i], inside[i][0], inside[i][1]);
        Place(squadV4BSlots[i], outside[i][0], outside[i][1]);
    }
    SquadV3B_Move();
    SquadV4B_Move();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(squadV3BSlots[i].active, 1) << i;
        EXPECT_EQ(squadV4BSlots[i].active, 0) << i;
        EXPECT_EQ(squadV4BSlots[i].x, 340.0f);
        EXPECT_EQ(squadV4BSlots[i].y, 2550.0f);
    }
}

TEST_F(SpinningSquads, BodiesTurnSevenDegreesAFrameFromWhereTheirSlotLeftOff) {
    squadV4BSlots[1].spinAngle = 203;
    squadV4BSlots[2].spinAngle = 357;
    SquadV4B_SpawnSlot(1); // arming keeps the slot's angle
    EXPECT_EQ(squadV4BSlots[1].spinAngle, 203);
    SquadV4B_Draw(); // every slot that is not burning turns, armed or not
    EXPECT_EQ(squadV4BSlots[1].spinAngle, 210);
    EXPECT_EQ(squadV4BSlots[2].spinAngle, 0); // 357 + 7 wraps to 0, not 4
    EXPECT_EQ(squadV4BSlots[0].spinAngle, 7);
}

TEST_F(SpinningSquads, AMarkerLockedByHandFollowsItsMemberAndIsReleasedWithIt) {
    const plat::Surface* screen = backBuffer;
    frameDt = 0.0f;
    SquadV3A_SpawnSlot(2);
    EXPECT_EQ(squadV3ALockMarkers[2].locked, 0);
    EXPECT_EQ(squadV3ALockMarkers[2].x, 290);
    Place(squadV3ASlots[2], 300.5f, 200.7f);
    Place(squadV3ASlots[3], 400.0f, 200.0f);
    squadV3ALockMarkers[2].locked = 1;
    SquadV3A_Draw();
    EXPECT_EQ(squadV3ALockMarkers[2].x, 330);
    EXPECT_EQ(squadV3ALockMarkers[2].y, 230);
    EXPECT_TRUE(MatchPicture(screen, 330, 230, imgROCK1, 0, 0, 60, 60).Shown());
    EXPECT_EQ(squadV3ALockMarkers[3].x, -500); // an unlocked marker stays put

    // The wreck's marker stops following; the end of the explosion frees it.
    SquadV3A_SetHit(2);
    squadV3ASlots[2].x = 350.0f;
    for (int draw = 1; draw <= 16; ++draw) {
        SquadV3A_Draw();
        if (draw < 16) {
            EXPECT_EQ(squadV3ALockMarkers[2].x, 330);
            EXPECT_EQ(squadV3ALockMarkers[2].locked, 1);
        }
    }
    EXPECT_EQ(squadV3ALockMarkers[2].locked, 0);
    EXPECT_EQ(squadV3ALockMarkers[2].x, 290);
    EXPECT_EQ(squadV3ALockMarkers[2].y, 0);

    // Leaving the field: a marker inside the box keeps its lock, one outside
    // it goes to (370, 0).
    Place(squadV3ASlots[0], 621.0f, 200.0f);
    Place(squadV3ASlots[1], 621.0f, 200.0f);
    squadV3ALockMarkers[0] = {400, 230, 1, 0};
    squadV3ALockMarkers[1] = {100, 230, 1, 0};
    SquadV3A_Move();
    EXPECT_EQ(squadV3ALockMarkers[0].locked, 1);
    EXPECT_EQ(squadV3ALockMarkers[0].x, 400);
    EXPECT_EQ(squadV3ALockMarkers[1].locked, 0);
    EXPECT_EQ(squadV3ALockMarkers[1].x, 370);
    EXPECT_EQ(squadV3ALockMarkers[1].y, 0);
}

TEST_F(SpinningSquads, ALockOnShotReachesAMarkedMemberAndDestroysIt) {
    Place(squadV4BSlots[4], 400.0f, 200.0f);
    squadV4BLockMarkers[4].locked = 1;
    frameDt = 0.0f;
    SquadV4B_Draw();         // places the marker on the body
    playerY = 400.0f;        // the weapon's shots live above y 480
    frameDt = 1.0f / 240.0f; // short steps, so the shot meets the arrival box
    LockOnShotSquadV4B_Spawn();
    ASSERT_EQ(lockOnShotsSquadV4B[4].active, 1);
    const int32_t before = score;
    for (int frame = 0; frame < 600 && squadV4BSlots[4].hit == 0; ++frame)
        LockOnShotSquadV4B_Move();
    EXPECT_EQ(squadV4BSlots[4].hit, 1);
    EXPECT_EQ(squadV4BLockMarkers[4].locked, 0);
    EXPECT_EQ(score - before, kLockOnHitPoints);
    BomSounds();
    SquadV4B_Draw();
    EXPECT_EQ(BomSounds(), 1);
}
