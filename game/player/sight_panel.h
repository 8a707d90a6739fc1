#pragma once
// The weapon sight panel: a picture of the current lock-on weapon that slides
// up over the play field once and holds the ship in place while it passes the
// top; and the one-call bomb sound. Nothing in play calls either.
#include <cstdint>

struct SightPanel {
    int32_t frameCounter; // frames since the panel started
    int32_t done;         // 1 once it has left the screen; it never runs again
    float x;              // top-left of the panel
    float y;
    int32_t image; // no loader fills it: slot 0 is drawn
};

// Entry 0 belongs to weaponType 1 (440 x 380), entry 1 to weaponType 2 (480 x 390).
extern SightPanel sightPanels[2];

// One frame of the panel of the current weaponType; other types do nothing.
void SightPanel_Update();
// The explosion sound on the next mix buffer; both arguments are ignored.
void PlayBomSound(int32_t unused1, int32_t unused2);
