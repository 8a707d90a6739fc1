#pragma once
// The twelve squads: their member records and pools, the lock markers of the
// spinning squads, the pools of their bullet groups, and each squad's
// operations. The stage drivers call Schedule inside their windows and Move
// then Draw every frame; the collision code calls SetHit.
#include <cstdint>

#include "game/enemies/bullet_records.h"
#include "game/enemies/lock_marker.h"

// One member of a squad.
struct SquadSlot {
    int32_t explosionLoop;
    int32_t explosionFrame;
    int32_t waveTimer; // this slot's tick in Schedule, 0..150
    int32_t spare0;
    int32_t spinAngle; // V3 and V4 only; survives the world reset
    float phase;       // the member's phase clock
    float x;
    float y;
    float vx;
    float vy;
    int32_t collideOff; // only ever 0
    int32_t active;
    int32_t hit;
};

constexpr int kSquadSlots = 5;
extern SquadSlot squadV1ASlots[kSquadSlots];
extern SquadSlot squadV1BSlots[kSquadSlots];
extern SquadSlot squadV1CSlots[kSquadSlots];
extern SquadSlot squadV1DSlots[kSquadSlots];
extern SquadSlot squadV2ASlots[kSquadSlots];
extern SquadSlot squadV2BSlots[kSquadSlots];
extern SquadSlot squadV2CSlots[kSquadSlots];
extern SquadSlot squadV2DSlots[kSquadSlots];
extern SquadSlot squadV3ASlots[kSquadSlots];
extern SquadSlot squadV3BSlots[kSquadSlots];
extern SquadSlot squadV4ASlots[kSquadSlots];
extern SquadSlot squadV4BSlots[kSquadSlots];

// Marker k belongs to slot k.
extern LockMarker squadV3ALockMarkers[kSquadSlots];
extern LockMarker squadV3BLockMarkers[kSquadSlots];
extern LockMarker squadV4ALockMarkers[kSquadSlots];
extern LockMarker squadV4BLockMarkers[kSquadSlots];

// Bullet groups: V1 and V3 fire aimed strings of four (group 1, from slot 0)
// and five (group 2, from slot 1); V2 fires one random aimed shot per member.
extern AimedString5Record squadV1AShot1Pool[4];
extern AimedString5Record squadV1AShot2Pool[5];
extern AimedString5Record squadV1BShot1Pool[4];
extern AimedString5Record squadV1BShot2Pool[5];
extern AimedString5Record squadV1CShot1Pool[4];
extern AimedString5Record squadV1CShot2Pool[5];
extern AimedString5Record squadV1DShot1Pool[4];
extern AimedString5Record squadV1DShot2Pool[5];
extern RandomAimedShotRecord squadV2AShot1Pool[kSquadSlots];
extern RandomAimedShotRecord squadV2BShot1Pool[kSquadSlots];
extern RandomAimedShotRecord squadV2CShot1Pool[kSquadSlots];
extern RandomAimedShotRecord squadV2DShot1Pool[kSquadSlots];
extern AimedString5Record squadV3AShot1Pool[4];
extern AimedString5Record squadV3AShot2Pool[5];
extern AimedString5Record squadV3BShot1Pool[4];
extern AimedString5Record squadV3BShot2Pool[5];

// Per squad: SpawnSlot(k) arms member k at the entry point if it is free
// (only the squad's own Schedule calls it); Schedule advances the wave timers
// and offers each member whose tick has come; Move flies the members, runs
// their bands and fires; Draw draws them or runs their explosions.
void SquadV1A_SpawnSlot(int32_t slot);
void SquadV1A_Schedule();
void SquadV1A_Move();
void SquadV1A_Draw();
void SquadV1B_SpawnSlot(int32_t slot);
void SquadV1B_Schedule();
void SquadV1B_Move();
void SquadV1B_Draw();
void SquadV1C_SpawnSlot(int32_t slot);
void SquadV1C_Schedule();
void SquadV1C_Move();
void SquadV1C_Draw();
void SquadV1D_SpawnSlot(int32_t slot);
void SquadV1D_Schedule();
void SquadV1D_Move();
void SquadV1D_Draw();
void SquadV2A_SpawnSlot(int32_t slot);
void SquadV2A_Schedule();
void SquadV2A_Move();
void SquadV2A_Draw();
void SquadV2B_SpawnSlot(int32_t slot);
void SquadV2B_Schedule();
void SquadV2B_Move();
void SquadV2B_Draw();
void SquadV2C_SpawnSlot(int32_t slot);
void SquadV2C_Schedule();
void SquadV2C_Move();
void SquadV2C_Draw();
void SquadV2D_SpawnSlot(int32_t slot);
void SquadV2D_Schedule();
void SquadV2D_Move();
void SquadV2D_Draw();
void SquadV3A_SpawnSlot(int32_t slot);
void SquadV3A_Schedule();
void SquadV3A_Move();
void SquadV3A_Draw();
void SquadV3B_SpawnSlot(int32_t slot);
void SquadV3B_Schedule();
void SquadV3B_Move();
void SquadV3B_Draw();
void SquadV4A_SpawnSlot(int32_t slot);
void SquadV4A_Schedule();
void SquadV4A_Move();
void SquadV4A_Draw();
void SquadV4B_SpawnSlot(int32_t slot);
void SquadV4B_Schedule();
void SquadV4B_Move();
void SquadV4B_Draw();

// Mark member k (0..4) as hit; an index outside the squad is ignored.
void SquadV1A_SetHit(int32_t slot);
void SquadV1B_SetHit(int32_t slot);
void SquadV1C_SetHit(int32_t slot);
void SquadV1D_SetHit(int32_t slot);
void SquadV2A_SetHit(int32_t slot);
void SquadV2B_SetHit(int32_t slot);
void SquadV2C_SetHit(int32_t slot);
void SquadV2D_SetHit(int32_t slot);
void SquadV3A_SetHit(int32_t slot);
void SquadV3B_SetHit(int32_t slot);
void SquadV4A_SetHit(int32_t slot);
void SquadV4B_SetHit(int32_t slot);
