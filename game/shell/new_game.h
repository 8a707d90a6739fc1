#pragma once
// A new game: lays out the strip tables, clears the score and the mode, gives
// 999 lives and 5 bombs, puts the ship at its start and parks the power-up
// item and the sight panels. Runs beside ResetWorldA/ResetWorldB (the title
// before them, the setup screen and the ending after them).
void NewGameSetup();
// The option flags as the title screen and the T key leave them.
void SetDefaultOptions();
