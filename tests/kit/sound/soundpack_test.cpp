#include "harness/reset_globals.h"
#include "kit/sound/pack_media.h"
#include "kit/sound/stream.h"
#include "platform/time.h"

#include <gmock/gmock.h>

#include <fstream>
#include <iterator>

using namespace packmedia;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testmedia::PcmWave;

namespace {
Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A pack as the reader sees it: (dataSize, name, formatSize) of each entry.
struct Seen {
    uint32_t dataSize;
    std::string name;
    uint32_t formatSize;
    Bytes format, data;
};
std::vector<Seen> Walk(const Bytes& p) {
    std::vector<Seen> out;
    size_t i = 0;
    auto u32 = [&](size_t at) {
        return uint32_t(p[at]) | uint32_t(p[at + 1]) << 8 | uint32_t(p[at + 2]) << 16 |
               uint32_t(p[at + 3]) << 24;
    };
    while (i + 4 <= p.size()) {
        Seen s;
        s.dataSize = u32(i);
        i += 4;
        while (i < p.size() && p[i])
            s.name += char(p[i++]);
        ++i;
        s.formatSize = u32(i);
        i += 4;
        s.format.assign(p.begin() + long(i), p.begin() + long(i + s.formatSize));
        i += s.formatSize;
        s.data.assign(p.begin() + long(i), p.begin() + long(i + s.dataSize));
        i += s.dataSize;
        out.push_back(s);
    }
    return out;
}

const Bytes kAlphaData = testmedia::Sine16(3000, 44100, 441.0, 9000.0);
const Bytes kBetaData = testmedia::Constant16(2000, -7000);
} // namespace

using SoundPackUnavailable = FreshGlobals;

TEST_F(SoundPackUnavailable, EveryCallDoesNothing) {
    plat::AudioFailOpenForTests(true);
    EXPECT_EQ(kitSound::Init(), 0);
    kitSound::ResetSlots();
    ::testing::internal::CaptureStderr();
    kitSound::SetPackFile("SE.PAK");
    EXPECT_EQ(kitSound::PackFolder("SE.PAK", "", 1), 0);
    EXPECT_EQ(kitSound::LoadPack("A.WAV", 1), -1);
    EXPECT_EQ(kitSound::LoadStream("A.WAV", 0), -1);
    EXPECT_EQ(kitSound::Streaming(), 0);
    EXPECT_EQ(kitSound::ResetStream(0), 0);
    EXPECT_EQ(kitSound::SelectFormat(2, 44, 16), 0);
    kitSound::PlaySystemSound("nothing.wav");
    EXPECT_EQ(kitSound::GetPlayPosition(0), 0u);
    EXPECT_EQ(kitSound::GetPlayPosition(-1), 0u);
    EXPECT_THAT(::testing::internal::GetCapturedStderr(), IsEmpty());
    EXPECT_TRUE(soundPackPath.empty());
}

