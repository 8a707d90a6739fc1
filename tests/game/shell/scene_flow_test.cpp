// Boot, asset loading and the front-end scenes, driven through the main loop
// with real key messages.
#include "harness/game_harness.h"

#include "game/player/player_pools.h"
#include "game/player/sight_panel.h"
#include "game/shell/load_assets.h"
#include "game/shell/new_game.h"
#include "game/state/scene_state.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "harness/reset_globals.h"
#include "kit/draw/image.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/sound/sound.h"
#include "kit/system/kit_system.h"
#include "platform/display.h"

#include <gtest/gtest.h>

#include <set>

namespace {

HarnessOptions Quiet() {
    HarnessOptions o;
    o.fakeMidi = true;
    return o;
}

bool LogHas(const std::vector<std::string>& log, const std::string& part) {
    for (const auto& line : log)
        if (line.find(part) != std::string::npos) return true;
    return false;
}

} // namespace

TEST(Boot, LoadsEveryAssetInOrderAndShowsTheTitleWithoutAWipe) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    EXPECT_TRUE(h.MessageBoxes().empty());
    EXPECT_EQ(fatalFlag, 0);
    EXPECT_EQ(currentScene, 1);
    EXPECT_EQ(previousScene, 0);
    EXPECT_EQ(highScore, 500);
    EXPECT_EQ(clipLeft, 180);
    EXPECT_EQ(clipRight, 620);

    // Every file loads, so the pictures sit in slots 4.. in load order; the
    // two sounds come between the lists and take no image slot.
    int32_t slot = 4;
    for (int i = 0; i < kImagesBeforeSoundsCount; ++i)
        EXPECT_EQ(*kImagesBeforeSounds[i].handle, slot++) << kImagesBeforeSounds[i].file;
    for (int i = 0; i < kImagesAfterSoundsCount; ++i)
        EXPECT_EQ(*kImagesAfterSounds[i].handle, slot++) << kImagesAfterSounds[i].file;
    EXPECT_EQ(slot, 168);
    EXPECT_EQ(kImagesBeforeSoundsCount, 149);
    EXPECT_EQ(kImagesAfterSoundsCount, 15);
    // The duplicate picture is two slots with the same picture.
    EXPECT_NE(imgVAL402, imgVAL402_2);
    EXPECT_STREQ(imageTable[imgVAL402].name, imageTable[imgVAL402_2].name);
    EXPECT_EQ(imageTable[imgVAL402].width, imageTable[imgVAL402_2].width);
    if (soundAvailable) {
        EXPECT_GE(sndSHOT, 0);
        EXPECT_GE(sndBOM, 0);
        EXPECT_NE(sndSHOT, sndBOM);
    }
    // Never-loaded pictures draw the scratch image.
    EXPECT_EQ(imgBackLayer7, 0);
    EXPECT_EQ(imgSidePanel, 0);

    h.SetFrameDt(1.0f / 60);
    ASSERT_EQ(h.RunFrames(1), 1);
    EXPECT_EQ(transitionStep, 0);
    EXPECT_EQ(transitionCounter, 0);
    EXPECT_TRUE(MatchPicture(h.Primary(), 180, 60, imgTITLEC, 0, 0, 440, 480).Shown());
    // Nothing outside the play field.
    EXPECT_EQ(h.ScreenPixel(179, 300), 0);
    EXPECT_EQ(h.ScreenPixel(620, 300), 0);
    // The title's entry set the option defaults.
    EXPECT_EQ(keyboardControl, 1);
    EXPECT_EQ(effectDrawMode, 1);
    EXPECT_EQ(weaponType, 0);
}

TEST(Boot, MissingTitlePictureGivesOneBoxAndTheGameRunsOn) {
    const std::string dir = MakeAssetCopy({"IMAGE/TITLEC.BMP"});
    HarnessOptions o = Quiet();
    o.programDir = dir;
    {
        GameHarness h(o);
        ASSERT_TRUE(h.Start());
        ASSERT_EQ(h.MessageBoxes().size(), 1u);
        EXPECT_NE(h.MessageBoxes()[0].text.find("kitDraw::LoadObject"), std::string::npos);
        EXPECT_EQ(imgTITLEC, 0);
        EXPECT_NE(imgLEVEL1, 0);
        EXPECT_NE(imgCONTINU1, 0);
        h.SetFrameDt(1.0f / 60);
        h.RunFrames(2);
        // The title shows the scratch image's rectangle: nothing of the picture.
        EXPECT_EQ(currentScene, 1);
        h.Press(kKeyEnter);
        EXPECT_EQ(currentScene, 11);
        EXPECT_EQ(h.MessageBoxes().size(), 1u);
    }
    RemoveAssetCopy(dir);
}

