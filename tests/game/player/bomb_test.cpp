// The bomb: its launch waves, its end, the targets its fragments pierce and
// the fragments' picture.
#include <cmath>

#include "game/enemies/enemy_kinds.h"
#include "game/enemies/large_enemies.h"
#include "game/player/bomb.h"
#include "game/player/player_pools.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/state/assets.h"
#include "weapons_fixture.h"

namespace {

class Bomb : public WeaponsTest {
  protected:
    // What a trigger does: the streams are held off while the bomb runs.
    static void StartBomb() {
        clearEnemyShots = 1;
        narrowShotsEnabled = 0;
        wideShotsEnabled = 0;
        bombClock = 0;
    }

    static int AliveFragments() {
        int n = 0;
        for (const BombFragment& f : bombFragments)
            n += f.alive != 0;
        return n;
    }

    // One fragment held still at (x, y): speed 0 keeps it over its target.
    static void HoldFragment(int i, int32_t x, int32_t y) {
        BombFragment& f = bombFragments[i];
        f.alive = 1;
        f.x = x;
        f.y = y;
        f.speed = 0;
        f.angle = 0.0f;
    }
};

} // namespace

TEST_F(Bomb, FragmentsLaunchInWavesPierceATargetAndTheBombTakesOneFromTheStock) {
    playerX = 370.0f;
    playerY = 450.0f;
    bombStock = 1;
    // An EnemyQ below and left of the ship, on the path of every group's first
    // fragment (down and to the left, 15 px left and 36 px down a frame).
    enemyQPool[0].x = 300.0f;
    enemyQPool[0].y = 560.0f;
    StartBomb();

    int launched = 0;
    for (int frame = 1; frame <= kBombFrames; ++frame) {
        const int before = AliveFragments();
        PlayerBomb_Update();
        const int fresh = AliveFragments() - before;
        launched += fresh;
        // Every third frame from 3 to 45 one group of ten leaves.
        EXPECT_EQ(fresh, frame % 3 == 0 && frame <= 45 ? 10 : 0) << "frame " << frame;
        if (frame == 3) {
            for (int i = 0; i < kBombFragments; ++i)
                EXPECT_EQ(bombFragments[i].alive, i >= 10 && i < 20 ? 1 : 0) << i;
            const BombFragment& f = bombFragments[10];
            EXPECT_EQ(f.x, 360);
            EXPECT_EQ(f.y, 440);
            EXPECT_EQ(f.speed, 40);
            // The first of a group leaves at 112.5 degrees: down and to the left.
            EXPECT_NEAR(std::remainder(double(f.angle), 2 * M_PI), 112.5 * M_PI / 180, 1e-5);
        }
        if (frame == 24) {
            EXPECT_EQ(bombFragments[0].alive, 1); // group 1 leaves only now
        }
        if (frame < kBombFrames) {
            EXPECT_EQ(clearEnemyShots, 1) << frame;
            EXPECT_EQ(narrowShotsEnabled, 0);
            EXPECT_EQ(wideShotsEnabled, 0);
            EXPECT_EQ(bombClock, frame);
        }
        PlayerBomb_Move();
    }
    // Groups 2 to 8 flew twice, group 1 once.
    EXPECT_EQ(launched, 150);
    EXPECT_EQ(bombStock, 0);
    EXPECT_EQ(bombClock, 0);
    EXPECT_EQ(clearEnemyShots, 0);
    EXPECT_EQ(narrowShotsEnabled, 1);
    EXPECT_EQ(wideShotsEnabled, 1);

    // The last groups finish their flight after the end.
    for (int frame = 0; frame < 20; ++frame)
        PlayerBomb_Move();
    EXPECT_EQ(AliveFragments(), 0);
    for (const BombFragment& f : bombFragments) {
        EXPECT_EQ(f.x, -500);
        EXPECT_EQ(f.y, 500);
    }
    // Fifteen first fragments crossed the enemy's box at (330, 512),
    // (315, 548) and (300, 584): three frames each, 50 points a frame.
    EXPECT_EQ(enemyQPool[0].hit, 1);
    EXPECT_EQ(enemyQPool[1].hit, 0);
    EXPECT_EQ(score, Scored(15 * 3 * 50));
}