TEST_F(PackTest, FolderPackRoundTripsTheSamples) {
    ASSERT_TRUE(testmedia::WriteFile(dir + "se/beta.wav", PcmWave(1, 44100, 16, kBetaData)));
    ASSERT_TRUE(testmedia::WriteFile(dir + "se/alpha.wav", PcmWave(1, 44100, 16, kAlphaData)));
    ASSERT_TRUE(testmedia::WriteFile(dir + "se/readme.txt", Bytes(10, 'x')));
    ASSERT_TRUE(testmedia::WriteFile(dir + "top.wav", PcmWave(1, 22050, 8, Bytes(100, 0x90))));

    // The folder is matched whatever its case; names go in upper case, without the folder.
    EXPECT_EQ(kitSound::PackFolder("SE.PAK", "SE", 1), 1);
    std::vector<Seen> seen = Walk(ReadAll(dir + "SE.PAK"));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].name, "ALPHA.WAV");
    EXPECT_EQ(seen[1].name, "BETA.WAV");
    EXPECT_EQ(seen[0].formatSize, 18u);
    EXPECT_EQ(seen[0].format, Format(1, 44100, 16));
    EXPECT_EQ(seen[0].data, kAlphaData);
    EXPECT_EQ(seen[1].data, kBetaData);

    // Without truncation the folder is appended again; with it, the pack starts afresh.
    kitSound::PackFolder("SE.PAK", "se", 0);
    EXPECT_EQ(Walk(ReadAll(dir + "SE.PAK")).size(), 4u);
    kitSound::PackFolder("se.pak", "se", 1);
    EXPECT_FALSE(std::filesystem::exists(dir + "SE.PAK"));
    EXPECT_EQ(Walk(ReadAll(dir + "se.pak")).size(), 2u);
    // An empty folder means the program directory itself.
    kitSound::PackFolder("TOP.PAK", "", 1);
    seen = Walk(ReadAll(dir + "TOP.PAK"));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].name, "TOP.WAV");
    // A folder that is not there adds nothing and still succeeds.
    EXPECT_EQ(kitSound::PackFolder("NONE.PAK", "missing", 1), 1);
    EXPECT_FALSE(std::filesystem::exists(dir + "NONE.PAK"));

    // The lower-case name finds the second entry, and it sounds like the WAV itself.
    kitSound::SetPackFile("SE.PAK");
    EXPECT_EQ(soundPackPath, dir + "SE.PAK"); // opened as se.pak, whatever the case
    int32_t h = -2;
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("beta.wav", 1); }), IsEmpty());
    ASSERT_EQ(h, 0);
    EXPECT_EQ(soundObjects[h].fromPack, 1);
    EXPECT_EQ(soundObjects[h].stream.streamSize, 0u);
    EXPECT_EQ(soundObjects[h].baseFrequency, 44100u);
    EXPECT_STREQ(soundObjects[h].name, "beta.wav");
    kitSound::Play(h, -1);
    std::vector<int> fromPack = RenderLeft(2000);
    ASSERT_EQ(kitSound::LoadObject("se/beta.wav", 1), 1);
    kitSound::Play(1, -1);
    EXPECT_EQ(RenderLeft(2000), fromPack);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(fromPack[size_t(i)], Heard(-7000)) << i;

    h = kitSound::LoadPack("ALPHA.WAV", 3);
    ASSERT_EQ(h, 2);
    EXPECT_EQ(soundObjects[h].mixCount, 3);
    EXPECT_EQ(soundObjects[h].echoCounter, 0);
    kitSound::Play(h, 2);
    std::vector<int> alpha = RenderLeft(3000);
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(alpha[size_t(i)], Heard(int16_t(kAlphaData[2 * i] | kAlphaData[2 * i + 1] << 8))) << i;
}

TEST_F(PackTest, AppendKeepsTheNameBehindTheLastBackslashAndEmptyEntriesForBadFiles) {
    ASSERT_TRUE(testmedia::WriteFile(dir + "SOUND/SHOT.WAV", PcmWave(1, 44100, 16, kBetaData)));
    ASSERT_TRUE(testmedia::WriteFile(dir + "SOUND/BAD.WAV", Bytes(40, 7)));
    kitSound::PackAppend("P.PAK", "SOUND\\SHOT.WAV");
    kitSound::PackAppend("P.PAK", "SOUND\\BAD.WAV");
    kitSound::PackAppend("P.PAK", "SOUND\\GONE.WAV");
    // A forward slash is not a folder separator to the pack: the name keeps it.
    kitSound::PackAppend("P.PAK", "SOUND/SHOT.WAV");
    // A name the reader would refuse is not written at all.
    kitSound::PackAppend("P.PAK", (std::string(128, 'N') + ".WAV").c_str());
    // A pack that cannot be created is skipped quietly.
    kitSound::PackAppend("no/such/dir/P.PAK", "SOUND\\SHOT.WAV");
    std::vector<Seen> seen = Walk(ReadAll(dir + "P.PAK"));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].name, "SHOT.WAV");
    EXPECT_EQ(seen[1].name, "BAD.WAV");
    EXPECT_EQ(seen[1].dataSize, 0u);
    EXPECT_EQ(seen[1].formatSize, 0u);
    EXPECT_EQ(seen[2].name, "GONE.WAV");
    EXPECT_EQ(seen[3].name, "SOUND/SHOT.WAV");

    kitSound::SetPackFile("P.PAK");
    int32_t h = 0;
    // An empty entry holds no sound; the walk goes on past it.
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("BAD.WAV", 1); }),
                HasSubstr("kitSound::LoadPack : WAVEファイルを読み込めません"));
    EXPECT_EQ(h, -1);
    EXPECT_EQ(kitSound::LoadPack("sound/shot.wav", 1), 0);
    EXPECT_EQ(UsedSlots(), 1);
}

