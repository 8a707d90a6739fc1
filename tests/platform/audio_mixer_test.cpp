#include "harness/reset_globals.h"
#include "kit/sound/test_media.h"
#include "platform/audio.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testmedia;

namespace {
plat::WaveFormat Format(uint16_t channels, uint32_t rate, uint16_t bits) {
    plat::WaveFormat f;
    f.formatTag = plat::kWaveFormatPcm;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = uint16_t(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    return f;
}

std::vector<int16_t> Render(int frames) {
    std::vector<int16_t> out(size_t(frames) * 2);
    plat::AudioRenderForTests(out.data(), frames);
    return out;
}

// A buffer of `frames` mono 16-bit frames all at `value`.
int32_t ConstantBuffer(uint32_t frames, int16_t value, uint32_t rate = 44100) {
    int32_t id = plat::AudioCreateBuffer(Format(1, rate, 16), frames * 2);
    Bytes pcm = Constant16(frames, value);
    plat::AudioWriteBuffer(id, 0, pcm.data(), uint32_t(pcm.size()));
    return id;
}

class Mixer : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetGameGlobals();
        plat::AudioUseRenderHookForTests(true);
        ASSERT_TRUE(plat::AudioOpen());
        ASSERT_EQ(plat::AudioOutputRate(), 44100);
    }
    void TearDown() override { ResetGameGlobals(); }
};
} // namespace

using MixerDevice = FreshGlobals;

TEST_F(MixerDevice, NoDeviceMeansNoBuffersAndSilence) {
    plat::AudioFailOpenForTests(true);
    EXPECT_FALSE(plat::AudioOpen());
    EXPECT_FALSE(plat::AudioIsOpen());
    EXPECT_EQ(plat::AudioCreateBuffer(Format(1, 22050, 16), 100), plat::kAudioErrNoDevice);
    // Calls on nothing are harmless.
    plat::AudioPlay(0, true);
    plat::AudioSetVolume(-1, 0);
    plat::AudioBeep();
    EXPECT_EQ(plat::AudioGetStatus(0), 0u);
    EXPECT_EQ(Peak(Render(64)), 0);
}

TEST_F(Mixer, RefusesFormatsItCannotPlay) {
    EXPECT_EQ(plat::AudioCreateBuffer(Format(0, 22050, 16), 100), plat::kAudioErrBadFormat);
    EXPECT_EQ(plat::AudioCreateBuffer(Format(3, 22050, 16), 100), plat::kAudioErrBadFormat);
    EXPECT_EQ(plat::AudioCreateBuffer(Format(1, 22050, 24), 100), plat::kAudioErrBadFormat);
    EXPECT_EQ(plat::AudioCreateBuffer(Format(1, 0, 16), 100), plat::kAudioErrBadFormat);
    EXPECT_EQ(plat::AudioCreateBuffer(Format(1, 99, 16), 100), plat::kAudioErrBadFormat);
    EXPECT_EQ(plat::AudioCreateBuffer(Format(1, 100001, 16), 100), plat::kAudioErrBadFormat);
    EXPECT_EQ(plat::AudioCreateBuffer(Format(1, 22050, 16), 3), plat::kAudioErrBadFormat);
    plat::WaveFormat adpcm = Format(1, 22050, 16);
    adpcm.formatTag = 2;
    EXPECT_EQ(plat::AudioCreateBuffer(adpcm, 100), plat::kAudioErrBadFormat);
    EXPECT_GE(plat::AudioCreateBuffer(Format(1, 100, 8), 4), 0);
    EXPECT_GE(plat::AudioCreateBuffer(Format(2, 100000, 16), 4), 0);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 2);
    plat::AudioClose();
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 0);
}

