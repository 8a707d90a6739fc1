// The small enemy kinds driven by hand: spawns and their random draws, the
// bounds, the explosion, the timed waves, the wrecks that keep moving, the
// steering kinds and the lock markers.
#include "game/enemies/enemy_kind_fixture.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "game/enemies/enemy_kinds.h"
#include "game/player/lock_sight.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"
#include "kit/system/random.h"
#include "platform/surface.h"

namespace {

class EnemyKinds : public EnemyKindFixture {};

template <typename T> bool SameBytes(const T& a, const T& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

TEST_F(EnemyKinds, SpawnArmsEveryFreeSlotWithItsDrawsInOrder) {
    kitSystem::SeedRandom(2024);
    ReferenceRandom ref{2024};
    for (EnemyRecord& s : enemyAPool) {
        s.vx = 7.0f; // not the spawn's
        s.animFrame = 13;
        s.explosionFrame = 4;
        s.hit = 1;
    }
    EnemyA_Spawn();
    for (const EnemyRecord& s : enemyAPool) {
        const int rx = ref.Next();
        const int rv = ref.Next();
        EXPECT_EQ(s.x, float(rx % 310 + 210));
        EXPECT_EQ(s.y, -80.0f);
        EXPECT_EQ(s.vy, float(rv % 60 + 70));
        EXPECT_EQ(s.vx, 7.0f);
        EXPECT_EQ(s.active, 1);
        EXPECT_EQ(s.hit, 0);
        EXPECT_EQ(s.explosionFrame, 0);
        EXPECT_EQ(s.animFrame, 0);
    }
    EXPECT_EQ(kitSystem::RandomState(), ref.state);

    // A busy slot is skipped and draws nothing; all busy, nothing happens.
    enemyAPool[0].active = 0;
    enemyAPool[2].active = 0;
    const EnemyRecord busy = enemyAPool[1];
    EnemyA_Spawn();
    for (int i = 0; i < 4; ++i)
        ref.Next();
    EXPECT_EQ(kitSystem::RandomState(), ref.state);
    EXPECT_TRUE(SameBytes(enemyAPool[1], busy));
    EXPECT_EQ(enemyAPool[2].active, 1);
    EnemyRecord all[3];
    std::memcpy(all, enemyAPool, sizeof all);
    EnemyA_Spawn();
    EXPECT_EQ(kitSystem::RandomState(), ref.state);
    EXPECT_EQ(std::memcmp(all, enemyAPool, sizeof all), 0);

    // Speeds below a ceiling, and H, whose sideways speed is never drawn.
    kitSystem::SeedRandom(99);
    ref.state = 99;
    EnemyJ_Spawn();
    EnemyH_Spawn();
    for (const EnemyRecordSpinJ& s : enemyJPool) {
        const int ry = ref.Next();
        const int rvx = ref.Next();
        const int rvy = ref.Next();
        EXPECT_EQ(s.x, 90.0f);
        EXPECT_EQ(s.y, float(ry % 100));
        EXPECT_EQ(s.vx, float(100 - rvx % 50));
        EXPECT_EQ(s.vy, float(90 - rvy % 50));
    }
    for (const EnemyRecordSpinF& s : enemyHPool) {
        const int rx = ref.Next();
        const int rv = ref.Next();
        EXPECT_EQ(s.x, float(rx % 360 + 180));
        EXPECT_EQ(s.vy, float(rv % 80 + 40));
    }
    EXPECT_EQ(kitSystem::RandomState(), ref.state);
}

TEST_F(EnemyKinds, BoundsKeepTheEdgesAndParkBeyondThem) {
    // A at exactly 600 stays; a hair below it is parked, keeping its hit.
    EnemyA_Spawn();
    enemyAPool[0].y = 600.0f;
    enemyAPool[0].vy = 0.0f;
    enemyAPool[1].y = std::nextafter(600.0f, 700.0f);
    enemyAPool[1].vy = 0.0f;
    enemyAPool[1].hit = 1;
    enemyAPool[2].active = 0; // free slots are not flown
    enemyAPool[2].y = 100.0f;
    enemyAPool[2].vx = 50.0f;
    EnemyA_Move();
    EXPECT_EQ(enemyAPool[0].active, 1);
    EXPECT_EQ(enemyAPool[0].y, 600.0f);
    EXPECT_EQ(enemyAPool[1].active, 0);
    EXPECT_EQ(enemyAPool[1].x, ParkX);
    EXPECT_EQ(enemyAPool[1].y, ParkY);
    EXPECT_EQ(enemyAPool[1].hit, 1);
    EXPECT_EQ(enemyAPool[2].y, 100.0f);

    // The box of S is inclusive on every side.
    EnemyS_SpawnSlot(0);
    EnemyS_SpawnSlot(1);
    EnemyS_SpawnSlot(2);
    frameDt = 0.0f;
    enemySPool[0].x = 620.0f;
    enemySPool[0].y = -90.0f;
    enemySPool[1].x = std::nextafter(620.0f, 700.0f);
    enemySPool[2].y = std::nextafter(-90.0f, -100.0f);
    EnemyS_Move();
    EXPECT_EQ(enemySPool[0].active, 1);
    EXPECT_EQ(enemySPool[1].active, 0);
    EXPECT_EQ(enemySPool[1].x, ParkX);
    EXPECT_EQ(enemySPool[2].active, 0);

    // J leaving through the bottom parks at its own x, 360.
    EnemyJ_Spawn();
    enemyJPool[0].y = 601.0f;
    EnemyJ_Move();
    EXPECT_EQ(enemyJPool[0].active, 0);
    EXPECT_EQ(enemyJPool[0].x, 360.0f);
    EXPECT_EQ(enemyJPool[0].y, ParkY);
}

TEST_F(EnemyKinds, ExplosionRunsTwoPassesWithTheSoundAtTheStartOfEach) {
    EnemyA_Spawn();
    enemyAPool[0].x = 300.5f;
    enemyAPool[0].y = 200.25f;
    enemyAPool[0].vy = 100.0f;
    EnemyA_SetHit(0);
    BomPlays();
    for (int draw = 1; draw <= 20; ++draw) {
        SCOPED_TRACE(draw);
        EXPECT_EQ(enemyAPool[0].active, 1);
        EnemyA_Draw();
        EXPECT_EQ(BomPlays(), draw == 1 || draw == 11 ? 1 : 0);
        if (draw == 1) {
            // The wreck stops where it was hit.
            EnemyA_Move();
            EXPECT_EQ(enemyAPool[0].y, 200.25f);
            EXPECT_EQ(enemyAPool[0].vy, 0.0f);
        }
        if (draw == 5) {
            // A second hit on a burning wreck changes nothing.
            const EnemyRecord burning = enemyAPool[0];
            EnemyA_SetHit(0);
            EXPECT_TRUE(SameBytes(enemyAPool[0], burning));
        }
    }
    EXPECT_EQ(enemyAPool[0].active, 0);
    EXPECT_EQ(enemyAPool[0].hit, 0);
    EXPECT_EQ(enemyAPool[0].explosionFrame, 0);
    EXPECT_EQ(enemyAPool[0].explosionLoop, 0);
    EXPECT_EQ(enemyAPool[0].x, ParkX);
    EXPECT_EQ(enemyAPool[0].y, ParkY);
    EnemyA_Spawn();
    EXPECT_EQ(enemyAPool[0].active, 1);

    // The other kinds' sheets have eight cells: 16 draws, sounds on 1 and 9.
    // The S wreck keeps flying, the V wreck stops.
    EnemyS_SpawnSlot(0);
    EnemyV_SpawnSlot(0);
    EnemyS_SetHit(0);
    EnemyV_SetHit(0);
    frameDt = 0.0f;
    for (int draw = 1; draw <= 16; ++draw) {
        SCOPED_TRACE(draw);
        EXPECT_EQ(enemySPool[0].hit, 1);
        EnemyS_Draw();
        EnemyV_Draw();
        EXPECT_EQ(BomPlays(), draw == 1 || draw == 9 ? 2 : 0);
        EXPECT_EQ(enemySPool[0].vx, 200.0f);
        EXPECT_EQ(enemyVPool[0].vx, 0.0f);
    }
    EXPECT_EQ(enemySPool[0].active, 0);
    EXPECT_EQ(enemyVPool[0].hit, 0);
}

TEST_F(EnemyKinds, TimedWaveOffersEachSlotOnItsTickOfEveryCycle) {
    int armedOn[2][5][2] = {};
    int armings[2][5] = {};
    for (int call = 1; call <= 1001; ++call) {
        EnemyS_SpawnTimed();
        EnemyV_SpawnTimed();
        for (int k = 0; k < 5; ++k) {
            EnemyRecordTimed* slots[2] = {&enemySPool[k], &enemyVPool[k]};
            for (int kind = 0; kind < 2; ++kind) {
                if (!slots[kind]->active || slots[kind]->y == 300.0f) continue;
                if (armings[kind][k] < 2) armedOn[kind][k][armings[kind][k]] = call;
                ++armings[kind][k];
                // Slot 4 of S is still busy when its next tick comes.
                if (kind == 0 && k == 4)
                    slots[kind]->y = 300.0f;
                else
                    slots[kind]->active = 0;
            }
        }
    }
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(armedOn[1][k][0], 100 * (k + 1));
        EXPECT_EQ(armedOn[1][k][1], 601 + 100 * k);
        EXPECT_EQ(armedOn[0][k][0], 100 * (k + 1));
        if (k < 4) {
            EXPECT_EQ(armedOn[0][k][1], 601 + 100 * k);
        }
        EXPECT_EQ(armings[1][k], 2);
    }
    // The busy slot is skipped, not re-armed.
    EXPECT_EQ(armings[0][4], 1);
    EXPECT_EQ(enemySPool[4].y, 300.0f);
    EXPECT_EQ(enemyVPool[2].x, 620.0f);
    EXPECT_EQ(enemyVPool[2].vx, -200.0f);
    EXPECT_EQ(enemySPool[0].waveTimer, 1001 - 501);
}

TEST_F(EnemyKinds, MovingWrecksSteeringAndSpin) {
    // An O wreck that dives out of the field burns on at the park place and
    // plays the second pass's sound there.
    kitSystem::SeedRandom(5);
    EnemyO_Spawn();
    enemyOPool[0].x = 300.0f;
    enemyOPool[0].y = 590.0f;
    enemyOPool[0].vy = 100.0f;
    EnemyO_SetHit(0);
    BomPlays();
    frameDt = 0.2f;
    EnemyO_Draw();
    EnemyO_Move();
    EXPECT_EQ(enemyOPool[0].x, ParkX); // dived 45 degrees down, then parked
    EXPECT_EQ(enemyOPool[0].active, 0);
    EXPECT_EQ(enemyOPool[0].hit, 1);
    EXPECT_EQ(BomPlays(), 1);
    for (int draw = 2; draw <= 16; ++draw) {
        EnemyO_Move();
        EnemyO_Draw();
        EXPECT_EQ(BomPlays(), draw == 9 ? 1 : 0) << draw;
    }
    EXPECT_EQ(enemyOPool[0].hit, 0);
    EXPECT_EQ(enemyOPool[0].explosionLoop, 0);

    // S and V parked while burning stop at once and stay hit until re-armed.
    EnemyS_SpawnSlot(1);
    EnemyS_SetHit(1);
    EnemyS_Draw();
    EXPECT_EQ(BomPlays(), 1);
    enemySPool[1].y = 601.0f;
    EnemyS_Move();
    for (int i = 0; i < 20; ++i)
        EnemyS_Draw();
    EXPECT_EQ(BomPlays(), 0);
    EXPECT_EQ(enemySPool[1].explosionFrame, 1);
    EXPECT_EQ(enemySPool[1].hit, 1);
    EnemyS_SpawnSlot(1);
    EXPECT_EQ(enemySPool[1].hit, 0);
    EXPECT_EQ(enemySPool[1].explosionFrame, 0);

    // F and G steer toward the ship after the step; level with it they keep
    // their speed.
    EnemyF_Spawn();
    EnemyG_Spawn();
    frameDt = 0.5f;
    playerX = 200.0f;
    enemyFPool[0].x = 300.0f;
    enemyFPool[0].vx = 3.0f;
    enemyGPool[0].x = 100.0f;
    enemyGPool[0].vx = 3.0f;
    EnemyF_Move();
    EnemyG_Move();
    EXPECT_EQ(enemyFPool[0].x, 301.5f);
    EXPECT_EQ(enemyFPool[0].vx, -50.0f);
    EXPECT_EQ(enemyGPool[0].x, 101.5f);
    EXPECT_EQ(enemyGPool[0].vx, 55.0f);
    EnemyF_Move();
    EXPECT_EQ(enemyFPool[0].x, 276.5f);
    enemyFPool[0].vx = 3.0f;
    playerX = 278.0f;
    EnemyF_Move();
    EXPECT_EQ(enemyFPool[0].vx, 3.0f);

    // Spinning sprites turn 7 degrees a draw and restart at 0, free slots too.
    enemyFPool[0].spinAngle = 355;
    enemyFPool[1].active = 0;
    enemyFPool[1].spinAngle = 10;
    EnemyF_Draw();
    EXPECT_EQ(enemyFPool[0].spinAngle, 0);
    EXPECT_EQ(enemyFPool[1].spinAngle, 17);
}

TEST_F(EnemyKinds, LockedMarkersFollowShowAndAreReleased) {
    EnemyQ_Spawn();
    EnemyQ_Draw();
    EXPECT_EQ(enemyQLockMarkers[0].x, 290); // released on spawn, and not followed unlocked
    EXPECT_EQ(enemyQLockMarkers[0].y, 0);

    // Locked by hand, the marker sits on the sprite and is drawn over it.
    LockEnemyQ(0);
    enemyQPool[0].x = 300.7f;
    enemyQPool[0].y = 200.2f;
    kitDraw::Clear();
    EnemyQ_Draw();
    EXPECT_EQ(enemyQLockMarkers[0].x, 315);
    EXPECT_EQ(enemyQLockMarkers[0].y, 215);
    EXPECT_TRUE(MatchPicture(harness_.BackBuffer(), 315, 215, imgROCK1, 0, 0, 60, 60).Shown());
    frameDt = 0.1f;
    const int32_t x = FloatToInt(300.7f + enemyQPool[0].vx * 0.1f);
    EnemyQ_Move();
    EnemyQ_Draw();
    EXPECT_EQ(enemyQLockMarkers[0].x, x + 15);

    // Hit, it stops following and is released when the explosion ends.
    EnemyQ_SetHit(0);
    enemyQPool[0].x = 400.0f;
    frameDt = 0.0f;
    for (int i = 0; i < 15; ++i)
        EnemyQ_Draw();
    EXPECT_EQ(enemyQLockMarkers[0].x, x + 15);
    EXPECT_EQ(enemyQLockMarkers[0].locked, 1);
    EnemyQ_Draw();
    EXPECT_EQ(enemyQLockMarkers[0].locked, 0);
    EXPECT_EQ(enemyQLockMarkers[0].x, 290);

    // Leaving the field, the slot lets go of a marker that lies outside its box.
    LockEnemyQ(1);
    enemyQPool[1].x = 619.0f;
    EnemyQ_Draw();
    ASSERT_EQ(enemyQLockMarkers[1].x, 634);
    enemyQPool[1].x = 621.0f;
    EnemyQ_Move();
    EXPECT_EQ(enemyQPool[1].x, 355.0f);
    EXPECT_EQ(enemyQLockMarkers[1].locked, 0);
    EXPECT_EQ(enemyQLockMarkers[1].x, 370);
    EXPECT_EQ(enemyQLockMarkers[1].y, 0);

    // Arming R releases Q's first two markers, Q's slot in play or not.
    LockEnemyQ(0);
    LockEnemyQ(2);
    EnemyR_Spawn();
    EXPECT_EQ(enemyQLockMarkers[0].locked, 0);
    EXPECT_EQ(enemyQLockMarkers[2].locked, 1);

    // J: out through the bottom its marker stays, even left of the field;
    // out through the side it goes.
    EnemyJ_Spawn();
    LockEnemyJ(0);
    LockEnemyJ(1);
    enemyJPool[0].x = 95.0f;
    enemyJPool[0].y = 595.0f;
    enemyJPool[1].x = 95.0f;
    EnemyJ_Draw();
    enemyJPool[0].y = 601.0f;
    enemyJPool[1].x = 89.0f;
    EnemyJ_Move();
    EXPECT_EQ(enemyJLockMarkers[0].locked, 1);
    EXPECT_EQ(enemyJLockMarkers[0].x, 105);
    EXPECT_EQ(enemyJLockMarkers[1].locked, 0); // at 105, left of 110
    EXPECT_EQ(enemyJLockMarkers[1].x, 370);
    EXPECT_EQ(enemyJLockMarkers[1].y, 0);
}

namespace {

// The back buffer's pixels, to compare one composition with another.
std::vector<uint16_t> BackPixels() {
    uint16_t* p = nullptr;
    int32_t pitch = 0;
    std::vector<uint16_t> out;
    if (plat::Lock(backBuffer, &p, &pitch) != plat::kOk) return out;
    for (int32_t y = 0; y < 600; ++y)
        out.insert(out.end(), p + y * (pitch / 2), p + y * (pitch / 2) + 800);
    plat::Unlock(backBuffer);
    return out;
}

} // namespace

// Where the pieces of a wreck fly: drawn by the kind's own step, and by hand
// from the layout the pieces are meant to follow, the two pictures agree in
// both draw modes, for the 80-pixel pieces of A and the 40-pixel debris of G.
TEST_F(EnemyKinds, ExplosionPiecesFlyApartOnTheirOwnLines) {
    const int32_t X = 330, Y = 250;
    for (int32_t mode : {0, 1}) {
        SCOPED_TRACE(mode);
        effectDrawMode = mode;
        const int32_t f = 7;
        EnemyA_Spawn();
        enemyAPool[0].x = float(X) + 0.75f;
        enemyAPool[0].y = float(Y) + 0.5f;
        enemyAPool[0].hit = 1;
        enemyAPool[0].explosionFrame = f;
        kitDraw::Clear();
        EnemyA_Draw();
        const std::vector<uint16_t> drawn = BackPixels();

        kitDraw::Clear();
        const int32_t l = 80 * f, r = l + 80;
        auto piece = [&](int32_t x, int32_t y, bool half) {
            if (mode == 0)
                BlitKeyed(x, y, imgZBAK3B, l, 0, r, 80);
            else if (half)
                BlitHalfTranslucent(x, y, imgZBAK3B, l, 0, r, 80);
            else
                BlitAdditive(x, y, imgZBAK3B, l, 0, r, 80);
        };
        piece(X, Y, false);
        piece(X + 20 - 6 * f, Y + 20 - 6 * f, true);
        piece(X + 20 + 6 * f, Y + 20 + 2 * f, false);
        piece(X + 20 - 6 * f, Y + 20 + 6 * f, false);
        piece(X + 20 + f, Y + 20 - 6 * f, false);
        EXPECT_TRUE(drawn == BackPixels());
        for (EnemyRecord& s : enemyAPool)
            s = EnemyRecord{};
    }

    effectDrawMode = 1;
    const int32_t f = 5;
    EnemyG_Spawn();
    enemyGPool[0].x = float(X);
    enemyGPool[0].y = float(Y);
    enemyGPool[0].hit = 1;
    enemyGPool[0].explosionFrame = f;
    kitDraw::Clear();
    EnemyG_Draw();
    const std::vector<uint16_t> drawn = BackPixels();
    kitDraw::Clear();
    BlitAdditive(X, Y, imgZBAK2B, 80 * f, 0, 80 * f + 80, 80);
    const int32_t debris[5][2] = {{-4, -6}, {6, 5}, {-6, 3}, {6, -6}, {5, -5}};
    for (const auto& d : debris)
        BlitAdditive(X + 20 + d[0] * f, Y + 20 + d[1] * f, imgZBAK6B, 40 * f, 0, 40 * f + 40, 40);
    EXPECT_TRUE(drawn == BackPixels());
}
