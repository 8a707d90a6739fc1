#include "game/player/collisions.h"

#include "game/player/player_pools.h"
#include "game/player/power_item.h"
#include "game/player/ship.h"
#include "game/player/shots.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

#include <algorithm>
#include <cstdint>

namespace {

// Boss hp lost per hit, times frameDt.
constexpr float kBossDamageMain = 100.0f;
constexpr float kBossDamageBurst = 3.0f;
constexpr int32_t kItemReach = 60;

// Wide shots on the small kinds Q..V score straight onto the counter,
// whatever the branch values say.
void AddScoreDirect(int32_t points) {
    int64_t sum = int64_t(score) + points;
    if (sum > kScoreCap) sum = kScoreCap;
    score = int32_t(sum);
    if (score > highScore) highScore = score;
}

// Wide arithmetic, so a stray far-away record cannot overflow the sums.
bool InBox(int64_t s, int64_t t, int32_t low, int32_t high) { return t + low <= s && s <= t + high; }

// Whether a slot is tested at all in this pass, and where it stands.
bool Testable(const TargetRow& row, ShotPass pass, int32_t slot, int32_t& tx, int32_t& ty) {
    const TargetRecords& rec = row.records;
    if (TargetInt(rec, slot, rec.gateOffset) != 0) return false;
    const float y = TargetFloat(rec, slot, rec.yOffset);
    if (!(y >= row.yMin[pass])) return false;
    tx = FloatToInt(TargetFloat(rec, slot, rec.xOffset));
    ty = FloatToInt(y);
    return true;
}

bool Overlaps(const TargetRow& row, ShotPass pass, int32_t sx, int32_t sy, int32_t tx, int32_t ty) {
    const PassBox& box = row.box[pass];
    return InBox(sx, tx, box.xLow, box.xHigh) && InBox(sy, ty, row.yLow, row.yHigh);
}

void Hit(const TargetRow& row, ShotPass pass, int32_t slot, int32_t* shotActive) {
    const TargetRecords& rec = row.records;
    const PassBox& box = row.box[pass];
    switch (row.form) {
    case TargetForm::Slots:
        row.setHitSlot(slot);
        if (pass == kPassWide && row.wideDirect)
            AddScoreDirect(box.points);
        else
            AddScore(box.points);
        break;
    case TargetForm::Single:
        row.setHit();
        AddScore(box.points);
        break;
    case TargetForm::Counted: {
        // Shared by every shot and pass; counts from the spawn.
        const int32_t taken = TargetInt(rec, slot, rec.extraOffset) + 1;
        SetTargetInt(rec, slot, rec.extraOffset, taken);
        if (taken >= kCountedHitsNeeded) {
            row.setHit();
            AddScore(box.points);
        }
        break;
    }
    case TargetForm::Boss: {
        row.setHit();
        AddScore(box.points);
        float damage = kBossDamageBurst;
        if (pass != kPassBurst) {
            // The shot is spent, but finishes this frame's tests where it is.
            if (shotActive) *shotActive = 0;
            damage = kBossDamageMain;
        }
        SetTargetFloat(rec, slot, rec.extraOffset,
                       TargetFloat(rec, slot, rec.extraOffset) - damage * frameDt);
        break;
    }
    }
}

// Where the shots of one pass stand after their moves: the box around them all.
struct ShotBox {
    int64_t x0 = INT64_MAX, x1 = INT64_MIN, y0 = INT64_MAX, y1 = INT64_MIN;
    void Add(int32_t x, int32_t y) {
        x0 = std::min<int64_t>(x0, x);
        x1 = std::max<int64_t>(x1, x);
        y0 = std::min<int64_t>(y0, y);
        y1 = std::max<int64_t>(y1, y);
    }
};

// The slots one pass can hit, in table order. A hit only raises flags,
// counts and boss hp, never a slot's gate or place, so the list holds for the
// whole pass and each shot walks it instead of the whole table. Slots whose
// box misses the box around the pass's shots are left out.
class PassTargets {
  public:
    PassTargets(ShotPass pass, const ShotBox& shots) : pass_(pass) {
        for (const TargetRow& row : TargetTable())
            for (int32_t slot = 0; slot < row.slots; ++slot) {
                int32_t tx, ty;
                if (!Testable(row, pass, slot, tx, ty)) continue;
                const PassBox& box = row.box[pass];
                const Entry e{&row,
                              slot,
                              int64_t(tx) + box.xLow,
                              int64_t(tx) + box.xHigh,
                              int64_t(ty) + row.yLow,
                              int64_t(ty) + row.yHigh};
                if (e.x1 < shots.x0 || e.x0 > shots.x1 || e.y1 < shots.y0 || e.y0 > shots.y1) continue;
                if (count_ == kCapacity) {
                    overflow_ = true; // a table larger than the list: walk it whole
                    return;
                }
                entries_[count_++] = e;
            }
    }

