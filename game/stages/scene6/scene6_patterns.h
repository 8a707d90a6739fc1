#pragma once
// The scene-6 boss's patterns: one constants record and one pool each over the
// shared templates. The stage driver arms, schedules or spawns them in its
// attack windows and draws (and, but for the beams, moves) every one of them
// on every unpaused frame, fired or not. The curving streams have their own
// header.

// --- Vertical beams: left and right, armed only in game modes 2 and 3 --------

void Scene6Boss_VerticalBeam1_Spawn();
void Scene6Boss_VerticalBeam1_Draw();

void Scene6Boss_VerticalBeam2_Spawn();
void Scene6Boss_VerticalBeam2_Draw();
