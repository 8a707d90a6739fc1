#include "harness/reset_globals.h"
#include "kit/draw/screen.h"

#include <gtest/gtest.h>

using BlendTables = FreshGlobals;
using PixelFormat = FreshGlobals;
using SineTable = FreshGlobals;

TEST_F(PixelFormat, DerivedValuesOfBothFormats) {
    kitDraw::SetPixelFormat(0xF800, 0x07E0, 0x001F);
    EXPECT_EQ(redShift, 11);
    EXPECT_EQ(greenShift, 5);
    EXPECT_EQ(blueShift, 0);
    EXPECT_EQ(greenBits, 0x3Fu);
    EXPECT_EQ(greenShift5, 6);
    EXPECT_EQ(halfMask, 0x7BEFu);
    EXPECT_EQ(halfMask2, 0x7BEF7BEFu);
    EXPECT_EQ(colorMask, 0xFFFFu);

    kitDraw::SetPixelFormat(0x7C00, 0x03E0, 0x001F);
    EXPECT_EQ(redShift, 10);
    EXPECT_EQ(greenShift, 5);
    EXPECT_EQ(redBits, 0x1Fu);
    EXPECT_EQ(greenBits, 0x1Fu);
    EXPECT_EQ(blueBits, 0x1Fu);
    EXPECT_EQ(redShift5, redShift);
    EXPECT_EQ(greenShift5, greenShift);
    EXPECT_EQ(halfMask, 0x3DEFu);

    // A channel without a mask ends the scan instead of shifting forever.
    kitDraw::SetPixelFormat(0xF800, 0, 0x001F);
    EXPECT_EQ(greenShift, 0);
    EXPECT_EQ(greenBits, 0u);
    EXPECT_EQ(halfMask, 0x7800u | 0x000Fu);
}

TEST_F(SineTable, TruncatedEntries) {
    kitDraw::BuildSineTable();
    EXPECT_EQ(sineTable[0], 0);
    EXPECT_EQ(sineTable[30], 179);
    EXPECT_EQ(sineTable[90], 360);
    EXPECT_EQ(sineTable[270], -360);
    EXPECT_EQ(sineTable[360 + 45], sineTable[45]);
}

TEST_F(BlendTables, SaturationAndMixEnds) {
    kitDraw::SetPixelFormat(0xF800, 0x07E0, 0x001F);
    kitDraw::BuildBlendTables();
    EXPECT_EQ(additiveTable[0][0][31][31], 31 << 11);
    EXPECT_EQ(additiveTable[1][0][31][31], 31 << 6);
    EXPECT_EQ(additiveTable[2][0][31][31], 31);
    EXPECT_EQ(additiveTable[2][4][10][3], 9);
    EXPECT_EQ(subtractiveTable[2][3][5], 0);
    EXPECT_EQ(subtractiveTable[0][9][5], 4 << 11);
    for (int a = 0; a < 32; ++a) {
        EXPECT_EQ(mixTable[2][0][a][17], a); // level 0: the source
        EXPECT_EQ(mixTable[2][31][9][a], a); // level 31: the destination
    }
    // White decodes to 31 in every channel; the 6-bit green is halved.
    EXPECT_EQ(pixelDecodeTable[0xFFFF][0], 31);
    EXPECT_EQ(pixelDecodeTable[0xFFFF][1], 31);
    EXPECT_EQ(pixelDecodeTable[0x07E0][1], 31);
    EXPECT_EQ(thirdTable[93], 31);
    for (int i = 0; i < 10000; ++i)
        ASSERT_LE(noiseTable[i], 2);
}
