#include "game/stages/backgrounds.h"

#include "game/state/assets.h"
#include "game/state/game_state.h"
#include "kit/draw/blit.h"
#include "kit/draw/screen.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"
#include "kit/system/random.h"

PanelDrop panelDrops[3];

namespace {

constexpr float kTileHeight = 480.0f;

// A window [lo, hi] of scrollDistance, both ends inclusive; hi < 0 means
// "from lo on". Where two windows meet both speeds are added that frame.
struct SpeedWindow {
    float lo;
    float hi;
    float speed;
};

constexpr float kOpenEnd = -1.0f;

struct BackLayer {
    BackStrip* strips;
    int32_t count;
    const int32_t* image;
    int32_t tileWidth;
    bool resetsColumn; // x goes back to the column after each draw
    float column;
    bool drifts;      // sideways by the player's keys, kept within +-100
    bool relayMovesX; // a re-laid tile also goes to x 100
    float speed;      // px/s when there are no windows
    const SpeedWindow* windows;
    int32_t windowCount;
};

constexpr SpeedWindow kLayer3Windows[] = {
    {0, 500, 140},   {500, 530, 150},  {530, 560, 250},   {560, 590, 350},       {590, 620, 450},
    {620, 650, 550}, {650, 1000, 650}, {1000, 1150, 300}, {1150, kOpenEnd, 150},
};
constexpr SpeedWindow kLayer8Windows[] = {
    {0, 500, 150},   {500, 530, 200},  {530, 560, 300},   {560, 590, 400},       {590, 620, 300},
    {620, 650, 400}, {650, 1000, 250}, {1000, 1150, 200}, {1150, kOpenEnd, 150},
};
constexpr SpeedWindow kLayer7Windows[] = {
    {0, 400, 140},   {400, 450, 200},  {450, 500, 250},   {500, 550, 320},       {550, 600, 390},
    {600, 650, 450}, {650, 1000, 400}, {1000, 1150, 360}, {1150, kOpenEnd, 140},
};
constexpr SpeedWindow kLayer4Windows[] = {
    {0, 500, 150},    {500, 530, 150},  {530, 560, 250},   {560, 590, 350},       {590, 620, 450},
    {620, 650, 2550}, {650, 1000, 400}, {1000, 1150, 300}, {1150, kOpenEnd, 250},
};
constexpr SpeedWindow kLayer5Windows[] = {
    {0, 600, 140},   {600, 650, 200}, {650, 700, 250},  {700, 750, 300},       {750, 800, 370},
    {800, 850, 430}, {850, 900, 530}, {900, 1150, 320}, {1150, kOpenEnd, 140},
};
// Nothing moves it between 700 and 750.
constexpr SpeedWindow kLayer6Windows[] = {
    {0, 500, 150},   {500, 530, 200},   {530, 560, 300},   {560, 590, 400},   {590, 620, 2550},
    {620, 650, 600}, {650, 700, 640},   {750, 800, 360},   {800, 830, 200},   {830, 960, 300},
    {960, 990, 400}, {990, 1020, 2550}, {1020, 1050, 600}, {1050, 1100, 400}, {1100, kOpenEnd, 260},
};

template <int N> constexpr int32_t Count(const SpeedWindow (&)[N]) { return N; }

const BackLayer kBackLayer1{
    backStrips1, kBackStripEntries, &imgBBACK1S, 440, true, 180, false, true, 130, nullptr, 0};
const BackLayer kBackLayer2{
    backStrips2, kBackStripEntries, &imgBBACK2S, 440, true, 180, false, true, 100, nullptr, 0};
const BackLayer kBackLayer3{backStrips3, kBackStripEntries, &imgBBACK3S,          440, true, 180, false, true,
                            0,           kLayer3Windows,    Count(kLayer3Windows)};
const BackLayer kBackLayer8{
    backStrips8, kBackStripEntries, &imgBBACK8S,          440, true, 180, false, false,
    0,           kLayer8Windows,    Count(kLayer8Windows)};
const BackLayer kBackLayer7{backStrips7, kBackStripEntries, &imgBackLayer7,       640, true, 80, true, false,
                            0,           kLayer7Windows,    Count(kLayer7Windows)};
const BackLayer kBackLayer4{backStrips4, kBackStripEntries, &imgBackLayer4,       640, false, 0, true, false,
                            0,           kLayer4Windows,    Count(kLayer4Windows)};
const BackLayer kBackLayer5{backStrips5, kBackStripEntries, &imgBBACK6S,          640, true, 80, false, false,
                            0,           kLayer5Windows,    Count(kLayer5Windows)};
const BackLayer kBackLayer6{backStrips6, kBackStripEntries, &imgBackLayer6,       640, true, 80, true, false,
                            0,           kLayer6Windows,    Count(kLayer6Windows)};

// Each window's share is added on its own, as the speeds are stepped.
void Scroll(const BackLayer& layer, BackStrip& s) {
    if (!layer.windows) {
        s.y += layer.speed * frameDt;
        return;
    }
    const float d = scrollDistance;
    for (int32_t w = 0; w < layer.windowCount; ++w) {
        const SpeedWindow& win = layer.windows[w];
        if (d >= win.lo && (win.hi < 0.0f || d <= win.hi)) s.y += win.speed * frameDt;
    }
}

// A 480-row tile, keyed. Most of a layer's 5000 tiles lie wholly above or
// below the clip rectangle, where the blit would draw nothing; they are
// stepped over without the call.
void BlitTile(float x, float y, int32_t image, int32_t width) {
    const int32_t top = FloatToInt(y);
    if (top > clipBottom || int64_t(top) < int64_t(clipTop) - 480) return;
    BlitKeyed(FloatToInt(x), top, image, 0, 0, width, 480);
}

void DrawLayer(const BackLayer& layer) {
    BackStrip* strips = layer.strips;
    const int32_t last = layer.count - 1;
    for (int32_t i = 0; i < layer.count; ++i) {
        BackStrip& s = strips[i];
        BlitTile(s.x, s.y, *layer.image, layer.tileWidth);
        if (layer.resetsColumn) s.x = layer.column;
        Scroll(layer, s);
        if (layer.drifts) {
            s.x += s.vx * frameDt;
            s.vx = 0.0f;
            if (s.x < -100.0f) s.x = -100.0f;
            if (s.x > 100.0f) s.x = 100.0f;
        }
        // Tested per entry: the frame in which the top tile comes down re-lays
        // only that tile; every later entry of that frame has already moved.
        if (strips[last].y >= 0.0f) {
            s.y = -kTileHeight * float(i);
            if (layer.relayMovesX) s.x = 100.0f;
        }
    }
}

// The side strips stand still; the left one is re-laid on every call, the
// right one once its top tile is on screen.
void DrawSideStrip(BackStrip* strips, int32_t image, float column, bool relayEveryCall) {
    constexpr int32_t count = kBackStripEntries + 1;
    for (int32_t i = 0; i < count; ++i) {
        BackStrip& s = strips[i];
        BlitTile(s.x, s.y, image, 100);
        s.x = column;
        if (relayEveryCall) {
            // Re-laying all entries from inside the loop gives the same result
            // as doing it once, right after the first entry.
            if (i == 0)
                for (int32_t k = 0; k < count; ++k)
                    strips[k].y = -kTileHeight * float(k);
        } else if (strips[count - 1].y >= 0.0f) {
            s.y = -kTileHeight * float(i);
        }
    }
}

void StarRestart(Star& star, int32_t range, int32_t base) {
    star.frame = kitSystem::Random() % 7;
    star.x = float(kitSystem::Random() % 640);
    star.y = -float(kitSystem::Random() % 50);
    // A range of 0 or less would divide by zero: the star then falls at base.
    const int r = kitSystem::Random();
    star.vy = float(range > 0 ? r % range + base : base);
}

// --- Panel drops ---------------------------------------------------------------
struct PanelDropFamily {
    PanelDrop* drop;
    const int32_t* image;
    float speed;
};
const PanelDropFamily kPanelDrops[3] = {
    {&panelDrops[0], &imgPanelDrop1, 180.0f},
    {&panelDrops[1], &imgPanelDrop2, 220.0f},
    {&panelDrops[2], &imgPanelDrop3, 220.0f},
};

void PanelDropSpawn(const PanelDropFamily& f) {
    if (f.drop->active) return;
    f.drop->x = 100.0f;
    f.drop->y = -300.0f;
    f.drop->active = 1;
}

void PanelDropDraw(const PanelDropFamily& f) {
    if (f.drop->active) BlitKeyed(FloatToInt(f.drop->x), FloatToInt(f.drop->y), *f.image, 0, 0, 440, 300);
}

// The first frame moves at the speed left from before; the family's own
// speed takes over from the second.
void PanelDropMove(const PanelDropFamily& f) {
    PanelDrop& d = *f.drop;
    if (!d.active) return;
    d.y += d.speed * frameDt;
    d.speed = f.speed;
    if (d.y > 480.0f) {
        d.active = 0;
        d.x = ParkX;
        d.y = ParkY;
    }
}

// --- Boss portrait slide ----------------------------------------------------------
struct Portrait {
    int32_t due; // counter value that brings this portrait in
    float x;
    float y;
    const int32_t* image;
    int32_t width;
    int32_t height;
};
const Portrait kPortraits[8] = {
    {10, 100, -360, &imgBOSS11, 440, 360},   {400, 100, -380, &imgScene4Boss, 440, 380},
    {800, 90, -380, &imgBOSS31, 460, 380},   {1200, 100, -380, &imgBOSS41, 440, 380},
    {1600, 130, -460, &imgBOSS51, 380, 460}, {2000, 100, -460, &imgBOSS61, 440, 400},
    {2400, 70, -400, &imgBOSS71, 500, 400},  {2800, 80, -380, &imgScene9Boss, 480, 380},
};

} // namespace