TEST_F(PackTest, TheFirstOfTwoEntriesWithOneNameWins) {
    Bytes pack;
    Entry(pack, "OTHER.WAV", Format(1, 44100, 16), testmedia::Constant16(100, 100));
    Entry(pack, "DUP.WAV", Format(1, 44100, 16), testmedia::Constant16(500, 3000));
    Entry(pack, "DUP.WAV", Format(1, 44100, 16), testmedia::Constant16(500, -3000));
    WritePack("D.PAK", pack);
    kitSound::SetPackFile("D.PAK");
    int32_t h = kitSound::LoadPack("dup.wav", 1);
    ASSERT_EQ(h, 0);
    kitSound::Play(h, -1);
    std::vector<int> left = RenderLeft(400);
    EXPECT_EQ(left[0], Heard(3000));
    EXPECT_EQ(left[399], Heard(3000));
}

TEST_F(PackTest, UpperCasingLeavesDoubleByteCharactersAlone) {
    EXPECT_EQ(kitSound::UpperPackName("shot.wav"), "SHOT.WAV");
    // 0x83 0x61 is one double-byte character: its second byte is not an 'a'.
    EXPECT_EQ(kitSound::UpperPackName("\x83\x61z.wav"), "\x83\x61Z.WAV");
    EXPECT_EQ(kitSound::UpperPackName("\xB1"
                                      "a"),
              "\xB1"
              "A"); // a half-width kana is one byte
    EXPECT_EQ(kitSound::UpperPackName(nullptr), "");

    Bytes pack;
    Entry(pack, "\x83\x61Z.WAV", Format(1, 44100, 16), testmedia::Constant16(100, 100));
    WritePack("J.PAK", pack);
    kitSound::SetPackFile("J.PAK");
    EXPECT_EQ(kitSound::LoadPack("\x83\x61z.wav", 1), 0);
}

TEST_F(PackTest, LoadErrorsInTheirOrder) {
    // No pack chosen yet.
    int32_t h = 0;
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("A.WAV", 1); }),
                HasSubstr("kitSound::LoadPack : パックファイル名が指定されていません"));
    EXPECT_EQ(h, -1);
    // A folder is not a pack.
    kitSound::SetPackFile("");
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("A.WAV", 1); }),
                HasSubstr("パックファイル名が指定されていません"));

    Bytes pack;
    Entry(pack, "A.WAV", Format(1, 44100, 16), testmedia::Constant16(100, 100));
    std::string longName(31, 'L');
    Entry(pack, longName, Format(1, 44100, 16), testmedia::Constant16(100, 100));
    Entry(pack, "ZERO.WAV", Format(1, 44100, 16), Bytes());
    WritePack("E.PAK", pack);
    kitSound::SetPackFile("E.PAK");

    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("A.WAV", 11); }),
                HasSubstr("kitSound::LoadPack : ミックス数が多過ぎます"));
    EXPECT_EQ(h, -1);
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("A.WAV", -11); }), HasSubstr("ミックス数が多過ぎます"));
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("MISSING.WAV", 1); }),
                HasSubstr("kitSound::LoadPack : WAVEファイルを読み込めません"));
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("ZERO.WAV", 1); }),
                HasSubstr("kitSound::LoadPack : サウンドバッファが生成できません"));
    EXPECT_EQ(h, -1);
    EXPECT_EQ(UsedSlots(), 0);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 0);

    // A name too long to keep: loaded, reported, the slot stays used and nameless.
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack(longName.c_str(), 1); }),
                HasSubstr("kitSound::LoadPack : ファイル名が長すぎます"));
    EXPECT_EQ(h, -1);
    EXPECT_EQ(soundObjects[0].used, 1);
    EXPECT_STREQ(soundObjects[0].name, "");
    // -10 gives ten buffers without echo.
    h = kitSound::LoadPack("a.wav", -10);
    ASSERT_EQ(h, 1);
    EXPECT_EQ(soundObjects[1].mixCount, 10);
    EXPECT_EQ(soundObjects[1].echoCounter, -1);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 11);

    for (int i = 2; i < kitSound::kObjectCount; ++i)
        ASSERT_EQ(kitSound::LoadPack("A.WAV", 1), i);
    EXPECT_THAT(Errors([&] { h = kitSound::LoadPack("A.WAV", 1); }),
                HasSubstr("kitSound::LoadPack : オブジェクト数が多過ぎます"));
    EXPECT_EQ(h, -1);
}

