// The V2 squads' random aimed shots: one draw of the random stream per armed
// record for its speed, and a heading at the ship.
#include "game/enemies/random_aimed_shot.h"
#include "game/enemies/squads.h"
#include "harness/reference_random.h"
#include "kit/system/random.h"
#include "squad_world.h"

#include <cmath>

using RandomAimedShots = SquadWorld;

TEST_F(RandomAimedShots, EachArmedRecordTakesOneDrawForItsSpeedAndHeadsForTheShip) {
    for (int k = 0; k < kSquadSlots; ++k) {
        squadV2BSlots[k].x = 100.0f + 100.0f * k;
        squadV2BSlots[k].y = k == 3 ? -500.0f : 200.0f; // slot 3 free at its reset place
    }
    squadV2BSlots[3].x = -500.0f;
    ReferenceRandom ref{2024};
    auto nextSpeed = [&ref] { return float(ref.Next() % 100 + 210); };
    kitSystem::SeedRandom(ref.state);
    SquadV2B_Shot1_Fire();
    for (int k = 0; k < kSquadSlots; ++k) {
        const RandomAimedShotRecord& r = squadV2BShot1Pool[k];
        EXPECT_EQ(r.speed, nextSpeed()) << k;
        EXPECT_EQ(r.x, squadV2BSlots[k].x + 42.0f);
        EXPECT_EQ(r.y, squadV2BSlots[k].y + 50.0f);
        // Toward the ship's sprite + (22, 22), to the left or the right.
        const float dx = 392.0f - r.x, dy = 542.0f - r.y, len = std::hypot(dx, dy);
        EXPECT_NEAR(std::cos(r.angle), dx / len, 1e-5f) << k;
        EXPECT_NEAR(std::sin(r.angle), dy / len, 1e-5f) << k;
    }
    // A second member in band 1 the same frame finds every record live.
    SquadV2B_Shot1_Fire();
    EXPECT_EQ(kitSystem::RandomState(), ref.state);
    // The free slot's record is freed unseen by the same frame's move, and
    // the next fire arms it again with a fresh draw.
    SquadV2B_Shot1_Move();
    EXPECT_EQ(squadV2BShot1Pool[3].active, 0);
    EXPECT_EQ(squadV2BShot1Pool[2].active, 1);
    SquadV2B_Shot1_Fire();
    EXPECT_EQ(squadV2BShot1Pool[3].speed, nextSpeed());
    EXPECT_EQ(kitSystem::RandomState(), ref.state);
}
