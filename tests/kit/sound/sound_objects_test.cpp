#include "harness/reset_globals.h"
#include "kit/sound/sound.h"
#include "kit/sound/test_media.h"
#include "kit/system/random.h"
#include "platform/audio.h"
#include "platform/files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace testmedia;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

extern float frameDt;

namespace {
std::vector<int16_t> Render(int frames) {
    std::vector<int16_t> out(size_t(frames) * 2);
    plat::AudioRenderForTests(out.data(), frames);
    return out;
}

bool Playing(int32_t handle, int m) {
    return plat::AudioGetStatus(soundObjects[handle].buffers[m]) & plat::kBufferPlaying;
}
uint32_t Position(int32_t handle, int m) { return plat::AudioGetPosition(soundObjects[handle].buffers[m]); }

class SoundObjects : public ::testing::Test {
  protected:
    std::string dir;

    void SetUp() override {
        ResetGameGlobals();
        plat::AudioUseRenderHookForTests(true);
        plat::SetBeepEnabledForTests(false);
        dir = MakeTempDir();
        plat::SetProgramDirectoryForTests(dir);
        ASSERT_TRUE(WriteFile(dir + "SOUND/SHOT.WAV", PcmWave(1, 22050, 16, Constant16(4000, 12000))));
        ASSERT_TRUE(WriteFile(dir + "SOUND/BOM.WAV", PcmWave(2, 44100, 8, Bytes(4000, 0xA0))));
        ASSERT_EQ(kitSound::Init(), 1);
        kitSound::ResetSlots();
    }
    void TearDown() override {
        kitSound::Release();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
        ResetGameGlobals();
    }
    // Loads and returns what the error report wrote.
    std::string Load(const char* name, int32_t mix, int32_t& handle) {
        ::testing::internal::CaptureStderr();
        handle = kitSound::LoadObject(name, mix);
        return ::testing::internal::GetCapturedStderr();
    }
};
} // namespace

using SoundUnavailable = FreshGlobals;

TEST_F(SoundUnavailable, EveryCallDoesNothingAndReportsNothing) {
    plat::AudioFailOpenForTests(true);
    EXPECT_EQ(kitSound::Init(), 0);
    EXPECT_EQ(soundAvailable, 0);
    kitSound::ResetSlots();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(kitSound::LoadObject("SOUND/SHOT.WAV", 1), -1);
    kitSound::Play(-1, -1);
    kitSound::Play(0, -1);
    kitSound::SetVolume(0, -10, -1);
    kitSound::Echo(0, 10, 3, 10);
    kitSound::Stop(-1, -1);
    kitSound::Release();
    ErrorBeep();
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), IsEmpty());
    EXPECT_EQ(soundObjects[0].used, 0);
}

TEST_F(SoundObjects, LoadsIntoTheLowestFreeSlots) {
    int32_t h;
    EXPECT_THAT(Load("SOUND/SHOT.WAV", 1, h), IsEmpty());
    EXPECT_EQ(h, 0);
    EXPECT_EQ(soundObjects[0].used, 1);
    EXPECT_STREQ(soundObjects[0].name, "SOUND/SHOT.WAV");
    EXPECT_EQ(soundObjects[0].mixCount, 1);
    EXPECT_EQ(soundObjects[0].baseFrequency, 22050u);
    EXPECT_EQ(soundObjects[0].frequency[0], 22050u);
    EXPECT_EQ(soundObjects[0].echoCounter, -1);
    EXPECT_EQ(plat::AudioBufferBytes(soundObjects[0].buffers[0]), 8000u);
    // Names are matched case-insensitively against the disk.
    EXPECT_THAT(Load("sound/bom.wav", 1, h), IsEmpty());
    EXPECT_EQ(h, 1);
    EXPECT_EQ(soundObjects[1].baseFrequency, 44100u);

    // Freed slots are reused lowest first.
    kitSound::FreeObject(0);
    EXPECT_EQ(soundObjects[0].used, 0);
    EXPECT_EQ(soundObjects[0].buffers[0], -1);
    EXPECT_STREQ(soundObjects[0].name, "");
    Load("SOUND/BOM.WAV", 1, h);
    EXPECT_EQ(h, 0);
}

