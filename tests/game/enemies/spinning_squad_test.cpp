// The spinning, lockable squads: V3's early fire, V4's entry on the bottom
// edge, and their lock markers, which nothing locks in play, locked by hand.
#include "game/enemies/aimed_string5.h"
#include "game/enemies/squads.h"
#include "squad_world.h"

using SpinningSquads = SquadWorld;

TEST_F(SpinningSquads, V3FiresFromItsFirstFrameAndV4EntersOnTheBottomBound) {
    SquadV3A_SpawnSlot(0);
    SquadV4A_SpawnSlot(0);
    // Band 0 starts at phase 0; string 2 waits for phase 11 (1.25 a frame).
    for (int frame = 1; frame <= 9; ++frame) {
        SquadV3A_Move();
        SquadV4A_Move();
        EXPECT_EQ(squadV3AShot1Pool[0].active, 1) << frame;
        EXPECT_EQ(squadV3AShot2Pool[0].active, frame == 9 ? 1 : 0) << frame;
    }
    EXPECT_EQ(squadV3AShot1Pool[0].y, -70.0f);
    EXPECT_EQ(squadV4ASlots[0].y, 600.0f - 400.0f * kDt * 8); // not parked on y = 600
}

TEST_F(SpinningSquads, AMarkerLockedByHandFollowsItsMemberUntilItIsReleased) {
    frameDt = 0.0f;
    SquadV3A_SpawnSlot(2);
    squadV3ASlots[2].x = 300.5f;
    squadV3ASlots[2].y = 200.7f;
    squadV3ALockMarkers[2].locked = 1;
    SquadV3A_Draw();
    EXPECT_EQ(squadV3ALockMarkers[2].x, 330);
    EXPECT_EQ(squadV3ALockMarkers[2].y, 230);
    EXPECT_TRUE(MatchPicture(backBuffer, 330, 230, imgROCK1, 0, 0, 60, 60).Shown());
    // The wreck's marker stays where it was; the end of the explosion frees it.
    SquadV3A_SetHit(2);
    squadV3ASlots[2].x = 350.0f;
    for (int draw = 1; draw <= 15; ++draw)
        SquadV3A_Draw();
    EXPECT_EQ(squadV3ALockMarkers[2].x, 330);
    EXPECT_EQ(squadV3ALockMarkers[2].locked, 1);
    SquadV3A_Draw();
    EXPECT_EQ(squadV3ALockMarkers[2].locked, 0);
    EXPECT_EQ(squadV3ALockMarkers[2].x, 290);

    // Leaving the field releases a marker outside the box to (370, 0).
    SquadV4B_SpawnSlot(0);
    SquadV4B_SpawnSlot(1);
    squadV4BSlots[0].x = squadV4BSlots[1].x = 620.5f;
    squadV4BLockMarkers[0] = {400, 230, 1, 0};
    squadV4BLockMarkers[1] = {100, 230, 1, 0};
    SquadV4B_Move();
    EXPECT_EQ(squadV4BSlots[0].x, 340.0f);
    EXPECT_EQ(squadV4BLockMarkers[0].locked, 1);
    EXPECT_EQ(squadV4BLockMarkers[1].locked, 0);
    EXPECT_EQ(squadV4BLockMarkers[1].x, 370);
}
