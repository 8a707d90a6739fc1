#include "game/bosses/boss_script.h"

#include "game/state/game_state.h"
#include "kit/draw/blit.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

namespace {

constexpr float kBehaviourClockRate = 10.0f; // units per second

void RunLeg(const BossScript& script, const BossLeg& leg) {
    BossRecord& boss = *script.boss;
    BossIntro* intro = script.intro;
    switch (leg.action) {
    case LegAction::DrawIntro:
        if (intro)
            BlitKeyed(FloatToInt(intro->x), FloatToInt(intro->y), *script.introImage, 0, 0, script.introWidth,
                      script.introHeight);
        break;
    case LegAction::SetIntro:
        if (intro) {
            intro->x = leg.a;
            intro->y = leg.b;
            intro->speed = leg.c;
        }
        break;
    case LegAction::RaiseIntro:
        if (intro) {
            intro->x = leg.a;
            intro->y -= intro->speed * frameDt;
            if (intro->y < leg.b) {
                intro->speed = 0.0f;
                intro->x = ParkX;
                intro->y = ParkY;
            }
        }
        break;
    case LegAction::Place:
        boss.x = leg.a;
        boss.y = leg.b;
        break;
    case LegAction::Move:
        boss.x += leg.a * frameDt;
        boss.y += leg.b * frameDt;
        break;
    case LegAction::SetClock:
        boss.behaviourClock = leg.a;
        break;
    }
}

} // namespace

const BossLeg kBossSwayLegs[7] = {
    {Within(162, 171), LegAction::Move, 80, 0, 0},     {Within(172, 190), LegAction::Move, -80, 0, 0},
    {Within(191, 200), LegAction::Move, 80, 0, 0},     {Within(201, 210), LegAction::Move, 100, 50, 0},
    {Within(211, 220), LegAction::Move, -100, -50, 0}, {Within(221, 230), LegAction::Move, -100, 50, 0},
    {Within(231, 240), LegAction::Move, 100, -50, 0},
};

void BossUpdate(const BossScript& script) {
    BossRecord& boss = *script.boss;
    if (script.haltOnStrayFlash && boss.BossHitFlash != 0 && boss.BossHitFlash != 1) return;
    boss.behaviourClock += kBehaviourClockRate * frameDt;
    for (const std::span<const BossLeg>& part : script.parts)
        for (const BossLeg& leg : part)
            if (leg.window.Holds(boss.behaviourClock)) RunLeg(script, leg);
}