TEST_F(SoundObjects, MixCountLimitsAndTheSlotLimit) {
    int32_t h;
    EXPECT_THAT(Load("SOUND/SHOT.WAV", 11, h), HasSubstr("kitSound::LoadObject : ミックス数が多過ぎます"));
    EXPECT_EQ(h, -1);
    EXPECT_THAT(Load("SOUND/SHOT.WAV", -11, h), HasSubstr("ミックス数が多過ぎます"));
    EXPECT_EQ(h, -1);
    EXPECT_EQ(soundObjects[0].used, 0);

    EXPECT_THAT(Load("SOUND/SHOT.WAV", 10, h), IsEmpty());
    EXPECT_EQ(soundObjects[h].mixCount, 10);
    EXPECT_EQ(soundObjects[h].echoCounter, 0);
    for (int m = 0; m < 10; ++m)
        EXPECT_GE(soundObjects[h].buffers[m], 0);
    EXPECT_THAT(Load("SOUND/SHOT.WAV", -10, h), IsEmpty());
    EXPECT_EQ(soundObjects[h].mixCount, 10);
    EXPECT_EQ(soundObjects[h].echoCounter, -1); // duplicates without echo

    for (int i = 2; i < kitSound::kObjectCount; ++i)
        ASSERT_EQ(kitSound::LoadObject("SOUND/SHOT.WAV", 1), i);
    EXPECT_THAT(Load("SOUND/SHOT.WAV", 1, h), HasSubstr("kitSound::LoadObject : オブジェクト数が多過ぎます"));
    EXPECT_EQ(h, -1);
}

TEST_F(SoundObjects, BadFilesAreFailedLoads) {
    const std::string notFound = "kitSound::LoadObject : WAVEリソースが見つかりません";
    const std::string noBuffer = "kitSound::LoadObject : サウンドバッファが生成できません";
    int32_t h;
    EXPECT_THAT(Load("SOUND/NONE.WAV", 1, h), HasSubstr(notFound));
    EXPECT_EQ(h, -1);

    Bytes c;
    Bytes fmt14 = FmtBody(1, 1, 22050, 16);
    fmt14.resize(14);
    Chunk(c, "fmt ", fmt14);
    Chunk(c, "data", Constant16(100, 1));
    WriteFile(dir + "SOUND/FMT14.WAV", Riff(c));
    EXPECT_THAT(Load("SOUND/FMT14.WAV", 1, h), HasSubstr(notFound));
    EXPECT_EQ(h, -1);

    Bytes good = PcmWave(1, 22050, 16, Constant16(100, 1));
    WriteFile(dir + "SOUND/CUT.WAV", Bytes(good.begin(), good.end() - 10));
    EXPECT_THAT(Load("SOUND/CUT.WAV", 1, h), HasSubstr(notFound));
    WriteFile(dir + "SOUND/TEXT.WAV", Bytes{'h', 'e', 'l', 'l', 'o'});
    EXPECT_THAT(Load("SOUND/TEXT.WAV", 1, h), HasSubstr(notFound));

    // Readable files the mixer cannot play.
    WriteFile(dir + "SOUND/NOCH.WAV", PcmWave(0, 22050, 16, Constant16(100, 1)));
    EXPECT_THAT(Load("SOUND/NOCH.WAV", 1, h), HasSubstr(noBuffer));
    EXPECT_EQ(h, -1);
    WriteFile(dir + "SOUND/NORATE.WAV", PcmWave(1, 0, 16, Constant16(100, 1)));
    EXPECT_THAT(Load("SOUND/NORATE.WAV", 3, h), HasSubstr(noBuffer));
    EXPECT_EQ(h, -1);
    WriteFile(dir + "SOUND/EMPTY.WAV", PcmWave(1, 22050, 16, {}));
    EXPECT_THAT(Load("SOUND/EMPTY.WAV", 1, h), HasSubstr(noBuffer));

    // None of them took a slot or stranded a buffer.
    for (int i = 0; i < kitSound::kObjectCount; ++i)
        EXPECT_EQ(soundObjects[i].used, 0);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 0);
    EXPECT_EQ(kitSound::LoadObject("SOUND/SHOT.WAV", 1), 0);
}

