#pragma once
// Every scene function the main loop dispatches on currentScene, and the
// asset loader that runs before the loop.
void TitleScene();        // 1
void StageScene2();       // 2
void StageScene3();       // 3
void StageScene4();       // 4
void StageScene5();       // 5
void StageScene6();       // 6
void StageScene7();       // 7
void StageScene8();       // 8
void StageScene9();       // 9
void EndingScene();       // 10
void SetupScene();        // 11
void WeaponSelectScene(); // 12

// Screen, clip rectangle, images, sounds, high score, and the title scene.
void LoadAssets();
