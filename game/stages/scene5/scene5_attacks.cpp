// The scene-5 boss's attack table and hp blocks, and its boss section.
#include "game/stages/scene5/scene5_boss.h"

#include <cstddef>

#include "game/stages/scene5/scene5_patterns.h"

namespace {

// Windows of BossAttackClock, both ends closed, in the order the game tests
// them; where two windows meet, both run on the shared value. The side pools
// spawn in short bursts; the fans grow from 3 to 15 bullets through the
// second half of the 4900-frame cycle.
constexpr ScheduleRow kScene5BossAttacks[] = {
    {Within(30, 60), nullptr, {Scene5Boss_FanVolley1_Schedule, Scene5Boss_FanVolley2_Schedule}},
    {Within(60, 80),
     nullptr,
     {Scene5Boss_TimedVolley1_Schedule, Scene5Boss_TimedVolley2_Schedule, Scene5Boss_TimedVolley3_Schedule}},
    {Within(100, 200), nullptr, {Scene5Boss_AimedShotPool29_Spawn, Scene5Boss_AimedShotPool30_Spawn}},
    {Within(160, 200), nullptr, {Scene5Boss_AimedShotPool25_Spawn, Scene5Boss_AimedShotPool26_Spawn}},
    {Within(200, 300), nullptr, {Scene5Boss_TimedVolley9_Schedule, Scene5Boss_TimedVolley10_Schedule}},
    {Within(250, 280),
     nullptr,
     {Scene5Boss_AimedShotPool3_Spawn, Scene5Boss_AimedShotPool4_Spawn, Scene5Boss_AimedShotPool5_Spawn,
      Scene5Boss_AimedShotPool6_Spawn, Scene5Boss_AimedShotPool7_Spawn, Scene5Boss_AimedShotPool8_Spawn,
      Scene5Boss_AimedShotPool15_Spawn, Scene5Boss_AimedShotPool16_Spawn, Scene5Boss_AimedShotPool17_Spawn,
      Scene5Boss_AimedShotPool18_Spawn, Scene5Boss_AimedShotPool19_Spawn, Scene5Boss_AimedShotPool20_Spawn}},
    {Within(300, 500), nullptr, {Scene5Boss_AimedShotPool27_Spawn, Scene5Boss_AimedShotPool28_Spawn}},
    {Within(380, 500), nullptr, {Scene5Boss_AimedShotPool25_Spawn, Scene5Boss_AimedShotPool26_Spawn}},
    {Within(300, 400), Extra1, {Scene5Boss_FanVolley1_Schedule, Scene5Boss_FanVolley2_Schedule}},
    {Within(450, 500),
     nullptr,
     {Scene5Boss_TimedVolley1_Schedule, Scene5Boss_TimedVolley2_Schedule, Scene5Boss_TimedVolley3_Schedule}},
    {Within(510, 540),
     nullptr,
     {Scene5Boss_AimedShotPool3_Spawn, Scene5Boss_AimedShotPool4_Spawn, Scene5Boss_AimedShotPool5_Spawn,
      Scene5Boss_AimedShotPool6_Spawn, Scene5Boss_AimedShotPool7_Spawn, Scene5Boss_AimedShotPool8_Spawn,
      Scene5Boss_AimedShotPool15_Spawn, Scene5Boss_AimedShotPool16_Spawn, Scene5Boss_AimedShotPool17_Spawn,
      Scene5Boss_AimedShotPool18_Spawn, Scene5Boss_AimedShotPool19_Spawn, Scene5Boss_AimedShotPool20_Spawn}},
    {Within(400, 500), nullptr, {Scene5Boss_TimedVolley7_Schedule, Scene5Boss_TimedVolley8_Schedule}},
    {Within(500, 550), nullptr, {Scene5Boss_FanVolley1_Schedule, Scene5Boss_FanVolley2_Schedule}},
    {Within(550, 800), nullptr, {Scene5Boss_TimedVolley7_Schedule, Scene5Boss_TimedVolley8_Schedule}},
    {Within(600, 750), nullptr, {Scene5Boss_TurningStream1_Spawn, Scene5Boss_TurningStream2_Spawn}},
    {Within(800, 950), nullptr, {Scene5Boss_TimedVolley4_Schedule}},
    {Within(950, 1200), nullptr, {Scene5Boss_AimedShotPool29_Spawn, Scene5Boss_AimedShotPool30_Spawn}},
    {Within(1000, 1200), nullptr, {Scene5Boss_AimedShotPool27_Spawn, Scene5Boss_AimedShotPool28_Spawn}},
    {Within(1050, 1200), nullptr, {Scene5Boss_AimedShotPool25_Spawn, Scene5Boss_AimedShotPool26_Spawn}},
    {Within(1200, 1250),
     nullptr,
     {Scene5Boss_AimedShotPool3_Spawn, Scene5Boss_AimedShotPool4_Spawn, Scene5Boss_AimedShotPool5_Spawn,
      Scene5Boss_AimedShotPool6_Spawn, Scene5Boss_AimedShotPool7_Spawn, Scene5Boss_AimedShotPool8_Spawn,
      Scene5Boss_AimedShotPool9_Spawn, Scene5Boss_AimedShotPool15_Spawn, Scene5Boss_AimedShotPool16_Spawn,
      Scene5Boss_AimedShotPool17_Spawn, Scene5Boss_AimedShotPool18_Spawn, Scene5Boss_AimedShotPool19_Spawn,
      Scene5Boss_AimedShotPool20_Spawn, Scene5Boss_AimedShotPool21_Spawn}},
    {Within(1250, 1500),
     nullptr,
     {Scene5Boss_TurningStream1_Spawn, Scene5Boss_TurningStream2_Spawn, Scene5Boss_TurningStream3_Spawn,
      Scene5Boss_TurningStream4_Spawn}},
    {Within(1510, 1900),
     nullptr,
     {Scene5Boss_CurvingStream1_Schedule, Scene5Boss_CurvingStream2_Schedule,
      Scene5Boss_CurvingStream3_Schedule, Scene5Boss_CurvingStream4_Schedule,
      Scene5Boss_CurvingStream5_Schedule, Scene5Boss_CurvingStream6_Schedule}},
    {Within(1920, 2100), nullptr, {Scene5Boss_BigFanVolley1_Schedule}},
    {Within(2120, 2300), nullptr, {Scene5Boss_BigFanVolley4_Schedule}},
    {Within(2320, 2500), nullptr, {Scene5Boss_BigFanVolley7_Schedule}},
    {Within(2520, 2700), nullptr, {Scene5Boss_BigFanVolley10_Schedule}},
    {Within(2720, 2900), nullptr, {Scene5Boss_BigFanVolley13_Schedule}},
    {Within(2920, 3100), nullptr, {Scene5Boss_BigFanVolley16_Schedule}},
    {Within(3120, 3300), nullptr, {Scene5Boss_BigFanVolley19_Schedule}},
    {Within(3320, 3500), nullptr, {Scene5Boss_BigFanVolley2_Schedule, Scene5Boss_BigFanVolley3_Schedule}},
    {Within(3520, 3700), nullptr, {Scene5Boss_BigFanVolley5_Schedule, Scene5Boss_BigFanVolley6_Schedule}},
    {Within(3720, 3900), nullptr, {Scene5Boss_BigFanVolley8_Schedule, Scene5Boss_BigFanVolley9_Schedule}},
    {Within(3920, 4100), nullptr, {Scene5Boss_BigFanVolley11_Schedule, Scene5Boss_BigFanVolley12_Schedule}},
    {Within(4120, 4300), nullptr, {Scene5Boss_BigFanVolley14_Schedule, Scene5Boss_BigFanVolley15_Schedule}},
    {Within(4320, 4500), nullptr, {Scene5Boss_BigFanVolley17_Schedule, Scene5Boss_BigFanVolley18_Schedule}},
    {Within(4520, 4700), nullptr, {Scene5Boss_BigFanVolley20_Schedule, Scene5Boss_BigFanVolley21_Schedule}},
    {Within(4720, 4900), nullptr, {Scene5Boss_BigFanVolley5_Schedule, Scene5Boss_BigFanVolley6_Schedule}},
};

// Drop shots in three bands of hp, only while difficulty is not 1 (never in
// play). Pool 8's spawn is called twice; the second call finds it full.
constexpr StageCall kDropShots[] = {
    Scene5Boss_PairedDropShot1_Spawn, Scene5Boss_PairedDropShot2_Spawn, Scene5Boss_PairedDropShot3_Spawn,
    Scene5Boss_PairedDropShot4_Spawn, Scene5Boss_PairedDropShot5_Spawn, Scene5Boss_PairedDropShot6_Spawn,
    Scene5Boss_PairedDropShot7_Spawn, Scene5Boss_PairedDropShot8_Spawn, Scene5Boss_PairedDropShot8_Spawn,
    Scene5Boss_PairedDropShot9_Spawn,
};

constexpr ScheduleRow DropShotBlock(float lo, float hi) {
    ScheduleRow row = {Within(lo, hi), DifficultyNot1, {}};
    for (std::size_t i = 0; i < sizeof kDropShots / sizeof kDropShots[0]; ++i)
        row.calls[i] = kDropShots[i];
    return row;
}

constexpr ScheduleRow kScene5BossHpBlocks[] = {
    DropShotBlock(740, 770),
    DropShotBlock(460, 490),
    DropShotBlock(60, 90),
};

} // namespace

constinit const BossSection scene5BossSection = {
    .boss = &scene5Boss,
    .update = Scene5Boss_Update,
    .draw = Scene5Boss_Draw,
    .defeat = Scene5Boss_Defeat,
    .gateLo = 0.0f,
    .gateHi = 780.0f,
    .attackRows = kScene5BossAttacks,
    .hpRows = kScene5BossHpBlocks,
    .wrap = {{4900, 4900, 4900, 4900}, 4900},
    .timeOut = Within(11000, 11100),
};
