#pragma once
// The order in which LoadAssets fills the image handles.
#include <cstdint>

// One row per image, in load order: the file name and its handle.
struct ImageAsset {
    const char* file;
    int32_t* handle;
};
extern const ImageAsset kImagesBeforeSounds[];
extern const int kImagesBeforeSoundsCount;
extern const ImageAsset kImagesAfterSounds[];
extern const int kImagesAfterSoundsCount;
