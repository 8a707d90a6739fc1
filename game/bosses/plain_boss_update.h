#pragma once
// The plain boss update: a boss that waits above the field, descends, snaps
// to its station at (170, 0) and sways there, the clock cycling back into the
// station window after every sway. Each boss that moves this way gives the
// six values below (each window with its own open or closed ends); the legs
// and the script are built from them at compile time and run by the leg
// interpreter like every other boss script.
#include "game/bosses/boss_script.h"

struct PlainBossPath {
    Window hold; // placed at (holdX, holdY) every frame of it
    float holdX;
    float holdY;
    Window descent; // y += descentSpeed * frameDt
    float descentSpeed;
    Window station;   // placed at (170, 0)
    float wrapTarget; // the clock returns here once it reaches 241
};

constexpr float kPlainStationX = 170.0f;
constexpr float kPlainStationY = 0.0f;
constexpr float kPlainClockWrap = 241.0f;

// The legs before the sway and the wrap after it; they live as long as the
// boss's script that points at them.
struct PlainBossLegs {
    BossLeg approach[3];
    BossLeg wrap[1];
};

constexpr PlainBossLegs PlainBossUpdateLegs(const PlainBossPath& p) {
    return {
        .approach =
            {
                {p.hold, LegAction::Place, p.holdX, p.holdY, 0.0f},
                {p.descent, LegAction::Move, 0.0f, p.descentSpeed, 0.0f},
                {p.station, LegAction::Place, kPlainStationX, kPlainStationY, 0.0f},
            },
        .wrap = {{From(kPlainClockWrap), LegAction::SetClock, p.wrapTarget, 0.0f, 0.0f}},
    };
}

// Hold, descent, station, the shared sway, then the wrap: independent tests
// in that order, so a clock value on a bound two legs share runs both.
constexpr BossScript PlainBossScript(BossRecord* boss, const PlainBossLegs& legs) {
    return {
        .boss = boss,
        .intro = nullptr,
        .introImage = nullptr,
        .introWidth = 0,
        .introHeight = 0,
        .haltOnStrayFlash = true,
        .parts = {legs.approach, kBossSwayLegs, legs.wrap},
    };
}