TEST(Boot, MissingSoundIsSilentAndNamesIgnoreCase) {
    const std::string dir = MakeAssetCopy({"SOUND/SHOT.WAV"}, true);
    HarnessOptions o = Quiet();
    o.programDir = dir;
    {
        GameHarness h(o);
        ASSERT_TRUE(h.Start());
        // Lower-case files serve the upper-case names: every picture loads.
        for (int i = 0; i < kImagesBeforeSoundsCount; ++i)
            EXPECT_NE(*kImagesBeforeSounds[i].handle, 0) << kImagesBeforeSounds[i].file;
        for (int i = 0; i < kImagesAfterSoundsCount; ++i)
            EXPECT_NE(*kImagesAfterSounds[i].handle, 0) << kImagesAfterSounds[i].file;
        EXPECT_EQ(sndSHOT, -1);
        if (soundAvailable) {
            EXPECT_GE(sndBOM, 0);
        }
        kitSound::Play(sndSHOT, -1); // silence, nothing else
        h.SetFrameDt(1.0f / 60);
        EXPECT_EQ(h.RunFrames(3), 3);
        EXPECT_EQ(currentScene, 1);
    }
    RemoveAssetCopy(dir);
}

TEST(SceneFlow, TitleToSetupToStageWithTheMenuWipesAndTheSetupKeys) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    h.SetFrameDt(1.0f / 60);
    h.RunFrames(2);
    lives = 3;
    score = 777;
    playerX = 200.0f;
    difficulty = 0;
    plainBackground = 1;

    // Enter on the title: a new game, the reset, the setup screen with a
    // 26-step wipe from the title picture.
    h.Press(kKeyEnter);
    EXPECT_EQ(currentScene, 11);
    EXPECT_EQ(previousScene, 11); // the bookkeeping has seen the switch
    EXPECT_EQ(lastKey, 0u);       // consumed: a held Enter switches once
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionLength, 26);
    EXPECT_EQ(transitionStep, -1);
    EXPECT_EQ(transitionCounter, 26);
    EXPECT_TRUE(MatchPicture(imageTable[1].surface, 180, 60, imgTITLEC, 0, 0, 440, 480).Shown());
    EXPECT_EQ(lives, 999);
    EXPECT_EQ(bombStock, 5);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(gameMode, 0);
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(difficultyExtra, 0);
    EXPECT_EQ(plainBackground, 0);
    EXPECT_FLOAT_EQ(playerX, 370.0f);
    EXPECT_FLOAT_EQ(scrollDistance, 0.0f);

    // The setup screen's entry picks the first weapon; its option keys act
    // at once and are consumed.
    h.RunFrames(1);
    EXPECT_EQ(weaponType, 1);
    EXPECT_LT(transitionCounter, 26);
    h.Press(kKeySpace);
    EXPECT_EQ(plainBackground, 1);
    EXPECT_EQ(lastKey, 0u);
    h.Press(kKeyM);
    EXPECT_EQ(mouseControl, 1);
    EXPECT_EQ(keyboardControl, 0);
    h.Press(kKeyK);
    EXPECT_EQ(mouseControl, 0);
    EXPECT_EQ(keyboardControl, 1);
    h.Press(kKeyO);
    EXPECT_EQ(noDeathMode, 1);
    EXPECT_EQ(currentScene, 11);
    ASSERT_TRUE(h.RunUntilTransitionDone());
    h.RunFrames(1);
    EXPECT_TRUE(MatchPicture(h.BackBuffer(), 180, 60, imgLEVEL1, 0, 0, 440, 480).Shown());

    // F1: the reset, a new game in mode 1, the first stage; F1 stays in lastKey.
    h.KeyDown(kKeyF1);
    h.RunFrames(1);
    EXPECT_EQ(currentScene, 2);
    EXPECT_EQ(gameMode, 1);
    EXPECT_EQ(lastKey, kKeyF1);
    EXPECT_EQ(transitionKind, 3);
    EXPECT_EQ(transitionCounter, 26);
    EXPECT_TRUE(MatchPicture(imageTable[1].surface, 180, 60, imgLEVEL1, 0, 0, 440, 480).Shown());
    EXPECT_EQ(plainBackground, 1); // the setup options carry into the stage
    EXPECT_EQ(noDeathMode, 1);
    h.KeyUp(kKeyF1);
    h.DrainMessages();
    EXPECT_EQ(lastKey, 0u);

    // The stage's first frame starts its music and scrolls.
    h.RunFrames(1);
    EXPECT_EQ(stageFrameCounter, 1);
    EXPECT_TRUE(LogHas(h.MidiLog(), "MIDI/VXTM1.MID"));
    EXPECT_GT(scrollDistance, 0.0f);

    // T: back to the title at once, music off, options undone.
    h.Press('T');
    EXPECT_EQ(currentScene, 1);
    EXPECT_EQ(h.MidiLog().back(), "close midi");
    EXPECT_EQ(plainBackground, 0);
    EXPECT_EQ(noDeathMode, 0);
    EXPECT_EQ(weaponType, 0);
}