TEST_F(PackTest, DamagedPacksAreRefusedWithoutReadingPastThem) {
    const Bytes fmt = Format(1, 44100, 16);
    const Bytes data = testmedia::Constant16(100, 100);
    Bytes good;
    Entry(good, "GOOD.WAV", fmt, data);

    struct Case {
        const char* what;
        Bytes pack;
        const char* wanted;
    };
    std::vector<Case> cases;
    {
        // A name with no end within 127 characters hides the entry behind it.
        Bytes p;
        testmedia::Put32(p, uint32_t(data.size()));
        p.insert(p.end(), 200, 'N');
        p.push_back(0);
        testmedia::Put32(p, 18);
        p.insert(p.end(), fmt.begin(), fmt.end());
        p.insert(p.end(), data.begin(), data.end());
        p.insert(p.end(), good.begin(), good.end());
        cases.push_back({"long name", p, "GOOD.WAV"});
    }
    {
        Bytes p;
        Entry(p, std::string(128, 'N'), fmt, data);
        p.insert(p.end(), good.begin(), good.end());
        cases.push_back({"128-character name", p, "GOOD.WAV"});
    }
    {
        Bytes p = {4, 0, 0, 0, 'A', 'B', 'C'};
        cases.push_back({"name up to the end", p, "ABC"});
    }
    {
        Bytes p;
        Entry(p, "BIG.WAV", fmt, data, 0x7FFFFFFF);
        cases.push_back({"data size past the end", p, "BIG.WAV"});
        Bytes q;
        Entry(q, "BIG.WAV", fmt, data, 0xFFFFFFFF);
        q.insert(q.end(), good.begin(), good.end());
        cases.push_back({"data size past the end, skipped", q, "GOOD.WAV"});
    }
    {
        Bytes p;
        Entry(p, "FMT.WAV", fmt, data, -1, 0xFFFFFFF0);
        cases.push_back({"format size past the end", p, "FMT.WAV"});
    }
    {
        Bytes p;
        Entry(p, "SHORT.WAV", fmt, data);
        p.resize(p.size() - 10);
        cases.push_back({"truncated data", p, "SHORT.WAV"});
    }
    {
        Bytes p = good;
        p.resize(3);
        cases.push_back({"truncated size", p, "GOOD.WAV"});
        Bytes q = good;
        q.resize(4 + 9 + 2);
        cases.push_back({"truncated format size", q, "GOOD.WAV"});
    }
    {
        Bytes p;
        Entry(p, "TINY.WAV", Bytes(fmt.begin(), fmt.begin() + 14), data);
        cases.push_back({"format shorter than its head", p, "TINY.WAV"});
    }
    cases.push_back({"empty file", Bytes(), "GOOD.WAV"});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WritePack("BAD.PAK", c.pack);
        kitSound::SetPackFile("BAD.PAK");
        int32_t h = 0;
        EXPECT_THAT(Errors([&] { h = kitSound::LoadPack(c.wanted, 1); }),
                    HasSubstr("kitSound::LoadPack : WAVEファイルを読み込めません"));
        EXPECT_EQ(h, -1);
        EXPECT_THAT(Errors([&] { h = kitSound::LoadStream(c.wanted, 0); }),
                    HasSubstr("kitSound::LoadStream : WAVEファイルを読み込めません"));
        EXPECT_EQ(h, -1);
        EXPECT_EQ(UsedSlots(), 0);
        EXPECT_EQ(soundObjects[0].stream.streamSize, 0u);
        EXPECT_EQ(plat::AudioLiveBuffersForTests(), 0);
    }

    // Entries in front of the damage still load; a 127-character name is the longest kept.
    Bytes p;
    Entry(p, std::string(127, 'M'), fmt, data);
    p.insert(p.end(), good.begin(), good.end());
    p.insert(p.end(), {9, 9, 9});
    WritePack("OK.PAK", p);
    kitSound::SetPackFile("OK.PAK");
    EXPECT_EQ(kitSound::LoadPack("good.wav", 1), 0);
    EXPECT_THAT(Errors([] { kitSound::LoadPack(std::string(127, 'm').c_str(), 1); }),
                HasSubstr("ファイル名が長すぎます"));
    EXPECT_EQ(UsedSlots(), 2);
}

