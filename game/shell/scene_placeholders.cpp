// Empty scenes until the real ones land; the loader only brings the screen up.
#include "game/shell/scenes.h"

#include "game/shell/main_loop.h"
#include "kit/draw/screen.h"

void TitleScene() {}
void StageScene2() {}
void StageScene3() {}
void StageScene4() {}
void StageScene5() {}
void StageScene6() {}
void StageScene7() {}
void StageScene8() {}
void StageScene9() {}
void EndingScene() {}
void SetupScene() {}
void WeaponSelectScene() {}

void LoadAssets() {
    kitDraw::Screen(800, 600, 2);
    kitDraw::SetClip(180, 0, 620, 600);
    currentScene = 1;
    previousScene = 0;
}
