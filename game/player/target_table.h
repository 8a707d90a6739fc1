#pragma once
// Every target the player's shots are tested against, in test order: the 22
// enemy kinds, the 12 squads, the 10 large enemies and the 8 bosses. Each row
// says where its records keep their fields, how it is hit and, per shot pass,
// its box and points. Every target is tested in every stage, used there or
// not; a parked record lies out of reach of every box.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

enum ShotPass : int32_t { kPassWide = 0, kPassNarrow = 1, kPassBurst = 2, kShotPasses = 3 };

enum class TargetForm : uint8_t {
    Slots,   // a pool of slots; SetHit takes the slot index
    Single,  // one record; SetHit takes nothing
    Counted, // one record that gives way only after 25 shot-frames of overlap
    Boss,    // a boss record: hit flash, points and hp loss
};

// Where a target's records keep the fields the collision test reads and writes.
struct TargetRecords {
    void* base;
    uint32_t stride;      // bytes per slot
    uint32_t xOffset;     // float x, top-left of the sprite
    uint32_t yOffset;     // float y
    uint32_t gateOffset;  // int: the slot is tested only while 0 (collide flag; a boss's dead flag)
    uint32_t hitOffset;   // int: the hit flag SetHit raises (a boss's BossHitFlash)
    uint32_t extraOffset; // int hit counter (Counted) or float hp (Boss); unused otherwise
};

// Inclusive x range from the target's whole-pixel x, and the points of a hit.
struct PassBox {
    int32_t xLow;
    int32_t xHigh;
    int32_t points;
};

struct TargetRow {
    const char* name;
    TargetForm form;
    int32_t slots;
    TargetRecords records;
    void (*setHitSlot)(int32_t); // Slots
    void (*setHit)();            // Single, Counted, Boss
    float yMin[kShotPasses];     // lowest float y at which a slot is tested (bosses: 0)
    int32_t yLow;                // inclusive y range from the whole-pixel y, every pass
    int32_t yHigh;
    PassBox box[kShotPasses];
    bool wideDirect; // wide-pass points go straight onto the score, not through AddScore
};

constexpr int32_t kCountedHitsNeeded = 25;

std::span<const TargetRow> TargetTable();

// Field access by the offsets of a row.
inline unsigned char* TargetSlot(const TargetRecords& r, int32_t slot) {
    return static_cast<unsigned char*>(r.base) + size_t(slot) * r.stride;
}
inline float TargetFloat(const TargetRecords& r, int32_t slot, uint32_t offset) {
    float v;
    std::memcpy(&v, TargetSlot(r, slot) + offset, sizeof v);
    return v;
}
inline void SetTargetFloat(const TargetRecords& r, int32_t slot, uint32_t offset, float v) {
    std::memcpy(TargetSlot(r, slot) + offset, &v, sizeof v);
}
inline int32_t TargetInt(const TargetRecords& r, int32_t slot, uint32_t offset) {
    int32_t v;
    std::memcpy(&v, TargetSlot(r, slot) + offset, sizeof v);
    return v;
}
inline void SetTargetInt(const TargetRecords& r, int32_t slot, uint32_t offset, int32_t v) {
    std::memcpy(TargetSlot(r, slot) + offset, &v, sizeof v);
}
