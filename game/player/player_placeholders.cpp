// Stand-ins until the player subsystem lands; each is replaced by the real one.
#include "game/player/player_api.h"

void UpdatePlayer() {}
void MovePlayer() {}
void DrawPlayerShots() {}
void ShowGameOver() {}
void ContinueCheck(int32_t bombs) { (void)bombs; }
void AddScore(int32_t points) { (void)points; }
void ReleaseNarrowShots() {}
void ReleaseWideShots() {}
void ReleaseBurstShots() {}
void PlayerShotsUpdate() {}
void PowerItem_Spawn() {}
void PowerItem_Draw() {}
void PowerItem_Move() {}
