#include "game/shell/pool_catalogue.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "game/bosses/boss_roster.h"
#include "game/enemies/enemy_kinds.h"
#include "game/enemies/enemy_shots.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/squads.h"
#include "game/player/player_pools.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/state/game_state.h"
#include "kit/system/random.h"

namespace {

// --- Compile-time checks of recipes and records ---------------------------------

// The index of the step that writes a word (word counted from the record's
// start), or -1.
consteval int StepAt(const Recipe& r, int word) {
    for (int s = 0; s < r.stepCount; ++s) {
        const RecipeStep& st = r.steps[s];
        if (word >= r.xWord + st.first && word <= r.xWord + st.last) return s;
    }
    return -1;
}

consteval bool WordIs(const Recipe& r, std::size_t byteOffset, ParkValue v) {
    const int s = StepAt(r, static_cast<int>(byteOffset / 4));
    return s >= 0 && r.steps[s].value == v;
}

// Every word written at most once, inside the record, and the first word named.
consteval bool WellFormed(const Recipe& r) {
    if (r.stepCount < 1 || r.stepCount > kMaxRecipeSteps || r.words > 32) return false;
    int writes[32] = {};
    for (int s = 0; s < r.stepCount; ++s) {
        const RecipeStep& st = r.steps[s];
        if (st.first > st.last) return false;
        if ((st.value == ParkValue::RandMod || st.value == ParkValue::RandFloat) &&
            (st.mod <= 0 || st.first != st.last))
            return false;
        for (int rel = st.first; rel <= st.last; ++rel) {
            int word = r.xWord + rel;
            if (word < 0 || word >= r.words) return false;
            if (++writes[word] > 1) return false;
        }
    }
    return writes[0] == 1;
}

template <typename T> consteval int AngleWord() {
    if constexpr (requires { &T::angle; })
        return static_cast<int>(offsetof(T, angle) / 4);
    else if constexpr (requires { &T::heading; })
        return static_cast<int>(offsetof(T, heading) / 4);
    else if constexpr (requires { &T::spareAngle; })
        return static_cast<int>(offsetof(T, spareAngle) / 4);
    else
        return -1;
}

template <typename T> consteval int FrameWord() {
    if constexpr (requires { &T::frame; })
        return static_cast<int>(offsetof(T, frame) / 4);
    else if constexpr (requires { &T::animFrame; })
        return static_cast<int>(offsetof(T, animFrame) / 4);
    else
        return -1;
}

// The record's named fields sit where the recipe parks them: x and y of the
// right type, the live flags and tick counters cleared, the start heading in
// the heading field and the random start in the animation word.
template <typename T> consteval bool Fits(const Recipe& r) {
    if (sizeof(T) != static_cast<std::size_t>(r.words) * 4) return false;
    if (offsetof(T, x) != static_cast<std::size_t>(r.xWord) * 4) return false;
    if (offsetof(T, y) != static_cast<std::size_t>(r.xWord + 1) * 4) return false;
    const bool intPosition = WordIs(r, offsetof(T, x), ParkValue::IntParkX);
    if (intPosition != std::is_same_v<decltype(T::x), int32_t>) return false;
    if (std::is_same_v<decltype(T::x), float> && !WordIs(r, offsetof(T, x), ParkValue::ParkX) &&
        !WordIs(r, offsetof(T, x), ParkValue::RandFloat))
        return false;
    if constexpr (requires { &T::active; })
        if (!WordIs(r, offsetof(T, active), ParkValue::Zero)) return false;
    if constexpr (requires { &T::alive; })
        if (!WordIs(r, offsetof(T, alive), ParkValue::Zero)) return false;
    if constexpr (requires { &T::hit; })
        if (!WordIs(r, offsetof(T, hit), ParkValue::Zero)) return false;
    if constexpr (requires { &T::tick; })
        if (!WordIs(r, offsetof(T, tick), ParkValue::Zero)) return false;
    if constexpr (requires { &T::counter; })
        if (!WordIs(r, offsetof(T, counter), ParkValue::Zero)) return false;
    if constexpr (requires { &T::waveTimer; })
        if (!WordIs(r, offsetof(T, waveTimer), ParkValue::Zero)) return false;
    for (int s = 0; s < r.stepCount; ++s) {
        const RecipeStep& st = r.steps[s];
        if ((st.value == ParkValue::AngleA || st.value == ParkValue::AngleB) &&
            AngleWord<T>() != r.xWord + st.first)
            return false;
        if (st.value == ParkValue::RandMod && FrameWord<T>() != r.xWord + st.first) return false;
    }
    return true;
}

template <typename T> consteval int LiveWord() {
    if constexpr (requires { &T::active; })
        return static_cast<int>(offsetof(T, active) / 4);
    else if constexpr (requires { &T::alive; })
        return static_cast<int>(offsetof(T, alive) / 4);
    else
        return -1;
}

template <const Recipe& R, typename Pool>
constexpr PoolEntry Entry(const char* name, Pool& pool, PoolGroup group) {
    static_assert(std::is_array_v<Pool> && std::rank_v<Pool> <= 2, "a pool is a one- or two-level array");
    using Record = std::remove_all_extents_t<Pool>;
    static_assert(std::is_standard_layout_v<Record> && std::is_trivially_copyable_v<Record>);
    static_assert(WellFormed(R), "malformed recipe");
    static_assert(Fits<Record>(R), "record layout does not match its park recipe");
    return {name,
            static_cast<void*>(&pool),
            static_cast<int32_t>(sizeof(Pool) / sizeof(Record)),
            static_cast<int32_t>(std::rank_v<Pool> == 2 ? std::extent_v<Pool, 0> : 1),
            static_cast<int32_t>(sizeof(Record)),
            &R,
            group,
            LiveWord<Record>()};
}

#define POOL(pool, recipe, group) Entry<recipes::recipe>(#pool, pool, PoolGroup::group)

// clang-format off
constexpr PoolEntry kCatalogue[] = {

    // --- Shell
    POOL(bossPortraitSlides, R32c, Shell),

    // --- Player
    POOL(scene2BossLockPointsA, R16a, Player),
    POOL(scene2BossLockPointsB, R16a, Player),
    POOL(scene3BossLockPointsA, R16a, Player),
    POOL(scene3BossLockPointsB, R16a, Player),
    POOL(scene4BossLockPointsA, R16a, Player),
    POOL(scene4BossLockPointsB, R16a, Player),
    POOL(scene5BossLockPointsA, R16a, Player),
    POOL(scene5BossLockPointsB, R16a, Player),
    POOL(scene6BossLockPointsA, R16a, Player),
    POOL(scene6BossLockPointsB, R16a, Player),
    POOL(scene7BossLockPointsA, R16a, Player),
    POOL(scene7BossLockPointsB, R16a, Player),
    POOL(scene8BossLockPointsA, R16a, Player),
    POOL(scene8BossLockPointsB, R16a, Player),
    POOL(scene9BossLockPointsA, R16a, Player),
    POOL(scene9BossLockPointsB, R16a, Player),
    POOL(narrowShots, R20a, Player),
    POOL(wideShots, R20a, Player),
    POOL(burstShots, R24a, Player),
    POOL(bombFragments, R52b, Player),
    POOL(lockOnShotsB, R64b, Player),
    POOL(lockOnShotsC, R64b, Player),
    POOL(lockOnShotsQ, R64b, Player),
    POOL(lockOnShotsT, R64b, Player),
    POOL(lockOnShotsSquadV3A, R64b, Player),
    POOL(lockOnShotsSquadV3B, R64b, Player),
    POOL(lockOnShotsSquadV4A, R64b, Player),
    POOL(lockOnShotsSquadV4B, R64b, Player),
    POOL(lockOnShotsScene2BossA, R64b, Player),
    POOL(lockOnShotsScene2BossB, R64b, Player),
    POOL(lockOnShotsScene4BossA, R64b, Player),
    POOL(lockOnShotsScene4BossB, R64b, Player),
    POOL(lockOnShotsScene5BossA, R64b, Player),
    POOL(lockOnShotsScene5BossB, R64b, Player),
    POOL(lockOnShotsScene3BossA, R64b, Player),
    POOL(lockOnShotsScene3BossB, R64b, Player),
    POOL(lockOnShotsScene6BossA, R64b, Player),
    POOL(lockOnShotsScene6BossB, R64b, Player),
    POOL(lockOnShotsScene8BossA, R64b, Player),
    POOL(lockOnShotsScene8BossB, R64b, Player),
    POOL(lockOnShotsScene9BossA, R64b, Player),
    POOL(lockOnShotsScene9BossB, R64b, Player),
    POOL(lockOnShotsScene7BossA, R64b, Player),
    POOL(lockOnShotsScene7BossB, R64b, Player),
    POOL(homingChainsJ, R64e, Player),
    POOL(homingChainsK, R64e, Player),
    POOL(homingChainsM, R64e, Player),
    POOL(homingChainsN, R64e, Player),
    POOL(playerDebris, R72a, Player),

    // --- EnemyKinds
    POOL(enemyJShot1Pool, R60a, EnemyKinds),
    POOL(enemyKShot1Pool, R60a, EnemyKinds),
    POOL(enemyGShot1Pool, R56d, EnemyKinds),
    POOL(enemyHShot1Pool, R56d, EnemyKinds),
    POOL(enemyEShot1Pool, R56f, EnemyKinds),
    POOL(enemyFShot1Pool, R56g, EnemyKinds),
    POOL(enemyDShot1Pool, R60a, EnemyKinds),
    POOL(enemyMShot1Pool, R60a, EnemyKinds),
    POOL(enemyNShot1Pool, R60a, EnemyKinds),
    POOL(enemyJShot2Pool, R60a, EnemyKinds),
    POOL(enemyJShot3Pool, R60a, EnemyKinds),
    POOL(enemyKShot2Pool, R60a, EnemyKinds),
    POOL(enemyKShot3Pool, R60a, EnemyKinds),
    POOL(enemyMShot2Pool, R60a, EnemyKinds),
    POOL(enemyMShot3Pool, R60a, EnemyKinds),
    POOL(enemyNShot2Pool, R60a, EnemyKinds),
    POOL(enemyNShot3Pool, R60a, EnemyKinds),
    POOL(enemyOShot1Pool, R64a, EnemyKinds),
    POOL(enemyOShot2Pool, R64a, EnemyKinds),
    POOL(enemyOShot3Pool, R64a, EnemyKinds),
    POOL(enemyPShot1Pool, R64a, EnemyKinds),
    POOL(enemyPShot2Pool, R64a, EnemyKinds),
    POOL(enemyPShot3Pool, R64a, EnemyKinds),
    POOL(enemyAPool, R40a, EnemyKinds),
    POOL(enemyBPool, R40a, EnemyKinds),
    POOL(enemyCPool, R40a, EnemyKinds),
    POOL(enemyMPool, R40a, EnemyKinds),
    POOL(enemyNPool, R40a, EnemyKinds),
    POOL(enemyOPool, R40a, EnemyKinds),
    POOL(enemyPPool, R40a, EnemyKinds),
    POOL(enemyQPool, R40a, EnemyKinds),
    POOL(enemyRPool, R40a, EnemyKinds),
    POOL(enemyTPool, R40a, EnemyKinds),
    POOL(enemyUPool, R40a, EnemyKinds),
    POOL(enemyDPool, R40b, EnemyKinds),
    POOL(enemyEPool, R40b, EnemyKinds),
    POOL(enemyIPool, R40c, EnemyKinds),
    POOL(enemyLPool, R40d, EnemyKinds),
    POOL(enemyGPool, R44a, EnemyKinds),
    POOL(enemyHPool, R44a, EnemyKinds),
    POOL(enemyFPool, R44b, EnemyKinds),
    POOL(enemyJPool, R48a, EnemyKinds),
    POOL(enemyKPool, R48b, EnemyKinds),
    POOL(enemySPool, R52c, EnemyKinds),
    POOL(enemyVPool, R52d, EnemyKinds),
    POOL(enemyJShot7Pool, R56e, EnemyKinds),
    POOL(enemyKShot7Pool, R56e, EnemyKinds),
    POOL(enemyBLockMarkers, R16a, EnemyKinds),
    POOL(enemyCLockMarkers, R16a, EnemyKinds),
    POOL(enemyJLockMarkers, R16a, EnemyKinds),
    POOL(enemyKLockMarkers, R16a, EnemyKinds),
    POOL(enemyMLockMarkers, R16a, EnemyKinds),
    POOL(enemyNLockMarkers, R16a, EnemyKinds),
    POOL(enemyQLockMarkers, R16a, EnemyKinds),
    POOL(enemyTLockMarkers, R16a, EnemyKinds),
    POOL(enemyAShot3Pool, R32b, EnemyKinds),
    POOL(enemyIShot1Pool, R32b, EnemyKinds),
    POOL(enemyLShot10Pool, R32b, EnemyKinds),
    POOL(enemyLShot6Pool, R32b, EnemyKinds),
    POOL(enemyLShot7Pool, R32b, EnemyKinds),
    POOL(enemyLShot8Pool, R32b, EnemyKinds),
    POOL(enemyLShot9Pool, R32b, EnemyKinds),
    POOL(enemyQShot1Pool, R32b, EnemyKinds),
    POOL(enemyRShot1Pool, R32b, EnemyKinds),
    POOL(enemyTShot1Pool, R32b, EnemyKinds),
    POOL(enemyTShot3Pool, R32b, EnemyKinds),
    POOL(enemyUShot1Pool, R32b, EnemyKinds),
    POOL(enemyJShot4Pool, R32b, EnemyKinds),
    POOL(enemyJShot5Pool, R32b, EnemyKinds),
    POOL(enemyJShot6Pool, R32b, EnemyKinds),
    POOL(enemyKShot4Pool, R32b, EnemyKinds),
    POOL(enemyKShot5Pool, R32b, EnemyKinds),
    POOL(enemyKShot6Pool, R32b, EnemyKinds),
    POOL(enemyLShot1Pool, R32b, EnemyKinds),
    POOL(enemyLShot2Pool, R32b, EnemyKinds),
    POOL(enemyLShot3Pool, R32b, EnemyKinds),
    POOL(enemyLShot4Pool, R32b, EnemyKinds),
    POOL(enemyLShot5Pool, R32b, EnemyKinds),
    POOL(enemyMShot4Pool, R32b, EnemyKinds),
    POOL(enemyMShot5Pool, R32b, EnemyKinds),
    POOL(enemyMShot6Pool, R32b, EnemyKinds),
    POOL(enemyNShot4Pool, R32b, EnemyKinds),
    POOL(enemyNShot5Pool, R32b, EnemyKinds),
    POOL(enemyNShot6Pool, R32b, EnemyKinds),
    POOL(enemyOShot4Pool, R32b, EnemyKinds),
    POOL(enemyOShot5Pool, R32b, EnemyKinds),
    POOL(enemyOShot6Pool, R32b, EnemyKinds),
    POOL(enemyOShot7Pool, R32b, EnemyKinds),
    POOL(enemyOShot8Pool, R32b, EnemyKinds),
    POOL(enemyPShot4Pool, R32b, EnemyKinds),
    POOL(enemyPShot5Pool, R32b, EnemyKinds),
    POOL(enemyPShot6Pool, R32b, EnemyKinds),
    POOL(enemyPShot7Pool, R32b, EnemyKinds),
    POOL(enemyPShot8Pool, R32b, EnemyKinds),
    POOL(enemyQShot3Pool, R32b, EnemyKinds),
    POOL(enemyQShot4Pool, R32b, EnemyKinds),
    POOL(enemyQShot5Pool, R32b, EnemyKinds),
    POOL(enemyQShot6Pool, R32b, EnemyKinds),
    POOL(enemyRShot2Pool, R32b, EnemyKinds),
    POOL(enemyRShot3Pool, R32b, EnemyKinds),
    POOL(enemyRShot4Pool, R32b, EnemyKinds),
    POOL(enemyRShot5Pool, R32b, EnemyKinds),
    POOL(enemyRShot6Pool, R32b, EnemyKinds),
    POOL(enemySShot1Pool, R32b, EnemyKinds),
    POOL(enemySShot2Pool, R32b, EnemyKinds),
    POOL(enemySShot3Pool, R32b, EnemyKinds),
    POOL(enemySShot4Pool, R32b, EnemyKinds),
    POOL(enemySShot5Pool, R32b, EnemyKinds),
    POOL(enemyTShot4Pool, R32b, EnemyKinds),
    POOL(enemyTShot5Pool, R32b, EnemyKinds),
    POOL(enemyTShot6Pool, R32b, EnemyKinds),
    POOL(enemyUShot2Pool, R32b, EnemyKinds),
    POOL(enemyUShot3Pool, R32b, EnemyKinds),
    POOL(enemyUShot4Pool, R32b, EnemyKinds),
    POOL(enemyUShot5Pool, R32b, EnemyKinds),
    POOL(enemyUShot6Pool, R32b, EnemyKinds),
    POOL(enemyVShot1Pool, R32b, EnemyKinds),
    POOL(enemyVShot2Pool, R32b, EnemyKinds),
    POOL(enemyVShot3Pool, R32b, EnemyKinds),
    POOL(enemyVShot4Pool, R32b, EnemyKinds),
    POOL(enemyVShot5Pool, R32b, EnemyKinds),
    POOL(enemyIShot2Pool, R32c, EnemyKinds),
    POOL(enemyIShot3Pool, R32c, EnemyKinds),
    POOL(enemyIShot4Pool, R32c, EnemyKinds),
    POOL(enemyQShot2Pool, R32b, EnemyKinds),
    POOL(enemyTShot2Pool, R32b, EnemyKinds),
    POOL(enemyAShot1Pool, R64d, EnemyKinds),
    POOL(enemyAShot2Pool, R64d, EnemyKinds),

    // --- SquadsAndLargeEnemies
    POOL(largeEnemyD52Shot4Pool, R56b, SquadsAndLargeEnemies),
    POOL(squadV1AShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV1AShot2Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV1BShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV1BShot2Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV1CShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV1CShot2Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV1DShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV1DShot2Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV3AShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV3AShot2Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV3BShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV3BShot2Pool, R60a, SquadsAndLargeEnemies),
    POOL(largeEnemyD51Shot1Pool, R64a, SquadsAndLargeEnemies),
    POOL(largeEnemyD51Shot2Pool, R64a, SquadsAndLargeEnemies),
    POOL(largeEnemyD51Shot3Pool, R64a, SquadsAndLargeEnemies),
    POOL(largeEnemyD51Shot6Pool, R56b, SquadsAndLargeEnemies),
    POOL(largeEnemyD51Shot7Pool, R56b, SquadsAndLargeEnemies),
    POOL(largeEnemyD51Shot8Pool, R56b, SquadsAndLargeEnemies),
    POOL(largeEnemyD52Shot3Pool, R56b, SquadsAndLargeEnemies),
    POOL(squadV3ALockMarkers, R16a, SquadsAndLargeEnemies),
    POOL(squadV3BLockMarkers, R16a, SquadsAndLargeEnemies),
    POOL(squadV4ALockMarkers, R16a, SquadsAndLargeEnemies),
    POOL(squadV4BLockMarkers, R16a, SquadsAndLargeEnemies),
    POOL(squadV2AShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV2BShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV2CShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(squadV2DShot1Pool, R60a, SquadsAndLargeEnemies),
    POOL(largeEnemyS53LShot1Pool, R64a, SquadsAndLargeEnemies),
    POOL(largeEnemyS53LShot2Pool, R64a, SquadsAndLargeEnemies),
    POOL(largeEnemyS53RShot1Pool, R64a, SquadsAndLargeEnemies),
    POOL(largeEnemyS53RShot2Pool, R64a, SquadsAndLargeEnemies),
    POOL(squadV1ASlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV1BSlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV1CSlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV1DSlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV2ASlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV2BSlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV2CSlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV2DSlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV3ASlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV3BSlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV4ASlots, R52a, SquadsAndLargeEnemies),
    POOL(squadV4BSlots, R52a, SquadsAndLargeEnemies),
    POOL(largeEnemyS53LShot3Pool, R32a, SquadsAndLargeEnemies),
    POOL(largeEnemyS53RShot3Pool, R32a, SquadsAndLargeEnemies),
    POOL(largeEnemyD51Shot4Pool, R56b, SquadsAndLargeEnemies),
    POOL(largeEnemyD51Shot5Pool, R56b, SquadsAndLargeEnemies),
    POOL(largeEnemyD52Shot1Pool, R56b, SquadsAndLargeEnemies),
    POOL(largeEnemyD52Shot2Pool, R56b, SquadsAndLargeEnemies),
    POOL(largeEnemyS50LShot1Pool, R64d, SquadsAndLargeEnemies),
    POOL(largeEnemyS50LShot2Pool, R64d, SquadsAndLargeEnemies),
    POOL(largeEnemyS50RShot1Pool, R64d, SquadsAndLargeEnemies),
    POOL(largeEnemyS50RShot2Pool, R64d, SquadsAndLargeEnemies),
    POOL(largeEnemyS50LShot3Pool, R32a, SquadsAndLargeEnemies),
    POOL(largeEnemyS50RShot3Pool, R32a, SquadsAndLargeEnemies),
    POOL(largeEnemyS54LShot1Pool, R32a, SquadsAndLargeEnemies),
    POOL(largeEnemyS54RShot1Pool, R32a, SquadsAndLargeEnemies),
    POOL(largeEnemyT60Shot1Pool, R32a, SquadsAndLargeEnemies),

    // --- StarField
    POOL(stars, R20b, StarField),

    // --- Scene2
    POOL(scene2BossBigExplosions, R36a, Scene2),
    POOL(scene2BossSmallExplosions, R28b, Scene2),
    POOL(scene2BossAimedQuadVolley1Pool, R60b, Scene2),
    POOL(scene2BossAimedShotPool1Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool2Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool3Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool4Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool5Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool6Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool7Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool8Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool9Pool, R60a, Scene2),
    POOL(scene2BossAimedShotPool10Pool, R60a, Scene2),
    POOL(scene2BossBigFanVolley1Pool, R64a, Scene2),
    POOL(scene2BossBigFanVolley2Pool, R64c, Scene2),
    POOL(scene2BossBigFanVolley3Pool, R64c, Scene2),
    POOL(scene2BossBigFanVolley4Pool, R64c, Scene2),
    POOL(scene2BossPairedDropShot1Pool, R32a, Scene2),
    POOL(scene2BossPairedDropShot2Pool, R32a, Scene2),
    POOL(scene2BossPairedDropShot3Pool, R32a, Scene2),
    POOL(scene2BossRingEmitter1Pool, R64c, Scene2),
    POOL(scene2BossRingEmitter2Pool, R64c, Scene2),
    POOL(scene2BossRingEmitter3Pool, R64c, Scene2),
    POOL(scene2BossRingEmitter4Pool, R64c, Scene2),
    POOL(scene2BossRingEmitter5Pool, R64c, Scene2),
    POOL(scene2BossRingEmitter6Pool, R64c, Scene2),
    POOL(scene2BossSpiralStream1Pool, R64c, Scene2),
    POOL(scene2BossSpiralStream2Pool, R64c, Scene2),
    POOL(scene2BossSpiralStream3Pool, R64c, Scene2),
    POOL(scene2BossSpiralStream4Pool, R64c, Scene2),
    POOL(scene2BossSpiralStream5Pool, R64c, Scene2),
    POOL(scene2BossSpiralStream6Pool, R64c, Scene2),
    POOL(scene2BossStraightDropStream1Pool, R32a, Scene2),
    POOL(scene2BossStraightDropStream2Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley1Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley2Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley3Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley4Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley5Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley6Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley7Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley8Pool, R32a, Scene2),
    POOL(scene2BossTimedVolley9Pool, R32a, Scene2),

    // --- Scene3
    POOL(scene3BossBigExplosions, R36a, Scene3),
    POOL(scene3BossSmallExplosions, R36a, Scene3),
    POOL(scene3BossAimedRingBurst1Pool, R56a, Scene3),
    POOL(scene3BossAimedRingBurst2Pool, R56a, Scene3),
    POOL(scene3BossAimedShotPool1Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool2Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool3Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool4Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool5Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool6Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool7Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool8Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool9Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool10Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool11Pool, R60a, Scene3),
    POOL(scene3BossAimedShotPool12Pool, R60a, Scene3),
    POOL(scene3BossBigFanVolley1Pool, R64a, Scene3),
    POOL(scene3BossBigFanVolley2Pool, R64a, Scene3),
    POOL(scene3BossBigFanVolley3Pool, R64a, Scene3),
    POOL(scene3BossBigFanVolley4Pool, R64a, Scene3),
    POOL(scene3BossBigFanVolley5Pool, R64a, Scene3),
    POOL(scene3BossBigFanVolley6Pool, R64a, Scene3),
    POOL(scene3BossBigFanVolley7Pool, R64a, Scene3),
    POOL(scene3BossPairedDropShot1Pool, R32a, Scene3),
    POOL(scene3BossPairedDropShot2Pool, R32a, Scene3),
    POOL(scene3BossPairedDropShot3Pool, R32a, Scene3),
    POOL(scene3BossPairedDropShot4Pool, R32a, Scene3),
    POOL(scene3BossPairedDropShot5Pool, R32a, Scene3),
    POOL(scene3BossPairedDropShot6Pool, R32a, Scene3),
    POOL(scene3BossPairedDropShot7Pool, R32a, Scene3),
    POOL(scene3BossPairedDropShot8Pool, R32a, Scene3),
    POOL(scene3BossPairedDropShot9Pool, R32a, Scene3),
    POOL(scene3BossSpreadVolleyTrail1Pool, R32a, Scene3),
    POOL(scene3BossSpreadVolleyTrail2Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream1Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream2Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream3Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream4Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream5Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream6Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream7Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream8Pool, R32a, Scene3),
    POOL(scene3BossStraightDropStream9Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley1Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley2Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley3Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley4Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley5Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley6Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley7Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley8Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley9Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley10Pool, R32a, Scene3),
    POOL(scene3BossTimedVolley11Pool, R32a, Scene3),

    // --- Scene4
    POOL(scene4BossBigExplosions, R36a, Scene4),
    POOL(scene4BossSmallExplosions, R36a, Scene4),
    POOL(scene4BossAimedRingBurst1Pool, R56a, Scene4),
    POOL(scene4BossAimedRingBurst2Pool, R56a, Scene4),
    POOL(scene4BossPairedDropShot1Pool, R32a, Scene4),
    POOL(scene4BossPairedDropShot2Pool, R32a, Scene4),
    POOL(scene4BossPairedDropShot3Pool, R32a, Scene4),
    POOL(scene4BossPairedDropShot4Pool, R32a, Scene4),
    POOL(scene4BossPairedDropShot5Pool, R32a, Scene4),
    POOL(scene4BossTimedVolley1Pool, R32a, Scene4),
    POOL(scene4BossTimedVolley2Pool, R32a, Scene4),
    POOL(scene4BossTimedVolley3Pool, R32a, Scene4),
    POOL(scene4BossTimedVolley4Pool, R32a, Scene4),
    POOL(scene4BossTimedVolley5Pool, R32a, Scene4),

    // --- Scene5
    POOL(scene5BossBigExplosions, R36a, Scene5),
    POOL(scene5BossSmallExplosions, R36a, Scene5),
    POOL(scene5BossAimedRingBurst1Pool, R56a, Scene5),
    POOL(scene5BossAimedRingBurst2Pool, R56a, Scene5),
    POOL(scene5BossAimedShotPool1Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool2Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool3Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool4Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool5Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool6Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool7Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool8Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool9Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool10Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool11Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool12Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool13Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool14Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool15Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool16Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool17Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool18Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool19Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool20Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool21Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool22Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool23Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool24Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool25Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool26Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool27Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool28Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool29Pool, R60a, Scene5),
    POOL(scene5BossAimedShotPool30Pool, R60a, Scene5),
    POOL(scene5BossBigFanVolley1Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley2Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley3Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley4Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley5Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley6Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley7Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley8Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley9Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley10Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley11Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley12Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley13Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley14Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley15Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley16Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley17Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley18Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley19Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley20Pool, R64a, Scene5),
    POOL(scene5BossBigFanVolley21Pool, R64a, Scene5),
    POOL(scene5BossCurvingStream1Pool, R24a, Scene5),
    POOL(scene5BossCurvingStream2Pool, R24a, Scene5),
    POOL(scene5BossCurvingStream3Pool, R24a, Scene5),
    POOL(scene5BossCurvingStream4Pool, R24a, Scene5),
    POOL(scene5BossCurvingStream5Pool, R24a, Scene5),
    POOL(scene5BossCurvingStream6Pool, R24a, Scene5),
    POOL(scene5BossFanVolley1Pool, R56c, Scene5),
    POOL(scene5BossFanVolley2Pool, R56c, Scene5),
    POOL(scene5BossPairedDropShot1Pool, R32a, Scene5),
    POOL(scene5BossPairedDropShot2Pool, R32a, Scene5),
    POOL(scene5BossPairedDropShot3Pool, R32a, Scene5),
    POOL(scene5BossPairedDropShot4Pool, R32a, Scene5),
    POOL(scene5BossPairedDropShot5Pool, R32a, Scene5),
    POOL(scene5BossPairedDropShot6Pool, R32a, Scene5),
    POOL(scene5BossPairedDropShot7Pool, R32a, Scene5),
    POOL(scene5BossPairedDropShot8Pool, R32a, Scene5),
    POOL(scene5BossPairedDropShot9Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley1Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley2Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley3Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley4Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley5Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley6Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley7Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley8Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley9Pool, R32a, Scene5),
    POOL(scene5BossTimedVolley10Pool, R32a, Scene5),
    POOL(scene5BossTurningStream1Pool, R64d, Scene5),
    POOL(scene5BossTurningStream2Pool, R64d, Scene5),
    POOL(scene5BossTurningStream3Pool, R64d, Scene5),
    POOL(scene5BossTurningStream4Pool, R64d, Scene5),

    // --- Scene6
    POOL(scene6BossBigExplosions, R28a, Scene6),
    POOL(scene6BossSmallExplosions, R28a, Scene6),
    POOL(scene6BossBigFanVolley1Pool, R64c, Scene6),
    POOL(scene6BossBigFanVolley2Pool, R64c, Scene6),
    POOL(scene6BossCurvingStream1Pool, R24a, Scene6),
    POOL(scene6BossCurvingStream2Pool, R24a, Scene6),
    POOL(scene6BossCurvingStream3Pool, R24a, Scene6),
    POOL(scene6BossCurvingStream4Pool, R24a, Scene6),
    POOL(scene6BossCurvingStream5Pool, R24a, Scene6),
    POOL(scene6BossCurvingStream6Pool, R24a, Scene6),
    POOL(scene6BossFanVolley1Pool, R56c, Scene6),
    POOL(scene6BossFanVolley2Pool, R56c, Scene6),
    POOL(scene6BossPairedDropShot1Pool, R32a, Scene6),
    POOL(scene6BossPairedDropShot2Pool, R32a, Scene6),
    POOL(scene6BossPairedDropShot3Pool, R32a, Scene6),
    POOL(scene6BossPairedDropShot4Pool, R32a, Scene6),
    POOL(scene6BossPairedDropShot5Pool, R32a, Scene6),
    POOL(scene6BossPairedDropShot6Pool, R32a, Scene6),
    POOL(scene6BossPairedDropShot7Pool, R32a, Scene6),
    POOL(scene6BossPairedDropShot8Pool, R32a, Scene6),
    POOL(scene6BossPairedDropShot9Pool, R32a, Scene6),
    POOL(scene6BossTimedVolley1Pool, R32a, Scene6),
    POOL(scene6BossTimedVolley2Pool, R32a, Scene6),
    POOL(scene6BossTimedVolley3Pool, R32a, Scene6),
    POOL(scene6BossTimedVolley4Pool, R32a, Scene6),
    POOL(scene6BossTimedVolley5Pool, R32a, Scene6),
    POOL(scene6BossTimedVolley6Pool, R32a, Scene6),
    POOL(scene6BossTimedVolley7Pool, R32a, Scene6),
    POOL(scene6BossTurningStream1Pool, R64d, Scene6),
    POOL(scene6BossTurningStream2Pool, R64d, Scene6),

    // --- Scene7
    POOL(scene7BossBigExplosions, R36a, Scene7),
    POOL(scene7BossSmallExplosions, R36a, Scene7),
    POOL(scene7BossAimedRingBurst1Pool, R56h, Scene7),
    POOL(scene7BossLightningChain1Pool, R60a, Scene7),
    POOL(scene7BossLightningChain2Pool, R60a, Scene7),
    POOL(scene7BossLightningChain3Pool, R60a, Scene7),
    POOL(scene7BossLightningChain4Pool, R60a, Scene7),
    POOL(scene7BossLightningChain5Pool, R60a, Scene7),
    POOL(scene7BossLightningChain6Pool, R60a, Scene7),
    POOL(scene7BossPairedDropShot1Pool, R32a, Scene7),
    POOL(scene7BossPairedDropShot2Pool, R32a, Scene7),
    POOL(scene7BossPairedDropShot3Pool, R32a, Scene7),
    POOL(scene7BossPairedDropShot4Pool, R32a, Scene7),
    POOL(scene7BossPairedDropShot5Pool, R32a, Scene7),
    POOL(scene7BossPairedDropShot6Pool, R32a, Scene7),
    POOL(scene7BossPairedDropShot7Pool, R32a, Scene7),
    POOL(scene7BossPairedDropShot8Pool, R32a, Scene7),
    POOL(scene7BossPairedDropShot9Pool, R32a, Scene7),
    POOL(scene7BossSpreadVolleyTrail1Pool, R32a, Scene7),
    POOL(scene7BossSpreadVolleyTrail2Pool, R32a, Scene7),
    POOL(scene7BossTimedVolley1Pool, R32a, Scene7),
    POOL(scene7BossTimedVolley2Pool, R32a, Scene7),
    POOL(scene7BossTimedVolley3Pool, R32a, Scene7),
    POOL(scene7BossTimedVolley4Pool, R32a, Scene7),
    POOL(scene7BossTimedVolley5Pool, R32a, Scene7),
    POOL(scene7BossTimedVolley6Pool, R32a, Scene7),
    POOL(scene7BossTimedVolley7Pool, R32a, Scene7),

    // --- Scene8
    POOL(scene8BossBigExplosions, R36a, Scene8),
    POOL(scene8BossSmallExplosions, R36a, Scene8),
    POOL(scene8BossAimedRingBurst1Pool, R56a, Scene8),
    POOL(scene8BossAimedRingBurst2Pool, R56a, Scene8),
    POOL(scene8BossAimedRingBurst3Pool, R56a, Scene8),
    POOL(scene8BossAimedRingBurst4Pool, R56a, Scene8),
    POOL(scene8BossAimedRingBurst5Pool, R56a, Scene8),
    POOL(scene8BossCurvingStream1Pool, R24a, Scene8),
    POOL(scene8BossCurvingStream2Pool, R24a, Scene8),
    POOL(scene8BossCurvingStream3Pool, R24a, Scene8),
    POOL(scene8BossCurvingStream4Pool, R24a, Scene8),
    POOL(scene8BossCurvingStream5Pool, R24a, Scene8),
    POOL(scene8BossCurvingStream6Pool, R24a, Scene8),
    POOL(scene8BossCurvingStream7Pool, R24a, Scene8),
    POOL(scene8BossCurvingStream8Pool, R24a, Scene8),
    POOL(scene8BossPairedDropShot1Pool, R32a, Scene8),
    POOL(scene8BossPairedDropShot2Pool, R32a, Scene8),
    POOL(scene8BossPairedDropShot3Pool, R32a, Scene8),
    POOL(scene8BossPairedDropShot4Pool, R32a, Scene8),
    POOL(scene8BossPairedDropShot5Pool, R32a, Scene8),
    POOL(scene8BossPairedDropShot6Pool, R32a, Scene8),
    POOL(scene8BossPairedDropShot7Pool, R32a, Scene8),
    POOL(scene8BossSpiralStream1Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream2Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream3Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream4Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream5Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream6Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream7Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream8Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream9Pool, R64a, Scene8),
    POOL(scene8BossSpiralStream10Pool, R64a, Scene8),
    POOL(scene8BossStraightDropStream1Pool, R32a, Scene8),
    POOL(scene8BossStraightDropStream2Pool, R32a, Scene8),
    POOL(scene8BossStraightDropStream3Pool, R32a, Scene8),
    POOL(scene8BossStraightDropStream4Pool, R32a, Scene8),
    POOL(scene8BossTimedVolley1Pool, R32a, Scene8),
    POOL(scene8BossTimedVolley2Pool, R32a, Scene8),
    POOL(scene8BossTimedVolley3Pool, R32a, Scene8),
    POOL(scene8BossTimedVolley4Pool, R32a, Scene8),
    POOL(scene8BossTimedVolley5Pool, R32a, Scene8),
    POOL(scene8BossTimedVolley6Pool, R32a, Scene8),
    POOL(scene8BossTimedVolley7Pool, R32a, Scene8),

    // --- Scene9
    POOL(scene9BossBigExplosions, R36a, Scene9),
    POOL(scene9BossSmallExplosions, R36a, Scene9),
    POOL(scene9BossPairedDropShot1Pool, R32a, Scene9),
    POOL(scene9BossPairedDropShot2Pool, R32a, Scene9),
    POOL(scene9BossPairedDropShot3Pool, R32a, Scene9),
    POOL(scene9BossPairedDropShot4Pool, R32a, Scene9),
    POOL(scene9BossPairedDropShot5Pool, R32a, Scene9),
    POOL(scene9BossPairedDropShot6Pool, R32a, Scene9),
    POOL(scene9BossPairedDropShot7Pool, R32a, Scene9),
    POOL(scene9BossPairedDropShot8Pool, R32a, Scene9),
    POOL(scene9BossPairedDropShot9Pool, R32a, Scene9),
    POOL(scene9BossTimedVolley1Pool, R32a, Scene9),
    POOL(scene9BossTimedVolley2Pool, R32a, Scene9),
    POOL(scene9BossTimedVolley3Pool, R32a, Scene9),
    POOL(scene9BossTimedVolley4Pool, R32a, Scene9),
    POOL(scene9BossTimedVolley5Pool, R32a, Scene9),
};
// clang-format on

#undef POOL

uint32_t Bits(float f) {
    uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

uint32_t ValueOf(const RecipeStep& st) {
    switch (st.value) {
    case ParkValue::Zero:
        return 0;
    case ParkValue::ParkX:
        return Bits(ParkX);
    case ParkValue::ParkY:
        return Bits(ParkY);
    case ParkValue::IntParkX:
        return static_cast<uint32_t>(-500);
    case ParkValue::IntParkY:
        return 500u;
    case ParkValue::AngleA:
        return Bits(kParkAngle);
    case ParkValue::AngleB:
        return Bits(kParkAngleSlow);
    case ParkValue::RandMod:
        return static_cast<uint32_t>(kitSystem::Random() % st.mod);
    case ParkValue::RandFloat: {
        const int r = kitSystem::Random() % st.mod;
        return Bits(static_cast<float>(r + st.add));
    }
    }
    return 0;
}

} // namespace

std::span<const PoolEntry> PoolCatalogue() { return kCatalogue; }

void ParkPool(const PoolEntry& pool) {
    const Recipe& r = *pool.recipe;
    auto* base = static_cast<unsigned char*>(pool.storage);
    for (int32_t i = 0; i < pool.records; ++i) {
        unsigned char* record = base + static_cast<std::size_t>(i) * static_cast<std::size_t>(pool.stride);
        for (int s = 0; s < r.stepCount; ++s) {
            const RecipeStep& st = r.steps[s];
            for (int rel = st.first; rel <= st.last; ++rel) {
                const uint32_t value = ValueOf(st);
                std::memcpy(record + static_cast<std::size_t>(r.xWord + rel) * 4, &value, sizeof value);
            }
        }
    }
}

void ParkPoolGroup(PoolGroup group) {
    for (const PoolEntry& pool : kCatalogue)
        if (pool.group == group) ParkPool(pool);
}

int32_t RandomDrawsOf(const PoolEntry& pool) {
    int32_t perRecord = 0;
    for (int s = 0; s < pool.recipe->stepCount; ++s) {
        const ParkValue v = pool.recipe->steps[s].value;
        if (v == ParkValue::RandMod || v == ParkValue::RandFloat) ++perRecord;
    }
    return perRecord * pool.records;
}