void BackLayer1_Draw() { DrawLayer(kBackLayer1); }
void BackLayer2_Draw() { DrawLayer(kBackLayer2); }
void BackLayer3_Draw() { DrawLayer(kBackLayer3); }
void BackLayer4_Draw() { DrawLayer(kBackLayer4); }
void BackLayer5_Draw() { DrawLayer(kBackLayer5); }
void BackLayer6_Draw() { DrawLayer(kBackLayer6); }
void BackLayer7_Draw() { DrawLayer(kBackLayer7); }
void BackLayer8_Draw() { DrawLayer(kBackLayer8); }
void BackLayer9_Draw() { DrawSideStrip(backStrips9, imgBackLayer9, 0.0f, true); }
void BackLayer10_Draw() { DrawSideStrip(backStrips10, imgBackLayer10, 540.0f, false); }

void DrawStarField(int32_t range, int32_t base) {
    for (Star& star : stars) {
        const int32_t f = star.frame;
        BlitKeyed(FloatToInt(star.x), FloatToInt(star.y), imgMYMY, 139 + 3 * f, 70, 142 + 3 * f, 80);
        star.y += star.vy * frameDt;
        star.x += star.vx * frameDt;
        star.vx = 0.0f;
        if (star.y > 600.0f) StarRestart(star, range, base);
    }
}