TEST_F(Bomb, WithoutBombsTheBombStopsAtOnceAndTakesNothing) {
    playerX = 370.0f;
    playerY = 450.0f;
    bombStock = 0;
    StartBomb();
    PlayerBomb_Update();
    EXPECT_EQ(bombClock, 1); // kept
    EXPECT_EQ(AliveFragments(), 0);
    EXPECT_EQ(bombStock, 0);
    EXPECT_EQ(clearEnemyShots, 0);
    EXPECT_EQ(narrowShotsEnabled, 1);
    EXPECT_EQ(wideShotsEnabled, 1);

    // A fragment still in flight is not launched again over itself.
    bombStock = 3;
    StartBomb();
    for (int frame = 0; frame < 3; ++frame)
        PlayerBomb_Update();
    const BombFragment flying = bombFragments[10];
    playerX = 200.0f;
    PlayerBomb_Launch(10);
    EXPECT_EQ(bombFragments[10].x, flying.x);
    PlayerBomb_Launch(-1); // ignored
    PlayerBomb_Launch(kBombFragments);
}

TEST_F(Bomb, FragmentsLeavingTheFieldParkInTheSameMove) {
    BombFragment& f = bombFragments[0];
    f = BombFragment{};
    f.alive = 1;
    f.x = 770;
    f.y = 300;
    f.speed = 40;
    f.angle = 0.0f; // to the right
    PlayerBomb_Move();
    EXPECT_EQ(f.x, -500);
    EXPECT_EQ(f.alive, 0);
    EXPECT_EQ(f.y, 500);

    // Up and out at the top: -81 is out, -80 still in.
    f.alive = 1;
    f.x = 300;
    f.y = -41;
    f.angle = float(-M_PI / 2);
    PlayerBomb_Move();
    EXPECT_EQ(f.alive, 0);
    f.alive = 1;
    f.x = 300;
    f.y = -40;
    PlayerBomb_Move();
    EXPECT_EQ(f.alive, 1);
    EXPECT_EQ(f.y, -80);
}

TEST_F(Bomb, ABossLosesHpAndScoresOnEveryFrameOfOverlap) {
    scene2Boss.x = 200.0f;
    scene2Boss.y = 100.0f;
    // The box's near corner: x + 80, y + 10, both ends included.
    HoldFragment(0, 280, 110);
    const float hp = scene2Boss.hp;
    for (int frame = 0; frame < 10; ++frame)
        PlayerBomb_Move();
    EXPECT_FLOAT_EQ(scene2Boss.hp, hp - 10 * 40.0f * frameDt);
    EXPECT_EQ(scene2Boss.BossHitFlash, 1);
    EXPECT_EQ(score, Scored(10 * 50));

    // One pixel short of the box: nothing.
    score = 0;
    scene2Boss.BossHitFlash = 0;
    bombFragments[0].x = 279;
    PlayerBomb_Move();
    EXPECT_EQ(scene2Boss.BossHitFlash, 0);
    bombFragments[0].x = 500; // the far edge, +300
    bombFragments[0].y = 300; // +200
    PlayerBomb_Move();
    EXPECT_EQ(scene2Boss.BossHitFlash, 1);

    // A dead boss and a boss above the top are left alone.
    scene2Boss.BossHitFlash = 0;
    scene2Boss.deadFlag = 1;
    PlayerBomb_Move();
    EXPECT_EQ(scene2Boss.BossHitFlash, 0);
    scene2Boss.deadFlag = 0;
    scene2Boss.y = -1.0f;
    bombFragments[0].y = 199;
    PlayerBomb_Move();
    EXPECT_EQ(scene2Boss.BossHitFlash, 0);

    // The scene-3 boss gives 60 a frame and loses 35 a second; scene 7's loses 35 too.
    score = 0;
    scene3Boss.x = 200.0f;
    scene3Boss.y = 50.0f;
    HoldFragment(0, 590, 60); // x + 390, y + 10
    const float hp3 = scene3Boss.hp;
    PlayerBomb_Move();
    EXPECT_FLOAT_EQ(scene3Boss.hp, hp3 - 35.0f * frameDt);
    EXPECT_EQ(score, Scored(60));
    scene3Boss.x = ParkX;
    scene7Boss.x = 200.0f;
    scene7Boss.y = 50.0f;
    const float hp7 = scene7Boss.hp;
    HoldFragment(0, 250, 60);
    PlayerBomb_Move();
    EXPECT_FLOAT_EQ(scene7Boss.hp, hp7 - 35.0f * frameDt);
}

