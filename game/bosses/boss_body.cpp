#include "game/bosses/boss_body.h"

#include "game/state/assets.h"
#include "kit/draw/blit.h"
#include "kit/system/fint.h"

namespace {

constexpr int32_t kSmokeCell = 80;
constexpr int32_t kSmokeCells = 10;
constexpr int32_t kSmokeCycles = 5;
constexpr int32_t kLockMarkerSize = 60;

void DrawPuff(const BossBody& body, const SmokePuff& puff) {
    const BossRecord& boss = *body.boss;
    const int32_t f = boss.smokeFrame;
    int32_t x, y;
    if (body.smokeFromTruncatedPosition) {
        x = FloatToInt(boss.x) + puff.dx;
        y = FloatToInt(boss.y) + puff.dy + puff.step * f;
    } else {
        x = FloatToInt(boss.x + float(puff.dx));
        const float slid = boss.y + float(puff.step * f);
        y = FloatToInt(slid + float(puff.dy));
    }
    BlitKeyed(x, y, *puff.image, kSmokeCell * f, 0, kSmokeCell * f + kSmokeCell, kSmokeCell);
}

void DrawLock(const LockMarker& m) {
    if (m.locked != 0) BlitKeyed(m.x, m.y, imgROCK1, 0, 0, kLockMarkerSize, kLockMarkerSize);
}

} // namespace

void BossBodyDraw(const BossBody& body) {
    BossRecord& boss = *body.boss;
    // A hit changes nothing in the picture; the flag is only consumed.
    BlitKeyed(FloatToInt(boss.x), FloatToInt(boss.y), *body.image, 0, 0, body.width, body.height);
    if (boss.BossHitFlash >= 1) {
        boss.BossHitFlash = 0;
        boss.flashShown = 1;
    }

    for (const SmokeBand& band : body.smoke) {
        if (!(boss.hp > 0.0f && boss.hp <= band.hpMax)) continue;
        for (const SmokePuff& puff : band.puffs)
            if (puff.image) DrawPuff(body, puff);
    }
    // The smoke clock runs every frame, smoke or not.
    boss.smokeFrame += 1;
    if (boss.smokeFrame >= kSmokeCells) {
        boss.smokeFrame = 0;
        if (body.countSmokeCycles) {
            boss.smokeCycle += 1;
            if (boss.smokeCycle >= kSmokeCycles) boss.smokeCycle = 0;
        }
    }

    for (int32_t i = 0; i < body.lockCount; ++i) {
        if (body.lockA) DrawLock(body.lockA[i]);
        if (body.lockB) DrawLock(body.lockB[i]);
    }

    body.defeat();
}
