// Stand-in until the frame timer lands beside this code: frameDt is weak so
// the frame timer's own definition wins.
#include "kit/sound/sound.h"

[[gnu::weak]] float frameDt = 0.0f;
