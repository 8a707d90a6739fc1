#include "harness/reset_globals.h"

#include <cstring>
#include <type_traits>

#include "game/enemies/large_enemies.h"
#include "game/player/controls.h"
#include "game/player/lock_sight.h"
#include "game/player/player_pools.h"
#include "game/player/ship.h"
#include "game/player/sight_panel.h"
#include "game/shell/ending.h"
#include "game/shell/main_loop.h"
#include "game/shell/pool_catalogue.h"
#include "game/stages/backgrounds.h"
#include "game/stages/schedule.h"
#include "game/stages/scene2/scene2_boss.h"
#include "game/stages/scene3/scene3_boss.h"
#include "game/stages/scene4/scene4_boss.h"
#include "game/stages/scene5/scene5_boss.h"
#include "game/stages/scene6/scene6_boss.h"
#include "game/stages/scene7/scene7_boss.h"
#include "game/stages/scene8/scene8_boss.h"
#include "game/stages/scene9/scene9_boss.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "game/state/scene_state.h"
#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/draw/draw_observer.h"
#include "kit/draw/effects.h"
#include "kit/draw/gdi.h"
#include "kit/draw/image.h"
#include "kit/draw/pack.h"
#include "kit/draw/present.h"
#include "kit/draw/screen.h"
#include "kit/draw/text.h"
#include "kit/draw/tunnel.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/sound/soundpack.h"
#include "kit/system/frame_timer.h"
#include "kit/system/joystick.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"
#include "platform/audio.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/instance_lock.h"
#include "platform/joystick.h"
#include "platform/midi.h"
#include "platform/surface.h"
#include "platform/time.h"
#include "platform/window.h"

