#include "game/shell/load_assets.h"

#include "game/shell/scenes.h"
#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "game/state/scene_state.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/screen.h"
#include "kit/sound/sound.h"

const ImageAsset kImagesBeforeSounds[] = {
    {"IMAGE/ZBAK1B.BMP", &imgZBAK1B},     {"IMAGE/ZBAK2B.BMP", &imgZBAK2B},
    {"IMAGE/ZBAK3B.BMP", &imgZBAK3B},     {"IMAGE/ZBAK4B.BMP", &imgZBAK4B},
    {"IMAGE/ZBAK5B.BMP", &imgZBAK5B},     {"IMAGE/ZBAK6B.BMP", &imgZBAK6B},
    {"IMAGE/BBAK1B.BMP", &imgBBAK1B},     {"IMAGE/GFBAK1.BMP", &imgGFBAK1},
    {"IMAGE/MYME1.BMP", &imgMYME1},       {"IMAGE/FBOM1.BMP", &imgFBOM1},
    {"IMAGE/MYMY.BMP", &imgMYMY},         {"IMAGE/MYGOODN.BMP", &imgMYGOODN},
    {"IMAGE/SUJI09.BMP", &imgSUJI09},     {"IMAGE/HAHEN.BMP", &imgHAHEN},
    {"IMAGE/SFLH1.BMP", &imgSFLH1},       {"IMAGE/SFLH2.BMP", &imgSFLH2},
    {"IMAGE/SFLH3.BMP", &imgSFLH3},       {"IMAGE/SFLH4.BMP", &imgSFLH4},
    {"IMAGE/SFLH5.BMP", &imgSFLH5},       {"IMAGE/SFLH11.BMP", &imgSFLH11},
    {"IMAGE/SFLH22.BMP", &imgSFLH22},     {"IMAGE/SFLH33.BMP", &imgSFLH33},
    {"IMAGE/FLHST.BMP", &imgFLHST},       {"IMAGE/FLHST11.BMP", &imgFLHST11},
    {"IMAGE/FLHST2.BMP", &imgFLHST2},     {"IMAGE/FLHST22.BMP", &imgFLHST22},
    {"IMAGE/FLHST3.BMP", &imgFLHST3},     {"IMAGE/FLHST33.BMP", &imgFLHST33},
    {"IMAGE/FLW1_3.BMP", &imgFLW1_3},     {"IMAGE/FLW2_1.BMP", &imgFLW2_1},
    {"IMAGE/FLW3_2.BMP", &imgFLW3_2},     {"IMAGE/FLW11.BMP", &imgFLW11},
    {"IMAGE/FLW22.BMP", &imgFLW22},       {"IMAGE/FLW33.BMP", &imgFLW33},
    {"IMAGE/VEX1.BMP", &imgVEX1},         {"IMAGE/VEX2.BMP", &imgVEX2},
    {"IMAGE/VEX11.BMP", &imgVEX11},       {"IMAGE/VEX22.BMP", &imgVEX22},
    {"IMAGE/VEX3.BMP", &imgVEX3},         {"IMAGE/VEX4.BMP", &imgVEX4},
    {"IMAGE/VEX5.BMP", &imgVEX5},         {"IMAGE/VEX6.BMP", &imgVEX6},
    {"IMAGE/VEX7.BMP", &imgVEX7},         {"IMAGE/VEX8.BMP", &imgVEX8},
    {"IMAGE/VEX10.BMP", &imgVEX10},       {"IMAGE/SPOWER1.BMP", &imgSPOWER1},
    {"IMAGE/FBAK1.BMP", &imgFBAK1},       {"IMAGE/SZAK1.BMP", &imgSZAK1},
    {"IMAGE/SZAK3.BMP", &imgSZAK3},       {"IMAGE/SZAK4.BMP", &imgSZAK4},
    {"IMAGE/SZAK2.BMP", &imgSZAK2},       {"IMAGE/SZAK5.BMP", &imgSZAK5},
    {"IMAGE/SZAK6.BMP", &imgSZAK6},       {"IMAGE/SZAK7.BMP", &imgSZAK7},
    {"IMAGE/SZAK8.BMP", &imgSZAK8},       {"IMAGE/SZAK9.BMP", &imgSZAK9},
    {"IMAGE/SZAK10.BMP", &imgSZAK10},     {"IMAGE/SZAK12.BMP", &imgSZAK12},
    {"IMAGE/SZAK13.BMP", &imgSZAK13},     {"IMAGE/SZAK14.BMP", &imgSZAK14},
    {"IMAGE/SZAK15.BMP", &imgSZAK15},     {"IMAGE/SZAK16.BMP", &imgSZAK16},
    {"IMAGE/SZAK21.BMP", &imgSZAK21},     {"IMAGE/SZAK22.BMP", &imgSZAK22},
    {"IMAGE/SZAK23.BMP", &imgSZAK23},     {"IMAGE/SZAK24.BMP", &imgSZAK24},
    {"IMAGE/SZAK30.BMP", &imgSZAK30},     {"IMAGE/SZAK31.BMP", &imgSZAK31},
    {"IMAGE/SZAK32.BMP", &imgSZAK32},     {"IMAGE/SZAK33.BMP", &imgSZAK33},
    {"IMAGE/SZAK40.BMP", &imgSZAK40},     {"IMAGE/SZAK41.BMP", &imgSZAK41},
    {"IMAGE/SZAK50.BMP", &imgSZAK50},     {"IMAGE/SZAK51.BMP", &imgSZAK51},
    {"IMAGE/SZAK52.BMP", &imgSZAK52},     {"IMAGE/SZAK53.BMP", &imgSZAK53},
    {"IMAGE/SZAK54.BMP", &imgSZAK54},     {"IMAGE/SZAK55.BMP", &imgSZAK55},
    {"IMAGE/SZAK60.BMP", &imgSZAK60},     {"IMAGE/VAL11.BMP", &imgVAL11},
    {"IMAGE/VAL12.BMP", &imgVAL12},       {"IMAGE/VAL13.BMP", &imgVAL13},
    {"IMAGE/VAL1.BMP", &imgVAL1},         {"IMAGE/VAL2.BMP", &imgVAL2},
    {"IMAGE/VAL3.BMP", &imgVAL3},         {"IMAGE/RPANEL3R.BMP", &imgRPANEL3R},
    {"IMAGE/RPANEL2R.BMP", &imgRPANEL2R}, {"IMAGE/FLZ01_l.BMP", &imgFLZ01_l},
    {"IMAGE/ROCK1.BMP", &imgROCK1},       {"IMAGE/BOSS11.BMP", &imgBOSS11},
    {"IMAGE/BOSS31.BMP", &imgBOSS31},     {"IMAGE/BOSS41.BMP", &imgBOSS41},
    {"IMAGE/BOSS51.BMP", &imgBOSS51},     {"IMAGE/BOSS61.BMP", &imgBOSS61},
    {"IMAGE/BOSS71.BMP", &imgBOSS71},     {"IMAGE/BOS111.BMP", &imgBOS111},
    {"IMAGE/BOS511.BMP", &imgBOS511},     {"IMAGE/VAL1624.BMP", &imgVAL1624},
    {"IMAGE/VAL2024.BMP", &imgVAL2024},   {"IMAGE/VALL20.BMP", &imgVALL20},
    {"IMAGE/VAL201.BMP", &imgVAL201},     {"IMAGE/VAL401.BMP", &imgVAL401},
    {"IMAGE/VAL402.BMP", &imgVAL402},     {"IMAGE/VAL402.BMP", &imgVAL402_2},
    {"IMAGE/VAL404.BMP", &imgVAL404},     {"IMAGE/VAL405.BMP", &imgVAL405},
    {"IMAGE/VAL40L.BMP", &imgVAL40L},     {"IMAGE/VAL40L1.BMP", &imgVAL40L1},
    {"IMAGE/VAL40L2.BMP", &imgVAL40L2},   {"IMAGE/ZAL20.BMP", &imgZAL20},
    {"IMAGE/VAL15L.BMP", &imgVAL15L},     {"IMAGE/VAL151L.BMP", &imgVAL151L},
    {"IMAGE/VAL30L.BMP", &imgVAL30L},     {"IMAGE/VAL20.BMP", &imgVAL20},
    {"IMAGE/VALARM11.BMP", &imgVALARM11}, {"IMAGE/VALARM12.BMP", &imgVALARM12},
    {"IMAGE/VALARM31.BMP", &imgVALARM31}, {"IMAGE/VALARM32.BMP", &imgVALARM32},
    {"IMAGE/VALARM33.BMP", &imgVALARM33}, {"IMAGE/VALARM34.BMP", &imgVALARM34},
    {"IMAGE/VALARM51.BMP", &imgVALARM51}, {"IMAGE/VALARM70.BMP", &imgVALARM70},
    {"IMAGE/VALARM7.BMP", &imgVALARM7},   {"IMAGE/VALARM71.BMP", &imgVALARM71},
    {"IMAGE/VALARM72.BMP", &imgVALARM72}, {"IMAGE/VALARM73.BMP", &imgVALARM73},
    {"IMAGE/VALARM74.BMP", &imgVALARM74}, {"IMAGE/VALARM75.BMP", &imgVALARM75},
    {"IMAGE/VAL20w.BMP", &imgVAL20w},     {"IMAGE/VAL21w.BMP", &imgVAL21w},
    {"IMAGE/VAL30w.BMP", &imgVAL30w},     {"IMAGE/VALL301.BMP", &imgVALL301},
    {"IMAGE/VALL3011.BMP", &imgVALL3011}, {"IMAGE/VALL3013.BMP", &imgVALL3013},
    {"IMAGE/VALL3014.BMP", &imgVALL3014}, {"IMAGE/VALL3015.BMP", &imgVALL3015},
    {"IMAGE/VALL3016.BMP", &imgVALL3016}, {"IMAGE/VAL3015A.BMP", &imgVAL3015A},
    {"IMAGE/VAL3016A.BMP", &imgVAL3016A}, {"IMAGE/VALL3017.BMP", &imgVALL3017},
    {"IMAGE/VALL3018.BMP", &imgVALL3018}, {"IMAGE/VAL3017A.BMP", &imgVAL3017A},
    {"IMAGE/VAL3018A.BMP", &imgVAL3018A}, {"IMAGE/VALL302.BMP", &imgVALL302},
    {"IMAGE/VALL3019.BMP", &imgVALL3019}, {"IMAGE/VALL3020.BMP", &imgVALL3020},
    {"IMAGE/MESO1.BMP", &imgMESO1},       {"IMAGE/ZFIRE1.BMP", &imgZFIRE1},
    {"IMAGE/ZFIRE2.BMP", &imgZFIRE2},
};
const int kImagesBeforeSoundsCount = int(sizeof kImagesBeforeSounds / sizeof kImagesBeforeSounds[0]);
const ImageAsset kImagesAfterSounds[] = {
    {"IMAGE/BBACK1S.BMP", &imgBBACK1S},   {"IMAGE/BBACK2S.BMP", &imgBBACK2S},
    {"IMAGE/BBACK3S.BMP", &imgBBACK3S},   {"IMAGE/BBACK6S.BMP", &imgBBACK6S},
    {"IMAGE/BBACK8S.BMP", &imgBBACK8S},   {"IMAGE/TITLEC.BMP", &imgTITLEC},
    {"IMAGE/VXTLCG1.BMP", &imgVXTLCG1},   {"IMAGE/VXTLCG2.BMP", &imgVXTLCG2},
    {"IMAGE/VXTLCG3.BMP", &imgVXTLCG3},   {"IMAGE/VXTLCG4.BMP", &imgVXTLCG4},
    {"IMAGE/VXTLCG5.BMP", &imgVXTLCG5},   {"IMAGE/VXTLCG6.BMP", &imgVXTLCG6},
    {"IMAGE/LEVEL0.BMP", &imgLEVEL0},     {"IMAGE/LEVEL1.BMP", &imgLEVEL1},
    {"IMAGE/CONTINU1.BMP", &imgCONTINU1},
};
const int kImagesAfterSoundsCount = int(sizeof kImagesAfterSounds / sizeof kImagesAfterSounds[0]);

void LoadAssets() {
    kitDraw::Screen(800, 600, 2);
    // The play field; every scene draws inside it for the whole run.
    kitDraw::SetClip(180, 0, 620, 600);
    for (int i = 0; i < kImagesBeforeSoundsCount; ++i)
        *kImagesBeforeSounds[i].handle = kitDraw::LoadObject(kImagesBeforeSounds[i].file, 1);
    sndSHOT = kitSound::LoadObject("SOUND/SHOT.WAV", 1);
    sndBOM = kitSound::LoadObject("SOUND/BOM.WAV", 1);
    for (int i = 0; i < kImagesAfterSoundsCount; ++i)
        *kImagesAfterSounds[i].handle = kitDraw::LoadObject(kImagesAfterSounds[i].file, 1);
    highScore = 500;
    currentScene = kSceneTitle;
    previousScene = 0;
}
