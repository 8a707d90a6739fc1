#include "game/enemies/large_enemy_forms.h"

#include "game/enemies/bullet_rules.h"
#include "game/enemies/pool_util.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/sound/sound.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

namespace {

// Two passes over the eight cells of the strip, the sound at the start of
// each; then the record is freed where it is and parked.
template <typename Record> void DrawLarge(Record& r, const LargeBody& body, const LargeExplosion& ex) {
    const int32_t x = FloatToInt(r.x);
    const int32_t y = FloatToInt(r.y);
    if (r.hit == 0) {
        BlitKeyed(x, y, *body.image, 0, 0, body.width, body.height);
        return;
    }
    for (int i = 0; i < ex.count; ++i)
        DrawPiece(ex.pieces[i], ex.pieces[i].blit, r.explosionFrame, x, y);
    if (r.explosionFrame == 0) kitSound::Play(sndBOM, -1);
    if (StepExplosionStrip(r.explosionFrame, r.explosionCycle, 7)) {
        r.hit = 0;
        ParkRecord(r);
    }
}

bool Within(float v, float lo, float hi) { return v >= lo && v <= hi; }

} // namespace

void LargeEnemy_Spawn(const DescendingEnemy& e) {
    LargeEnemyRecord& r = *e.record;
    if (r.active != 0) return;
    const int32_t x = 180 + kitSystem::Random() % e.spawnRange;
    const int32_t vy = 60 + kitSystem::Random() % 60;
    r.x = float(x);
    r.y = e.entryY;
    r.vy = float(vy);
    r.active = 1;
    r.hit = 0;
    r.explosionFrame = 0;
}

void LargeEnemy_Spawn(const StopAndFireEnemy& e) {
    LargeEnemyStopRecord& r = *e.record;
    if (r.active != 0) return;
    r.x = e.spawnX;
    r.y = e.spawnY;
    if (e.spawnYRange > 0) r.y = e.spawnY + float(kitSystem::Random() % e.spawnYRange);
    r.vx = 200.0f;
    r.leaveSpeed = 280.0f;
    r.active = 1;
    r.hit = 0;
    r.explosionFrame = 0;
    r.phase = 0.0f;
}

void LargeEnemy_Spawn(const TimedStepEnemy& e) {
    LargeEnemyStepRecord& r = *e.record;
    if (r.active != 0) return;
    r.x = float(180 + kitSystem::Random() % e.spawnRange);
    r.y = e.entryY;
    r.hitsTaken = 0;
    r.active = 1;
    r.hit = 0;
    r.explosionFrame = 0;
    r.step = 0;
}

void LargeEnemy_Draw(const DescendingEnemy& e) { DrawLarge(*e.record, e.body, *e.explosion); }
void LargeEnemy_Draw(const StopAndFireEnemy& e) { DrawLarge(*e.record, e.body, *e.explosion); }
void LargeEnemy_Draw(const TimedStepEnemy& e) { DrawLarge(*e.record, e.body, *e.explosion); }

void LargeEnemy_Move(const DescendingEnemy& e) {
    LargeEnemyRecord& r = *e.record;
    if (r.active != 0) r.y += r.vy * frameDt;
    if (r.y > 600.0f) ParkRecord(r);
    if (r.x < 100.0f) ParkRecord(r);
}

void LargeEnemy_Move(const StopAndFireEnemy& e) {
    LargeEnemyStopRecord& r = *e.record;
    const StopAndFireBands& b = *e.bands;
    const float dt = frameDt;
    const bool left = e.side == EntrySide::Left;
    if (r.active != 0) {
        r.phase += b.phaseRate * dt;
        if (Within(r.phase, 0.0f, b.enterHi)) {
            if (left)
                r.x += r.vx * dt;
            else
                r.x -= r.vx * dt;
            if (b.enterDrop != 0.0f) r.y += b.enterDrop * dt;
        }
        if (Within(r.phase, b.fireLo, 70.0f)) {
            r.vx = 0.0f;
            if (e.fire) e.fire();
            if (difficulty == 2 || difficultyExtra == 1) {
                if (e.gatedFire1) e.gatedFire1();
                if (e.gatedFire2) e.gatedFire2();
            }
        }
        if (Within(r.phase, 71.0f, 120.0f)) {
            if (b.leaveDownward)
                r.y += r.leaveSpeed * dt;
            else
                r.y -= r.leaveSpeed * dt;
            if (left)
                r.x += b.leaveSide * dt;
            else
                r.x -= b.leaveSide * dt;
        }
        // A new pass; vx is 0 by now, so it enters without moving sideways.
        if (r.phase >= 121.0f) r.phase = 0.0f;
    }
    if (r.x < -20.0f || r.x > e.rightBound || r.y < -160.0f || r.y > 600.0f) ParkRecord(r);
}

// Steps count frames, not seconds: 20 of descent, 30 of fire, 10 of slow
// descent, then back to step 8 for the next pass.
void LargeEnemy_Move(const TimedStepEnemy& e) {
    LargeEnemyStepRecord& r = *e.record;
    const float dt = frameDt;
    if (r.active != 0) {
        r.step += 1;
        if (r.step >= 0 && r.step <= 20) r.y += 130.0f * dt;
        if (r.step >= 21 && r.step <= 50 && e.fire) e.fire();
        if (r.step >= 51 && r.step <= 60) r.y += 60.0f * dt;
        if (r.step >= 61) r.step = 8;
    }
    if (r.x < -120.0f || r.x > 620.0f || r.y < -300.0f || r.y > 600.0f) ParkRecord(r);
}
