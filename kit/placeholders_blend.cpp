#include "kit/placeholders_blend.h"

uint32_t startTime = 0;
