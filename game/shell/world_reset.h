#pragma once
// The world reset: puts every object of play back into its parked state,
// clears the ship's and the stage's play state and seeds the random numbers
// anew. Always called as a pair, ResetWorldA then ResetWorldB: by the title
// and setup scenes, the ending and every boss defeat.

// Seeds from the calendar time; the play state, the power-up item, the lock
// sight, every pool of the player, the enemy kinds, the squads and the large
// enemies (with their records), and the star field last.
void ResetWorldA();

// The bosses' intro pictures and records (with their starting HP), the
// scene-6 beams, and every pattern pool and defeat explosion of every stage.
void ResetWorldB();
