#pragma once
// The score panel along the top of the play field, and the per-second play
// countdown that the program keeps but no scene calls.

// Score in large digits from x 180; high score, lives and bombs in small
// digits with their two labels. Every stage frame and the ending call it.
void DrawHud();

// One frame of the countdown (library wait 1 paces the seconds).
void CountdownTick();
