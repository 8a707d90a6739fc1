#pragma once
// The one protocol the 22 small enemy kinds share, written once over a
// constants record per kind: Spawn arms every free slot, Draw draws the
// sprites and runs one explosion step of every hit slot, Move flies the
// active slots and parks those that leave their bounds. The timed-wave kinds
// arm one slot at a time from per-slot tick counters instead of Spawn.
//
// Record layouts differ between kinds, so the walks are templates over the
// record type; everything else a kind does differently is a field below.
#include <cstddef>
#include <cstdint>

#include "game/enemies/bullet_rules.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/explosion_piece.h"
#include "game/enemies/lock_marker.h"
#include "game/enemies/pool_util.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/draw/rotate.h"
#include "kit/sound/sound.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

// --- Spawn values ---------------------------------------------------------------

enum class SpawnTerm : uint8_t {
    Unset,     // the field is not written (the kind's move never reads it)
    Fixed,     // add
    RandPlus,  // rand() % mod + add
    LessRand,  // add - rand() % mod
    MinusRand, // -(rand() % mod + add)
};

struct SpawnValue {
    SpawnTerm term;
    int32_t mod;
    int32_t add;
};

constexpr SpawnValue Unset() { return {SpawnTerm::Unset, 0, 0}; }
constexpr SpawnValue Fixed(int32_t v) { return {SpawnTerm::Fixed, 0, v}; }
constexpr SpawnValue RandPlus(int32_t mod, int32_t add) { return {SpawnTerm::RandPlus, mod, add}; }
constexpr SpawnValue LessRand(int32_t from, int32_t mod) { return {SpawnTerm::LessRand, mod, from}; }
constexpr SpawnValue MinusRand(int32_t mod, int32_t add) { return {SpawnTerm::MinusRand, mod, add}; }

// --- Sprite -----------------------------------------------------------------------

struct FlameOffset {
    int32_t dx;
    int32_t dy;
};

struct EnemySprite {
    const int32_t* image;
    int32_t w;
    int32_t h;
    bool rotated; // drawn turned by spinAngle, which steps 7 degrees a frame
    // Exhaust flames, 20x70 cells animated by animFrame (0..19).
    const int32_t* flameImage; // null: no flames
    bool flamesFirst;          // drawn under the sprite rather than over it
    int32_t flameCount;
    FlameOffset flames[2];
};

// --- Motion and bounds ----------------------------------------------------------

enum class Motion : uint8_t {
    Fall,          // y += vy
    FallDrift,     // y += vy, x += vx
    FallDriftBack, // y += vy, x -= vx
    DiveRight,     // y += vy, x += vy: 45 degrees
    DiveLeft,      // y += vy, x -= vy
    Cross,         // x += vx, y += vy
    CrossBack,     // x -= vx, y += vy
    Slide,         // x += vx at a constant height
    SlideBack,     // x -= vx
};

enum class BoundsTest : uint8_t {
    Bottom,          // stays while y <= 600
    BottomThenSides, // y <= 600, then (on the possibly parked x) xLo <= x <= xHi
    Box,             // xLo <= x <= xHi and yLo <= y <= yHi, one test
};

struct EnemyBounds {
    BoundsTest test;
    float xLo;
    float xHi;
    float yLo;
    float yHi;
    float parkX; // y always parks at ParkY
};

// --- Explosion ------------------------------------------------------------------

// What effectDrawMode 0 draws.
enum class PlainExplosion : uint8_t {
    SamePiecesKeyed, // every piece of the lit list, keyed
    MainOnly,        // one main cell of plainImage, keyed
};

constexpr int kMaxPieces = 8;

struct EnemyExplosion {
    int32_t lastCell;                  // 9 in kind A, 7 in the others; two passes over the cells
    bool wreckStops;                   // speeds cleared: the wreck stays where it was hit
    ExplosionPiece pieces[kMaxPieces]; // effectDrawMode 1, up to the first without an image
    PlainExplosion plain;
    const int32_t* plainImage;
};

