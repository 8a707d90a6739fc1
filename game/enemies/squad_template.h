#pragma once
// The squad: a wave of five like members that enter one after another at one
// point of the field's edge and fly one banded path. Each member has its own
// phase clock; the band the clock is in sets the member's speeds and, in some
// bands, makes the squad fire. Written once over a constants record; the
// twelve squads are records of squads.cpp.
#include <cstdint>

#include "game/enemies/explosion_piece.h"
#include "game/enemies/squads.h"

constexpr int kSquadBands = 5;

// Band b holds while lo[b] <= phase <= hi[b]; between two bands a member
// keeps the speeds of the band before.
constexpr float kSquadBandLo[kSquadBands] = {0.0f, 11.0f, 21.0f, 31.0f, 41.0f};
constexpr float kSquadBandHi[kSquadBands] = {10.0f, 20.0f, 30.0f, 40.0f, 100.0f};
// The phase clock starts again at 0 once it reaches this.
constexpr float kSquadPhaseWrap = 101.0f;

struct SquadSpeeds {
    float vx[kSquadBands];
    float vy[kSquadBands];
};

// The same path flown from another edge: each sign negates every nonzero
// speed of its axis.
constexpr SquadSpeeds SquadMirrored(const SquadSpeeds& s, int signX, int signY) {
    SquadSpeeds m{};
    for (int b = 0; b < kSquadBands; ++b) {
        m.vx[b] = (signX < 0 && s.vx[b] != 0.0f) ? -s.vx[b] : s.vx[b];
        m.vy[b] = (signY < 0 && s.vy[b] != 0.0f) ? -s.vy[b] : s.vy[b];
    }
    return m;
}

enum class SquadBody : uint8_t {
    Strip,    // 100x100 cells, one per body band
    Spinning, // one 119x119 picture turned 7 degrees a frame, with a lock marker
};

struct Squad {
    SquadSlot* slots;
    LockMarker* markers; // spinning squads: marker k belongs to slot k; otherwise null
    SquadBody body;
    const int32_t* image;
    int8_t stripCells[kSquadBands]; // strip form: the cell shown in each body band
    float entryX;
    float entryY;
    bool armingRestartsTimer; // arming a slot sets its wave timer back to 0
    float phaseRate;          // phase units per second
    SquadSpeeds speeds;
    void (*fire[kSquadBands])(); // fired in that band by every member in it; null: none
    bool (*fireGate)();          // the fires happen only while this holds; null: always
    // A member stays while minX <= x <= maxX and minY <= y <= maxY.
    float minX;
    float maxX;
    float minY;
    float maxY;
    float leftFieldX; // x of a member parked for leaving the field (y is ParkY)
    // The explosion when effectDrawMode is 1, each piece in its own blit;
    // with 0 one keyed cell.
    const ExplosionPiece* pieces;
    int32_t pieceCount;
    bool wreckAlwaysStops;     // speeds cleared in every draw mode, not only with effects on
    bool burnsOnlyWhileActive; // a wreck parked while it burns stops exploding at once
};

// Arms slot k at the entry point if it is free; a busy slot is left alone.
void SquadSpawnSlot(const Squad& s, int32_t k);
// One tick of the five wave timers; slot k is offered at tick 30 (k + 1).
void SquadSchedule(const Squad& s);
// Flies every member, runs its bands and fires, parks those that leave.
void SquadMove(const Squad& s);
// Draws every member that is not exploding; one explosion step of the others.
void SquadDraw(const Squad& s);
