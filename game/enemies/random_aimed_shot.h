#pragma once
// Random aimed shots of the side-entry squads (V2): one bullet per squad
// member, fired from that member's body straight at the player at a random
// speed of 210..309 pixels per second, flying on until it leaves the field.
#include <cstdint>

#include "game/enemies/bullet_records.h"
#include "game/enemies/squads.h"

struct RandomAimedShot {
    RandomAimedShotRecord* pool; // record k leaves from slot k
    const SquadSlot* slots;
};

void RandomAimedShotDraw(const RandomAimedShot& g);
// Arms every free record from its own slot, whichever member asked.
void RandomAimedShotFire(const RandomAimedShot& g);
void RandomAimedShotMove(const RandomAimedShot& g);

void SquadV2A_Shot1_Draw();
void SquadV2A_Shot1_Fire();
void SquadV2A_Shot1_Move();
void SquadV2B_Shot1_Draw();
void SquadV2B_Shot1_Fire();
void SquadV2B_Shot1_Move();
void SquadV2C_Shot1_Draw();
void SquadV2C_Shot1_Fire();
void SquadV2C_Shot1_Move();
void SquadV2D_Shot1_Draw();
void SquadV2D_Shot1_Fire();
void SquadV2D_Shot1_Move();
