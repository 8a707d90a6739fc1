#include "game/stages/scene9/scene9_boss.h"

#include "game/bosses/boss_body.h"
#include "game/bosses/boss_defeat.h"
#include "game/bosses/boss_script.h"
#include "game/state/scene_state.h"
#include "game/stages/scene9/scene9_patterns.h"
#include "game/stages/shared_patterns.h"
#include "game/state/assets.h"

BossExplosion scene9BossBigExplosions[kBigExplosions];
BossExplosion scene9BossSmallExplosions[kSmallExplosions];

DropShot scene9BossPairedDropShot1Pool[2];
DropShot scene9BossPairedDropShot2Pool[2];
DropShot scene9BossPairedDropShot3Pool[2];
DropShot scene9BossPairedDropShot4Pool[3];
DropShot scene9BossPairedDropShot5Pool[3];
DropShot scene9BossPairedDropShot6Pool[3];
DropShot scene9BossPairedDropShot7Pool[3];
DropShot scene9BossPairedDropShot8Pool[3];
DropShot scene9BossPairedDropShot9Pool[4];
TimedVolleyShortRecord scene9BossTimedVolley1Pool[50];
TimedVolleyShortRecord scene9BossTimedVolley2Pool[50];
TimedVolleyShortRecord scene9BossTimedVolley3Pool[50];
TimedVolleyShortRecord scene9BossTimedVolley4Pool[50];
TimedVolleyShortRecord scene9BossTimedVolley5Pool[50];

namespace {

// Placed above the screen for 3 s, descends at 86 px/s for 4.3 s, snaps to
// the top and holds there until 10 s; then 120 px right, 240 left and 120
// right. The clock goes back to 8 s, inside the hold, so every sway cycle
// starts from (160, 0).
constexpr BossLeg kScene9BossScript[] = {
    {AboveUpTo(0, 30), LegAction::Place, 160, -400, 0}, {Within(31, 74), LegAction::Move, 0, 86, 0},
    {Within(75, 100), LegAction::Place, 160, 0, 0},     {Within(101, 130), LegAction::Move, 40, 0, 0},
    {Within(131, 190), LegAction::Move, -40, 0, 0},     {Within(191, 220), LegAction::Move, 40, 0, 0},
    {From(221), LegAction::SetClock, 80, 0, 0},
};

constexpr BossScript kScene9BossScriptRecord = {
    .boss = &scene9Boss,
    .intro = nullptr,
    .introImage = nullptr,
    .introWidth = 0,
    .introHeight = 0,
    .haltOnStrayFlash = true,
    .parts = {kScene9BossScript, {}, {}},
};

// imgScene9Boss is never loaded: the body shows the scratch image. The body
// shows the locked points of array A only.
constexpr BossBody kScene9BossBody = {
    .boss = &scene9Boss,
    .image = &imgScene9Boss,
    .width = 480,
    .height = 400,
    .smoke = {{90.0f, {{&imgZBAK3B, 180, 130, 28}, {&imgZBAK3B, 220, 130, 28}, {}}},
              {70.0f, {{&imgZBAK3B, 120, 70, 28}, {&imgZBAK3B, 280, 70, 28}, {}}}},
    .smokeFromTruncatedPosition = true,
    .countSmokeCycles = true,
    .lockA = scene9BossLockPointsA,
    .lockB = nullptr,
    .lockCount = kScene9BossLockPoints,
    .defeat = Scene9Boss_Defeat,
};

constexpr BossDefeat<BossExplosion, BossExplosion> kScene9BossDefeat = {
    .boss = &scene9Boss,
    .big = scene9BossBigExplosions,
    .small = scene9BossSmallExplosions,
    .scatterX = 480,
    .bigScatterY = 320,
    .smallScatterY = 320,
    .nextScene = kSceneEnding,
    .wipeLength = kLongWipe,
};

// The attack table, row by row on the raised clock (1 to 1220). The scene-8
// ring bursts launch from that boss's parked record and are culled in the
// same frame; their counters run all the same. The drop shots re-arm every
// frame of their windows, but only records already parked.
constexpr ScheduleRow kScene9BossAttackRows[] = {
    {Within(20, 80), nullptr, {Scene9Boss_TimedVolley4_Schedule}},
    {Within(20, 80), nullptr, {Scene9Boss_TimedVolley5_Schedule}},
    {Within(80, 160), nullptr, {Scene9Boss_TimedVolley2_Schedule, Scene9Boss_TimedVolley3_Schedule}},
    {Within(160, 260), nullptr, {Scene9Boss_TimedVolley1_Schedule}},
    {Within(260, 360), nullptr, {Scene8Boss_AimedRingBurst5_Schedule}},
    {Within(360, 460), nullptr, {Scene9Boss_TimedVolley1_Schedule}},
    {Within(390, 460),
     nullptr,
     {Scene9Boss_PairedDropShot1_Spawn, Scene9Boss_PairedDropShot2_Spawn, Scene9Boss_PairedDropShot3_Spawn,
      Scene9Boss_PairedDropShot4_Spawn, Scene9Boss_PairedDropShot5_Spawn, Scene9Boss_PairedDropShot6_Spawn,
      Scene9Boss_PairedDropShot7_Spawn, Scene9Boss_PairedDropShot8_Spawn, Scene9Boss_PairedDropShot9_Spawn}},
    {Within(460, 800),
     nullptr,
     {Scene8Boss_AimedRingBurst5_Schedule, Scene9Boss_TimedVolley4_Schedule,
      Scene9Boss_TimedVolley5_Schedule}},
    {Within(800, 1220),
     nullptr,
     {Scene9Boss_TimedVolley4_Schedule, Scene9Boss_TimedVolley5_Schedule, Scene9Boss_TimedVolley2_Schedule,
      Scene9Boss_TimedVolley3_Schedule}},
    {Within(1000, 1050), nullptr, {Scene8Boss_AimedRingBurst5_Schedule}},
    {Within(1140, 1200),
     nullptr,
     {Scene9Boss_PairedDropShot1_Spawn, Scene9Boss_PairedDropShot2_Spawn, Scene9Boss_PairedDropShot3_Spawn,
      Scene9Boss_PairedDropShot4_Spawn, Scene9Boss_PairedDropShot5_Spawn, Scene9Boss_PairedDropShot6_Spawn,
      Scene9Boss_PairedDropShot7_Spawn, Scene9Boss_PairedDropShot8_Spawn, Scene9Boss_PairedDropShot9_Spawn}},
};

} // namespace

void Scene9Boss_Update() { BossUpdate(kScene9BossScriptRecord); }
void Scene9Boss_Draw() { BossBodyDraw(kScene9BossBody); }
void Scene9Boss_Defeat() { BossDefeatSequence(kScene9BossDefeat); }

constinit const BossSection scene9BossSection = {
    .boss = &scene9Boss,
    .update = Scene9Boss_Update,
    .draw = Scene9Boss_Draw,
    .defeat = Scene9Boss_Defeat,
    .gateLo = 0.0f,
    .gateHi = 1200.0f,
    .attackRows = kScene9BossAttackRows,
    .hpRows = {},
    .wrap = {{1220, 1220, 1220, 1220}, 1220},
    .timeOut = Within(11000, 11100),
};
