#pragma once
// The defeat sequence every boss ends with: once its hp is 0 or less, each
// call covers the body with explosions, stops the music while its timer is
// between 5 and 6 seconds, and past 7 seconds resets the world and wipes to
// the next scene. Written once over the three explosion record layouts.
#include <cstdint>

#include "game/bosses/boss_record.h"

template <class Big, class Small> struct BossDefeat {
    BossRecord* boss;
    Big* big;     // kBigExplosions records, 160x160 cells of imgBBAK1B
    Small* small; // kSmallExplosions records, 60x60 cells of imgZBAK1B
    // Each explosion jumps every call to boss x + rand() % scatterX - 100 (big)
    // or - 40 (small), and boss y + rand() % its height.
    int32_t scatterX;
    int32_t bigScatterY;
    int32_t smallScatterY;
    int32_t nextScene;
    int32_t wipeLength; // wipe kind 3
};

template <class Big, class Small> void BossDefeatSequence(const BossDefeat<Big, Small>& defeat);

// The layouts the bosses carry (instantiated once each).
extern template void BossDefeatSequence(const BossDefeat<BossExplosion, BossExplosion>&);
extern template void BossDefeatSequence(const BossDefeat<BossExplosion, BossExplosionCompact>&);
extern template void BossDefeatSequence(const BossDefeat<BossExplosionShort, BossExplosionShort>&);
