#pragma once
// Stage backgrounds: the layers that draw and scroll a BackStrip table of
// 480-pixel tiles, the falling star field, the side panels of scene 4, and
// the drawing objects no scene calls (panel drops, boss portrait slide).
// The tables and the stars live in game_state.h.
#include <cstdint>

// 440-wide layers at x 180.
void BackLayer1_Draw(); // imgBBACK1S, 130 px/s
void BackLayer2_Draw(); // imgBBACK2S, 100 px/s
void BackLayer3_Draw(); // imgBBACK3S, speed stepped by scrollDistance
void BackLayer8_Draw(); // imgBBACK8S, stepped; starts parked at x -500
// 640-wide layers at x 80 (4 keeps its x); 4, 6 and 7 drift sideways.
void BackLayer4_Draw();
void BackLayer5_Draw(); // imgBBACK6S
void BackLayer6_Draw();
void BackLayer7_Draw();
// 100-wide side strips that never move.
void BackLayer9_Draw();
void BackLayer10_Draw();

// Stars fall at rand() % range + base px/s once they have been recycled.
void DrawStarField(int32_t range, int32_t base);

// Two opaque 100x480 panels at x 0 and 540 (only the right one's left 80
// columns fall inside the play field).
void DrawSidePanels();

// One falling 440x300 panel per family.
struct PanelDrop {
    float x;
    float y;
    float speed;
    int32_t active;
};
extern PanelDrop panelDrops[3];
void PanelDrop1_Spawn();
void PanelDrop1_Draw();
void PanelDrop1_Move();
void PanelDrop2_Spawn();
void PanelDrop2_Draw();
void PanelDrop2_Move();
void PanelDrop3_Spawn();
void PanelDrop3_Draw();
void PanelDrop3_Move();

// The eight boss pictures sliding down one after the other (bossPortraitSlides).
void BossPortraitSlide_Schedule();
void BossPortraitSlide_Draw();
void BossPortraitSlide_Move();