TEST_F(PackTest, ReloadAndFormatChangeRebuildPackObjectsInPlace) {
    Bytes pack;
    Entry(pack, "A.WAV", Format(1, 44100, 16), testmedia::Constant16(4000, 8000));
    WritePack("R.PAK", pack);
    kitSound::SetPackFile("R.PAK");
    ASSERT_EQ(kitSound::LoadPack("A.WAV", 2), 0);
    kitSound::SetVolume(0, -20, -1);
    kitSound::SetPan(0, 15, 1);

    // A format the mixer cannot play is refused and leaves the objects released.
    int32_t r = 1;
    EXPECT_THAT(Errors([&] { r = kitSound::SelectFormat(3, 44, 16); }),
                HasSubstr("kitSound::SelectFormat : 再生フォーマットを変更できません"));
    EXPECT_EQ(r, 0);
    EXPECT_EQ(soundObjects[0].buffers[0], -1);
    EXPECT_EQ(soundObjects[0].used, 1);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 0);

    EXPECT_EQ(kitSound::SelectFormat(2, 22, 16), 1);
    EXPECT_EQ(soundPrimaryFormat.samplesPerSec, 22050u);
    EXPECT_EQ(soundPrimaryFormat.blockAlign, 4);
    EXPECT_EQ(soundPrimaryFormat.avgBytesPerSec, 88200u);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 2);
    EXPECT_EQ(plat::AudioGetVolume(soundObjects[0].buffers[1]), -2000);
    EXPECT_EQ(plat::AudioGetPan(soundObjects[0].buffers[1]), 1500);
    EXPECT_EQ(kitSound::SelectFormat(1, 32000, 8), 1);
    EXPECT_EQ(soundPrimaryFormat.samplesPerSec, 32000u);
    EXPECT_EQ(soundPrimaryFormat.avgBytesPerSec, 32000u);
    for (int rate : {8, 11, 44}) {
        kitSound::SelectFormat(1, rate, 16);
        EXPECT_EQ(soundPrimaryFormat.samplesPerSec, rate == 8 ? 8000u : rate == 11 ? 11025u : 44100u);
    }

    // A rebuild reads the current pack: the object keeps its slot and settings.
    kitSound::ReloadAll();
    EXPECT_EQ(soundObjects[0].used, 1);
    EXPECT_EQ(soundObjects[0].fromPack, 1);
    EXPECT_EQ(soundObjects[0].mixCount, 2);
    EXPECT_EQ(plat::AudioGetVolume(soundObjects[0].buffers[0]), -2000);
    kitSound::ResetVolume(0, -1);
    kitSound::ResetPan(0, -1);
    kitSound::Play(0, 1);
    EXPECT_EQ(RenderLeft(10)[5], Heard(8000));
}

TEST_F(PackTest, SystemSoundPlaysToItsEndAndTheObjectsComeBack) {
    plat::UseVirtualClockForTests(true);
    Bytes pack;
    Entry(pack, "A.WAV", Format(1, 44100, 16), testmedia::Constant16(4000, 8000));
    WritePack("S.PAK", pack);
    ASSERT_TRUE(
        testmedia::WriteFile(dir + "CHIME.WAV", PcmWave(1, 22050, 16, testmedia::Constant16(22050, 10))));
    kitSound::SetPackFile("S.PAK");
    ASSERT_EQ(kitSound::LoadPack("A.WAV", 1), 0);
    kitSound::SetVolume(0, -5, -1);

    // Nothing renders the mixer here, so only the length bound ends the wait.
    uint32_t before = plat::TimeMs();
    kitSound::PlaySystemSound((dir + "chime.wav").c_str());
    uint32_t waited = plat::TimeMs() - before;
    EXPECT_GE(waited, 1000u);
    EXPECT_LE(waited, 1300u);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 1);
    EXPECT_EQ(soundObjects[0].used, 1);
    EXPECT_EQ(plat::AudioGetVolume(soundObjects[0].buffers[0]), -500);

    // A missing file plays nothing and still rebuilds.
    before = plat::TimeMs();
    kitSound::PlaySystemSound((dir + "none.wav").c_str());
    EXPECT_EQ(plat::TimeMs(), before);
    EXPECT_EQ(plat::AudioLiveBuffersForTests(), 1);

    // The play cursor of the first mix.
    kitSound::Play(0, -1);
    RenderLeft(100);
    EXPECT_EQ(kitSound::GetPlayPosition(0), 200u);
    EXPECT_EQ(kitSound::GetPlayPosition(69), 0u);
    EXPECT_EQ(kitSound::GetPlayPosition(70), 0u);
}