TEST_F(SoundObjects, NameLengthIsCheckedAfterTheLoad) {
    ASSERT_TRUE(WriteFile(dir + "SOUND/LONGNAMEXXXXXXXXXXXX.WAV", PcmWave(1, 22050, 16, Constant16(10, 1))));
    ASSERT_TRUE(WriteFile(dir + "SOUND/LONGNAMEXXXXXXXXXXXXX.WAV", PcmWave(1, 22050, 16, Constant16(10, 1))));
    std::string thirty = "SOUND/LONGNAMEXXXXXXXXXXXX.WAV";
    std::string thirtyOne = "SOUND/LONGNAMEXXXXXXXXXXXXX.WAV";
    ASSERT_EQ(thirty.size(), 30u);
    ASSERT_EQ(thirtyOne.size(), 31u);

    int32_t h;
    EXPECT_THAT(Load(thirty.c_str(), 1, h), IsEmpty());
    EXPECT_EQ(h, 0);
    EXPECT_EQ(std::string(soundObjects[0].name), thirty);

    EXPECT_THAT(Load(thirtyOne.c_str(), 1, h),
                HasSubstr("kitSound::LoadObject : ファイル名またはリソース名が長すぎます"));
    EXPECT_EQ(h, -1);
    // The sound was loaded anyway: the slot is taken, without a name.
    EXPECT_EQ(soundObjects[1].used, 1);
    EXPECT_STREQ(soundObjects[1].name, "");
    EXPECT_GE(soundObjects[1].buffers[0], 0);
    EXPECT_EQ(kitSound::LoadObject("SOUND/SHOT.WAV", 1), 2);
}

