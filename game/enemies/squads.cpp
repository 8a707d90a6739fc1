#include "game/enemies/squads.h"

#include "game/enemies/pool_util.h"

SquadSlot squadV1ASlots[kSquadSlots];
SquadSlot squadV1BSlots[kSquadSlots];
SquadSlot squadV1CSlots[kSquadSlots];
SquadSlot squadV1DSlots[kSquadSlots];
SquadSlot squadV2ASlots[kSquadSlots];
SquadSlot squadV2BSlots[kSquadSlots];
SquadSlot squadV2CSlots[kSquadSlots];
SquadSlot squadV2DSlots[kSquadSlots];
SquadSlot squadV3ASlots[kSquadSlots];
SquadSlot squadV3BSlots[kSquadSlots];
SquadSlot squadV4ASlots[kSquadSlots];
SquadSlot squadV4BSlots[kSquadSlots];

LockMarker squadV3ALockMarkers[kSquadSlots];
LockMarker squadV3BLockMarkers[kSquadSlots];
LockMarker squadV4ALockMarkers[kSquadSlots];
LockMarker squadV4BLockMarkers[kSquadSlots];

AimedString5Record squadV1AShot1Pool[4];
AimedString5Record squadV1AShot2Pool[5];
AimedString5Record squadV1BShot1Pool[4];
AimedString5Record squadV1BShot2Pool[5];
AimedString5Record squadV1CShot1Pool[4];
AimedString5Record squadV1CShot2Pool[5];
AimedString5Record squadV1DShot1Pool[4];
AimedString5Record squadV1DShot2Pool[5];
RandomAimedShotRecord squadV2AShot1Pool[kSquadSlots];
RandomAimedShotRecord squadV2BShot1Pool[kSquadSlots];
RandomAimedShotRecord squadV2CShot1Pool[kSquadSlots];
RandomAimedShotRecord squadV2DShot1Pool[kSquadSlots];
AimedString5Record squadV3AShot1Pool[4];
AimedString5Record squadV3AShot2Pool[5];
AimedString5Record squadV3BShot1Pool[4];
AimedString5Record squadV3BShot2Pool[5];

void SquadV1A_SetHit(int32_t slot) { MarkSlotHit(squadV1ASlots, slot); }
void SquadV1B_SetHit(int32_t slot) { MarkSlotHit(squadV1BSlots, slot); }
void SquadV1C_SetHit(int32_t slot) { MarkSlotHit(squadV1CSlots, slot); }
void SquadV1D_SetHit(int32_t slot) { MarkSlotHit(squadV1DSlots, slot); }
void SquadV2A_SetHit(int32_t slot) { MarkSlotHit(squadV2ASlots, slot); }
void SquadV2B_SetHit(int32_t slot) { MarkSlotHit(squadV2BSlots, slot); }
void SquadV2C_SetHit(int32_t slot) { MarkSlotHit(squadV2CSlots, slot); }
void SquadV2D_SetHit(int32_t slot) { MarkSlotHit(squadV2DSlots, slot); }
void SquadV3A_SetHit(int32_t slot) { MarkSlotHit(squadV3ASlots, slot); }
void SquadV3B_SetHit(int32_t slot) { MarkSlotHit(squadV3BSlots, slot); }
void SquadV4A_SetHit(int32_t slot) { MarkSlotHit(squadV4ASlots, slot); }
void SquadV4B_SetHit(int32_t slot) { MarkSlotHit(squadV4BSlots, slot); }
