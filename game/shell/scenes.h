#pragma once
// Every scene function the main loop dispatches on currentScene, and the
// asset loader that runs before the loop.
#include "game/stages/stage_scenes.h"

void TitleScene();        // 1
void EndingScene();       // 10
void SetupScene();        // 11
void WeaponSelectScene(); // 12

// Screen, clip rectangle, images, sounds, high score, and the title scene.
void LoadAssets();