TEST_F(SoundObjects, PlayGoesRoundRobinAndAFixedMixLeavesTheOrder) {
    int32_t h = kitSound::LoadObject("SOUND/SHOT.WAV", 3);
    ASSERT_EQ(h, 0);
    std::vector<int> order;
    for (int i = 0; i < 4; ++i) {
        Render(200); // let the earlier mixes move on from 0
        kitSound::Play(h, -1);
        // The mix just started is the one playing from 0.
        for (int m = 0; m < 3; ++m)
            if (Playing(h, m) && Position(h, m) == 0) order.push_back(m);
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(soundObjects[h].nextMix, 1);

    kitSound::Stop(h, -1);
    kitSound::Play(h, 2);
    EXPECT_TRUE(Playing(h, 2));
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_FALSE(Playing(h, 1));
    EXPECT_EQ(soundObjects[h].nextMix, 1);
    EXPECT_EQ(soundObjects[h].looping, 0);
    kitSound::PlayLoop(h, 0);
    EXPECT_EQ(plat::AudioGetStatus(soundObjects[h].buffers[0]), plat::kBufferPlaying | plat::kBufferLooping);
    EXPECT_EQ(soundObjects[h].looping, 1);

    // Every play restarts its mix from the beginning.
    Render(300);
    EXPECT_GT(Position(h, 0), 0u);
    kitSound::Play(h, 0);
    EXPECT_EQ(Position(h, 0), 0u);

    // What plays is heard: mixes 0 and 2, each a run of 12000s.
    std::vector<int16_t> out = Render(100);
    EXPECT_NEAR(out[20], 24000, 3);
}

TEST_F(SoundObjects, BadHandlesAndMixesPlayNothing) {
    int32_t h = kitSound::LoadObject("SOUND/SHOT.WAV", 2);
    for (int32_t bad : {-1, 5, 69, 70, -100, 1000}) {
        kitSound::Play(bad, -1);
        kitSound::PlayLoop(bad, 0);
        kitSound::Stop(bad, -1);
        kitSound::Pause(bad, -1);
        kitSound::SetVolume(bad, -10, -1);
        kitSound::AddFrequency(bad, 10, 0);
        kitSound::Echo(bad, 0, 3, 1);
        kitSound::FreeObject(bad);
    }
    kitSound::Play(h, 2);
    kitSound::Play(h, 9);
    kitSound::SetVolume(h, -10, 5);
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_FALSE(Playing(h, 1));
    EXPECT_EQ(Peak(Render(100)), 0);
    EXPECT_EQ(soundObjects[h].volume[0], 0);

    // A mix count of 0 makes an object without buffers: it plays nothing.
    int32_t none = kitSound::LoadObject("SOUND/SHOT.WAV", 0);
    ASSERT_EQ(none, 1);
    EXPECT_EQ(soundObjects[none].mixCount, 0);
    kitSound::Play(none, -1);
    kitSound::Play(none, -2);
    kitSound::Play(none, 0);
    EXPECT_EQ(soundObjects[none].nextMix, 0);
    EXPECT_EQ(Peak(Render(100)), 0);
}

TEST_F(SoundObjects, SettersClampAndChooseTheirMixes) {
    int32_t h = kitSound::LoadObject("SOUND/SHOT.WAV", 3);
    const SoundObject& o = soundObjects[h];

    kitSound::SetVolume(h, -150, -1);
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(o.volume[m], -10000);
        EXPECT_EQ(plat::AudioGetVolume(o.buffers[m]), -10000);
    }
    kitSound::AddVolume(h, 30, 1);
    EXPECT_EQ(o.volume[1], -7000);
    kitSound::AddVolume(h, 500, 1);
    EXPECT_EQ(o.volume[1], 0);
    kitSound::SetVolume(h, 1, 0);
    EXPECT_EQ(o.volume[0], 0);
    kitSound::ResetVolume(h, -1);
    EXPECT_EQ(o.volume[2], 0);

    kitSound::AddFrequency(h, -300, -1);
    EXPECT_EQ(o.frequency[0], 100u);
    EXPECT_EQ(plat::AudioGetFrequency(o.buffers[0]), 100u);
    kitSound::AddFrequency(h, 10, 0);
    EXPECT_EQ(o.frequency[0], 1100u);
    kitSound::SetFrequency(h, 1000, 0);
    EXPECT_EQ(o.frequency[0], 100000u);
    kitSound::SetFrequency(h, -221, 0);
    EXPECT_EQ(o.frequency[0], 100u);
    kitSound::SetFrequency(h, 5, 0);
    EXPECT_EQ(o.frequency[0], 22550u);
    kitSound::AddFrequency(h, 2147483647, 0); // no overflow: clamped
    EXPECT_EQ(o.frequency[0], 100000u);
    kitSound::ResetFrequency(h, -1);
    EXPECT_EQ(o.frequency[0], 22050u);
    EXPECT_EQ(plat::AudioGetFrequency(o.buffers[0]), 22050u);

    kitSound::SetPan(h, 200, -1);
    EXPECT_EQ(o.pan[2], 10000);
    kitSound::AddPan(h, -150, 2);
    EXPECT_EQ(o.pan[2], -5000);
    EXPECT_EQ(plat::AudioGetPan(o.buffers[2]), -5000);
    kitSound::PanLeft(h, 0);
    EXPECT_EQ(o.pan[0], -10000);
    kitSound::PanRight(h, 0);
    EXPECT_EQ(o.pan[0], 10000);
    kitSound::ResetPan(h, -1);
    EXPECT_EQ(o.pan[0], 0);

    // -2: only the mix that plays next.
    kitSound::Play(h, -1);
    ASSERT_EQ(o.nextMix, 1);
    kitSound::SetVolume(h, -20, -2);
    EXPECT_EQ(o.volume[0], 0);
    EXPECT_EQ(o.volume[1], -2000);
    EXPECT_EQ(o.volume[2], 0);
}

TEST_F(SoundObjects, PauseTwiceResumesAtTheSavedPositionAndStopRewinds) {
    int32_t h = kitSound::LoadObject("SOUND/SHOT.WAV", 1);
    kitSound::PlayLoop(h, -1);
    Render(1000); // 500 frames of the 22050 Hz sound
    kitSound::Pause(h, -1);
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_EQ(soundObjects[h].pausePosition[0], 1000u);
    Render(1000);
    EXPECT_EQ(Position(h, 0), 1000u);
    kitSound::Pause(h, 0);
    EXPECT_EQ(plat::AudioGetStatus(soundObjects[h].buffers[0]), plat::kBufferPlaying | plat::kBufferLooping);
    Render(200);
    EXPECT_EQ(Position(h, 0), 1200u);

    kitSound::Stop(h, 0);
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_EQ(Position(h, 0), 0u);
}

