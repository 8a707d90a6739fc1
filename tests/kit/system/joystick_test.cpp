#include "kit/system/joystick.h"

#include "harness/reset_globals.h"
#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/system/kit_system.h"
#include "platform/bmp.h"
#include "platform/files.h"
#include "platform/joystick.h"

#include <gtest/gtest.h>

namespace {

class Joystick : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameGlobals();
        // A machine with a real pad plugged in cannot show an absent one.
        plat::JoyInfoEx info{};
        info.size = plat::kJoyInfoSize;
        info.flags = plat::kJoyReturnAll;
        if (plat::JoyGetPosEx(0, &info) == plat::kJoyOk) GTEST_SKIP() << "a pad is plugged in";
    }
    void TearDown() override { ResetGameGlobals(); }
    int32_t Pad() {
        const int32_t h = plat::AttachVirtualPadForTests(2, 4);
        EXPECT_GE(h, 0) << "virtual pads need SDL 2.26";
        return h;
    }
};

} // namespace

TEST_F(Joystick, AbsentPadReadsUnpluggedNeverPushed) {
    JoyInit();
    int32_t x = 7, y = 7;
    JoyGetCentre(0, &x, &y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    JoySetRates(0, 100.0f, 100.0f);
    frameDt = 0.5f;
    for (int pad = -1; pad <= 2; ++pad) {
        EXPECT_EQ(JoyButton(pad, 1), 0);
        EXPECT_EQ(JoyButtonState(pad, 1), 0);
        EXPECT_EQ(JoyButtonCharge(pad, 1), 0);
        EXPECT_EQ(JoyDirection8(pad), 5);
        int32_t a = 9, b = 9, c = 9, d = 9;
        JoyDirection(pad, &a, &b);
        EXPECT_EQ(a, 0);
        EXPECT_EQ(b, 0);
        a = b = 9;
        JoyPosition(pad, &a, &b);
        EXPECT_EQ(a + b, 0);
        a = b = 9;
        JoyAnalog(pad, &a, &b);
        EXPECT_EQ(a + b, 0);
        a = b = c = d = 9;
        JoyButtons4(pad, &a, &b, &c, &d);
        EXPECT_EQ(a + b + c + d, 0);
        a = b = c = d = 9;
        JoyButtonStates4(pad, &a, &b, &c, &d);
        EXPECT_EQ(a + b + c + d, 0);
        a = b = c = d = 9;
        JoyButtonCharges4(pad, &a, &b, &c, &d);
        EXPECT_EQ(a + b + c + d, 0);
    }
    EXPECT_EQ(joyPads[0].axisX, 0.0f);
    // Null outputs are simply not written.
    JoyDirection(0, nullptr, nullptr);
    JoyButtons4(0, nullptr, nullptr, nullptr, nullptr);
}

TEST_F(Joystick, ButtonEdgesAndForcedZero) {
    const int32_t h = Pad();
    JoyInit();
    plat::SetVirtualPadButtonForTests(h, 1, true);
    EXPECT_EQ(JoyButton(0, 1), 1);
    EXPECT_EQ(JoyButton(0, 2), 0);
    EXPECT_EQ(JoyButtonState(0, 1), 1);
    EXPECT_EQ(JoyButtonState(0, 1), 3);
    EXPECT_EQ(JoyButtonState(0, 1), 3);
    plat::SetVirtualPadButtonForTests(h, 1, false);
    EXPECT_EQ(JoyButtonState(0, 1), 2);
    EXPECT_EQ(JoyButtonState(0, 1), 0);

    // Held through a wipe, the overlay or a dialog: 0, stored as 0, so pressed again afterwards.
    int32_t* locks[3] = {&transitionCounter, &pageOverlayOn, &dialogMode};
    for (int32_t* lock : locks) {
        plat::SetVirtualPadButtonForTests(h, 1, true);
        EXPECT_EQ(JoyButtonState(0, 1), 1);
        *lock = 1;
        EXPECT_EQ(JoyButtonState(0, 1), 0);
        EXPECT_EQ(joyPads[0].buttonState[0], 0);
        *lock = 0;
        EXPECT_EQ(JoyButtonState(0, 1), 1);
        plat::SetVirtualPadButtonForTests(h, 1, false);
        EXPECT_EQ(JoyButtonState(0, 1), 2);
        EXPECT_EQ(JoyButtonState(0, 1), 0);
    }

    // All four at once.
    plat::SetVirtualPadButtonForTests(h, 2, true);
    plat::SetVirtualPadButtonForTests(h, 4, true);
    int32_t b1, b2, b3, b4;
    JoyButtons4(0, &b1, &b2, &b3, &b4);
    EXPECT_EQ(b1 * 1000 + b2 * 100 + b3 * 10 + b4, 101);
    JoyButtonStates4(0, &b1, &b2, &b3, &b4);
    EXPECT_EQ(b1 * 1000 + b2 * 100 + b3 * 10 + b4, 101);
    JoyButtonStates4(0, &b1, &b2, &b3, &b4);
    EXPECT_EQ(b1 * 1000 + b2 * 100 + b3 * 10 + b4, 303);
    // A pad unplugged keeps its stored states and reads 0.
    plat::DetachVirtualPadForTests(h);
    EXPECT_EQ(JoyButtonState(0, 2), 0);
    EXPECT_EQ(joyPads[0].buttonState[1], 3);

    // Buttons outside 1..4 have no state to keep.
    EXPECT_EQ(JoyButtonState(0, 0), 0);
    EXPECT_EQ(JoyButtonState(0, 5), 0);
    EXPECT_EQ(JoyButtonCharge(0, 5), 0);
}

TEST_F(Joystick, DirectionsAroundACentreOf101) {
    const int32_t h = Pad();
    plat::SetVirtualPadAxisForTests(h, 0, 101);
    plat::SetVirtualPadAxisForTests(h, 1, 101);
    JoyInit();
    int32_t cx, cy;
    JoyGetCentre(0, &cx, &cy);
    EXPECT_EQ(cx, 101);
    EXPECT_EQ(cy, 101);

    const struct {
        int32_t pos, side;
    } cases[] = {{0, -1}, {50, -1}, {51, 0}, {101, 0}, {150, 0}, {151, 1}, {65535, 1}};
    for (const auto& c : cases) {
        plat::SetVirtualPadAxisForTests(h, 0, c.pos);
        plat::SetVirtualPadAxisForTests(h, 1, 101);
        int32_t dx = 9, dy = 9;
        JoyDirection(0, &dx, &dy);
        EXPECT_EQ(dx, c.side) << c.pos;
        EXPECT_EQ(dy, 0);
        plat::SetVirtualPadAxisForTests(h, 0, 101);
        plat::SetVirtualPadAxisForTests(h, 1, c.pos);
        JoyDirection(0, &dx, &dy);
        EXPECT_EQ(dx, 0);
        EXPECT_EQ(dy, c.side) << c.pos;
    }

    // Keypad numbering: y low is up, x low is left.
    const struct {
        int32_t x, y, dir;
    } keypad[] = {{50, 50, 7},   {101, 50, 8}, {151, 50, 9},  {50, 101, 4}, {101, 101, 5},
                  {151, 101, 6}, {50, 151, 1}, {101, 151, 2}, {151, 151, 3}};
    for (const auto& k : keypad) {
        plat::SetVirtualPadAxisForTests(h, 0, k.x);
        plat::SetVirtualPadAxisForTests(h, 1, k.y);
        EXPECT_EQ(JoyDirection8(0), k.dir) << k.x << "," << k.y;
    }

    // Raw positions; the dead zone pulls a near-centre reading to the centre.
    plat::SetVirtualPadAxisForTests(h, 0, 1234);
    plat::SetVirtualPadAxisForTests(h, 1, 32768 + 300);
    int32_t px, py;
    JoyPosition(0, &px, &py);
    EXPECT_EQ(px, 1234);
    EXPECT_EQ(py, 32768);
    // Pad 1 is another device: absent here.
    EXPECT_EQ(JoyDirection8(1), 5);
}

TEST_F(Joystick, ChargesBuildWhileHeld) {
    const int32_t h = Pad();
    JoyInit();
    frameDt = 1.0f / 60.0f;
    plat::SetVirtualPadButtonForTests(h, 2, true);
    // Rates never set: nothing builds.
    EXPECT_EQ(JoyButtonCharge(0, 2), 0);
    JoySetRates(0, 0.0f, 50.0f);
    int32_t charge = 0;
    for (int frame = 1; frame <= 119; ++frame)
        charge = JoyButtonCharge(0, 2);
    EXPECT_GE(charge, 98);
    EXPECT_LT(charge, 100);
    JoyButtonCharge(0, 2);
    EXPECT_EQ(JoyButtonCharge(0, 2), 100) << "two seconds at 50 per second";
    EXPECT_EQ(JoyButtonCharge(0, 2), 100);
    plat::SetVirtualPadButtonForTests(h, 2, false);
    EXPECT_EQ(JoyButtonCharge(0, 2), 0);

    // The four at once; the others stay at 0.
    plat::SetVirtualPadButtonForTests(h, 3, true);
    frameDt = 0.5f;
    int32_t c1, c2, c3, c4;
    JoyButtonCharges4(0, &c1, &c2, &c3, &c4);
    EXPECT_EQ(c3, 25);
    JoyButtonCharges4(0, &c1, &c2, &c3, &c4);
    EXPECT_EQ(c3, 50);
    EXPECT_EQ(c1 + c2 + c4, 0);
    // Unplugged: the four read 0 but keep their charge; the single read drops its charge.
    plat::DetachVirtualPadForTests(h);
    JoyButtonCharges4(0, &c1, &c2, &c3, &c4);
    EXPECT_EQ(c3, 0);
    EXPECT_EQ(joyPads[0].charge[2], 50.0f);
    EXPECT_EQ(JoyButtonCharge(0, 3), 0);
    EXPECT_EQ(joyPads[0].charge[2], 0.0f);
}

TEST_F(Joystick, AnalogRampsAndReturns) {
    const int32_t h = Pad();
    JoyInit(); // centre 32768
    int32_t ax, ay;
    frameDt = 0.1f;
    plat::SetVirtualPadAxisForTests(h, 0, 65535);
    plat::SetVirtualPadAxisForTests(h, 1, 0);
    JoyAnalog(0, &ax, &ay);
    EXPECT_EQ(ax + ay, 0) << "rates start at 0";
    JoySetRates(0, 100.0f, 0.0f);
    JoyAnalog(0, &ax, &ay);
    EXPECT_EQ(ax, 10);
    EXPECT_EQ(ay, -10);
    for (int i = 0; i < 20; ++i)
        JoyAnalog(0, &ax, &ay);
    EXPECT_EQ(ax, 100);
    EXPECT_EQ(ay, -100);
    plat::SetVirtualPadAxisForTests(h, 0, 32768);
    plat::SetVirtualPadAxisForTests(h, 1, 32768);
    frameDt = 0.25f;
    JoyAnalog(0, &ax, &ay);
    EXPECT_EQ(ax, 75);
    EXPECT_EQ(ay, -75);
    for (int i = 0; i < 5; ++i)
        JoyAnalog(0, &ax, &ay);
    EXPECT_EQ(ax, 0);
    EXPECT_EQ(ay, 0);
    EXPECT_EQ(joyPads[0].axisX, 0.0f) << "stops at 0, never overshoots";

    // JoyResetAxes clears values and charges, keeps rates.
    plat::SetVirtualPadAxisForTests(h, 0, 65535);
    JoyAnalog(0, &ax, &ay);
    JoyResetAxes();
    EXPECT_EQ(joyPads[0].axisX, 0.0f);
    EXPECT_EQ(joyPads[0].axisRate, 100.0f);
    // JoyInit clears the rates too.
    JoyInit();
    EXPECT_EQ(joyPads[0].axisRate, 0.0f);
}

TEST_F(Joystick, TwoPadsAndAPadPluggedInLater) {
    JoyInit();
    const int32_t a = Pad();
    const int32_t b = Pad();
    // Pads absent at start have no centre; they take it from their first reading.
    EXPECT_EQ(JoyDirection8(0), 5) << "a pad at rest is not pushed";
    EXPECT_EQ(JoyDirection8(1), 5);
    int32_t cx, cy;
    JoyGetCentre(1, &cx, &cy);
    EXPECT_EQ(cx, 32768);
    plat::SetVirtualPadButtonForTests(b, 1, true);
    EXPECT_EQ(JoyButton(0, 1), 0);
    EXPECT_EQ(JoyButton(1, 1), 1);
    plat::SetVirtualPadAxisForTests(a, 0, 0);
    EXPECT_EQ(JoyDirection8(0), 4);
    EXPECT_EQ(JoyDirection8(1), 5);
    // The first unplugged: pad 0 reads unplugged, pad 1 stays pad 1.
    plat::DetachVirtualPadForTests(a);
    EXPECT_EQ(JoyDirection8(0), 5);
    EXPECT_EQ(JoyButton(1, 1), 1);
    EXPECT_EQ(JoyButton(0, 1), 0);
}
