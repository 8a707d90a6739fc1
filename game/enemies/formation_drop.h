#pragma once
// FormationDrop: a fixed formation of four or six bullets that a large enemy
// sets down beside itself while it fires, and that then falls straight down.
// Some formations spread as they fall: their outer bullets drift sideways.
// The owner's Move calls Fire; the stage drivers call Draw and Move.
#include <cstdint>

#include "game/enemies/bullet_records.h"

constexpr int kFormationDropMax = 6;

struct FormationPoint {
    float dx;
    float dy;
};

struct FormationDrop {
    FormationDropRecord* pool;
    int32_t records; // 4 or 6
    // The owner's position, read at the moment of each fire.
    const float* ownerX;
    const float* ownerY;
    FormationPoint points[kFormationDropMax]; // where each record is set down
    // Sideways drift of each record in px/s. It is applied once for every
    // live record of the pass, so it quickens with the number in flight.
    float drift[kFormationDropMax];
    float fallSpeed;
    const int32_t* image; // strip of 20x20 cells
    int32_t cells;
    bool additive; // else keyed
};

// Four bullets in a square; with `spread`, records 0 and 3 drift apart.
constexpr FormationDrop SquareDrop(FormationDropRecord* pool, const float* ownerX, const float* ownerY,
                                   bool spread, float fallSpeed, const int32_t* image, int32_t cells) {
    const float d = spread ? 20.0f : 0.0f;
    return {pool,          4,         ownerX, ownerY, {{120, 90}, {120, 120}, {60, 120}, {60, 90}},
            {d, 0, 0, -d}, fallSpeed, image,  cells,  true};
}

// Six bullets in two columns at a and b; the upper ones drift apart.
constexpr FormationDrop ColumnDrop(FormationDropRecord* pool, const float* ownerX, const float* ownerY,
                                   float a, float b, float fallSpeed, const int32_t* image, int32_t cells,
                                   bool additive) {
    return {pool,
            6,
            ownerX,
            ownerY,
            {{a, 60}, {a, 105}, {a, 120}, {b, 120}, {b, 105}, {b, 60}},
            {28, 14, 0, 0, -14, -28},
            fallSpeed,
            image,
            cells,
            additive};
}

// Arms every free record and sets the whole formation, flying records
// included, back down at the owner. Does nothing while all records fly.
void FormationDrop_Fire(const FormationDrop& g);
// Every record, free ones included (they lie parked off the field).
void FormationDrop_Draw(const FormationDrop& g);
void FormationDrop_Move(const FormationDrop& g);
