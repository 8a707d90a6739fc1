#include "game/stages/hud.h"

#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/scene_state.h"
#include "kit/draw/blit.h"
#include "kit/sound/midi.h"
#include "kit/system/kit_system.h"

#include <cstdio>

namespace {

// Digits of imgMYMY's small row: 7 wide on a 10-pixel pitch.
void SmallDigits(int32_t x, const char* text) {
    for (int32_t i = 0; text[i] != '\0'; ++i) {
        const int32_t d = text[i] - '0';
        // Only a negative number has a non-digit; its sign has no picture.
        if (d < 0 || d > 9) continue;
        BlitKeyed(x + 10 * i, 6, imgMYMY, 7 * d + 8, 70, 7 * d + 15, 80);
    }
}

} // namespace

void DrawHud() {
    char text[32];
    std::snprintf(text, sizeof text, "%09d", score);
    for (int32_t i = 0; text[i] != '\0'; ++i) {
        const int32_t d = text[i] - '0';
        if (d < 0 || d > 9) continue;
        BlitKeyed(180 + 20 * i, 0, imgSUJI09, 20 * d, 0, 20 * d + 20, 25);
    }
    std::snprintf(text, sizeof text, "%09d", highScore);
    SmallDigits(380, text);
    if (lives >= 0) {
        std::snprintf(text, sizeof text, "%03d", lives);
        SmallDigits(520, text);
    }
    if (bombStock >= 0) {
        std::snprintf(text, sizeof text, "%02d", bombStock);
        SmallDigits(600, text);
    }
    // The labels left of the bombs and of the lives.
    BlitKeyed(570, 6, imgMYMY, 170, 70, 194, 80);
    BlitKeyed(490, 6, imgMYMY, 200, 70, 224, 80);
}

void CountdownTick() {
    if (kitSystem::CheckWait(1)) {
        if (countdownExpired == 1 || countdownArmed != 1) {
            currentScene = kSceneTitle;
            previousScene = 0;
        } else {
            countdownSeconds -= 1;
            if (countdownSeconds == 0) {
                countdownExpired = 1;
                MidiStop();
                kitSystem::SetWait(1, 3000);
            } else {
                kitSystem::SetWait(1, 1000);
            }
        }
    }
    if (countdownExpired == 0 && countdownArmed == 1 && lives < 1) {
        timeUpClock += frameDt;
        countdownExpired = 1;
        MidiStop();
        kitSystem::SetWait(1, 9000);
    }
    if (timeUpClock >= 30.0f) {
        timeUpClock = 0.0f;
        currentScene = kSceneTitle;
        previousScene = 0;
    }
}