TEST_F(Bomb, EnemiesSquadsAndLargeEnemiesScoreByTheirRows) {
    // Two fragments over one EnemyB: two hits in one frame, 250 each.
    enemyBPool[2].x = 300.0f;
    enemyBPool[2].y = 200.0f;
    HoldFragment(0, 260, 140); // x - 40, y - 60
    HoldFragment(1, 360, 260); // x + 60, y + 60
    PlayerBomb_Move();
    EXPECT_EQ(enemyBPool[2].hit, 1);
    EXPECT_EQ(score, Scored(500));

    // A slot whose collide flag is set, or that is above its lowest y, is skipped.
    enemyBPool[2].hit = 0;
    enemyBPool[2].collideOff = 1;
    PlayerBomb_Move();
    EXPECT_EQ(enemyBPool[2].hit, 0);
    enemyBPool[2].collideOff = 0;
    enemyBPool[2].y = -31.0f;
    bombFragments[0].y = -31;
    bombFragments[1] = BombFragment{};
    PlayerBomb_Move();
    EXPECT_EQ(enemyBPool[2].hit, 0);
    enemyBPool[2].y = -30.0f;
    bombFragments[0].y = -30;
    PlayerBomb_Move();
    EXPECT_EQ(enemyBPool[2].hit, 1);
    enemyBPool[2].x = ParkX;
    enemyBPool[2].y = ParkY;

    // The stepping large enemy breaks after 25 frames of overlap, then scores on each.
    score = 0;
    largeEnemyT60.x = 300.0f;
    largeEnemyT60.y = 100.0f;
    largeEnemyT60.hitsTaken = 0;
    HoldFragment(0, 360, 40); // x + 60, y - 60
    for (int frame = 1; frame <= 30; ++frame) {
        PlayerBomb_Move();
        EXPECT_EQ(largeEnemyT60.hit, frame >= 25 ? 1 : 0) << frame;
    }
    EXPECT_EQ(largeEnemyT60.hitsTaken, 30);
    EXPECT_EQ(score, Scored(6 * 500));
    largeEnemyT60.x = ParkX;
    largeEnemyT60.y = ParkY;

    // The first descender's box holds no point: the bomb passes over it.
    score = 0;
    largeEnemyD50.x = 300.0f;
    largeEnemyD50.y = 100.0f;
    for (int32_t dx = -100; dx <= 200; dx += 10) {
        HoldFragment(0, 300 + dx, 100);
        PlayerBomb_Move();
    }
    EXPECT_EQ(largeEnemyD50.hit, 0);
    EXPECT_EQ(score, 0);
    // Its neighbour takes +60..+120, at 50 a frame; a stop-and-fire one 300.
    largeEnemyD51.x = 300.0f;
    largeEnemyD51.y = 100.0f;
    HoldFragment(0, 420, 100);
    PlayerBomb_Move();
    EXPECT_EQ(largeEnemyD51.hit, 1);
    EXPECT_EQ(score, Scored(50));
    largeEnemyD51.x = ParkX;
    score = 0;
    largeEnemyS54R.x = 300.0f;
    largeEnemyS54R.y = 100.0f;
    PlayerBomb_Move(); // x + 120 is outside 60..80
    EXPECT_EQ(largeEnemyS54R.hit, 0);
    HoldFragment(0, 380, 100);
    PlayerBomb_Move();
    EXPECT_EQ(largeEnemyS54R.hit, 1);
    EXPECT_EQ(score, Scored(300));
}

TEST_F(Bomb, ParkedWorldIsNeverHit) {
    // After the reset every target is parked: fragments all over the field hit nothing.
    for (int i = 0; i < kBombFragments; ++i)
        HoldFragment(i, 180 + (i % 10) * 44, (i / 10) * 75);
    for (int frame = 0; frame < 3; ++frame)
        PlayerBomb_Move();
    EXPECT_EQ(score, 0);
    EXPECT_EQ(scene2Boss.BossHitFlash, 0);
    for (const auto& r : enemyAPool)
        EXPECT_EQ(r.hit, 0);
}

TEST_F(Bomb, FragmentsDrawInsideTheClipOnly) {
    imgFBOM1 = 20;
    const uint16_t orange = SolidImage(imgFBOM1, 80, 80, 255, 128, 8);
    bombFragments[0].x = 300;
    bombFragments[0].y = 200;
    bombFragments[1].x = 150; // half left of the play field
    bombFragments[1].y = 0;
    bombFragments[2].x = 590; // past the right edge and the bottom
    bombFragments[2].y = 560;
    bombFragments[3].x = -2000000000;
    bombFragments[3].y = 2000000000;
    PlayerBomb_Draw();
    EXPECT_EQ(Screen(300, 200), orange);
    EXPECT_EQ(Screen(379, 279), orange);
    EXPECT_EQ(Screen(380, 280), 0);
    EXPECT_EQ(Screen(179, 10), 0);
    EXPECT_EQ(Screen(180, 10), orange);
    EXPECT_EQ(Screen(619, 599), orange);
    EXPECT_EQ(Screen(620, 599), 0);
    // The parked ones left nothing anywhere else.
    EXPECT_EQ(Screen(0, 500), 0);
}