TEST_F(Mixer, PlaysOnceOrLoopedAndStopKeepsThePosition) {
    int32_t id = ConstantBuffer(1000, 16384);
    ASSERT_GE(id, 0);
    EXPECT_EQ(plat::AudioGetFrequency(id), 44100u);

    // Nothing plays before Play, and the position stays.
    EXPECT_EQ(Peak(Render(100)), 0);
    EXPECT_EQ(plat::AudioGetPosition(id), 0u);

    plat::AudioPlay(id, false);
    EXPECT_EQ(plat::AudioGetStatus(id), plat::kBufferPlaying);
    std::vector<int16_t> out = Render(400);
    EXPECT_NEAR(out[0], 16384, 2);
    EXPECT_NEAR(out[1], 16384, 2);
    // The position follows what was rendered, two bytes a frame.
    EXPECT_EQ(plat::AudioGetPosition(id), 800u);

    plat::AudioStop(id);
    EXPECT_EQ(plat::AudioGetStatus(id), 0u);
    EXPECT_EQ(Peak(Render(100)), 0);
    EXPECT_EQ(plat::AudioGetPosition(id), 800u);

    // Resumes where it stopped, runs out after the remaining 600 frames and
    // rewinds.
    plat::AudioPlay(id, false);
    out = Render(1000);
    EXPECT_NEAR(out[2 * 599], 16384, 2);
    EXPECT_EQ(Peak(out, 2 * 600), 0);
    EXPECT_EQ(plat::AudioGetStatus(id), 0u);
    EXPECT_EQ(plat::AudioGetPosition(id), 0u);

    // Looping wraps around and keeps going.
    plat::AudioPlay(id, true);
    EXPECT_EQ(plat::AudioGetStatus(id), plat::kBufferPlaying | plat::kBufferLooping);
    out = Render(2500);
    EXPECT_NEAR(out[2 * 2499], 16384, 2);
    EXPECT_EQ(plat::AudioGetPosition(id), 1000u); // 2500 mod 1000 frames
    EXPECT_NE(plat::AudioGetStatus(id), 0u);

    // Positions: whole frames, and nothing past the end.
    plat::AudioSetPosition(id, 51);
    EXPECT_EQ(plat::AudioGetPosition(id), 50u);
    plat::AudioSetPosition(id, 2000);
    EXPECT_EQ(plat::AudioGetPosition(id), 50u);
}

TEST_F(Mixer, FrequencyResamplesAndIsClamped) {
    int32_t id = ConstantBuffer(1000, 8000, 22050);
    plat::AudioPlay(id, false);
    Render(100);
    EXPECT_EQ(plat::AudioGetPosition(id), 100u); // 50 frames at half the output rate

    plat::AudioSetFrequency(id, 88200);
    Render(100);
    EXPECT_EQ(plat::AudioGetPosition(id), 100u + 400u);

    plat::AudioSetFrequency(id, 5);
    EXPECT_EQ(plat::AudioGetFrequency(id), 100u);
    plat::AudioSetFrequency(id, 500000);
    EXPECT_EQ(plat::AudioGetFrequency(id), 100000u);

    // A sine at 1 kHz keeps its pitch at the output rate: count zero crossings.
    int32_t sine = plat::AudioCreateBuffer(Format(1, 22050, 16), 22050 * 2);
    Bytes pcm = Sine16(22050, 22050, 1000.0, 12000.0);
    plat::AudioWriteBuffer(sine, 0, pcm.data(), uint32_t(pcm.size()));
    plat::AudioStop(id);
    plat::AudioPlay(sine, false);
    std::vector<int16_t> out = Render(44100);
    int crossings = 0;
    for (size_t i = 2; i < out.size(); i += 2)
        crossings += (out[i - 2] < 0) != (out[i] < 0);
    EXPECT_NEAR(crossings, 2000, 4);
}

