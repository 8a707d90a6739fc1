#include "game/enemies/large_enemy_weapons.h"

#include "game/enemies/formation_drop.h"
#include "game/enemies/large_enemies.h"
#include "game/enemies/turning_stream.h"
#include "game/state/assets.h"

namespace {

constexpr double kPi = 3.141592653589793;

// --- Formation drops ------------------------------------------------------------

constexpr FormationDrop kS53LShot3 =
    SquareDrop(largeEnemyS53LShot3Pool, &largeEnemyS53L.x, &largeEnemyS53L.y, false, 140.0f, &imgVAL2024, 24);
constexpr FormationDrop kS53RShot3 =
    SquareDrop(largeEnemyS53RShot3Pool, &largeEnemyS53R.x, &largeEnemyS53R.y, false, 140.0f, &imgVAL2024, 24);
// The left one falls faster than its mirror.
constexpr FormationDrop kS50LShot3 =
    SquareDrop(largeEnemyS50LShot3Pool, &largeEnemyS50L.x, &largeEnemyS50L.y, true, 150.0f, &imgVAL2024, 24);
constexpr FormationDrop kS50RShot3 =
    SquareDrop(largeEnemyS50RShot3Pool, &largeEnemyS50R.x, &largeEnemyS50R.y, true, 140.0f, &imgVAL2024, 24);
constexpr FormationDrop kS54LShot1 = ColumnDrop(largeEnemyS54LShot1Pool, &largeEnemyS54L.x, &largeEnemyS54L.y,
                                                120.0f, 60.0f, 150.0f, &imgVAL2024, 24, true);
constexpr FormationDrop kS54RShot1 = ColumnDrop(largeEnemyS54RShot1Pool, &largeEnemyS54R.x, &largeEnemyS54R.y,
                                                120.0f, 60.0f, 150.0f, &imgVAL2024, 24, true);
constexpr FormationDrop kT60Shot1 = ColumnDrop(largeEnemyT60Shot1Pool, &largeEnemyT60.x, &largeEnemyT60.y,
                                               240.0f, 40.0f, 180.0f, &imgVAL201, 7, false);

// --- Turning streams --------------------------------------------------------------

constexpr TurningStream S50Stream(TurningStreamRecord* pool, const LargeEnemyStopRecord& owner, bool mirror) {
    return {pool,
            &owner.x,
            &owner.y,
            85.0f,
            10.0f,
            {163, 171, 178, 184, 188, 191, 193},
            mirror,
            2 * kPi / 280,
            35.0f,
            mirror ? &imgVAL3018A : &imgVAL3017A,
            mirror ? &imgVALL3018 : &imgVALL3017};
}

constexpr TurningStream kS50LShot1 = S50Stream(largeEnemyS50LShot1Pool, largeEnemyS50L, false);
constexpr TurningStream kS50LShot2 = S50Stream(largeEnemyS50LShot2Pool, largeEnemyS50L, true);
constexpr TurningStream kS50RShot1 = S50Stream(largeEnemyS50RShot1Pool, largeEnemyS50R, false);
constexpr TurningStream kS50RShot2 = S50Stream(largeEnemyS50RShot2Pool, largeEnemyS50R, true);

} // namespace

void LargeEnemyS53L_Shot3_Fire() { FormationDrop_Fire(kS53LShot3); }
void LargeEnemyS53L_Shot3_Draw() { FormationDrop_Draw(kS53LShot3); }
void LargeEnemyS53L_Shot3_Move() { FormationDrop_Move(kS53LShot3); }
void LargeEnemyS53R_Shot3_Fire() { FormationDrop_Fire(kS53RShot3); }
void LargeEnemyS53R_Shot3_Draw() { FormationDrop_Draw(kS53RShot3); }
void LargeEnemyS53R_Shot3_Move() { FormationDrop_Move(kS53RShot3); }
void LargeEnemyS50L_Shot3_Fire() { FormationDrop_Fire(kS50LShot3); }
void LargeEnemyS50L_Shot3_Draw() { FormationDrop_Draw(kS50LShot3); }
void LargeEnemyS50L_Shot3_Move() { FormationDrop_Move(kS50LShot3); }
void LargeEnemyS50R_Shot3_Fire() { FormationDrop_Fire(kS50RShot3); }
void LargeEnemyS50R_Shot3_Draw() { FormationDrop_Draw(kS50RShot3); }
void LargeEnemyS50R_Shot3_Move() { FormationDrop_Move(kS50RShot3); }
void LargeEnemyS54L_Shot1_Fire() { FormationDrop_Fire(kS54LShot1); }
void LargeEnemyS54L_Shot1_Draw() { FormationDrop_Draw(kS54LShot1); }
void LargeEnemyS54L_Shot1_Move() { FormationDrop_Move(kS54LShot1); }
void LargeEnemyS54R_Shot1_Fire() { FormationDrop_Fire(kS54RShot1); }
void LargeEnemyS54R_Shot1_Draw() { FormationDrop_Draw(kS54RShot1); }
void LargeEnemyS54R_Shot1_Move() { FormationDrop_Move(kS54RShot1); }
void LargeEnemyT60_Shot1_Fire() { FormationDrop_Fire(kT60Shot1); }
void LargeEnemyT60_Shot1_Draw() { FormationDrop_Draw(kT60Shot1); }
void LargeEnemyT60_Shot1_Move() { FormationDrop_Move(kT60Shot1); }

void LargeEnemyS50L_Shot1_Fire() { TurningStream_Fire(kS50LShot1); }
void LargeEnemyS50L_Shot1_Draw() { TurningStream_Draw(kS50LShot1); }
void LargeEnemyS50L_Shot1_Move() { TurningStream_Move(kS50LShot1); }
void LargeEnemyS50L_Shot2_Fire() { TurningStream_Fire(kS50LShot2); }
void LargeEnemyS50L_Shot2_Draw() { TurningStream_Draw(kS50LShot2); }
void LargeEnemyS50L_Shot2_Move() { TurningStream_Move(kS50LShot2); }
void LargeEnemyS50R_Shot1_Fire() { TurningStream_Fire(kS50RShot1); }
void LargeEnemyS50R_Shot1_Draw() { TurningStream_Draw(kS50RShot1); }
void LargeEnemyS50R_Shot1_Move() { TurningStream_Move(kS50RShot1); }
void LargeEnemyS50R_Shot2_Fire() { TurningStream_Fire(kS50RShot2); }
void LargeEnemyS50R_Shot2_Draw() { TurningStream_Draw(kS50RShot2); }
void LargeEnemyS50R_Shot2_Move() { TurningStream_Move(kS50RShot2); }
