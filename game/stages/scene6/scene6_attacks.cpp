// The scene-6 boss's attack table and its boss section.
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_curving_streams.h"
#include "game/stages/scene6/scene6_patterns.h"

namespace {

// In game mode 1 the nine drop shots fall in place of the beams.
constexpr ScheduleRow DropShots(float lo, float hi) {
    return {Within(lo, hi),
            GameMode1,
            {Scene6Boss_PairedDropShot1_Spawn, Scene6Boss_PairedDropShot2_Spawn,
             Scene6Boss_PairedDropShot3_Spawn, Scene6Boss_PairedDropShot4_Spawn,
             Scene6Boss_PairedDropShot5_Spawn, Scene6Boss_PairedDropShot6_Spawn,
             Scene6Boss_PairedDropShot7_Spawn, Scene6Boss_PairedDropShot8_Spawn,
             Scene6Boss_PairedDropShot9_Spawn}};
}

// Windows of BossAttackClock, both ends closed, in the order the game tests
// them; where two windows meet, both run on the shared value, so at 1200 in
// game mode 1 the second and third timed volleys step twice. The clock is
// never 0 when they are tested, and 1751..1770 fire nothing. Game mode 3
// adds the beams; game mode 1 drops shots and extra volleys instead.
constexpr ScheduleRow kScene6BossAttacks[] = {
    {Within(5, 200),
     nullptr,
     {Scene6Boss_CurvingStream1_Schedule, Scene6Boss_CurvingStream2_Schedule,
      Scene6Boss_CurvingStream3_Schedule, Scene6Boss_CurvingStream4_Schedule,
      Scene6Boss_CurvingStream5_Schedule, Scene6Boss_CurvingStream6_Schedule}},
    {Within(50, 120), nullptr, {Scene6Boss_TurningStream1_Spawn, Scene6Boss_TurningStream2_Spawn}},
    {Within(0, 100), nullptr, {Scene6Boss_TimedVolley2_Schedule}},
    {Within(0, 100), nullptr, {Scene6Boss_TimedVolley3_Schedule}},
    {Within(200, 300), nullptr, {Scene6Boss_TimedVolley1_Schedule}},
    {Within(240, 280), nullptr, {Scene6Boss_BigFanVolley1_Schedule}},
    {Within(240, 280), nullptr, {Scene6Boss_BigFanVolley2_Schedule}},
    {Within(300, 600), GameMode2Or3, {Scene6Boss_VerticalBeam1_Spawn}},
    {Within(300, 600), GameMode2Or3, {Scene6Boss_VerticalBeam2_Spawn}},
    {Within(600, 700), nullptr, {Scene6Boss_TurningStream1_Spawn, Scene6Boss_TurningStream2_Spawn}},
    {Within(500, 700), nullptr, {Scene6Boss_FanVolley1_Schedule}},
    {Within(500, 700), nullptr, {Scene6Boss_FanVolley2_Schedule}},
    {Within(770, 900), nullptr, {Scene6Boss_TimedVolley6_Schedule}},
    {Within(770, 900), nullptr, {Scene6Boss_TimedVolley7_Schedule}},
    {Within(800, 980), nullptr, {Scene6Boss_TimedVolley4_Schedule}},
    {Within(800, 980), nullptr, {Scene6Boss_TimedVolley5_Schedule}},
    {Within(1000, 1300), GameMode2Or3, {Scene6Boss_VerticalBeam1_Spawn}},
    {Within(1000, 1300), GameMode2Or3, {Scene6Boss_VerticalBeam2_Spawn}},
    {Within(1200, 1300), nullptr, {Scene6Boss_TimedVolley2_Schedule}},
    {Within(1200, 1300), nullptr, {Scene6Boss_TimedVolley3_Schedule}},
    DropShots(300, 500),
    DropShots(1020, 1200),
    {Within(1120, 1200), GameMode1, {Scene6Boss_TimedVolley2_Schedule}},
    {Within(1120, 1200), GameMode1, {Scene6Boss_TimedVolley3_Schedule}},
    {Within(1100, 1200), GameMode1, {Scene6Boss_TimedVolley1_Schedule}},
    {Within(1300, 1450), nullptr, {Scene6Boss_FanVolley1_Schedule}},
    {Within(1300, 1450), nullptr, {Scene6Boss_FanVolley2_Schedule}},
    {Within(1450, 1500), nullptr, {Scene6Boss_BigFanVolley1_Schedule}},
    {Within(1450, 1500), nullptr, {Scene6Boss_BigFanVolley2_Schedule}},
    {Within(1500, 1750),
     nullptr,
     {Scene6Boss_CurvingStream1_Schedule, Scene6Boss_CurvingStream2_Schedule,
      Scene6Boss_CurvingStream3_Schedule, Scene6Boss_CurvingStream4_Schedule,
      Scene6Boss_CurvingStream5_Schedule, Scene6Boss_CurvingStream6_Schedule}},
};

} // namespace

constinit const BossSection scene6BossSection = {
    .boss = &scene6Boss,
    .update = Scene6Boss_Update,
    .draw = Scene6Boss_Draw,
    .defeat = Scene6Boss_Defeat,
    .gateLo = 0.0f,
    .gateHi = 980.0f,
    .attackRows = kScene6BossAttacks,
    .hpRows = {},
    .wrap = {{1770, 1770, 1770, 1770}, 1770},
    .timeOut = Within(11000, 11100),
};
