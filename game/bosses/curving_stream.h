#pragma once
// CurvingStream: a stream of small square shots that leave a boss one after
// another and fall along a bent path. A shot's path is a table of whole-pixel
// steps per frame chosen by the shot's age (its life, which grows with
// frameDt), so the stream starts sideways and swings back as it falls.
// Instances come in mirrored pairs; the scene-5 and scene-6 streams are
// scenery and never harm the ship, the scene-8 streams kill it.
#include <cstdint>
#include <span>

#include "game/bosses/boss_record.h"
#include "game/enemies/bullet_rules.h"

struct CurvingShot {
    int32_t x; // whole pixels; parks at (-500, 500)
    int32_t y;
    int32_t spare0;
    int32_t spare1;
    float life; // age in path units; 0 in every free record
    int32_t active;
};

// One closed bracket of life and the step a shot takes on each frame in it.
struct CurvingStep {
    float lo;
    float hi;
    int32_t dx;
    int32_t dy;
};

struct CurvingStreamConsts {
    BossRecord* boss;
    std::span<CurvingShot> pool; // 50 shots; shot 0 is never launched
    int32_t* counter;            // the schedule counter, kept in the boss record
    int32_t launchX;             // from the boss's truncated x, y
    int32_t launchY;
    int32_t tickStep; // shot k launches at counter tickStep * k; the counter wraps at 50 * tickStep
    float lifeRate;   // life units per second
    std::span<const CurvingStep> path; // brackets in rising order, never overlapping
    int32_t dxSign;                    // -1 mirrors the path
    bool killsPlayer;
    KillBox hitBox;
    const int32_t* image; // handle, read at draw time
    int32_t cell;         // square cell size
};

void CurvingStream_Launch(const CurvingStreamConsts& c, int32_t i);
void CurvingStream_Schedule(const CurvingStreamConsts& c);
void CurvingStream_Move(const CurvingStreamConsts& c);
void CurvingStream_Draw(const CurvingStreamConsts& c);
