// The scene-6 boss's attack table and its boss section.
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene6/scene6_patterns.h"

namespace {

// Windows of BossAttackClock, both ends closed, in the order the game tests
// them; where two windows meet, both run on the shared value. The clock is
// never 0 when they are tested, and 1751..1770 fire nothing.
constexpr ScheduleRow kScene6BossAttacks[] = {
    {Within(300, 600), GameMode2Or3, {Scene6Boss_VerticalBeam1_Spawn}},
    {Within(300, 600), GameMode2Or3, {Scene6Boss_VerticalBeam2_Spawn}},
    {Within(1000, 1300), GameMode2Or3, {Scene6Boss_VerticalBeam1_Spawn}},
    {Within(1000, 1300), GameMode2Or3, {Scene6Boss_VerticalBeam2_Spawn}},
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
