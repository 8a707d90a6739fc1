#pragma once
// TurningStream: seven bullets launched together from one point, each with
// its own speed, all turning at one rate for a while and then flying
// straight, while a small sideways drift fans them apart. Record 0, the
// slowest, is the tail; record 6, the fastest, leads with its own picture.
// The whole stream is released at once when the tail leaves the screen.
// The mirror form leaves to the other side and turns the other way.
#include <cstdint>

#include "game/enemies/bullet_records.h"

constexpr int kTurningStreamRecords = 7;

struct TurningStream {
    TurningStreamRecord* pool; // kTurningStreamRecords
    // The owner's position, read at the moment of each fire.
    const float* ownerX;
    const float* ownerY;
    float offsetX;
    float offsetY;
    float speeds[kTurningStreamRecords];
    bool mirror;
    double turnStep; // radians per move call, whatever the frame time
    // The heading turns while 0 <= timer <= turnLimit; then the timer rests
    // at turnLimit + 1 until the record is launched anew.
    float turnLimit;
    const int32_t* bodyImage; // records 0..5, 30x30
    const int32_t* headImage; // record 6
    // Released records are still tested where they stopped; a stream whose
    // tail only leaves through the screen's edges leaves them all off the
    // field, so they can never strike the ship unseen.
    bool testsReleased = false;
};

// Launches every free record from the owner; flying ones are left alone, so
// a stream starts again only once it has been released as a whole.
void TurningStream_Fire(const TurningStream& s);
void TurningStream_Draw(const TurningStream& s);
void TurningStream_Move(const TurningStream& s);