    void Test(int32_t sx, int32_t sy, int32_t* shotActive) const {
        if (overflow_) {
            TestShotAgainstTargets(pass_, sx, sy, shotActive);
            return;
        }
        for (int32_t i = 0; i < count_; ++i) {
            const Entry& e = entries_[i];
            if (e.x0 <= sx && sx <= e.x1 && e.y0 <= sy && sy <= e.y1) Hit(*e.row, pass_, e.slot, shotActive);
        }
    }

  private:
    struct Entry {
        const TargetRow* row;
        int32_t slot;
        int64_t x0, x1, y0, y1; // the inclusive box a shot hits
    };
    static constexpr int32_t kCapacity = 256;
    ShotPass pass_;
    int32_t count_ = 0;
    bool overflow_ = false;
    Entry entries_[kCapacity];
};

// Moves every live shot of a pool, then tests each that was live in slot
// order. A move touches only its own shot and a test never a shot's move, so
// this is the order move, test, move, test; knowing every shot's place first
// lets the pass leave out the targets none can reach. A shot freed at the top
// by its move is still tested this once.
template <class Shot, int32_t N, class Move>
void UpdatePool(Shot (&pool)[N], ShotPass pass, Move move, bool freesOnBossHit) {
    bool live[N];
    ShotBox box;
    for (int32_t i = 0; i < N; ++i) {
        live[i] = pool[i].active != 0;
        if (!live[i]) continue;
        move(pool[i], i);
        box.Add(pool[i].x, pool[i].y);
    }
    const PassTargets targets(pass, box);
    for (int32_t i = 0; i < N; ++i)
        if (live[i]) targets.Test(pool[i].x, pool[i].y, freesOnBossHit ? &pool[i].active : nullptr);
}

void TouchPowerItem() {
    if (powerItem.active == 0 || !(powerItem.y > 50.0f)) return;
    const int32_t px = FloatToInt(playerX);
    const int32_t py = FloatToInt(playerY);
    const int32_t ix = FloatToInt(powerItem.x);
    const int32_t iy = FloatToInt(powerItem.y);
    if (InBox(px, ix, -kItemReach, kItemReach) && InBox(py, iy, -kItemReach, kItemReach)) {
        PowerItem_PickUp();
        AddScore(kPowerItemPoints);
    }
}

} // namespace

void TestShotAgainstTargets(ShotPass pass, int32_t sx, int32_t sy, int32_t* shotActive) {
    for (const TargetRow& row : TargetTable())
        for (int32_t slot = 0; slot < row.slots; ++slot) {
            int32_t tx, ty;
            if (Testable(row, pass, slot, tx, ty) && Overlaps(row, pass, sx, sy, tx, ty))
                Hit(row, pass, slot, shotActive);
        }
}

void PlayerShotsUpdate() {
    TouchPowerItem();
    UpdatePool(wideShots, kPassWide, MoveLaneShot, true);
    UpdatePool(narrowShots, kPassNarrow, MoveLaneShot, true);
    // The burst pierces bosses: nothing to free.
    UpdatePool(burstShots, kPassBurst, MoveBurstShot, false);
}