// --- Lock markers ---------------------------------------------------------------

enum class MarkerTest : uint8_t {
    Box,        // released when x < 150 or x > 620 or y < -70 or y > 600
    Horizontal, // released when x < 110 or x > 620, tested only on a sideways exit
};

struct MarkerRule {
    int32_t dx; // marker top-left from the sprite's
    int32_t dy;
    int32_t releaseX; // after the explosion and on spawn
    int32_t releaseY;
    int32_t parkX; // when Move lets it go
    int32_t parkY;
    MarkerTest test;
    bool releasedOnSpawn;
};

// --- The kind -------------------------------------------------------------------

struct EnemyKind {
    EnemySprite sprite;
    // Drawn in this order, slot by slot; an unset speed is left as it was.
    SpawnValue x = Unset(), y = Unset(), vx = Unset(), vy = Unset();
    bool spawnClearsAnim = false;
    Motion motion = Motion::Fall;
    float steer = 0.0f; // not 0: vx becomes ±steer toward playerX after each step
    EnemyBounds bounds;
    bool drawNeedsActive = false; // free slots are drawn too (out of sight at the park place)
    EnemyExplosion explosion;
    LockMarker* markers = nullptr; // slot i carries markers[i]; null: not lockable
    MarkerRule marker = {};
};

// The timed-wave form: slot k is offered when the shared tick reaches
// tickStep·(k + 1); the ticks return to 0 once above wrap.
struct EnemyWaveKind {
    EnemyKind kind;
    int32_t tickStep;
    int32_t wrap;
};

// --- The protocol ---------------------------------------------------------------

