#include "kit/sound/pack_media.h"
#include "kit/sound/stream.h"

#include <gmock/gmock.h>

using namespace packmedia;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {
constexpr uint32_t kRate = 44100;         // the mixer's output rate: one buffer frame per output frame
constexpr int kFrame = 735;               // output frames per 60 Hz frame
constexpr uint32_t kHalf = kRate * 2 * 2; // two seconds of mono 16-bit

class Streams : public PackTest {
  protected:
    // Renders `frames` output frames, serving the streams once per 60 Hz
    // frame the way a game loop does.
    std::vector<int> Run(int frames, int32_t handle = -1, int* stoppedAt = nullptr) {
        std::vector<int> all;
        all.reserve(size_t(frames));
        while (int(all.size()) < frames) {
            EXPECT_EQ(kitSound::Streaming(), 1);
            std::vector<int> part = RenderLeft(kFrame);
            all.insert(all.end(), part.begin(), part.end());
            if (stoppedAt && *stoppedAt < 0 && handle >= 0 &&
                !(plat::AudioGetStatus(soundObjects[handle].buffers[0]) & plat::kBufferPlaying))
                *stoppedAt = int(all.size());
        }
        return all;
    }
    // The first mismatch against the stream's frames in the order given, or -1.
    static long Mismatch(const std::vector<int>& heard, const std::vector<uint32_t>& order) {
        for (size_t i = 0; i < order.size() && i < heard.size(); ++i)
            if (heard[i] != Heard(Marker(order[i]))) return long(i);
        return -1;
    }
};
} // namespace

TEST_F(Streams, ALoopingStreamWrapsToItsLoopOffsetWithoutAGap) {
    const uint32_t frames = 10 * kRate; // 10 s
    const uint32_t loopFrame = 3 * kRate + 17;
    Bytes pack;
    Entry(pack, "INTRO.WAV", Format(1, kRate, 16), testmedia::Constant16(10, 5));
    Entry(pack, "BGM.WAV", Format(1, kRate, 16), Markers(frames));
    WritePack("MUSIC.PAK", pack);
    kitSound::SetPackFile("MUSIC.PAK");

    int32_t h = -2;
    EXPECT_THAT(Errors([&] { h = kitSound::LoadStream("bgm.wav", loopFrame * 2); }), IsEmpty());
    ASSERT_EQ(h, 0);
    const SoundStream& s = soundObjects[h].stream;
    const uint32_t start = 4 + 10 + 4 + 18 + 20 + 4 + 8 + 4 + 18;
    EXPECT_EQ(s.streamStart, start);
    EXPECT_EQ(s.streamLoopPos, start + loopFrame * 2);
    EXPECT_EQ(s.streamSize, frames * 2);
    EXPECT_EQ(s.bufferSize, 2 * kHalf);
    EXPECT_EQ(s.halfSize, kHalf);
    EXPECT_EQ(s.streamReadPos, start + kHalf);
    EXPECT_EQ(s.streamDone, kHalf);
    EXPECT_EQ(s.streamPath, dir + "MUSIC.PAK");
    EXPECT_EQ(s.guardEnd, 0xFFFFFFFFu);
    EXPECT_EQ(soundObjects[h].mixCount, 1);
    EXPECT_EQ(soundObjects[h].echoCounter, -1);
    EXPECT_EQ(soundObjects[h].fromPack, 1);
    EXPECT_STREQ(soundObjects[h].name, "bgm.wav");
    EXPECT_EQ(plat::AudioBufferBytes(soundObjects[h].buffers[0]), 2 * kHalf);

    kitSound::PlayLoop(h, -1);
    const int total = int(frames + 2 * (frames - loopFrame) + kRate);
    std::vector<int> heard = Run(total);
    std::vector<uint32_t> order;
    for (uint32_t n = 0; n < frames; ++n)
        order.push_back(n);
    while (order.size() < size_t(total))
        for (uint32_t n = loopFrame; n < frames && order.size() < size_t(total); ++n)
            order.push_back(n);
    EXPECT_EQ(Mismatch(heard, order), -1);
    EXPECT_TRUE(plat::AudioGetStatus(soundObjects[h].buffers[0]) & plat::kBufferPlaying);

    // Playing again rewinds to the start of the data.
    kitSound::PlayLoop(h, -1);
    EXPECT_EQ(s.streamDone, kHalf);
    std::vector<int> again = Run(2 * kRate);
    order.resize(2 * kRate);
    for (uint32_t n = 0; n < 2 * kRate; ++n)
        order[n] = n;
    EXPECT_EQ(Mismatch(again, order), -1);
}

