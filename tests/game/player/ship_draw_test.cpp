// The picture of the player's three shot pools and muzzle flashes: which
// image each lane and flash takes in each game mode, where it lands, and the
// flash flags cleared once a frame.
#include "game/player/controls.h"
#include "game/player/player_pools.h"
#include "game/state/assets.h"
#include "kit/draw/image_ops.h"
#include "weapons_fixture.h"

namespace {

class ShotPicture : public WeaponsTest {
  protected:
    struct Slot {
        int32_t* handle;
        int32_t w, h;
    };

    // Every shot and flash image gets a solid colour of its own, told apart
    // by its index: red carries the index, green marks mode 3's set.
    void SetUp() override {
        WeaponsTest::SetUp();
        const Slot slots[] = {
            {&imgVEX2, 20, 20},     {&imgVEX1, 30, 30},   {&imgFLHST, 70, 36},    {&imgSFLH1, 60, 60},
            {&imgSFLH2, 60, 60},    {&imgSFLH3, 60, 60},  {&imgFLW1_3, 120, 60},  {&imgFLW2_1, 60, 60},
            {&imgFLW3_2, 60, 60},   {&imgFLHST2, 70, 36}, {&imgFLHST22, 124, 70}, {&imgVEX22, 20, 20},
            {&imgVEX11, 30, 30},    {&imgFLHST3, 70, 36}, {&imgSFLH11, 60, 60},   {&imgSFLH22, 60, 60},
            {&imgSFLH33, 60, 60},   {&imgFLW11, 120, 60}, {&imgFLW22, 60, 60},    {&imgFLW33, 60, 60},
            {&imgFLHST33, 124, 70},
        };
        int slot = 20;
        for (const Slot& s : slots) {
            *s.handle = slot;
            const int index = slot - 20;
            colour_[index] = SolidImage(slot, s.w, s.h, uint8_t(8 * (index + 1)), index >= 11 ? 200 : 8, 8);
            ++slot;
        }
        weaponType = 1;
        gameMode = 1;
        kitDraw::Clear();
    }

    uint16_t Colour(int32_t handle) const { return colour_[handle - 20]; }

    uint16_t colour_[21] = {};
};

} // namespace

TEST_F(ShotPicture, EveryLaneAndFlashDrawsItsImageAtItsPlace) {
    burstShots[150] = BurstShot{300, 100, 0, 0, 0.0f, 1}; // small: at (x, y)
    burstShots[10] = BurstShot{400, 100, 0, 0, 0.0f, 1};  // large: 5 up and left
    narrowShots[3] = PlayerShot{200, 200, 0, 10, 1};
    narrowShots[kLeftLane + 3] = PlayerShot{270, 200, 2, 10, 1};
    narrowShots[kRightLane + 3] = PlayerShot{340, 200, 2, 10, 1};
    wideShots[5] = PlayerShot{450, 200, 0, 10, 1}; // 120 wide, centred on x
    wideShots[kLeftLane + 5] = PlayerShot{200, 300, 3, 10, 1};
    wideShots[kRightLane + 5] = PlayerShot{270, 300, 3, 10, 1};
    narrowShots[4] = PlayerShot{500, 300, 0, 10, 0}; // free: not drawn
    DrawPlayerShots();

    EXPECT_EQ(Screen(300, 100), Colour(imgVEX2));
    EXPECT_EQ(Screen(319, 119), Colour(imgVEX2));
    EXPECT_EQ(Screen(320, 119), 0);
    EXPECT_EQ(Screen(395, 95), Colour(imgVEX1));
    EXPECT_EQ(Screen(394, 95), 0);
    EXPECT_EQ(Screen(424, 124), Colour(imgVEX1));
    EXPECT_EQ(Screen(425, 124), 0);
    EXPECT_EQ(Screen(200, 200), Colour(imgSFLH1));
    EXPECT_EQ(Screen(270, 200), Colour(imgSFLH2));
    EXPECT_EQ(Screen(340, 200), Colour(imgSFLH3));
    EXPECT_EQ(Screen(419, 230), 0);
    EXPECT_EQ(Screen(420, 230), Colour(imgFLW1_3));
    EXPECT_EQ(Screen(539, 259), Colour(imgFLW1_3));
    EXPECT_EQ(Screen(540, 259), 0);
    EXPECT_EQ(Screen(200, 300), Colour(imgFLW2_1));
    EXPECT_EQ(Screen(270, 300), Colour(imgFLW3_2));
    EXPECT_EQ(Screen(510, 310), 0);

    // Flashes sit 5 left of and 15 above the truncated ship position; each
    // is drawn once and its flag cleared.
    kitDraw::Clear();
    for (PlayerShot& s : narrowShots)
        s.active = 0;
    for (PlayerShot& s : wideShots)
        s.active = 0;
    for (BurstShot& s : burstShots)
        s.active = 0;
    playerX = 400.9f;
    playerY = 500.9f;
    muzzleFlashNarrow = 1;
    DrawPlayerShots();
    EXPECT_EQ(muzzleFlashNarrow, 0);
    EXPECT_EQ(Screen(395, 485), Colour(imgFLHST));
    EXPECT_EQ(Screen(394, 485), 0);
    EXPECT_EQ(Screen(464, 520), Colour(imgFLHST));
    EXPECT_EQ(Screen(465, 520), 0);

    // The wide flash brings the side flash only while the side shots are on.
    kitDraw::Clear();
    muzzleFlashWide = 1;
    powerItem.powerFlag1 = 0;
    DrawPlayerShots();
    EXPECT_EQ(muzzleFlashWide, 0);
    EXPECT_EQ(Screen(395, 485), Colour(imgFLHST2));
    EXPECT_EQ(Screen(368, 460), 0);
    kitDraw::Clear();
    muzzleFlashWide = 1;
    powerItem.powerFlag1 = 1;
    DrawPlayerShots();
    EXPECT_EQ(Screen(368, 460), Colour(imgFLHST22));
    EXPECT_EQ(Screen(491, 529), Colour(imgFLHST22));
    EXPECT_EQ(Screen(492, 529), 0);
    // Nothing is left to draw on the next frame.
    kitDraw::Clear();
    DrawPlayerShots();
    EXPECT_EQ(Screen(368, 460), 0);
}

