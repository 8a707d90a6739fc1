#include "game/enemies/squads.h"

#include <iterator>
#include <limits>

#include "game/enemies/aimed_string5.h"
#include "game/enemies/pool_util.h"
#include "game/enemies/random_aimed_shot.h"
#include "game/enemies/squad_template.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"

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

namespace {

constexpr float kNoLimit = std::numeric_limits<float>::infinity();

// The paths of the four variants, as flown from the top-left (V1, V3), the
// left side (V2) and the bottom-left (V4).
constexpr SquadSpeeds kV1Path{{0, 110, 210, 310, 410}, {220, 220, 220, 220, 0}};
constexpr SquadSpeeds kV2Path{{220, 220, 220, 220, 0}, {0, 110, 210, 310, 410}};
constexpr SquadSpeeds kV3Path{{0, 110, 210, 310, 180}, {220, 220, 220, 220, 0}};
constexpr SquadSpeeds kV4Path{{0, 110, 210, 310, 180}, {-400, -220, -220, -220, 0}};

constexpr int8_t kCellsForward[kSquadBands] = {0, 1, 2, 3, 4};
constexpr int8_t kCellsReversed[kSquadBands] = {4, 3, 2, 1, 0};

constexpr PieceBlit kAdd = PieceBlit::Additive;
constexpr PieceBlit kHalf = PieceBlit::Half;

// V1: the blast with six pieces of debris flying out of it.
constexpr ExplosionPiece kV1Blast[] = {
    Main(&imgZBAK2B, kAdd),
    Small(-4, -6),
    Small(1, 7),
    Small(7, -1),
    Small(-6, 3),
    {&imgZBAK6B, 40, 20, 20, -7, -6, kHalf},
    {&imgZBAK6B, 40, 20, 20, 5, -8, kHalf},
};
// V2: six blasts spreading, mirrored between the two pairs.
constexpr ExplosionPiece kV2ABBlast[] = {
    Big(&imgZBAK2B, -6, 1, kAdd),  Big(&imgZBAK2B, -6, -6, kHalf), Big(&imgZBAK2B, 6, -4, kAdd),
    Big(&imgZBAK2B, -2, 6, kHalf), Main(&imgZBAK2B, kAdd),         Big(&imgZBAK2B, 6, 6, kAdd),
};
constexpr ExplosionPiece kV2CDBlast[] = {
    Big(&imgZBAK2B, 6, -1, kAdd),  Big(&imgZBAK2B, 6, 6, kHalf), Big(&imgZBAK2B, -6, 4, kAdd),
    Big(&imgZBAK2B, 2, -6, kHalf), Main(&imgZBAK2B, kAdd),       Big(&imgZBAK2B, -6, -6, kAdd),
};
// V3 and V4: five pieces of the larger blast.
constexpr ExplosionPiece kSpinBlast[] = {
    Main(&imgZBAK3B, kAdd),       Big(&imgZBAK3B, -6, -6, kHalf), Big(&imgZBAK3B, 6, 2, kAdd),
    Big(&imgZBAK3B, -6, 6, kAdd), Big(&imgZBAK3B, 1, -6, kAdd),
};

// The gates of the squads that fire only under the other difficulty values;
// in play they never fire.
bool ExtraOn() { return difficultyExtra == 1; }
bool HardOrExtra() { return difficulty == 2 || difficultyExtra == 1; }

template <std::size_t N>
constexpr Squad StripSquad(SquadSlot (&slots)[N], const int32_t& image, const int8_t (&cells)[kSquadBands],
                           float entryX, float entryY, bool restartsTimer, float rate, SquadSpeeds speeds,
                           void (*fire1)(), void (*fire2)(), bool (*gate)(), float minX, float maxX,
                           float minY, float maxY, const ExplosionPiece* pieces, int32_t pieceCount,
                           bool wreckAlwaysStops) {
    static_assert(N == kSquadSlots);
    return {slots,
            nullptr,
            SquadBody::Strip,
            &image,
            {cells[0], cells[1], cells[2], cells[3], cells[4]},
            entryX,
            entryY,
            restartsTimer,
            rate,
            speeds,
            {nullptr, fire1, fire2, nullptr, nullptr},
            gate,
            minX,
            maxX,
            minY,
            maxY,
            ParkX,
            pieces,
            pieceCount,
            wreckAlwaysStops,
            false};
}

// V1: from the top or bottom edge, turning sideways; strings in bands 1 and 2.
template <std::size_t N>
constexpr Squad V1(SquadSlot (&slots)[N], const int32_t& image, float entryX, float entryY, int signX,
                   int signY, void (*fire1)(), void (*fire2)(), bool (*gate)()) {
    // Leaving through the side it turns to, or past the bottom.
    const float minX = signX < 0 ? 80.0f : -kNoLimit;
    const float maxX = signX < 0 ? kNoLimit : 620.0f;
    return StripSquad(slots, image, kCellsForward, entryX, entryY, true, 25.0f,
                      SquadMirrored(kV1Path, signX, signY), fire1, fire2, gate, minX, maxX, -kNoLimit, 600.0f,
                      kV1Blast, int32_t(std::size(kV1Blast)), true);
}

// V2: in from a side, bending up or down; one random aimed shot per member in band 1.
template <std::size_t N>
constexpr Squad V2(SquadSlot (&slots)[N], const int32_t& image, float entryX, float entryY, float rate,
                   int signX, int signY, void (*fire)(), bool (*gate)(), const ExplosionPiece (&blast)[6]) {
    const float minX = signX < 0 ? 80.0f : -kNoLimit;
    const float maxX = signX < 0 ? kNoLimit : 620.0f;
    const float minY = signY < 0 ? -100.0f : -kNoLimit;
    const float maxY = signY < 0 ? kNoLimit : 600.0f;
    return StripSquad(slots, image, kCellsReversed, entryX, entryY, false, rate,
                      SquadMirrored(kV2Path, signX, signY), fire, nullptr, gate, minX, maxX, minY, maxY,
                      blast, int32_t(std::size(blast)), false);
}

// V3 and V4: spinning, lockable; V3 fires its strings in bands 0 and 1.
template <std::size_t N>
constexpr Squad Spinning(SquadSlot (&slots)[N], LockMarker (&markers)[N], const int32_t& image, float entryX,
                         float entryY, bool restartsTimer, float rate, SquadSpeeds speeds, void (*fire0)(),
                         void (*fire1)()) {
    static_assert(N == kSquadSlots);
    return {slots,
            markers,
            SquadBody::Spinning,
            &image,
            {},
            entryX,
            entryY,
            restartsTimer,
            rate,
            speeds,
            {fire0, fire1, nullptr, nullptr, nullptr},
            nullptr,
            60.0f,
            620.0f,
            -120.0f,
            600.0f,
            340.0f,
            kSpinBlast,
            int32_t(std::size(kSpinBlast)),
            false,
            true};
}

constexpr Squad kSquadV1A =
    V1(squadV1ASlots, imgSZAK30, 185, -100, +1, +1, SquadV1A_Shot1_Fire, SquadV1A_Shot2_Fire, nullptr);
constexpr Squad kSquadV1B =
    V1(squadV1BSlots, imgSZAK31, 515, -100, -1, +1, SquadV1B_Shot1_Fire, SquadV1B_Shot2_Fire, nullptr);
constexpr Squad kSquadV1C =
    V1(squadV1CSlots, imgSZAK32, 185, 600, +1, -1, SquadV1C_Shot1_Fire, SquadV1C_Shot2_Fire, ExtraOn);
constexpr Squad kSquadV1D =
    V1(squadV1DSlots, imgSZAK33, 515, 600, -1, -1, SquadV1D_Shot1_Fire, SquadV1D_Shot2_Fire, ExtraOn);

constexpr Squad kSquadV2A =
    V2(squadV2ASlots, imgSZAK30, 80, 100, 30, +1, +1, SquadV2A_Shot1_Fire, nullptr, kV2ABBlast);
constexpr Squad kSquadV2B =
    V2(squadV2BSlots, imgSZAK31, 620, 100, 25, -1, +1, SquadV2B_Shot1_Fire, nullptr, kV2ABBlast);
constexpr Squad kSquadV2C =
    V2(squadV2CSlots, imgSZAK32, 80, 240, 30, +1, -1, SquadV2C_Shot1_Fire, HardOrExtra, kV2CDBlast);
constexpr Squad kSquadV2D =
    V2(squadV2DSlots, imgSZAK33, 620, 240, 30, -1, -1, SquadV2D_Shot1_Fire, HardOrExtra, kV2CDBlast);

constexpr Squad kSquadV3A = Spinning(squadV3ASlots, squadV3ALockMarkers, imgSZAK40, 205, -120, true, 40,
                                     kV3Path, SquadV3A_Shot1_Fire, SquadV3A_Shot2_Fire);
constexpr Squad kSquadV3B =
    Spinning(squadV3BSlots, squadV3BLockMarkers, imgSZAK41, 495, -120, true, 25,
             SquadMirrored(kV3Path, -1, +1), SquadV3B_Shot1_Fire, SquadV3B_Shot2_Fire);
constexpr Squad kSquadV4A =
    Spinning(squadV4ASlots, squadV4ALockMarkers, imgSZAK40, 185, 600, false, 25, kV4Path, nullptr, nullptr);
constexpr Squad kSquadV4B = Spinning(squadV4BSlots, squadV4BLockMarkers, imgSZAK41, 515, 600, false, 25,
                                     SquadMirrored(kV4Path, -1, +1), nullptr, nullptr);

} // namespace

