#pragma once
// A boss's movement as a script of legs over its behaviour clock. Each call
// steps the clock (+10 per second), then tests every leg in order against the
// clock as that leg finds it: legs that share a bound both run, a value in a
// gap between legs runs none, and a leg that sets the clock back is seen by
// the legs after it. One interpreter for every boss; each boss is a table.
#include <cstdint>
#include <span>

#include "game/bosses/boss_record.h"
#include "game/state/value_window.h"

enum class LegAction : uint8_t {
    DrawIntro,  // the intro picture, keyed at its own position
    SetIntro,   // intro picture to (a, b), rising at c pixels per second
    RaiseIntro, // intro x set to a and raised by speed * frameDt; once above b it stops and parks
    Place,      // boss to (a, b)
    Move,       // boss by (a, b) pixels per second, times frameDt
    SetClock,   // behaviour clock set to a
};

struct BossLeg {
    Window window;
    LegAction action;
    float a;
    float b;
    float c;
};

// lo < v <= hi: the legs that open just above their first value.
constexpr Window AboveUpTo(float lo, float hi) { return {lo, hi, Edge::Open, Edge::Closed}; }

// A script runs its parts one after another, so bosses can share a run of
// legs (the sway) as one table.
constexpr int kBossScriptParts = 3;

struct BossScript {
    BossRecord* boss;
    BossIntro* intro; // null for bosses without an intro picture
    const int32_t* introImage;
    int32_t introWidth;
    int32_t introHeight;
    // The call does nothing while BossHitFlash holds anything but 0 or 1.
    bool haltOnStrayFlash;
    std::span<const BossLeg> parts[kBossScriptParts];
};

void BossUpdate(const BossScript& script);

// The sway that the approach and plain scripts share once the boss holds its
// place: right, left, right, then a diamond.
extern const BossLeg kBossSwayLegs[7];
