#pragma once
// Records of the enemy bullet templates. Every field is one 32-bit word; the
// spare words keep each record at the length and word positions the world
// reset parks by, and nothing reads them.
#include <cstdint>

// StraightShot and ShotString5 (and the few groups built like them).
struct StraightShotRecord {
    int32_t frame; // animation frame; the reset gives it a random start
    int32_t spare0;
    float x;
    float y;
    float vx;
    float vy;
    int32_t spare1;
    int32_t active;
};

// TurningString7: strings of seven that turn, then fly straight.
struct TurningString7Record {
    int32_t frame;
    int32_t spare0;
    float x;
    float y;
    float driftX;
    float driftY;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float heading;
    float speed;
    int32_t spare5;
    float turnTimer;
    int32_t spare6;
    int32_t active;
};

// TurningStream of the large enemies and bosses has the same fields.
using TurningStreamRecord = TurningString7Record;

// AimedShot: one aimed bullet per parent slot.
struct AimedShotRecord {
    int32_t frame;
    int32_t spare0;
    float x;
    float y;
    float dx;
    float dy;
    float angle;
    float speed;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    int32_t spare5;
    int32_t active;
};

// AimedString5 and AimedRotString5: aimed strings of four or five.
struct AimedString5Record {
    int32_t frame;
    int32_t spare0;
    float x;
    float y;
    float dx;
    float dy;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float angle;
    float speed;
    int32_t spare5;
    int32_t spare6;
    int32_t active;
};

using AimedRotString5Record = AimedString5Record;
// The AimedShot groups of kinds D, M and N carry the longer record.
using AimedShotLongRecord = AimedString5Record;

// RandomAimedShot of the V2 squads.
struct RandomAimedShotRecord {
    int32_t animFrame;
    int32_t spare0;
    float x;
    float y;
    float dx;
    float dy;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float angle;
    float speed;
    int32_t spare5;
    int32_t spare6;
    int32_t active;
};

// FanVolley in its launch-one form; AimedRingBurst shares it.
struct FanVolleyRecord {
    int32_t frame;
    int32_t tick;
    float x;
    float y;
    float dx;
    float dy;
    int32_t spare0;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float angle;
    float speed;
    int32_t active;
};

using AimedRingBurstRecord = FanVolleyRecord;

// FanVolley in the enemy-kind form (EnemyJ_Shot7, EnemyK_Shot7).
struct FanVolleyKindRecord {
    int32_t frame;
    float x;
    float y;
    int32_t tick;
    int32_t active;
    int32_t spare0;
    float dx;
    float dy;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    float angle;
    float speed;
};

// BigFanVolley; SpiralStream and RingEmitter use the same record.
struct BigFanVolleyRecord {
    int32_t frame;
    int32_t spare0;
    int32_t tick;
    int32_t angleDeg; // whole degrees, written by the rotated draws
    float x;
    float y;
    float dx;
    float dy;
    float startX;
    float startY;
    int32_t spare1;
    int32_t spare2;
    float angle;
    float speed;
    int32_t spare3;
    int32_t active;
};

using SpiralStreamRecord = BigFanVolleyRecord;
using RingEmitterRecord = BigFanVolleyRecord;

// TimedVolley of the bosses (pairs, threes, fives and sevens).
struct TimedVolleyShortRecord {
    int32_t frame;
    int32_t tick;
    float x;
    float y;
    float vx; // slanted forms only
    float vy;
    int32_t spare0;
    int32_t active;
};

// TimedVolley of the large enemies: the same fields in a longer record.
struct TimedVolleyLongRecord {
    int32_t frame;
    int32_t tick;
    float x;
    float y;
    float vy;
    int32_t spare0;
    int32_t spare1;
    int32_t spare2;
    int32_t spare3;
    int32_t spare4;
    int32_t spare5;
    float spareAngle; // the reset writes a start heading that nothing reads
    int32_t spare6;
    int32_t active;
};

// Formation drops of the large enemies (square, spreading square, columns).
struct FormationDropRecord {
    int32_t frame;
    int32_t spare0;
    float x;
    float y;
    float vy;
    int32_t spare1;
    int32_t spare2;
    int32_t active;
};