namespace enemy_kind_detail {

inline void SpawnInto(const SpawnValue& v, float& field) {
    switch (v.term) {
    case SpawnTerm::Unset:
        return;
    case SpawnTerm::Fixed:
        field = float(v.add);
        return;
    case SpawnTerm::RandPlus: {
        const int32_t r = rand_() % v.mod;
        field = float(r + v.add);
        return;
    }
    case SpawnTerm::LessRand: {
        const int32_t r = rand_() % v.mod;
        field = float(v.add - r);
        return;
    }
    case SpawnTerm::MinusRand: {
        const int32_t r = rand_() % v.mod;
        field = float(-(r + v.add));
        return;
    }
    }
}

inline void ReleaseMarker(const EnemyKind& k, int32_t slot) {
    LockMarker& m = k.markers[slot];
    m.locked = 0;
    m.x = k.marker.releaseX;
    m.y = k.marker.releaseY;
}

inline bool MarkerOutside(const EnemyKind& k, const LockMarker& m) {
    if (k.marker.test == MarkerTest::Box) return m.x < 150 || m.x > 620 || m.y < -70 || m.y > 600;
    return m.x < 110 || m.x > 620;
}

// Move has just parked the slot: a marker outside the field goes too.
inline void MarkerAfterPark(const EnemyKind& k, int32_t slot) {
    if (!k.markers) return;
    LockMarker& m = k.markers[slot];
    if (!MarkerOutside(k, m)) return;
    m.locked = 0;
    m.x = k.marker.parkX;
    m.y = k.marker.parkY;
}

template <typename Record> void Park(Record& r, float parkX) {
    r.active = 0;
    r.x = parkX;
    r.y = ParkY;
}

template <typename Record> void Arm(const EnemyKind& k, Record& r, int32_t slot) {
    SpawnInto(k.x, r.x);
    SpawnInto(k.y, r.y);
    SpawnInto(k.vx, r.vx);
    SpawnInto(k.vy, r.vy);
    r.active = 1;
    r.hit = 0;
    r.explosionFrame = 0;
    if constexpr (requires { r.animFrame; })
        if (k.spawnClearsAnim) r.animFrame = 0;
    if (k.markers && k.marker.releasedOnSpawn) ReleaseMarker(k, slot);
}

template <typename Record> void DrawSprite(const EnemyKind& k, Record& r, int32_t slot) {
    const EnemySprite& s = k.sprite;
    const int32_t X = FloatToInt(r.x);
    const int32_t Y = FloatToInt(r.y);
    int32_t flameCell = 0;
    if constexpr (requires { r.animFrame; }) flameCell = 20 * r.animFrame;
    auto flames = [&] {
        for (int32_t i = 0; i < s.flameCount; ++i)
            BlitKeyed(X + s.flames[i].dx, Y + s.flames[i].dy, *s.flameImage, flameCell, 0, flameCell + 20,
                      70);
    };
    if (s.flameImage && s.flamesFirst) flames();
    if (s.rotated) {
        if constexpr (requires { r.spinAngle; }) {
            BlitRotated(X, Y, X + s.w, Y + s.h, r.spinAngle, *s.image, 0, 0, s.w, s.h);
            r.spinAngle += 7;
            if (r.spinAngle >= 360) r.spinAngle = 0;
        }
    } else {
        BlitKeyed(X, Y, *s.image, 0, 0, s.w, s.h);
    }
    if (s.flameImage && !s.flamesFirst) flames();
    if constexpr (requires { r.animFrame; }) {
        if (s.flameImage) {
            r.animFrame += 1;
            if (r.animFrame > 19) r.animFrame = 0;
        }
    }
    // A locked marker follows its enemy, and shows, only while the enemy flies.
    if (k.markers && k.markers[slot].locked != 0 && r.active == 1) {
        LockMarker& m = k.markers[slot];
        m.x = X + k.marker.dx;
        m.y = Y + k.marker.dy;
        BlitKeyed(m.x, m.y, imgROCK1, 0, 0, 60, 60);
    }
}

template <typename Record> void ExplosionStep(const EnemyKind& k, Record& r, int32_t slot) {
    const EnemyExplosion& e = k.explosion;
    const int32_t f = r.explosionFrame;
    const int32_t X = FloatToInt(r.x);
    const int32_t Y = FloatToInt(r.y);
    if (effectDrawMode == 1) {
        for (const ExplosionPiece& p : e.pieces) {
            if (!p.image) break;
            DrawPiece(p, p.blit, f, X, Y);
        }
    } else if (effectDrawMode == 0) {
        if (e.plain == PlainExplosion::SamePiecesKeyed) {
            for (const ExplosionPiece& p : e.pieces) {
                if (!p.image) break;
                DrawPiece(p, PieceBlit::Keyed, f, X, Y);
            }
        } else {
            DrawPiece(Main(e.plainImage, PieceBlit::Keyed), PieceBlit::Keyed, f, X, Y);
        }
    }
    if (e.wreckStops) {
        r.vx = 0.0f;
        r.vy = 0.0f;
    }
    if (f == 0) kitSound::Play(sndBOM, -1);
    if (StepExplosionStrip(r.explosionFrame, r.explosionLoop, e.lastCell)) {
        r.hit = 0;
        r.collideOff = 0;
        ParkRecord(r);
        if (k.markers) ReleaseMarker(k, slot);
    }
}

template <typename Record> void Fly(const EnemyKind& k, Record& r) {
    const float dt = frameDt;
    switch (k.motion) {
    case Motion::Fall:
        r.y += r.vy * dt;
        break;
    case Motion::FallDrift:
        r.y += r.vy * dt;
        r.x += r.vx * dt;
        break;
    case Motion::FallDriftBack:
        r.y += r.vy * dt;
        r.x -= r.vx * dt;
        break;
    case Motion::DiveRight:
        r.y += r.vy * dt;
        r.x += r.vy * dt;
        break;
    case Motion::DiveLeft:
        r.y += r.vy * dt;
        r.x -= r.vy * dt;
        break;
    case Motion::Cross:
        r.x += r.vx * dt;
        r.y += r.vy * dt;
        break;
    case Motion::CrossBack:
        r.x -= r.vx * dt;
        r.y += r.vy * dt;
        break;
    case Motion::Slide:
        r.x += r.vx * dt;
        break;
    case Motion::SlideBack:
        r.x -= r.vx * dt;
        break;
    }
    // Steering after the step: the new speed applies from the next frame, and
    // a slot exactly level with the ship keeps its speed.
    if (k.steer != 0.0f) {
        if (r.x > playerX) r.vx = -k.steer;
        if (r.x < playerX) r.vx = k.steer;
    }
}

template <typename Record> void KeepInBounds(const EnemyKind& k, Record& r, int32_t slot) {
    const EnemyBounds& b = k.bounds;
    switch (b.test) {
    case BoundsTest::Bottom:
        if (r.y > 600.0f) Park(r, b.parkX);
        break;
    case BoundsTest::BottomThenSides:
        // The bottom exit parks at parkX, which the side test then accepts:
        // the marker of a slot leaving through the bottom stays where it was.
        if (r.y > 600.0f) Park(r, b.parkX);
        if (!(r.x >= b.xLo && r.x <= b.xHi)) {
            Park(r, b.parkX);
            MarkerAfterPark(k, slot);
        }
        break;
    case BoundsTest::Box:
        // Free slots fail it too and are parked again every frame.
        if (!(r.x >= b.xLo && r.x <= b.xHi && r.y >= b.yLo && r.y <= b.yHi)) {
            Park(r, b.parkX);
            MarkerAfterPark(k, slot);
        }
        break;
    }
}

} // namespace enemy_kind_detail

