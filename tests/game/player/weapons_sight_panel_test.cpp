// The weapon sight panel: its slide over the field, the ship it holds, and
// its single run per weapon type.
#include "game/player/sight_panel.h"
#include "game/state/assets.h"
#include "weapons_fixture.h"

namespace {

class SightPanelTest : public WeaponsTest {};

} // namespace

TEST_F(SightPanelTest, ThePanelSlidesUpOnceAndHoldsTheShipWhileItPassesTheTop) {
    weaponType = 1;
    // No loader fills the panel's handle: it draws the library's slot 0.
    const uint16_t grey = plat::RgbToPixel(plat::PixelFormat::RGB565, 96, 96, 96);
    vextest::Fill(imageTable[0].surface, grey);
    const SightPanel& p = sightPanels[0];

    SightPanel_Update();
    EXPECT_EQ(p.frameCounter, 1);
    EXPECT_FLOAT_EQ(p.x, 100.0f);
    EXPECT_FLOAT_EQ(p.y, 480.0f);
    vextest::Fill(backBuffer, 0);
    SightPanel_Update(); // drawn where the first frame put it
    EXPECT_EQ(Screen(180, 480), grey);
    EXPECT_EQ(Screen(539, 599), grey);
    EXPECT_EQ(Screen(540, 599), 0); // 440 wide from x 100
    EXPECT_EQ(Screen(300, 479), 0);
    for (int frame = 3; frame <= 10; ++frame)
        SightPanel_Update();
    EXPECT_FLOAT_EQ(p.y, 480.0f);
    SightPanel_Update(); // frame 11: rising at 160 px/s
    EXPECT_FLOAT_EQ(p.y, 480.0f - 160.0f * frameDt);

    int frame = 11;
    int heldFrames = 0;
    while (p.done == 0 && frame < 1000) {
        playerX = 10.0f;
        playerY = 20.0f;
        const float y = p.y;
        SightPanel_Update();
        ++frame;
        // From frame 180 on it rises at 560 px/s.
        if (frame == 179 || frame == 180) {
            EXPECT_NEAR(y - p.y, (frame == 180 ? 560.0f : 160.0f) * frameDt, 1e-3);
        }
        if (p.done == 0) {
            const bool held = p.y < 50.0f;
            heldFrames += held;
            EXPECT_EQ(playerX, held ? 290.0f : 10.0f) << frame;
            EXPECT_EQ(playerY, held ? 210.0f : 20.0f) << frame;
        }
    }
    EXPECT_EQ(p.done, 1);
    EXPECT_GT(heldFrames, 20);
    EXPECT_EQ(p.frameCounter, 0);
    EXPECT_FLOAT_EQ(p.x, -500.0f);
    EXPECT_FLOAT_EQ(p.y, -500.0f);

    // Done: neither drawn nor moved again, nor holding the ship.
    vextest::Fill(backBuffer, 0);
    playerX = 10.0f;
    SightPanel_Update();
    EXPECT_EQ(p.frameCounter, 0);
    EXPECT_EQ(playerX, 10.0f);
    EXPECT_EQ(Screen(300, 300), 0);

    // The lightning's panel is its own and has not started.
    EXPECT_EQ(sightPanels[1].done, 0);
    EXPECT_EQ(sightPanels[1].frameCounter, 0);
    weaponType = 2;
    SightPanel_Update();
    EXPECT_EQ(sightPanels[1].frameCounter, 1);
    EXPECT_FLOAT_EQ(sightPanels[1].x, 80.0f);
    weaponType = 3; // no panel
    SightPanel_Update();
    EXPECT_EQ(sightPanels[1].frameCounter, 1);

    // Without a sound device the bomb sound does nothing.
    PlayBomSound(0, 0);
}
