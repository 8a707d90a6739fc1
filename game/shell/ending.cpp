#include "game/shell/ending.h"

#include "game/player/player_api.h"
#include "game/shell/new_game.h"
#include "game/state/scene_state.h"
#include "game/shell/scenes.h"
#include "game/shell/world_reset.h"
#include "game/stages/backgrounds.h"
#include "game/stages/hud.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/draw/blit.h"
#include "kit/draw/gdi.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/draw/stretch.h"
#include "kit/sound/midi.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "platform/time.h"

float endingZoom = 0.0f;

const char* const kEndingCredits[kEndingCreditLines] = {
    "VEX TALON  - flight log closed -",     "Ship and weapons ....... hangar deck",
    "Stages and waves ....... survey wing", "Pictures ............... paint shop",
    "Music and sound ........ signal room", "Testing ................ night shift",
    "Thank you for flying with us",
};

namespace {

constexpr float kEndingSpeed = 20.0f;    // units of scrollDistance a second
constexpr float kEndingLength = 2400.0f; // two minutes
constexpr uint32_t kEndingSleepMs = 10;

// Windows on scrollDistance, both ends inclusive.
bool In(float lo, float hi) { return scrollDistance >= lo && scrollDistance <= hi; }

struct EndingPicture {
    float lo;
    float hi;
    const int32_t* image;
};
// The fourth picture of the set is not shown.
const EndingPicture kEndingPictures[] = {
    {400, 700, &imgVXTLCG1},   {701, 1000, &imgVXTLCG2},  {1001, 1300, &imgVXTLCG3},
    {1301, 1600, &imgVXTLCG5}, {1601, 2000, &imgVXTLCG6},
};

} // namespace

void EndingScene() {
    if (sceneChanged) {
        endingZoom = 30.0f;
        scrollDistance = 0.0f;
    }
    stageFrameCounter += 1;
    if (stageFrameCounter == 1) MidiPlay("MIDI/VXTMEND.MID", 1);
    if (stageFrameCounter >= 100999999) stageFrameCounter = 0;
    kitDraw::Clear();
    scrollDistance += kEndingSpeed * frameDt;
    DrawStarField(80, 80);
    if (In(0, 400)) {
        BlitKeyed(250, 100, imgMYGOODN, 0, 0, 300, 100);
        DrawPlayerShots();
        UpdatePlayer();
    }
    DrawHud();
    for (const EndingPicture& p : kEndingPictures)
        if (In(p.lo, p.hi)) BlitKeyed(180, 60, *p.image, 0, 0, 440, 480);
    if (In(2001, kEndingLength))
        for (int i = 0; i < kEndingCreditLines; ++i)
            DrawTextWhite(280, 180 + 20 * i, kEndingCredits[i]);
    // The first picture shows from 400 on; at 400 itself the panel goes back on top of it.
    if (In(0, 400)) DrawHud();
    if (countdownExpired == 1) {
        const int32_t h = FloatToInt(endingZoom);
        BlitStretchKeyed(250, int32_t((600 - int64_t(h)) / 2), imgMYMY, 81, 70, 136, 80, 300, h);
        endingZoom += 30.0f * frameDt;
    }
    SetVSyncWait(1);
    PresentFrame();
    plat::SleepMs(kEndingSleepMs);

    // The ship and its shots move on through the whole ending.
    MovePlayer();
    if (burstActive == 1) ReleaseBurstShots();
    PlayerShotsUpdate();

    if (scrollDistance > kEndingLength) {
        MidiStop();
        ResetWorldA();
        ResetWorldB();
        SwitchScene(kSceneTitle, 3, kLongWipe);
    }
    if (lastKey == kKeySpace) {
        MidiStop();
        ResetWorldA();
        ResetWorldB();
        NewGameSetup();
        SwitchScene(kSceneTitle, 3, kLongWipe);
    }
}