// Arms every free slot at once; busy slots are left alone.
template <typename Record, std::size_t N> void EnemyKindSpawn(const EnemyKind& k, Record (&pool)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (pool[i].active == 0) enemy_kind_detail::Arm(k, pool[i], int32_t(i));
}

// Sprites of the slots not hit, one explosion step of the hit ones; kinds
// that do not need `active` draw free slots too, at the park place.
template <typename Record, std::size_t N> void EnemyKindDraw(const EnemyKind& k, Record (&pool)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        Record& r = pool[i];
        if (k.drawNeedsActive && r.active != 1) continue;
        if (r.hit < 1)
            enemy_kind_detail::DrawSprite(k, r, int32_t(i));
        else
            enemy_kind_detail::ExplosionStep(k, r, int32_t(i));
    }
}

// Flies the active slots, then parks every slot outside the kind's bounds.
// `hit` survives the parking: a moving wreck may leave mid-explosion.
template <typename Record, std::size_t N> void EnemyKindMove(const EnemyKind& k, Record (&pool)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        Record& r = pool[i];
        if (r.active) enemy_kind_detail::Fly(k, r);
        enemy_kind_detail::KeepInBounds(k, r, int32_t(i));
    }
}

template <typename Record, std::size_t N>
void EnemyWaveSpawnSlot(const EnemyWaveKind& w, Record (&pool)[N], int32_t slot) {
    if (slot < 0 || std::size_t(slot) >= N) return;
    if (pool[slot].active == 0) enemy_kind_detail::Arm(w.kind, pool[slot], slot);
}

// One tick of the wave: every timer moves on together, then each slot whose
// tick has come is offered in slot order (a slot still busy misses its turn).
template <typename Record, std::size_t N>
void EnemyWaveSpawnTimed(const EnemyWaveKind& w, Record (&pool)[N]) {
    for (std::size_t k = 0; k < N; ++k) {
        pool[k].waveTimer += 1;
        if (pool[k].waveTimer > w.wrap) pool[k].waveTimer = 0;
    }
    for (std::size_t k = 0; k < N; ++k)
        if (pool[k].waveTimer == w.tickStep * int32_t(k + 1)) EnemyWaveSpawnSlot(w, pool, int32_t(k));
}