TEST_F(Streams, AStreamPlayedOnceStopsAfterItsDataAndOneChunkOfSilence) {
    // One frame over five halves: the last two chunks are odd byte counts,
    // which still join up in the ring.
    const uint32_t frames = 10 * kRate + 1;
    Bytes pack;
    Entry(pack, "VOICE.WAV", Format(1, kRate, 16), Markers(frames));
    WritePack("V.PAK", pack);
    kitSound::SetPackFile("V.PAK");
    int32_t h = kitSound::LoadStream("VOICE.WAV", 0);
    ASSERT_EQ(h, 0);

    kitSound::Play(h, -1);
    EXPECT_EQ(soundObjects[h].looping, 0);
    // The buffer itself loops; the stream stops it.
    EXPECT_TRUE(plat::AudioGetStatus(soundObjects[h].buffers[0]) & plat::kBufferLooping);
    int stoppedAt = -1;
    std::vector<int> heard = Run(int(frames) + 3 * kRate, h, &stoppedAt);
    std::vector<uint32_t> order(frames);
    for (uint32_t n = 0; n < frames; ++n)
        order[n] = n;
    EXPECT_EQ(Mismatch(heard, order), -1);
    ASSERT_GT(stoppedAt, 0);
    EXPECT_GE(stoppedAt, int(frames));
    EXPECT_LE(stoppedAt, int(frames) + 2 * kFrame);
    for (size_t i = frames; i < heard.size(); ++i)
        ASSERT_EQ(heard[i], 0) << i;
    EXPECT_EQ(plat::AudioGetPosition(soundObjects[h].buffers[0]), 0u);

    // Played again, it starts over and stops again.
    kitSound::Play(h, -1);
    stoppedAt = -1;
    heard = Run(int(frames) + 2 * kRate, h, &stoppedAt);
    EXPECT_EQ(Mismatch(heard, order), -1);
    EXPECT_GE(stoppedAt, int(frames));
    EXPECT_LE(stoppedAt, int(frames) + 2 * kFrame);
}

TEST_F(Streams, AStreamPlayedOnceStopsEvenWhenItsLoopIsShorterThanAChunk) {
    const uint32_t frames = 6 * kRate;
    Bytes pack;
    Entry(pack, "S.WAV", Format(1, kRate, 16), Markers(frames));
    WritePack("P.PAK", pack);
    kitSound::SetPackFile("P.PAK");
    int32_t h = kitSound::LoadStream("S.WAV", (frames - 500) * 2);
    ASSERT_EQ(h, 0);
    kitSound::Play(h, -1);
    int stoppedAt = -1;
    std::vector<int> heard = Run(int(frames) + 4 * kRate, h, &stoppedAt);
    std::vector<uint32_t> order(frames);
    for (uint32_t n = 0; n < frames; ++n)
        order[n] = n;
    EXPECT_EQ(Mismatch(heard, order), -1);
    EXPECT_GE(stoppedAt, int(frames));
    EXPECT_LE(stoppedAt, int(frames) + 2 * kFrame);
}

TEST_F(Streams, StreamsOfEightBitStereoStopOnTheirOwnSilence) {
    // 8-bit silence is 0x80, not zero.
    const uint32_t frames = 5 * 8000;
    Bytes data;
    for (uint32_t n = 0; n < frames; ++n) {
        data.push_back(0xC0);
        data.push_back(0x40);
    }
    Bytes pack;
    Entry(pack, "B.WAV", Format(2, 8000, 8), data);
    WritePack("B.PAK", pack);
    kitSound::SetPackFile("B.PAK");
    int32_t h = kitSound::LoadStream("B.WAV", 0);
    ASSERT_EQ(h, 0);
    EXPECT_EQ(soundObjects[h].stream.halfSize, 32000u);
    kitSound::Play(h, -1);
    int stoppedAt = -1;
    std::vector<int> heard = Run(8 * int(kRate), h, &stoppedAt);
    const int end = int(5 * kRate); // 5 s at the output rate
    EXPECT_GT(heard[size_t(end - 100)], 8000);
    ASSERT_GT(stoppedAt, 0);
    EXPECT_LE(stoppedAt, end + 2 * kFrame);
    for (size_t i = size_t(end) + 2; i < heard.size(); ++i)
        ASSERT_EQ(heard[i], 0) << i;
}

