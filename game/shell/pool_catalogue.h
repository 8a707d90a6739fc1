#pragma once
// The catalogue of every object pool the world reset parks: where each pool
// lives, how many records it has, and its park recipe, the values the reset
// writes into each record by word position. ResetWorldA and ResetWorldB walk
// it group by group; see world_reset.h.
#include <cstdint>
#include <span>

// What the reset writes into one word of a parked record.
enum class ParkValue : uint8_t {
    Zero,      // integer 0 or float 0.0 (the same bits)
    ParkX,     // -500.0f
    ParkY,     // 2550.0f
    IntParkX,  // -500, records with integer positions
    IntParkY,  // 500
    AngleA,    // -3π/180: a start heading of minus three degrees
    AngleB,    // -3π/580: the slower start heading of a few boss pools
    RandMod,   // rand() % mod, drawn afresh for each record
    RandFloat, // (float)(rand() % mod + add), star field
};

constexpr float kParkAngle = static_cast<float>(-3.0 * 3.14159265358979323846 / 180.0);
constexpr float kParkAngleSlow = static_cast<float>(-3.0 * 3.14159265358979323846 / 580.0);

// Words first..last (inclusive, counted from the record's x field) get value.
struct RecipeStep {
    int8_t first;
    int8_t last;
    ParkValue value;
    int16_t mod;
    int16_t add;
};

constexpr int kMaxRecipeSteps = 10;

struct Recipe {
    const char* name;
    int8_t words; // record length in 32-bit words
    int8_t xWord; // index of the x field; the first word is x - xWord
    int8_t stepCount;
    RecipeStep steps[kMaxRecipeSteps];
};

namespace recipe_parts {
constexpr RecipeStep At(int rel, ParkValue v) {
    return {static_cast<int8_t>(rel), static_cast<int8_t>(rel), v, 0, 0};
}
constexpr RecipeStep Zeros(int first, int last) {
    return {static_cast<int8_t>(first), static_cast<int8_t>(last), ParkValue::Zero, 0, 0};
}
constexpr RecipeStep Rand(int rel, int mod) {
    return {static_cast<int8_t>(rel), static_cast<int8_t>(rel), ParkValue::RandMod, static_cast<int16_t>(mod),
            0};
}
constexpr RecipeStep RandF(int rel, int mod, int add) {
    return {static_cast<int8_t>(rel), static_cast<int8_t>(rel), ParkValue::RandFloat,
            static_cast<int16_t>(mod), static_cast<int16_t>(add)};
}
constexpr ParkValue X = ParkValue::ParkX, Y = ParkValue::ParkY, IX = ParkValue::IntParkX,
                    IY = ParkValue::IntParkY, A = ParkValue::AngleA, B = ParkValue::AngleB;
} // namespace recipe_parts