void SquadV1A_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV1A, slot); }
void SquadV1A_Schedule() { SquadSchedule(kSquadV1A); }
void SquadV1A_Move() { SquadMove(kSquadV1A); }
void SquadV1A_Draw() { SquadDraw(kSquadV1A); }
void SquadV1B_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV1B, slot); }
void SquadV1B_Schedule() { SquadSchedule(kSquadV1B); }
void SquadV1B_Move() { SquadMove(kSquadV1B); }
void SquadV1B_Draw() { SquadDraw(kSquadV1B); }
void SquadV1C_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV1C, slot); }
void SquadV1C_Schedule() { SquadSchedule(kSquadV1C); }
void SquadV1C_Move() { SquadMove(kSquadV1C); }
void SquadV1C_Draw() { SquadDraw(kSquadV1C); }
void SquadV1D_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV1D, slot); }
void SquadV1D_Schedule() { SquadSchedule(kSquadV1D); }
void SquadV1D_Move() { SquadMove(kSquadV1D); }
void SquadV1D_Draw() { SquadDraw(kSquadV1D); }
void SquadV2A_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV2A, slot); }
void SquadV2A_Schedule() { SquadSchedule(kSquadV2A); }
void SquadV2A_Move() { SquadMove(kSquadV2A); }
void SquadV2A_Draw() { SquadDraw(kSquadV2A); }
void SquadV2B_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV2B, slot); }
void SquadV2B_Schedule() { SquadSchedule(kSquadV2B); }
void SquadV2B_Move() { SquadMove(kSquadV2B); }
void SquadV2B_Draw() { SquadDraw(kSquadV2B); }
void SquadV2C_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV2C, slot); }
void SquadV2C_Schedule() { SquadSchedule(kSquadV2C); }
void SquadV2C_Move() { SquadMove(kSquadV2C); }
void SquadV2C_Draw() { SquadDraw(kSquadV2C); }
void SquadV2D_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV2D, slot); }
void SquadV2D_Schedule() { SquadSchedule(kSquadV2D); }
void SquadV2D_Move() { SquadMove(kSquadV2D); }
void SquadV2D_Draw() { SquadDraw(kSquadV2D); }
void SquadV3A_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV3A, slot); }
void SquadV3A_Schedule() { SquadSchedule(kSquadV3A); }
void SquadV3A_Move() { SquadMove(kSquadV3A); }
void SquadV3A_Draw() { SquadDraw(kSquadV3A); }
void SquadV3B_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV3B, slot); }
void SquadV3B_Schedule() { SquadSchedule(kSquadV3B); }
void SquadV3B_Move() { SquadMove(kSquadV3B); }
void SquadV3B_Draw() { SquadDraw(kSquadV3B); }
void SquadV4A_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV4A, slot); }
void SquadV4A_Schedule() { SquadSchedule(kSquadV4A); }
void SquadV4A_Move() { SquadMove(kSquadV4A); }
void SquadV4A_Draw() { SquadDraw(kSquadV4A); }
void SquadV4B_SpawnSlot(int32_t slot) { SquadSpawnSlot(kSquadV4B, slot); }
void SquadV4B_Schedule() { SquadSchedule(kSquadV4B); }
void SquadV4B_Move() { SquadMove(kSquadV4B); }
void SquadV4B_Draw() { SquadDraw(kSquadV4B); }

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
