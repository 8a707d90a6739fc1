// The scene-6 boss's turning streams.
#include "game/enemies/pattern_support.h"
#include "game/enemies/turning_stream.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_patterns.h"
#include "game/state/assets.h"

namespace {

// Seven segments leave the boss's middle down and outward, left for the first
// stream and right for its mirror, then bend to fall almost straight. A
// released segment stays where it stopped and is still tested there; the
// whole stream is past the screen's edge by the time its tail is.
constexpr TurningStream Turning(TurningStreamRecord* pool, bool mirror, const int32_t* body,
                                const int32_t* head) {
    return {
        .pool = pool,
        .ownerX = &scene6Boss.x,
        .ownerY = &scene6Boss.y,
        .offsetX = 175.0f,
        .offsetY = 30.0f,
        .speeds = {163, 171, 178, 184, 188, 191, 193},
        .mirror = mirror,
        .turnStep = kPatternTwoPi / 280.0,
        .turnLimit = 17.0f,
        .bodyImage = body,
        .headImage = head,
        .testsReleased = true,
    };
}

constexpr TurningStream kTurningStream1 =
    Turning(scene6BossTurningStream1Pool, false, &imgVAL3017A, &imgVALL3017);
constexpr TurningStream kTurningStream2 =
    Turning(scene6BossTurningStream2Pool, true, &imgVAL3018A, &imgVALL3018);

} // namespace

void Scene6Boss_TurningStream1_Spawn() { TurningStream_Fire(kTurningStream1); }
void Scene6Boss_TurningStream1_Move() { TurningStream_Move(kTurningStream1); }
void Scene6Boss_TurningStream1_Draw() { TurningStream_Draw(kTurningStream1); }

void Scene6Boss_TurningStream2_Spawn() { TurningStream_Fire(kTurningStream2); }
void Scene6Boss_TurningStream2_Move() { TurningStream_Move(kTurningStream2); }
void Scene6Boss_TurningStream2_Draw() { TurningStream_Draw(kTurningStream2); }
