#include "kit/draw/image.h"

ImageRecord imageTable[kImageSlots];
uint32_t keyColor = 0;
int32_t keyTopLeft = 0;