TEST_F(ShotPicture, GameModeThreeTakesTheSecondSetAndOtherModesOrWeaponsDrawNothing) {
    burstShots[120] = BurstShot{300, 100, 0, 0, 0.0f, 1};
    burstShots[60] = BurstShot{400, 100, 0, 0, 0.0f, 1};
    narrowShots[30] = PlayerShot{270, 200, 2, 10, 1};
    wideShots[5] = PlayerShot{450, 200, 0, 10, 1};
    wideShots[60] = PlayerShot{270, 300, 3, 10, 1};
    playerX = 200.0f;
    playerY = 450.0f;
    powerItem.powerFlag1 = 1;

    gameMode = 3;
    muzzleFlashNarrow = 1;
    DrawPlayerShots();
    EXPECT_EQ(Screen(300, 100), Colour(imgVEX22));
    EXPECT_EQ(Screen(395, 95), Colour(imgVEX11));
    EXPECT_EQ(Screen(270, 200), Colour(imgSFLH22));
    EXPECT_EQ(Screen(420, 200), Colour(imgFLW11));
    EXPECT_EQ(Screen(270, 300), Colour(imgFLW33));
    EXPECT_EQ(Screen(195, 435), Colour(imgFLHST3));
    kitDraw::Clear();
    muzzleFlashWide = 1;
    DrawPlayerShots();
    EXPECT_EQ(Screen(168, 410), 0); // left of the play field: clipped
    EXPECT_EQ(Screen(180, 410), Colour(imgFLHST33));

    // Mode 2 uses the first set, like mode 1.
    kitDraw::Clear();
    gameMode = 2;
    DrawPlayerShots();
    EXPECT_EQ(Screen(300, 100), Colour(imgVEX2));

    // Any other mode draws nothing, yet the flash flags are still cleared.
    kitDraw::Clear();
    gameMode = 0;
    muzzleFlashNarrow = 1;
    muzzleFlashWide = 1;
    DrawPlayerShots();
    EXPECT_EQ(muzzleFlashNarrow, 0);
    EXPECT_EQ(muzzleFlashWide, 0);
    for (int32_t x = 180; x < 620; x += 7)
        for (int32_t y = 0; y < 600; y += 7)
            ASSERT_EQ(Screen(x, y), 0) << x << "," << y;

    // With another weapon nothing is drawn and the flags wait.
    gameMode = 1;
    weaponType = 2;
    muzzleFlashNarrow = 1;
    DrawPlayerShots();
    EXPECT_EQ(muzzleFlashNarrow, 1);
    EXPECT_EQ(Screen(300, 100), 0);
}
