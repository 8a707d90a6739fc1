#pragma once
// A headless stage frame for the player alone: the game is started through
// the harness, a new game is set up as the title and setup screens would,
// and Frame() runs the player's part of a stage frame in the stage order
// (draws, then the moves and collisions after the present, then the continue
// step). Keys and mouse go through the window system like real input.
#include <cstdint>

#include "harness/game_harness.h"

class PlayerScenario {
  public:
    PlayerScenario();
    ~PlayerScenario();

    // A new game in game mode 1 with keyboard steering: 999 lives, 5 bombs,
    // score 0, the ship at (370, 520), every pool parked.
    void NewGame();
    // One stage frame with the given frameDt.
    void Frame();
    void Frames(int n) {
        for (int i = 0; i < n; ++i)
            Frame();
    }

    void Hold(int32_t vk);
    void Release(int32_t vk);
    void Press(int32_t vk) { Hold(vk); } // a key whose down edge the window procedure sees (lastKey)
    void MouseTo(int32_t x, int32_t y);
    void MouseButton(int32_t button, bool down);
    void DoubleClick(int32_t x, int32_t y);

    // Plays of the shot / explosion sound since the last call.
    int ShotSounds();
    int BomSounds();

    // A pixel of the back buffer (0 outside it).
    uint16_t BackPixel(int32_t x, int32_t y) const;
    // Any lit pixel in the rectangle of the back buffer.
    bool AnyLit(int32_t left, int32_t top, int32_t right, int32_t bottom) const;

    float dt = 1.0f / 60.0f;
    int32_t continueBombs = 5;
    GameHarness harness;

  private:
    int32_t lastShotMix_ = 0;
    int32_t lastBomMix_ = 0;
};