namespace {

template <typename T> void Zero(T& v) {
    static_assert(std::is_trivially_copyable_v<T>, "only plain records can be zeroed");
    std::memset(static_cast<void*>(&v), 0, sizeof v);
}
template <typename T, typename... More> void Zero(T& first, More&... more) {
    Zero(first);
    Zero(more...);
}

// What is still open from an earlier test: text contexts and fonts, every
// surface (the game's through the display, a fixture's made by hand), the
// display, sounds, music, pads, the lock and the windows.
void CloseDevices() {
    kitDraw::ReleaseBackDC();
    FreeFontState();
    plat::ReleaseAllDCsForTests();
    for (ImageRecord& rec : imageTable)
        plat::DestroySurface(rec.surface);
    plat::DestroySurface(backBuffer);
    plat::DestroySurface(primarySurface);
    if (screenClipper) plat::ReleaseClipper(static_cast<plat::Clipper*>(screenClipper));
    plat::ReleaseDisplay(directDraw);
    primarySurface = backBuffer = nullptr;
    screenClipper = nullptr;
    directDraw = nullptr;

    for (SoundObject& o : soundObjects)
        o = SoundObject{};
    plat::AudioResetForTests();
    plat::ResetMidiForTests();
    plat::JoyShutdown();

    if (instanceMutex) plat::ReleaseInstanceLock(instanceMutex);
    instanceMutex = nullptr;
    plat::ResetWindowingForTests();
    mainWindow = nullptr;
}

void ResetPlatformHooks() {
    plat::ResetClockForTests();
    plat::ResetSurfaceHooksForTests();
    plat::ResetDisplayHooksForTests();
    plat::SetProgramDirectoryForTests("");
    plat::SetInstanceLockDirectoryForTests("");
    SetScheduleRowObserverForTests(nullptr);
    SetDrawObserverForTests(nullptr);
}

void ResetKitSystem() {
    Zero(waitDeadlines);
    fatalFlag = dialogMode = messageBoxUp = 0;
    cursorShown = 1;
    cursorClipped = windowActive = 0;
    frameDt = 0.0f;
    frameClock = 0;
    sysKeyMode = imeEnabled = 0;
    programDir.clear();
    installPath.clear();
    watchedKey = watchedKeyReleases = pressedKey = pressedButton = buttonHeld = 0;
    appInstance = nullptr;
    lastKey = 0;
    clientLeft = clientTop = closingFlag = 0;
    windowCaption.clear();
    ResetKitSystemForTests();
    kitSystem::SeedRandom(1);

    Zero(joyInfo, joyCentreX, joyCentreY, joyPads);
}

void ResetKitDraw() {
    for (ImageRecord& rec : imageTable)
        rec = ImageRecord{};
    keyColor = 0;
    keyTopLeft = 0;
    imagePackPath.clear();

    screenWidth = screenHeight = 0;
    displayDepth = 16;
    fallbackDepth1 = fallbackDepth2 = 0;
    fullScreen = 0;
    presentRect = presentSourceRect = plat::Rect{0, 0, 0, 0};
    hwStretch = 0;
    deviceChosen = 0;
    clipLeft = clipTop = clipRight = clipBottom = 0;
    clipCursorAtStart = 0;
    redMask = greenMask = blueMask = 0;
    redShift = greenShift = blueShift = 0;
    redBits = greenBits = blueBits = 0;
    redShift5 = greenShift5 = blueShift5 = 0;
    halfMask = halfMask2 = colorMask = 0;
    Zero(sineTable, pixelDecodeTable, additiveTable, subtractiveTable, mixTable, thirdTable, noiseTable);

    transitionKind = transitionCounter = transitionStep = transitionLength = transitionSheet = 0;
    vsyncWait = 1;
    pageOverlayOn = pageImage = pageTileImage = pageHeight = 0;
    pageScroll = pageTileOffsetX = pageTileOffsetY = 0.0f;
    heldKey = 0;
    clipWipeState = clipWipeClosing = clipWipeStyle = 0;
    clipWipeSpeed = 0.0f;
    clipWipeSize = clipWipeDone = clipWipeClosed = 0;
    savedClipLeft = savedClipTop = savedClipRight = savedClipBottom = 0;

    waveRowsPhase = 0.0f;
    waveRowsSign = 1;
    tiledScrollX = tiledScrollY = waveScrollPhase = waveScrollOffset = 0.0f;
    waveTiledPhase = waveTiledOffset = 0.0f;
    rollPhase = 0.0f;
    riseSmearNoise = riseSmearCounter = riseSmearFadeNoise = riseSmearFadeCounter = 0;
    noiseAddNoise = noiseAddRGBNoise = 0;
    Zero(tunnelMap);
    tunnelTexW = tunnelTexH = tunnelMapW = tunnelMapH = glowNoiseCounter = 0;

    logFont = plat::LogFont{};
    Zero(fontList);
    fontCount = fontSize = 0;
    textColor = backColor = 0;
    Zero(glyphBoxes);
    glyphCount = revealIndex = 0;
    revealClock = 0.0f;
    glyphAutoDraw = 1;
    fpsFrames = 0;
    fpsValue = fpsMax = 0.0f;
    fpsMin = 999.9f;
    fpsText.clear();
}

void ResetKitSound() {
    soundAvailable = soundReloading = soundCurrentSlot = 0;
    soundPackPath.clear();
    soundPrimaryFormat = {plat::kWaveFormatPcm, 2, 44100, 44100 * 4, 4, 16, 0};
    midiOpen = 0;
    midiLoop = 1;
    midiEnded = 0;
}

void ResetAssetHandles() {
    int32_t* const images[] = {
        &imgZBAK1B,      &imgZBAK2B,    &imgZBAK3B,     &imgZBAK4B,     &imgZBAK5B,     &imgZBAK6B,
        &imgBBAK1B,      &imgGFBAK1,    &imgMYME1,      &imgFBOM1,      &imgMYMY,       &imgMYGOODN,
        &imgSUJI09,      &imgHAHEN,     &imgSFLH1,      &imgSFLH2,      &imgSFLH3,      &imgSFLH4,
        &imgSFLH5,       &imgSFLH11,    &imgSFLH22,     &imgSFLH33,     &imgFLHST,      &imgFLHST11,
        &imgFLHST2,      &imgFLHST22,   &imgFLHST3,     &imgFLHST33,    &imgFLW1_3,     &imgFLW2_1,
        &imgFLW3_2,      &imgFLW11,     &imgFLW22,      &imgFLW33,      &imgVEX1,       &imgVEX2,
        &imgVEX11,       &imgVEX22,     &imgVEX3,       &imgVEX4,       &imgVEX5,       &imgVEX6,
        &imgVEX7,        &imgVEX8,      &imgVEX10,      &imgSPOWER1,    &imgFBAK1,      &imgSZAK1,
        &imgSZAK3,       &imgSZAK4,     &imgSZAK2,      &imgSZAK5,      &imgSZAK6,      &imgSZAK7,
        &imgSZAK8,       &imgSZAK9,     &imgSZAK10,     &imgSZAK12,     &imgSZAK13,     &imgSZAK14,
        &imgSZAK15,      &imgSZAK16,    &imgSZAK21,     &imgSZAK22,     &imgSZAK23,     &imgSZAK24,
        &imgSZAK30,      &imgSZAK31,    &imgSZAK32,     &imgSZAK33,     &imgSZAK40,     &imgSZAK41,
        &imgSZAK50,      &imgSZAK51,    &imgSZAK52,     &imgSZAK53,     &imgSZAK54,     &imgSZAK55,
        &imgSZAK60,      &imgVAL11,     &imgVAL12,      &imgVAL13,      &imgVAL1,       &imgVAL2,
        &imgVAL3,        &imgRPANEL3R,  &imgRPANEL2R,   &imgFLZ01_l,    &imgROCK1,      &imgBOSS11,
        &imgBOSS31,      &imgBOSS41,    &imgBOSS51,     &imgBOSS61,     &imgBOSS71,     &imgBOS111,
        &imgBOS511,      &imgVAL1624,   &imgVAL2024,    &imgVALL20,     &imgVAL201,     &imgVAL401,
        &imgVAL402,      &imgVAL402_2,  &imgVAL404,     &imgVAL405,     &imgVAL40L,     &imgVAL40L1,
        &imgVAL40L2,     &imgZAL20,     &imgVAL15L,     &imgVAL151L,    &imgVAL30L,     &imgVAL20,
        &imgVALARM11,    &imgVALARM12,  &imgVALARM31,   &imgVALARM32,   &imgVALARM33,   &imgVALARM34,
        &imgVALARM51,    &imgVALARM70,  &imgVALARM7,    &imgVALARM71,   &imgVALARM72,   &imgVALARM73,
        &imgVALARM74,    &imgVALARM75,  &imgVAL20w,     &imgVAL21w,     &imgVAL30w,     &imgVALL301,
        &imgVALL3011,    &imgVALL3013,  &imgVALL3014,   &imgVALL3015,   &imgVALL3016,   &imgVAL3015A,
        &imgVAL3016A,    &imgVALL3017,  &imgVALL3018,   &imgVAL3017A,   &imgVAL3018A,   &imgVALL302,
        &imgVALL3019,    &imgVALL3020,  &imgMESO1,      &imgZFIRE1,     &imgZFIRE2,     &imgBBACK1S,
        &imgBBACK2S,     &imgBBACK3S,   &imgBBACK6S,    &imgBBACK8S,    &imgTITLEC,     &imgVXTLCG1,
        &imgVXTLCG2,     &imgVXTLCG3,   &imgVXTLCG4,    &imgVXTLCG5,    &imgVXTLCG6,    &imgLEVEL0,
        &imgLEVEL1,      &imgCONTINU1,  &imgBackLayer4, &imgBackLayer6, &imgBackLayer7, &imgBackLayer9,
        &imgBackLayer10, &imgSidePanel, &imgPanelDrop1, &imgPanelDrop2, &imgPanelDrop3, &imgScene4Boss,
        &imgScene9Boss,
    };
    for (int32_t* handle : images)
        *handle = 0;
    sndSHOT = -1;
    sndBOM = -1;
}

void ResetGame() {
    score = highScore = lives = bombStock = gameMode = mainShotsOn = 0;
    difficulty = difficultyExtra = 0;
    plainBackground = mouseControl = keyboardControl = noDeathMode = effectDrawMode = weaponType = 0;
    scrollDistance = 0.0f;
    stageFrameCounter = pauseFlag = continuePrompt = 0;
    countdownSeconds = countdownArmed = countdownExpired = 0;
    timeUpClock = 0.0f;
    Zero(backStrips1, backStrips2, backStrips3, backStrips4, backStrips5, backStrips6, backStrips7,
         backStrips8, backStrips9, backStrips10);

    playerX = playerY = playerVX = playerVY = 0.0f;
    playerBank = playerBankStep = 0;
    playerVulnerable = respawnInvulnerable = respawnCounter = respawnBlink = clearEnemyShots = 0;
    narrowShotClock = wideShotClock = burstClock = burstActive = 0;
    narrowShotsEnabled = wideShotsEnabled = muzzleFlashNarrow = muzzleFlashWide = 0;
    bombClock = lockSightX = lockSightY = 0;
    Zero(homingChainClock, playerKeys, spareLockMarkersA, spareLockMarkersB, sightPanels, panelDrops,
         powerItem);
    captionHeight = 0.0f;

    currentScene = previousScene = nextScene = sceneChanged = 0;
    mouseX = mouseY = leftButtonDown = rightButtonDown = leftDoubleClick = 0;
    endingZoom = 0.0f;
    beforeSceneFrameHook = nullptr;
    afterSceneFrameHook = nullptr;
    ResetAssetHandles();

    for (const PoolEntry& pool : PoolCatalogue())
        std::memset(pool.storage, 0, size_t(pool.records) * size_t(pool.stride));
    Zero(largeEnemyD50, largeEnemyD51, largeEnemyD52, largeEnemyS53L, largeEnemyS53R, largeEnemyS50L,
         largeEnemyS50R, largeEnemyS54L, largeEnemyS54R, largeEnemyT60);
    Zero(scene2Boss, scene3Boss, scene4Boss, scene5Boss, scene6Boss, scene7Boss, scene8Boss, scene9Boss);
    Zero(scene2BossSilhouette, scene3BossIntro, scene6BossIntro, scene6BossVerticalBeam1,
         scene6BossVerticalBeam2);
}

} // namespace

void ResetGameGlobals() {
    CloseDevices();
    ResetPlatformHooks();
    ResetKitSystem();
    ResetKitDraw();
    ResetKitSound();
    ResetGame();
    // What ran before main(): the frame timer's start and the start time.
    RunStartupInitialisers();
}