TEST_F(SoundObjects, EchoReplaysWithFallingVolume) {
    kitSystem::SeedRandom(1); // first draw 41: odd
    int32_t h = kitSound::LoadObject("SOUND/SHOT.WAV", 3);
    kitSound::SetVolume(h, -5, -1);
    kitSound::SetFrequency(h, 10, -1);
    kitSound::Play(h, -2);
    const SoundObject& o = soundObjects[h];
    EXPECT_EQ(o.echoCounter, 1);
    EXPECT_EQ(o.echoLoop, 0);
    EXPECT_EQ(o.echoPanDirection, 1);
    EXPECT_EQ(o.volume[1], 0); // the echo start resets every mix
    EXPECT_EQ(o.frequency[2], 22050u);
    EXPECT_TRUE(Playing(h, 0));
    EXPECT_EQ(o.nextMix, 1);

    frameDt = 0.016f;
    int frames = 0;
    while (o.echoCounter == 1 && frames < 100) {
        kitSound::Echo(h, 100, 2, 10);
        ++frames;
    }
    EXPECT_EQ(frames, 7); // 7 x 16 ms reach 100 ms
    EXPECT_TRUE(Playing(h, 1));
    EXPECT_EQ(o.volume[1], -1000);
    EXPECT_EQ(o.echoCounter, 2);
    for (int i = 0; i < 7; ++i)
        kitSound::Echo(h, 100, 2, 10);
    EXPECT_TRUE(Playing(h, 2));
    EXPECT_EQ(o.volume[2], -2000);
    EXPECT_EQ(o.echoCounter, 0); // count reached: over
    EXPECT_EQ(o.nextMix, 0);
    for (int i = 0; i < 20; ++i)
        kitSound::Echo(h, 100, 2, 10);
    EXPECT_EQ(o.nextMix, 0);
    EXPECT_EQ(o.volume[0], 0);

    // A stop with a negative mix ends a running echo.
    kitSound::PlayLoop(h, -2);
    EXPECT_EQ(o.echoLoop, 1);
    kitSound::Stop(h, -1);
    EXPECT_EQ(o.echoCounter, 0);
    for (int m = 0; m < 3; ++m)
        EXPECT_FALSE(Playing(h, m));
}

TEST_F(SoundObjects, EchoIsUnavailableOnAOneBufferObject) {
    int32_t h = kitSound::LoadObject("SOUND/SHOT.WAV", 1);
    kitSound::SetVolume(h, -5, -1);
    kitSound::Play(h, -2);
    EXPECT_TRUE(Playing(h, 0)); // plays like -1
    EXPECT_EQ(soundObjects[h].echoCounter, -1);
    EXPECT_EQ(soundObjects[h].volume[0], -500); // and resets nothing
    kitSound::Stop(h, -1);
    EXPECT_EQ(soundObjects[h].echoCounter, -1);
    frameDt = 1.0f;
    for (int i = 0; i < 10; ++i)
        kitSound::Echo(h, 1, 5, 10);
    EXPECT_FALSE(Playing(h, 0));
    EXPECT_EQ(soundObjects[h].volume[0], -500);
}

TEST_F(SoundObjects, EchoPanSweepsAndTurnsAtItsBounds) {
    kitSystem::SeedRandom(2); // first draw 45: odd, rightwards
    int32_t h = kitSound::LoadObject("SOUND/SHOT.WAV", 2);
    kitSound::Play(h, -2);
    const SoundObject& o = soundObjects[h];
    frameDt = 0.1f;
    kitSound::EchoPan(h, 50, 10, 1, 1); // +10
    EXPECT_FLOAT_EQ(o.echoPan, 10.0f);
    EXPECT_EQ(o.pan[1], 1000);
    kitSound::EchoPan(h, 50, 10, 1, 3); // +30 -> 40 -> held at 30, turns
    EXPECT_FLOAT_EQ(o.echoPan, 30.0f);
    EXPECT_EQ(o.echoPanDirection, -1);
    EXPECT_EQ(o.pan[0], 3000);
    kitSound::EchoPan(h, 50, 10, 1, 7); // -70 -> -30, turns again
    EXPECT_FLOAT_EQ(o.echoPan, -30.0f);
    EXPECT_EQ(o.echoPanDirection, 1);
    EXPECT_EQ(o.pan[1], -3000);
}