// The recipes, named by record length in bytes and a letter. Steps are listed
// in the order the reset writes them, so random draws come in that order.
namespace recipes {
using namespace recipe_parts;
// clang-format off
inline constexpr Recipe R16a{"R16a", 4, 0, 3, {At(0, IX), At(1, IY), Zeros(2, 3)}};
inline constexpr Recipe R20a{"R20a", 5, 0, 3, {At(0, IX), At(1, IY), Zeros(4, 4)}};
inline constexpr Recipe R20b{"R20b", 5, 1, 5, {Rand(-1, 7), RandF(0, 1240, -400), RandF(1, 480, 0), Zeros(2, 2), RandF(3, 100, 100)}};
inline constexpr Recipe R24a{"R24a", 6, 0, 3, {At(0, IX), At(1, IY), Zeros(4, 5)}};
inline constexpr Recipe R28a{"R28a", 7, 2, 3, {At(0, X), At(1, Y), Zeros(-2, -2)}};
inline constexpr Recipe R28b{"R28b", 7, 1, 3, {At(0, X), At(1, Y), Zeros(-1, -1)}};
inline constexpr Recipe R32a{"R32a", 8, 2, 5, {Rand(-2, 10), At(0, X), At(1, Y), Zeros(-1, -1), Zeros(2, 5)}};
inline constexpr Recipe R32b{"R32b", 8, 2, 5, {Rand(-2, 10), At(0, X), At(1, Y), Zeros(2, 3), Zeros(5, 5)}};
inline constexpr Recipe R32c{"R32c", 8, 2, 5, {At(0, X), At(1, Y), Zeros(-2, -2), Zeros(2, 3), Zeros(5, 5)}};
inline constexpr Recipe R36a{"R36a", 9, 2, 3, {At(0, X), At(1, Y), Zeros(-2, -2)}};
inline constexpr Recipe R40a{"R40a", 10, 3, 4, {At(0, X), At(1, Y), Zeros(-3, -1), Zeros(2, 6)}};
inline constexpr Recipe R40b{"R40b", 10, 3, 4, {At(0, X), At(1, Y), Zeros(-3, -2), Zeros(2, 6)}};
inline constexpr Recipe R40c{"R40c", 10, 3, 4, {At(0, X), At(1, X), Zeros(-3, -2), Zeros(2, 6)}};
inline constexpr Recipe R40d{"R40d", 10, 3, 4, {At(0, X), At(1, X), Zeros(-3, -1), Zeros(2, 6)}};
inline constexpr Recipe R44a{"R44a", 11, 4, 4, {At(0, X), At(1, Y), Zeros(-4, -3), Zeros(2, 6)}};
inline constexpr Recipe R44b{"R44b", 11, 4, 4, {At(0, X), At(1, Y), Zeros(-4, -2), Zeros(2, 6)}};
inline constexpr Recipe R48a{"R48a", 12, 5, 5, {At(0, X), At(1, Y), Zeros(-5, -5), Zeros(-2, -2), Zeros(2, 6)}};
inline constexpr Recipe R48b{"R48b", 12, 4, 4, {At(0, X), At(1, Y), Zeros(-4, -4), Zeros(2, 7)}};
inline constexpr Recipe R52a{"R52a", 13, 6, 5, {At(0, X), At(1, X), Zeros(-6, -3), Zeros(-1, -1), Zeros(2, 6)}};
inline constexpr Recipe R52b{"R52b", 13, 0, 4, {At(0, IX), At(1, IY), At(12, A), Zeros(4, 11)}};
inline constexpr Recipe R52c{"R52c", 13, 6, 4, {At(0, X), At(1, Y), Zeros(-6, -3), Zeros(2, 6)}};
inline constexpr Recipe R52d{"R52d", 13, 6, 5, {At(0, X), At(1, Y), Zeros(-6, -5), Zeros(-3, -3), Zeros(2, 6)}};
inline constexpr Recipe R56a{"R56a", 14, 2, 7, {Rand(-2, 10), At(0, X), At(1, Y), At(9, A), Zeros(-1, -1), Zeros(2, 8), Zeros(10, 11)}};
inline constexpr Recipe R56b{"R56b", 14, 2, 8, {Rand(-2, 7), At(0, X), At(1, Y), At(9, A), Zeros(-1, -1), Zeros(2, 3), Zeros(5, 8), Zeros(10, 11)}};
inline constexpr Recipe R56c{"R56c", 14, 2, 8, {Rand(-2, 7), At(0, X), At(1, Y), At(9, B), Zeros(-1, -1), Zeros(2, 3), Zeros(5, 8), Zeros(10, 11)}};
inline constexpr Recipe R56d{"R56d", 14, 2, 5, {At(0, X), At(1, Y), Zeros(-2, -2), Zeros(2, 3), Zeros(11, 11)}};
inline constexpr Recipe R56e{"R56e", 14, 1, 7, {At(0, X), At(1, Y), At(11, A), Zeros(-1, -1), Zeros(2, 3), Zeros(5, 10), Zeros(12, 12)}};
inline constexpr Recipe R56f{"R56f", 14, 2, 6, {Rand(-2, 10), At(0, X), At(1, Y), Zeros(-1, -1), Zeros(2, 3), Zeros(10, 11)}};
inline constexpr Recipe R56g{"R56g", 14, 2, 5, {Rand(-2, 10), At(0, X), At(1, Y), Zeros(2, 3), Zeros(11, 11)}};
inline constexpr Recipe R56h{"R56h", 14, 2, 7, {Rand(-2, 10), At(0, X), At(1, Y), At(9, B), Zeros(-1, -1), Zeros(2, 8), Zeros(10, 11)}};
inline constexpr Recipe R60a{"R60a", 15, 2, 7, {Rand(-2, 10), At(0, X), At(1, Y), At(8, A), Zeros(2, 7), Zeros(9, 9), Zeros(12, 12)}};
inline constexpr Recipe R60b{"R60b", 15, 3, 8, {Rand(-3, 7), At(0, X), At(1, Y), At(8, A), Zeros(-1, -1), Zeros(2, 7), Zeros(9, 9), Zeros(11, 11)}};
inline constexpr Recipe R64a{"R64a", 16, 4, 8, {Rand(-4, 7), At(0, X), At(1, Y), At(8, A), Zeros(-2, -1), Zeros(2, 7), Zeros(9, 9), Zeros(11, 11)}};
inline constexpr Recipe R64b{"R64b", 16, 3, 7, {At(0, X), At(1, Y), At(10, A), Zeros(-3, -3), Zeros(2, 3), Zeros(5, 9), Zeros(11, 11)}};
inline constexpr Recipe R64c{"R64c", 16, 4, 8, {Rand(-4, 7), At(0, X), At(1, Y), At(8, A), Zeros(-2, -2), Zeros(2, 7), Zeros(9, 9), Zeros(11, 11)}};
inline constexpr Recipe R64d{"R64d", 16, 2, 8, {Rand(-2, 10), At(0, X), At(1, Y), At(8, A), Zeros(2, 7), Zeros(9, 9), Zeros(11, 11), Zeros(13, 13)}};
inline constexpr Recipe R64e{"R64e", 16, 3, 8, {At(0, X), At(1, Y), At(10, A), Zeros(-3, -3), Zeros(-1, -1), Zeros(2, 3), Zeros(5, 9), Zeros(11, 12)}};
inline constexpr Recipe R72a{"R72a", 18, 1, 6, {At(0, X), At(1, Y), At(8, A), Zeros(-1, -1), Zeros(2, 7), Zeros(9, 15)}};
// clang-format on
} // namespace recipes

