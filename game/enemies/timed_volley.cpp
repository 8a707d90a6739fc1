#include "game/enemies/timed_volley.h"

#include "kit/draw/blend.h"
#include "kit/draw/blit.h"
#include "kit/system/kit_system.h"

namespace {

template <typename Record>
void FireOne(const TimedVolleyConstants& c, std::span<Record> pool, int32_t i, int32_t groupBase) {
    const int32_t n = static_cast<int32_t>(pool.size());
    const int32_t place = i - groupBase;
    if (i < 0 || i >= n || place < 0 || place >= c.width || place >= kMaxVolleyWidth) return;
    if (pool[i].active == 1) return;
    pool[i].active = 1;
    const float ownerX = *c.owner.x;
    const float ownerY = *c.owner.y;
    if (c.xWrite == VolleyX::Pair) {
        // Both records of the pair, so a partner still in flight jumps back
        // to its launch column at its current height.
        pool[groupBase].x = AddTerms(ownerX, c.x);
        if (groupBase + 1 < n) pool[groupBase + 1].x = AddTerms(ownerX, c.xRight);
    } else {
        pool[i].x = AddTerms(ownerX, c.x);
    }
    if (c.yWrite == VolleyY::Group) {
        for (int32_t m = 0; m < c.width && m < kMaxVolleyWidth && groupBase + m < n; ++m)
            pool[groupBase + m].y = ownerY + c.yOffset[m];
    } else {
        pool[i].y = ownerY + c.yOffset[place];
    }
}

template <typename Record> void Schedule(const TimedVolleyConstants& c, std::span<Record> pool) {
    RunGroupSchedule(c.schedule, pool, c.width, [&](int32_t i, int32_t base) { FireOne(c, pool, i, base); });
}

int32_t PlaceOf(const TimedVolleyConstants& c, int32_t i) {
    return c.width > 0 && c.width <= kMaxVolleyWidth ? i % c.width : 0;
}

template <typename Record> void Move(const TimedVolleyConstants& c, std::span<Record> pool) {
    const int32_t n = static_cast<int32_t>(pool.size());
    for (int32_t i = 0; i < n; ++i) {
        const float d = c.drift[PlaceOf(c, i)];
        if (d != 0.0f) pool[i].x = pool[i].x + d * frameDt;
    }
    for (Record& r : pool) {
        if (r.active != 1) continue;
        r.vy = c.fall;
        r.y = r.y + frameDt * r.vy;
        if constexpr (requires { r.vx; }) {
            if (c.slant != 0.0f) {
                r.vx = c.slant;
                r.x = r.x + frameDt * r.vx;
            }
        }
        if (r.y > 600.0f || (c.testsClear && clearEnemyShots == 1)) ParkRecord(r);
        TestPlayer(r.x, r.y, c.box);
    }
}

template <typename Record> void Draw(const TimedVolleyConstants& c, std::span<Record> pool) {
    const int32_t img = *c.image;
    const int32_t n = static_cast<int32_t>(pool.size());
    for (int32_t pass = 0; pass < c.passes; ++pass) {
        for (int32_t i = 0; i < n; ++i) {
            Record& r = pool[i];
            const int32_t left = c.animCells > 0 ? c.cellW * r.frame : c.cellLeft[PlaceOf(c, i)];
            const int32_t x = FloatToInt(r.x);
            const int32_t y = FloatToInt(r.y);
            if (c.blit == VolleyBlit::Keyed)
                BlitKeyed(x, y, img, left, 0, left + c.cellW, c.cellH);
            else
                BlitAdditive(x, y, img, left, 0, left + c.cellW, c.cellH);
            if (c.animCells > 0) {
                r.frame += 1;
                if (r.frame >= c.animCells) r.frame = 0;
            }
        }
    }
}

} // namespace

void TimedVolley_Schedule(const TimedVolleyConstants& c, std::span<TimedVolleyShortRecord> pool) {
    Schedule(c, pool);
}
void TimedVolley_Schedule(const TimedVolleyConstants& c, std::span<TimedVolleyLongRecord> pool) {
    Schedule(c, pool);
}
void TimedVolley_FireOne(const TimedVolleyConstants& c, std::span<TimedVolleyShortRecord> pool, int32_t i,
                         int32_t groupBase) {
    FireOne(c, pool, i, groupBase);
}
void TimedVolley_FireOne(const TimedVolleyConstants& c, std::span<TimedVolleyLongRecord> pool, int32_t i,
                         int32_t groupBase) {
    FireOne(c, pool, i, groupBase);
}
void TimedVolley_Draw(const TimedVolleyConstants& c, std::span<TimedVolleyShortRecord> pool) {
    Draw(c, pool);
}
void TimedVolley_Draw(const TimedVolleyConstants& c, std::span<TimedVolleyLongRecord> pool) { Draw(c, pool); }
void TimedVolley_Move(const TimedVolleyConstants& c, std::span<TimedVolleyShortRecord> pool) {
    Move(c, pool);
}
void TimedVolley_Move(const TimedVolleyConstants& c, std::span<TimedVolleyLongRecord> pool) { Move(c, pool); }