TEST_F(Mixer, VolumeAndPanAttenuateInHundredthsOfADecibel) {
    int32_t id = ConstantBuffer(4000, 20000);
    plat::AudioPlay(id, true);

    plat::AudioSetVolume(id, -2000); // -20 dB: a tenth
    std::vector<int16_t> out = Render(10);
    EXPECT_NEAR(out[0], 2000, 2);
    EXPECT_NEAR(out[1], 2000, 2);

    plat::AudioSetVolume(id, -20000);
    EXPECT_EQ(plat::AudioGetVolume(id), plat::kVolumeSilent);
    EXPECT_EQ(Peak(Render(10)), 0);
    plat::AudioSetVolume(id, 500);
    EXPECT_EQ(plat::AudioGetVolume(id), 0);

    plat::AudioSetPan(id, 10000);
    out = Render(10);
    EXPECT_EQ(out[0], 0);
    EXPECT_NEAR(out[1], 20000, 2);
    plat::AudioSetPan(id, -600); // right side -6 dB
    out = Render(10);
    EXPECT_NEAR(out[0], 20000, 2);
    EXPECT_NEAR(out[1], 20000 * std::pow(10.0, -0.3), 2);
    plat::AudioSetPan(id, -30000);
    EXPECT_EQ(plat::AudioGetPan(id), plat::kPanLeft);
}

TEST_F(Mixer, DecodesEightBitAndStereoAndSumsVoices) {
    int32_t eight = plat::AudioCreateBuffer(Format(1, 44100, 8), 100);
    std::vector<uint8_t> pcm8(100, 0xC0); // +0.5
    plat::AudioWriteBuffer(eight, 0, pcm8.data(), 100);
    int32_t stereo = plat::AudioCreateBuffer(Format(2, 44100, 16), 400);
    Bytes pcm;
    for (int i = 0; i < 100; ++i) {
        Put16(pcm, uint16_t(int16_t(1000)));
        Put16(pcm, uint16_t(int16_t(-3000)));
    }
    plat::AudioWriteBuffer(stereo, 0, pcm.data(), 400);

    plat::AudioPlay(eight, false);
    std::vector<int16_t> out = Render(10);
    EXPECT_NEAR(out[0], 16384, 2);
    EXPECT_NEAR(out[1], 16384, 2);
    plat::AudioPlay(stereo, false);
    out = Render(10);
    EXPECT_NEAR(out[0], 16384 + 1000, 2);
    EXPECT_NEAR(out[1], 16384 - 3000, 2);

    // Voices sum and the sum is clipped, not wrapped.
    int32_t loud1 = ConstantBuffer(100, 30000), loud2 = ConstantBuffer(100, 30000);
    plat::AudioStop(eight);
    plat::AudioStop(stereo);
    plat::AudioPlay(loud1, false);
    plat::AudioPlay(loud2, false);
    out = Render(10);
    EXPECT_EQ(out[0], 32767);
}

TEST_F(Mixer, WritesWrapLikeARingAndRefuseWhatDoesNotFit) {
    int32_t id = plat::AudioCreateBuffer(Format(1, 44100, 8), 8);
    const uint8_t src[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_TRUE(plat::AudioWriteBuffer(id, 5, src, 6)); // 5,6,7 then 0,1,2
    EXPECT_FALSE(plat::AudioWriteBuffer(id, 8, src, 1));
    EXPECT_FALSE(plat::AudioWriteBuffer(id, 0, src, 9));
    EXPECT_FALSE(plat::AudioWriteBuffer(-1, 0, src, 1));
    EXPECT_EQ(plat::AudioBufferBytes(id), 8u);
    // Play it and read the samples back through the output.
    plat::AudioPlay(id, false);
    std::vector<int16_t> out = Render(8);
    auto level = [](uint8_t v) { return int((float(v) - 128.0f) / 128.0f * 32767.0f); };
    EXPECT_NEAR(out[0], level(4), 1);
    EXPECT_NEAR(out[2 * 2], level(6), 1);
    EXPECT_NEAR(out[2 * 3], level(0x80), 1);
    EXPECT_NEAR(out[2 * 5], level(1), 1);

    plat::AudioReleaseBuffer(id);
    EXPECT_EQ(plat::AudioBufferBytes(id), 0u);
    plat::AudioPlay(id, false); // released: ignored
    EXPECT_EQ(plat::AudioGetStatus(id), 0u);
}

TEST_F(Mixer, BeepSounds) {
    plat::AudioBeep();
    EXPECT_GT(Peak(Render(2000)), 1000);
    // A second beep reuses its buffer.
    int live = plat::AudioLiveBuffersForTests();
    plat::AudioBeep();
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), live);
}
