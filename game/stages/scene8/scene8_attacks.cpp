// The scene-8 boss's attack table and its boss section.
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene8/scene8_patterns.h"

namespace {

// Windows of BossAttackClock, both ends closed, in the order the game tests
// them: the spirals and curving streams of each game mode first, then the
// rows for every mode, not sorted by clock. Where two windows meet, both run
// on the shared value (volleys 4 and 5 step twice at 700).
// Game mode 1 gets a 3000-frame cycle; game modes 2 and 3 a 4390-frame one
// with the drop streams, later spirals and a second run of curving streams
// that meets the next cycle's first across the wrap.
constexpr ScheduleRow kScene8BossAttacks[] = {
    {Within(5, 500), nullptr, {Scene8Boss_SpiralStream5_Schedule, Scene8Boss_SpiralStream6_Schedule}},
    {Within(1500, 2500),
     GameMode1,
     {Scene8Boss_SpiralStream1_Schedule, Scene8Boss_SpiralStream2_Schedule, Scene8Boss_SpiralStream3_Schedule,
      Scene8Boss_SpiralStream4_Schedule}},
    {Within(2000, 2500),
     GameMode1,
     {Scene8Boss_SpiralStream5_Schedule, Scene8Boss_SpiralStream6_Schedule, Scene8Boss_SpiralStream7_Schedule,
      Scene8Boss_SpiralStream8_Schedule}},
    {Within(2350, 2800),
     GameMode1,
     {Scene8Boss_CurvingStream1_Schedule, Scene8Boss_CurvingStream2_Schedule,
      Scene8Boss_CurvingStream3_Schedule, Scene8Boss_CurvingStream4_Schedule,
      Scene8Boss_CurvingStream5_Schedule, Scene8Boss_CurvingStream6_Schedule,
      Scene8Boss_CurvingStream7_Schedule, Scene8Boss_CurvingStream8_Schedule}},
    {Within(2510, 3000), GameMode1, {Scene8Boss_SpiralStream9_Schedule, Scene8Boss_SpiralStream10_Schedule}},
    {Within(1900, 3300),
     GameMode2Or3,
     {Scene8Boss_SpiralStream1_Schedule, Scene8Boss_SpiralStream2_Schedule, Scene8Boss_SpiralStream3_Schedule,
      Scene8Boss_SpiralStream4_Schedule}},
    {Within(2400, 3300),
     GameMode2Or3,
     {Scene8Boss_SpiralStream5_Schedule, Scene8Boss_SpiralStream6_Schedule, Scene8Boss_SpiralStream7_Schedule,
      Scene8Boss_SpiralStream8_Schedule}},
    {Within(3310, 4000),
     GameMode2Or3,
     {Scene8Boss_SpiralStream9_Schedule, Scene8Boss_SpiralStream10_Schedule}},
    {Within(3800, 4390),
     GameMode2Or3,
     {Scene8Boss_CurvingStream1_Schedule, Scene8Boss_CurvingStream2_Schedule,
      Scene8Boss_CurvingStream3_Schedule, Scene8Boss_CurvingStream4_Schedule,
      Scene8Boss_CurvingStream5_Schedule, Scene8Boss_CurvingStream6_Schedule,
      Scene8Boss_CurvingStream7_Schedule, Scene8Boss_CurvingStream8_Schedule}},
    {Within(0, 400),
     nullptr,
     {Scene8Boss_CurvingStream1_Schedule, Scene8Boss_CurvingStream2_Schedule,
      Scene8Boss_CurvingStream3_Schedule, Scene8Boss_CurvingStream4_Schedule,
      Scene8Boss_CurvingStream5_Schedule, Scene8Boss_CurvingStream6_Schedule,
      Scene8Boss_CurvingStream7_Schedule, Scene8Boss_CurvingStream8_Schedule}},
    {Within(50, 100), nullptr, {Scene8Boss_TimedVolley4_Schedule, Scene8Boss_TimedVolley5_Schedule}},
    {Within(100, 400), nullptr, {Scene8Boss_TimedVolley6_Schedule, Scene8Boss_TimedVolley7_Schedule}},
    {Within(150, 400), nullptr, {Scene8Boss_TimedVolley4_Schedule, Scene8Boss_TimedVolley5_Schedule}},
    {Within(400, 600), nullptr, {Scene8Boss_AimedRingBurst3_Schedule}},
    {Within(450, 500), nullptr, {Scene8Boss_TimedVolley3_Schedule}},
    {Within(500, 700), nullptr, {Scene8Boss_TimedVolley4_Schedule, Scene8Boss_TimedVolley5_Schedule}},
    {Within(480, 580), nullptr, {Scene8Boss_TimedVolley1_Schedule, Scene8Boss_TimedVolley2_Schedule}},
    {Within(700, 1000), nullptr, {Scene8Boss_TimedVolley4_Schedule, Scene8Boss_TimedVolley5_Schedule}},
    {Within(880, 1080), nullptr, {Scene8Boss_AimedRingBurst5_Schedule}},
    {Within(680, 980),
     GameMode2Or3,
     {Scene8Boss_StraightDropStream1_Schedule, Scene8Boss_StraightDropStream2_Schedule}},
    {Within(750, 1100), nullptr, {Scene8Boss_TimedVolley6_Schedule, Scene8Boss_TimedVolley7_Schedule}},
    {Within(1100, 1500),
     GameMode2Or3,
     {Scene8Boss_StraightDropStream1_Schedule, Scene8Boss_StraightDropStream2_Schedule}},
    {Within(1270, 1400), nullptr, {Scene8Boss_TimedVolley6_Schedule, Scene8Boss_TimedVolley7_Schedule}},
    {Within(1300, 1400), nullptr, {Scene8Boss_TimedVolley4_Schedule, Scene8Boss_TimedVolley5_Schedule}},
    {Within(1340, 1500), nullptr, {Scene8Boss_AimedRingBurst1_Schedule}},
    {Within(1800, 2100), nullptr, {Scene8Boss_AimedRingBurst3_Schedule}},
    {Within(2100, 2400), nullptr, {Scene8Boss_AimedRingBurst4_Schedule}},
    {Within(1500, 1960),
     GameMode2Or3,
     {Scene8Boss_StraightDropStream3_Schedule, Scene8Boss_StraightDropStream4_Schedule}},
    {Within(1750, 1900),
     GameMode2Or3,
     {Scene8Boss_StraightDropStream1_Schedule, Scene8Boss_StraightDropStream2_Schedule}},
};

} // namespace

constinit const BossSection scene8BossSection = {
    .boss = &scene8Boss,
    .update = Scene8Boss_Update,
    .draw = Scene8Boss_Draw,
    .defeat = Scene8Boss_Defeat,
    .gateLo = 0.0f,
    .gateHi = 1480.0f,
    .attackRows = kScene8BossAttacks,
    .hpRows = {},
    .wrap = {{0, 3000, 4390, 4390}, 0},
    // No upper end of its own: the section closes at 11100.
    .timeOut = From(11000),
};