TEST(SceneFlow, F2StartsModeThreeAndTheTitleEntryUndoesTheOptions) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    h.SetFrameDt(1.0f / 60);
    h.RunFrames(1);
    h.Press(kKeyEnter);
    h.Press('O');
    h.Press(kKeyM);
    h.Press(kKeyF2);
    EXPECT_EQ(currentScene, 2);
    EXPECT_EQ(gameMode, 3);
    EXPECT_EQ(lives, 999);

    // T from the setup screen undoes what the setup keys set.
    h.SetScene(11);
    h.RunFrames(1);
    h.Press(kKeySpace);
    EXPECT_EQ(plainBackground, 1);
    h.Press('T');
    h.RunFrames(1);
    EXPECT_EQ(currentScene, 1);
    EXPECT_EQ(plainBackground, 0);
    EXPECT_EQ(mouseControl, 0);
    EXPECT_EQ(keyboardControl, 1);
    EXPECT_EQ(noDeathMode, 0);

    // Other keys do nothing on the title.
    h.Press(kKeyF1);
    h.Press(kKeySpace);
    EXPECT_EQ(currentScene, 1);
}

TEST(SceneFlow, WeaponSelectChoosesAndWipesBackToSetup) {
    GameHarness h(Quiet());
    ASSERT_TRUE(h.Start());
    h.SetFrameDt(1.0f / 60);
    h.SetScene(12);
    h.RunFrames(2);
    EXPECT_TRUE(MatchPicture(h.Primary(), 180, 60, imgLEVEL0, 0, 0, 440, 480).Shown());
    h.Press(kKeyF5);
    EXPECT_EQ(weaponType, 1);
    EXPECT_EQ(currentScene, 11);
    EXPECT_EQ(transitionKind, 1);
    EXPECT_EQ(transitionLength, 26);
    h.RunFrames(1);
    EXPECT_EQ(weaponType, 1); // the setup screen's entry picks 1 too

    h.SetScene(12);
    h.RunFrames(1);
    h.KeyDown(kKeyF6);
    h.RunFrames(1);
    EXPECT_EQ(weaponType, 2);
    EXPECT_EQ(currentScene, 11);
    EXPECT_EQ(lastKey, kKeyF6); // not consumed
    h.KeyUp(kKeyF6);
}

using NewGame = FreshGlobals;

TEST_F(NewGame, LaysOutTheStripsAndParksTheItemAndPanels) {
    backStrips1[7] = BackStrip{1, 2, 3};
    backStrips8[0] = BackStrip{180, 50, 0};
    powerItem = PowerItem{10, 20, 9, 30, 1, 1, 1, 1, 4, 7, 8};
    sightPanels[1] = SightPanel{50, 1, 10, 20, 0};
    gameMode = 3;
    mainShotsOn = 1;
    score = 5;
    NewGameSetup();
    for (int i : {0, 1, 4999}) {
        const float y = 120.0f - 480.0f * float(i);
        EXPECT_FLOAT_EQ(backStrips1[i].x, 180.0f);
        EXPECT_FLOAT_EQ(backStrips1[i].y, y);
        EXPECT_FLOAT_EQ(backStrips2[i].y, y);
        EXPECT_FLOAT_EQ(backStrips3[i].x, 180.0f);
        EXPECT_FLOAT_EQ(backStrips4[i].x, 80.0f);
        EXPECT_FLOAT_EQ(backStrips5[i].x, 80.0f);
        EXPECT_FLOAT_EQ(backStrips6[i].x, 80.0f);
        EXPECT_FLOAT_EQ(backStrips7[i].x, 80.0f);
        EXPECT_FLOAT_EQ(backStrips7[i].y, y);
        EXPECT_FLOAT_EQ(backStrips8[i].x, -500.0f);
        EXPECT_FLOAT_EQ(backStrips8[i].y, y);
    }
    EXPECT_FLOAT_EQ(backStrips1[7].vx, 0.0f);
    EXPECT_EQ(mainShotsOn, 0);
    EXPECT_EQ(gameMode, 0);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(lives, 999);
    EXPECT_EQ(bombStock, 5);
    EXPECT_FLOAT_EQ(playerY, 520.0f);
    EXPECT_FLOAT_EQ(powerItem.x, ParkX);
    EXPECT_FLOAT_EQ(powerItem.y, ParkY);
    EXPECT_EQ(powerItem.active, 0);
    EXPECT_EQ(powerItem.powerFlag1, 0);
    EXPECT_EQ(powerItem.powerFlag2, 0);
    EXPECT_EQ(powerItem.spawnCount, 0);
    EXPECT_FLOAT_EQ(powerItem.fallSpeed, 0.0f);
    for (const SightPanel& p : sightPanels) {
        EXPECT_EQ(p.frameCounter, 0);
        EXPECT_EQ(p.done, 0);
        EXPECT_FLOAT_EQ(p.x, ParkX);
        EXPECT_FLOAT_EQ(p.y, ParkY);
    }
}