TEST_F(SoundObjects, ReleaseAndReloadKeepSlotsAndSettings) {
    int32_t a = kitSound::LoadObject("SOUND/SHOT.WAV", 2);
    int32_t b = kitSound::LoadObject("SOUND/BOM.WAV", 1);
    kitSound::SetVolume(a, -12, 1);
    kitSound::SetFrequency(a, 20, 0);
    kitSound::SetPan(b, -7, 0);
    kitSound::Play(a, -1);

    kitSound::Release();
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 0);
    EXPECT_EQ(soundObjects[a].used, 1);
    EXPECT_EQ(soundObjects[a].buffers[0], -1);
    kitSound::Play(a, -1); // no buffers: nothing, no crash
    kitSound::Play(a, -1);
    EXPECT_EQ(soundObjects[a].nextMix, 1);
    EXPECT_EQ(Peak(Render(100)), 0);

    kitSound::ReloadAll();
    EXPECT_EQ(soundReloading, 0);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 3);
    EXPECT_EQ(soundObjects[a].nextMix, 1); // the round robin goes on
    EXPECT_EQ(plat::AudioGetVolume(soundObjects[a].buffers[1]), -1200);
    EXPECT_EQ(plat::AudioGetFrequency(soundObjects[a].buffers[0]), 24050u);
    EXPECT_EQ(plat::AudioGetPan(soundObjects[b].buffers[0]), -700);
    EXPECT_STREQ(soundObjects[b].name, "SOUND/BOM.WAV");

    // A rebuild without a release first must not strand the old buffers.
    kitSound::ReloadAll();
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 3);
    kitSound::Play(b, -1);
    EXPECT_GT(Peak(Render(100)), 0);
}

TEST_F(SoundObjects, ErrorBeepSoundsBesideTheEffects) {
    int32_t h = kitSound::LoadObject("SOUND/SHOT.WAV", 1);
    plat::SetBeepEnabledForTests(true);
    ErrorBeep();
    EXPECT_GT(Peak(Render(1000)), 1000);
    EXPECT_FALSE(Playing(h, 0));
}

TEST_F(SoundObjects, ReadWaveFileHandsBackTheFormatBlockAndSamples) {
    std::vector<uint8_t> format = {9}, data = {9};
    uint32_t formatSize = 7, dataSize = 7;
    EXPECT_EQ(ReadWaveFile((dir + "sound/shot.wav").c_str(), format, formatSize, data, dataSize), 0);
    EXPECT_EQ(formatSize, 18u);
    EXPECT_EQ(format.size(), 18u);
    EXPECT_EQ(dataSize, 8000u);
    EXPECT_EQ(data.size(), 8000u);

    Bytes c;
    Bytes fmt14 = FmtBody(1, 1, 22050, 16);
    fmt14.resize(14);
    Chunk(c, "fmt ", fmt14);
    Chunk(c, "data", Constant16(100, 1));
    WriteFile(dir + "SOUND/FMT14.WAV", Riff(c));
    EXPECT_EQ(ReadWaveFile((dir + "SOUND/FMT14.WAV").c_str(), format, formatSize, data, dataSize), 1);
    EXPECT_EQ(formatSize, 0u);
    EXPECT_EQ(dataSize, 0u);
    EXPECT_TRUE(format.empty() && data.empty());
    EXPECT_EQ(ReadWaveFile((dir + "SOUND/MISSING.WAV").c_str(), format, formatSize, data, dataSize), 1);
    EXPECT_EQ(ReadWaveFile(nullptr, format, formatSize, data, dataSize), 1);
}
