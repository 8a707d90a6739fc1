#pragma once
// One frame of each stage scene, named by its scene number.
void StageScene2();
void StageScene3();
void StageScene4();
void StageScene5();
void StageScene6();
void StageScene7();
void StageScene8();
void StageScene9();