void DrawSidePanels() {
    BlitOpaque(0, 0, imgSidePanel, 0, 0, 100, 480);
    BlitOpaque(540, 0, imgSidePanel, 0, 0, 100, 480);
}

void PanelDrop1_Spawn() { PanelDropSpawn(kPanelDrops[0]); }
void PanelDrop1_Draw() { PanelDropDraw(kPanelDrops[0]); }
void PanelDrop1_Move() { PanelDropMove(kPanelDrops[0]); }
void PanelDrop2_Spawn() { PanelDropSpawn(kPanelDrops[1]); }
void PanelDrop2_Draw() { PanelDropDraw(kPanelDrops[1]); }
void PanelDrop2_Move() { PanelDropMove(kPanelDrops[1]); }
void PanelDrop3_Spawn() { PanelDropSpawn(kPanelDrops[2]); }
void PanelDrop3_Draw() { PanelDropDraw(kPanelDrops[2]); }
void PanelDrop3_Move() { PanelDropMove(kPanelDrops[2]); }

void BossPortraitSlide_Schedule() {
    for (BossPortraitSlide& rec : bossPortraitSlides) {
        rec.counter += 1;
        for (int32_t p = 0; p < 8; ++p) {
            BossPortraitSlide& portrait = bossPortraitSlides[p];
            if (rec.counter == kPortraits[p].due && !portrait.active) {
                portrait.x = kPortraits[p].x;
                portrait.y = kPortraits[p].y;
                portrait.active = 1;
            }
        }
        if (rec.counter == 3200) rec.counter = 0;
    }
}

// Every live record draws the whole set, each picture at its own record.
void BossPortraitSlide_Draw() {
    for (const BossPortraitSlide& rec : bossPortraitSlides) {
        if (!rec.active) continue;
        for (int32_t p = 0; p < 8; ++p)
            BlitKeyed(FloatToInt(bossPortraitSlides[p].x), FloatToInt(bossPortraitSlides[p].y),
                      *kPortraits[p].image, 0, 0, kPortraits[p].width, kPortraits[p].height);
    }
}

void BossPortraitSlide_Move() {
    for (BossPortraitSlide& rec : bossPortraitSlides) {
        if (!rec.active) continue;
        rec.y += rec.speed * frameDt;
        rec.speed = 178.0f;
        if (rec.y > 480.0f) {
            rec.active = 0;
            rec.x = ParkX;
            rec.y = ParkY;
        }
    }
}