TEST_F(Streams, ShortEntriesLoadAsOrdinaryObjects) {
    Bytes pack;
    // 4.9 s is four whole seconds.
    Entry(pack, "SHORT.WAV", Format(1, kRate, 16), testmedia::Constant16(kRate * 49 / 10, 1234));
    WritePack("P.PAK", pack);
    kitSound::SetPackFile("P.PAK");
    int32_t h = kitSound::LoadStream("short.wav", 99);
    ASSERT_EQ(h, 0);
    EXPECT_EQ(soundObjects[h].stream.streamSize, 0u);
    EXPECT_EQ(soundObjects[h].fromPack, 1);
    EXPECT_EQ(soundObjects[h].mixCount, 1);
    EXPECT_EQ(plat::AudioBufferBytes(soundObjects[h].buffers[0]), kRate * 49 / 10 * 2);
    kitSound::Play(h, -1);
    EXPECT_EQ(Run(kFrame)[100], Heard(1234));
    EXPECT_EQ(kitSound::ResetStream(h), 0);
}

TEST_F(Streams, BadStreamEntriesAreRefusedAndLeaveNothingBehind) {
    const Bytes data = Markers(6 * kRate);
    Bytes oddData = data;
    oddData.push_back(1);
    Bytes pack;
    Entry(pack, "OK.WAV", Format(1, kRate, 16), data);
    Entry(pack, "ZERORATE.WAV", Format(1, kRate, 16, 0), data);
    Entry(pack, "NOBLOCK.WAV", Format(1, kRate, 16, 88200, 0), data);
    Entry(pack, "WRONGBLOCK.WAV", Format(2, kRate, 16, 88200, 2), data);
    Entry(pack, "ODDRATE.WAV", Format(1, kRate, 16, 88201), data);
    Entry(pack, "ODDDATA.WAV", Format(1, kRate, 16), oddData);
    Entry(pack, "ADPCM.WAV", Format(1, kRate, 4, 88200, 2, 2), data);
    WritePack("P.PAK", pack);
    kitSound::SetPackFile("P.PAK");

    struct Case {
        const char* name;
        uint32_t loop;
        const char* message;
    };
    const Case cases[] = {
        {"OK.WAV", uint32_t(data.size()), "kitSound::LoadStream : ストリーミング再生できません"},
        {"OK.WAV", 0xFFFFFFFF, "ストリーミング再生できません"},
        {"OK.WAV", 1001, "ストリーミング再生できません"},
        {"ZERORATE.WAV", 0, "kitSound::LoadStream : WAVEファイルを読み込めません"},
        {"NOBLOCK.WAV", 0, "WAVEファイルを読み込めません"},
        {"WRONGBLOCK.WAV", 0, "WAVEファイルを読み込めません"},
        {"ODDDATA.WAV", 0, "ストリーミング再生できません"},
        {"ADPCM.WAV", 0, "kitSound::LoadStream : サウンドバッファが生成できません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " loop " + std::to_string(c.loop));
        int32_t h = 0;
        EXPECT_THAT(Errors([&] { h = kitSound::LoadStream(c.name, c.loop); }), HasSubstr(c.message));
        EXPECT_EQ(h, -1);
        EXPECT_EQ(UsedSlots(), 0);
        EXPECT_EQ(soundObjects[0].stream.streamSize, 0u);
        EXPECT_TRUE(soundObjects[0].stream.streamPath.empty());
        EXPECT_EQ(plat::AudioLiveBuffersForTests(), 0);
    }
    // The last byte of the data is a valid loop point.
    EXPECT_EQ(kitSound::LoadStream("OK.WAV", uint32_t(data.size()) - 2), 0);
    // A byte rate that is not whole frames still makes a ring of whole frames.
    EXPECT_EQ(kitSound::LoadStream("ODDRATE.WAV", 0), 1);
    EXPECT_EQ(soundObjects[1].stream.bufferSize, 4u * 88201u);

    // No pack, a missing entry, too many objects, a name too long to keep.
    soundPackPath.clear();
    EXPECT_THAT(Errors([] { kitSound::LoadStream("OK.WAV", 0); }),
                HasSubstr("kitSound::LoadStream : パックファイル名が指定されていません"));
    kitSound::SetPackFile("P.PAK");
    EXPECT_THAT(Errors([] { kitSound::LoadStream("NONE.WAV", 0); }),
                HasSubstr("kitSound::LoadStream : WAVEファイルを読み込めません"));
    Bytes longPack;
    Entry(longPack, std::string(31, 'Q'), Format(1, 8000, 8), Bytes(8000 * 5, 0x80));
    Entry(longPack, "F.WAV", Format(1, 8000, 8), Bytes(100, 0x80));
    WritePack("L.PAK", longPack);
    kitSound::SetPackFile("L.PAK");
    int32_t h = 0;
    EXPECT_THAT(Errors([&] { h = kitSound::LoadStream(std::string(31, 'q').c_str(), 0); }),
                HasSubstr("kitSound::LoadStream : ファイル名が長すぎます"));
    EXPECT_EQ(h, -1);
    EXPECT_EQ(soundObjects[2].used, 1);
    EXPECT_NE(soundObjects[2].stream.streamSize, 0u);
    for (int i = 3; i < kitSound::kObjectCount; ++i)
        ASSERT_EQ(kitSound::LoadPack("F.WAV", 1), i);
    EXPECT_THAT(Errors([] { kitSound::LoadStream("OK.WAV", 0); }),
                HasSubstr("kitSound::LoadStream : オブジェクト数が多過ぎます"));
}

TEST_F(Streams, APackThatChangesUnderAStreamIsReportedNotTrusted) {
    const uint32_t frames = 8 * kRate;
    Bytes pack;
    Entry(pack, "M.WAV", Format(1, kRate, 16), Markers(frames));
    WritePack("M.PAK", pack);
    kitSound::SetPackFile("M.PAK");
    int32_t h = kitSound::LoadStream("M.WAV", 0);
    ASSERT_EQ(h, 0);
    kitSound::PlayLoop(h, -1);
    EXPECT_EQ(kitSound::Streaming(), 1); // the first refill comes at once
    RenderLeft(kFrame);
    EXPECT_EQ(kitSound::Streaming(), 1); // nothing due

    // Cut short: the next refill finds its bytes missing.
    Bytes cut(pack.begin(), pack.begin() + long(soundObjects[h].stream.streamReadPos) + 100);
    WritePack("M.PAK", cut);
    RenderLeft(int(kHalf / 2));
    int32_t r = 1;
    EXPECT_THAT(Errors([&] { r = kitSound::Streaming(); }),
                HasSubstr("kitSound::Streaming : ストリーミング再生できません"));
    EXPECT_EQ(r, 0);
    // Gone: refills and rewinds report it.
    std::filesystem::remove(dir + "M.PAK");
    EXPECT_THAT(Errors([&] { r = kitSound::Streaming(); }),
                HasSubstr("kitSound::Streaming : パックファイル名が指定されていません"));
    EXPECT_EQ(r, 0);
    EXPECT_THAT(Errors([&] { r = kitSound::ResetStream(h); }),
                HasSubstr("kitSound::ResetStream : パックファイル名が指定されていません"));
    EXPECT_EQ(r, 0);
    EXPECT_THAT(Errors([&] { kitSound::PlayLoop(h, -1); }), HasSubstr("kitSound::ResetStream"));
    // A pack cut before the stream's data cannot rewind it either.
    WritePack("M.PAK", Bytes(pack.begin(), pack.begin() + 20));
    EXPECT_THAT(Errors([&] { r = kitSound::ResetStream(h); }),
                HasSubstr("kitSound::ResetStream : ストリーミング再生できません"));
    EXPECT_EQ(r, 0);
    // Bad handles and plain objects are not streams.
    EXPECT_EQ(kitSound::ResetStream(-1), 0);
    EXPECT_EQ(kitSound::ResetStream(70), 0);
    EXPECT_EQ(kitSound::ResetStream(5), 0);
}

TEST_F(Streams, ARebuildReopensTheStreamsOwnPack) {
    const uint32_t frames = 6 * kRate;
    Bytes pack;
    Entry(pack, "M.WAV", Format(1, kRate, 16), Markers(frames));
    WritePack("A.PAK", pack);
    Bytes other;
    Entry(other, "M.WAV", Format(1, kRate, 16), testmedia::Constant16(frames, 77));
    WritePack("B.PAK", other);
    kitSound::SetPackFile("A.PAK");
    ASSERT_EQ(kitSound::LoadStream("M.WAV", 4000), 0);
    kitSound::SetVolume(0, -10, -1);
    kitSound::SetPackFile("B.PAK");
    ASSERT_EQ(kitSound::LoadStream("M.WAV", 0), 1);

    kitSound::ReloadAll();
    EXPECT_EQ(soundObjects[0].stream.streamPath, dir + "A.PAK");
    EXPECT_EQ(soundObjects[0].stream.streamLoopPos - soundObjects[0].stream.streamStart, 4000u);
    EXPECT_EQ(soundObjects[1].stream.streamPath, dir + "B.PAK");
    EXPECT_EQ(soundPackPath, dir + "B.PAK");
    EXPECT_EQ(plat::AudioGetVolume(soundObjects[0].buffers[0]), -1000);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 2);

    kitSound::ResetVolume(0, -1);
    kitSound::PlayLoop(0, -1);
    std::vector<int> heard = Run(3 * int(kRate));
    std::vector<uint32_t> order(3 * kRate);
    for (uint32_t n = 0; n < order.size(); ++n)
        order[n] = n;
    EXPECT_EQ(Mismatch(heard, order), -1);
}
