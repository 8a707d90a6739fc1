#include "game/player/collisions.h"

#include "game/player/player_pools.h"
#include "game/player/power_item.h"
#include "game/player/ship.h"
#include "game/player/shots.h"
#include "game/state/game_state.h"
#include "game/state/player_state.h"
#include "kit/system/fint.h"
#include "kit/system/kit_system.h"

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

// The slots one pass can hit, in table order. A hit only raises flags,
// counts and boss hp, never a slot's gate or place, so the list holds for the
// whole pass and each shot walks it instead of the whole table.
class PassTargets {
  public:
    explicit PassTargets(ShotPass pass) : pass_(pass) {
        for (const TargetRow& row : TargetTable())
            for (int32_t slot = 0; slot < row.slots; ++slot) {
                Entry e{&row, slot, 0, 0};
                if (!Testable(row, pass, slot, e.tx, e.ty)) continue;
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
            if (Overlaps(*e.row, pass_, sx, sy, e.tx, e.ty)) Hit(*e.row, pass_, e.slot, shotActive);
        }
    }

  private:
    struct Entry {
        const TargetRow* row;
        int32_t slot, tx, ty;
    };
    static constexpr int32_t kCapacity = 256;
    ShotPass pass_;
    int32_t count_ = 0;
    bool overflow_ = false;
    Entry entries_[kCapacity];
};

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

void UpdateLanePool(PlayerShot* pool, ShotPass pass) {
    const PassTargets targets(pass);
    for (int32_t i = 0; i < kPlayerShotSlots; ++i) {
        PlayerShot& shot = pool[i];
        if (shot.active == 0) continue;
        MoveLaneShot(shot, i);
        // A shot freed at the top by this move is still tested this once.
        targets.Test(shot.x, shot.y, &shot.active);
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
    UpdateLanePool(wideShots, kPassWide);
    UpdateLanePool(narrowShots, kPassNarrow);
    const PassTargets targets(kPassBurst);
    for (int32_t i = 0; i < kBurstShotSlots; ++i) {
        BurstShot& shot = burstShots[i];
        if (shot.active == 0) continue;
        MoveBurstShot(shot, i);
        // The burst pierces bosses: nothing to free.
        targets.Test(shot.x, shot.y, nullptr);
    }
}
