#include "kit/sound/test_media.h"
#include "platform/wav.h"

#include <gtest/gtest.h>

using namespace testmedia;

namespace {
bool Parse(const Bytes& file, Bytes& format, Bytes& data) {
    return plat::ParseWave(file.data(), file.size(), format, data);
}
} // namespace

TEST(WaveReader, AcceptsChunksInAnyOrderWithTheirPadBytes) {
    Bytes format, data;
    const Bytes samples = {1, 2, 3, 4, 5, 6};

    // The canonical layout.
    ASSERT_TRUE(Parse(PcmWave(1, 22050, 16, samples), format, data));
    ASSERT_EQ(format.size(), 18u);
    plat::WaveFormat f;
    ASSERT_TRUE(plat::DecodeWaveFormat(format.data(), format.size(), f));
    EXPECT_EQ(f.formatTag, 1);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.samplesPerSec, 22050u);
    EXPECT_EQ(f.bitsPerSample, 16);
    EXPECT_EQ(f.cbSize, 0);
    EXPECT_EQ(data, samples);

    // Odd-sized chunks before, between and after: each is followed by a pad
    // byte that must be stepped over, or the next id is read one byte off.
    Bytes c;
    Chunk(c, "LIST", {'a', 'b', 'c'});
    Chunk(c, "fmt ", FmtBody(1, 2, 44100, 8));
    Chunk(c, "junk", {9});
    Chunk(c, "data", {0x80, 0x81, 0x82});
    Chunk(c, "tail", {7, 7, 7});
    ASSERT_TRUE(Parse(Riff(c), format, data));
    EXPECT_EQ(data, (Bytes{0x80, 0x81, 0x82}));
    ASSERT_TRUE(plat::DecodeWaveFormat(format.data(), format.size(), f));
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.bitsPerSample, 8);

    // Data before the format: both are looked for from the start of the form.
    c.clear();
    Chunk(c, "data", samples);
    Chunk(c, "fmt ", FmtBody(1, 1, 8000, 16));
    ASSERT_TRUE(Parse(Riff(c), format, data));
    EXPECT_EQ(data, samples);

    // An 18-byte PCM format chunk: the head is 16 bytes, the rest is skipped.
    c.clear();
    Bytes fmt18 = FmtBody(1, 1, 8000, 16);
    Put16(fmt18, 0);
    Chunk(c, "fmt ", fmt18);
    Chunk(c, "data", samples);
    ASSERT_TRUE(Parse(Riff(c), format, data));
    EXPECT_EQ(format.size(), 18u);

    // A non-PCM format keeps its extra bytes behind the 18-byte head.
    c.clear();
    Bytes adpcm = FmtBody(2, 1, 22050, 4);
    Put16(adpcm, 2);
    adpcm.push_back(0xAB);
    adpcm.push_back(0xCD);
    Chunk(c, "fmt ", adpcm);
    Chunk(c, "data", samples);
    ASSERT_TRUE(Parse(Riff(c), format, data));
    ASSERT_EQ(format.size(), 20u);
    EXPECT_EQ(format[16], 2);
    EXPECT_EQ(format[18], 0xAB);
    EXPECT_EQ(format[19], 0xCD);

    // An empty data chunk is still a readable file.
    ASSERT_TRUE(Parse(PcmWave(1, 22050, 16, {}), format, data));
    EXPECT_TRUE(data.empty());
}

TEST(WaveReader, RefusesDamagedFiles) {
    Bytes format, data;
    const Bytes samples = {1, 2, 3, 4};
    const Bytes good = PcmWave(1, 22050, 16, samples);

    EXPECT_FALSE(Parse({}, format, data));
    EXPECT_TRUE(format.empty() && data.empty());
    // Every truncation of a good file fails.
    for (size_t n = 0; n < good.size(); ++n) {
        Bytes cut(good.begin(), good.begin() + long(n));
        EXPECT_FALSE(Parse(cut, format, data)) << "length " << n;
        EXPECT_TRUE(format.empty() && data.empty());
    }

    Bytes notRiff = good;
    notRiff[0] = 'X';
    EXPECT_FALSE(Parse(notRiff, format, data));
    Bytes notWave = good;
    notWave[8] = 'A';
    EXPECT_FALSE(Parse(notWave, format, data));

    // A 14-byte format chunk.
    Bytes c;
    Bytes fmt14 = FmtBody(1, 1, 22050, 16);
    fmt14.resize(14);
    Chunk(c, "fmt ", fmt14);
    Chunk(c, "data", samples);
    EXPECT_FALSE(Parse(Riff(c), format, data));

    // A data chunk that claims more than the file holds.
    c.clear();
    Chunk(c, "fmt ", FmtBody(1, 1, 22050, 16));
    Chunk(c, "data", samples, 0x7FFFFFF0);
    EXPECT_FALSE(Parse(Riff(c), format, data));
    c.clear();
    Chunk(c, "fmt ", FmtBody(1, 1, 22050, 16));
    Chunk(c, "data", samples, 5);
    EXPECT_FALSE(Parse(Riff(c), format, data));

    // A format chunk that claims more than the file holds.
    c.clear();
    Chunk(c, "data", samples);
    Chunk(c, "fmt ", FmtBody(1, 1, 22050, 16), 40);
    EXPECT_FALSE(Parse(Riff(c), format, data));

    // No data chunk, no format chunk.
    c.clear();
    Chunk(c, "fmt ", FmtBody(1, 1, 22050, 16));
    EXPECT_FALSE(Parse(Riff(c), format, data));
    c.clear();
    Chunk(c, "data", samples);
    EXPECT_FALSE(Parse(Riff(c), format, data));

    // A chunk that lies past the end of the RIFF form is not part of it.
    c.clear();
    Chunk(c, "fmt ", FmtBody(1, 1, 22050, 16));
    Chunk(c, "data", samples);
    EXPECT_FALSE(Parse(Riff(c, 4 + 24), format, data));

    // A non-PCM format whose extra count runs past its chunk.
    c.clear();
    Bytes bad = FmtBody(2, 1, 22050, 4);
    Put16(bad, 100);
    Chunk(c, "fmt ", bad);
    Chunk(c, "data", samples);
    EXPECT_FALSE(Parse(Riff(c), format, data));
    c.clear();
    Chunk(c, "fmt ", FmtBody(3, 1, 22050, 32)); // no room for the count
    Chunk(c, "data", samples);
    EXPECT_FALSE(Parse(Riff(c), format, data));

    // A huge chunk size in the walk must not wrap the offset around.
    c.clear();
    Chunk(c, "junk", {1, 2}, 0xFFFFFFFF);
    Chunk(c, "fmt ", FmtBody(1, 1, 22050, 16));
    Chunk(c, "data", samples);
    EXPECT_FALSE(Parse(Riff(c), format, data));
}