// The groups the reset parks in turn. ResetWorldA parks Shell, Player,
// EnemyKinds and SquadsAndLargeEnemies, and StarField last; ResetWorldB the
// stages' groups, from Scene2 up to End in this order (their parks draw random
// numbers, so the order is the game's).
enum class PoolGroup : uint8_t {
    Shell,
    Player,
    EnemyKinds,
    SquadsAndLargeEnemies,
    StarField,
    Scene2,
    Scene3,
    Scene4,
    Scene5,
    Scene6,
    Scene7,
    Scene8,
    Scene9,
    End, // past the last group; no pool belongs to it
};

struct PoolEntry {
    const char* name;
    void* storage;
    int32_t records; // every record, inner index fastest in two-level pools
    int32_t parents; // 1, or the outer count of a two-level pool
    int32_t stride;  // bytes per record
    const Recipe* recipe;
    PoolGroup group;
    int32_t liveWord; // the word of the record's active (or alive) flag; -1 when it has none
};

// Every pool, in the order the reset parks them.
std::span<const PoolEntry> PoolCatalogue();

// Park one pool, or every pool of a group in catalogue order.
void ParkPool(const PoolEntry& pool);
void ParkPoolGroup(PoolGroup group);

// rand() calls one parking of the pool makes.
int32_t RandomDrawsOf(const PoolEntry& pool);
