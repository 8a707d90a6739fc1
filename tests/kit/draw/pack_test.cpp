#include "kit/draw/pack.h"

#include "kit/draw/blit.h"
#include "kit/draw/image_ops.h"
#include "kit/draw/present.h"
#include "kit/system/kit_system.h"
#include "periph_fixture.h"
#include "platform/bmp.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Rgb {
    uint8_t r, g, b;
};

std::vector<uint8_t> Bmp24(int w, int h, const std::vector<Rgb>& px) {
    const int stride = (w * 3 + 3) & ~3;
    const uint32_t size = 54 + uint32_t(stride * h);
    std::vector<uint8_t> f(size, 0);
    auto put32 = [&f](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            f[at + size_t(i)] = uint8_t(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(w));
    put32(22, uint32_t(h));
    f[26] = 1;
    f[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgb c = px[size_t(y * w + x)];
            uint8_t* p = &f[54 + size_t((h - 1 - y) * stride + x * 3)];
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
    return f;
}

void WriteFile(const fs::path& p, const std::vector<uint8_t>& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// One hand-made entry.
void Entry(std::vector<uint8_t>& out, uint16_t w, uint16_t h, const std::string& name,
           const std::vector<uint16_t>& pixels) {
    out.push_back(uint8_t(w));
    out.push_back(uint8_t(w >> 8));
    out.push_back(uint8_t(h));
    out.push_back(uint8_t(h >> 8));
    out.insert(out.end(), name.begin(), name.end());
    out.push_back(0);
    for (uint16_t p : pixels) {
        out.push_back(uint8_t(p));
        out.push_back(uint8_t(p >> 8));
    }
}

class ImagePack : public PeriphScreen {
  protected:
    void SetUp() override {
        PeriphScreen::SetUp();
        dir = fs::path(::testing::TempDir()) / ("vexpack_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        plat::SetProgramDirectoryForTests(dir.string());
        fatalFlag = 0;
        keyColor = 0;
        keyTopLeft = 0;
    }
    void TearDown() override {
        plat::SetProgramDirectoryForTests("");
        fs::remove_all(dir);
        PeriphScreen::TearDown();
    }
    // Loads `name` from a pack made of `bytes`, catching what the error report says.
    int32_t LoadFrom(const std::vector<uint8_t>& bytes, const char* name, std::string* said = nullptr) {
        WriteFile(dir / "HAND.PAK", bytes);
        kitDraw::SetPackFile("HAND.PAK");
        ::testing::internal::CaptureStderr();
        const int32_t slot = kitDraw::LoadPack(name, 1);
        const std::string err = ::testing::internal::GetCapturedStderr();
        if (said) *said = err;
        return slot;
    }
    fs::path dir;
};

const std::vector<Rgb> kShip = {{3, 3, 3},    {0, 0, 0}, {255, 255, 255}, {8, 16, 24},
                                {200, 7, 90}, {0, 0, 7}, {7, 7, 8},       {255, 0, 0}};

} // namespace

TEST_F(ImagePack, ConvertWritesEntriesAndLoadPackReadsThemBack) {
    WriteFile(dir / "img" / "Ship.bmp", Bmp24(4, 2, kShip));
    WriteFile(dir / "img" / "DOT.BMP", Bmp24(1, 1, {{40, 80, 120}}));
    WriteFile(dir / "img" / "notes.txt", {'x'});
    if (kitSystem::GetColorDepth() <= 16) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(kitDraw::Convert("TEST.PAK", "IMG", 1), 0);
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("kitDraw::Convert : 画面をフルカラーにして下さい"), std::string::npos) << said;
        GTEST_SKIP() << "the desktop has 16 bits per pixel here; Convert refuses to run";
    }
    ASSERT_EQ(kitDraw::Convert("TEST.PAK", "IMG", 1), 1);
    EXPECT_EQ(UsedSlots(), 0) << "the writer gives back every image it loaded";

    // The file: DOT.BMP then SHIP.BMP (the search's order), names upper case.
    const std::vector<uint8_t> f = ReadFile(dir / "TEST.PAK");
    std::vector<uint8_t> want;
    Entry(want, 1, 1, "DOT.BMP", {uint16_t(5 << 10 | 10 << 5 | 15)});
    const std::vector<uint16_t> ship = {0x0001,
                                        0x0000,
                                        0x7FFF,
                                        uint16_t(1 << 10 | 2 << 5 | 3),
                                        uint16_t(25 << 10 | 0 << 5 | 11),
                                        0x0001,
                                        0x0001,
                                        uint16_t(31 << 10)};
    Entry(want, 4, 2, "SHIP.BMP", ship);
    EXPECT_EQ(f, want) << "(3,3,3), (0,0,7) and (7,7,8) are stored as blue 1, never as black";

    // Converting again without deleting first appends; with deleteFirst it starts over.
    ASSERT_EQ(kitDraw::Convert("TEST.PAK", "IMG", 0), 1);
    EXPECT_EQ(ReadFile(dir / "TEST.PAK").size(), 2 * want.size());
    ASSERT_EQ(kitDraw::Convert("TEST.PAK", "IMG", 1), 1);
    EXPECT_EQ(ReadFile(dir / "TEST.PAK").size(), want.size());

    // Reading it back: a lower-case name finds the upper-case entry.
    kitDraw::SetPackFile("test.pak");
    const int32_t slot = kitDraw::LoadPack("ship.bmp", 1);
    ASSERT_EQ(slot, 4);
    const ImageRecord& r = imageTable[slot];
    EXPECT_STREQ(r.name, "SHIP.BMP");
    EXPECT_EQ(r.fromPack, 1);
    EXPECT_EQ(r.reloadMode, 2);
    EXPECT_EQ(r.width, 4);
    EXPECT_EQ(r.height, 2);
    EXPECT_EQ(r.colorKey, 0u);
    ASSERT_NE(r.surface, nullptr);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            const uint16_t p = ship[size_t(y * 4 + x)];
            EXPECT_EQ(r.surface->Pixel(x, y), kitDraw::Pack5((p >> 10) & 31, (p >> 5) & 31, p & 31))
                << x << "," << y;
        }
    EXPECT_EQ(r.surface->Pixel(0, 0), 0x0001) << "blue 1 in 5-6-5";
    EXPECT_TRUE(r.surface->hasColorKey);
    EXPECT_EQ(r.surface->colorKey, 0);
    EXPECT_EQ(UsedSlots(), 1) << "the temporary image is given back";
    EXPECT_EQ(fatalFlag, 0);
}

TEST_F(ImagePack, RoundTripIn555AndTopLeftKey) {
    SetUpScreen(plat::PixelFormat::RGB555);
    WriteFile(dir / "A.BMP", Bmp24(4, 2, kShip));
    kitDraw::PackAppend("P.PAK", "A.BMP");
    keyTopLeft = 1;
    kitDraw::SetPackFile("P.PAK");
    const int32_t slot = kitDraw::LoadPack("a.bmp", 1);
    ASSERT_EQ(slot, 4);
    const plat::Surface* s = imageTable[slot].surface;
    // In 5-5-5 the screen pixel is the stored pixel itself.
    EXPECT_EQ(s->Pixel(0, 0), 0x0001);
    EXPECT_EQ(s->Pixel(2, 0), 0x7FFF);
    EXPECT_EQ(s->Pixel(3, 0), 1 << 10 | 2 << 5 | 3);
    EXPECT_EQ(s->Pixel(3, 1), 31 << 10);
    EXPECT_EQ(imageTable[slot].colorKey, 0xFFFFFFFFu);
    EXPECT_EQ(s->colorKey, 0x0001) << "the top-left pixel is the key";
}

TEST_F(ImagePack, FirstOfTwoDuplicatesWinsAndMissingNamesAreReported) {
    std::vector<uint8_t> bytes;
    Entry(bytes, 2, 1, "SKIP.BMP", {1, 2});
    Entry(bytes, 1, 1, "A.BMP", {31 << 10});
    Entry(bytes, 1, 1, "A.BMP", {31 << 5});
    std::string said;
    const int32_t slot = LoadFrom(bytes, "a.bmp", &said);
    ASSERT_EQ(slot, 4);
    EXPECT_EQ(imageTable[slot].surface->Pixel(0, 0), kitDraw::Pack5(31, 0, 0)) << "the first A.BMP, red";
    EXPECT_EQ(fatalFlag, 0);

    EXPECT_EQ(LoadFrom(bytes, "B.BMP", &said), 0);
    EXPECT_NE(said.find("kitDraw::LoadPack : BMPファイルを読み込めません"), std::string::npos) << said;
    EXPECT_EQ(fatalFlag, 1);
    EXPECT_EQ(UsedSlots(), 1);

    // A prefix or an extension of a stored name is another name.
    EXPECT_EQ(LoadFrom(bytes, "A.BM"), 0);
    EXPECT_EQ(LoadFrom(bytes, "A.BMPX"), 0);

    // No pack file (or none set).
    kitDraw::SetPackFile("NONE.PAK");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(kitDraw::LoadPack("A.BMP", 1), 0);
    said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("kitDraw::LoadPack : パックファイル名が指定されていません"), std::string::npos)
        << said;
    EXPECT_EQ(UsedSlots(), 1);
}

TEST_F(ImagePack, BrokenPacksAreRefusedAndLeaveNothingBehind) {
    std::vector<uint8_t> good;
    Entry(good, 2, 2, "A.BMP", {1, 2, 3, 4});

    // Pixels cut short.
    std::vector<uint8_t> cut(good.begin(), good.end() - 1);
    std::string said;
    EXPECT_EQ(LoadFrom(cut, "A.BMP", &said), 0);
    EXPECT_NE(said.find("BMPファイルを読み込めません"), std::string::npos);
    // A name that never ends.
    std::vector<uint8_t> open = {1, 0, 1, 0, 'A', '.', 'B'};
    EXPECT_EQ(LoadFrom(open, "A.BMP"), 0);
    // A name longer than any pack holds, in front of the wanted entry.
    std::vector<uint8_t> longName;
    Entry(longName, 0, 0, std::string(300, 'N'), {});
    longName.insert(longName.end(), good.begin(), good.end());
    EXPECT_EQ(LoadFrom(longName, "A.BMP"), 0);
    // An entry claiming more pixels than the file holds hides what follows.
    std::vector<uint8_t> huge;
    Entry(huge, 60000, 60000, "BIG.BMP", {1});
    huge.insert(huge.end(), good.begin(), good.end());
    EXPECT_EQ(LoadFrom(huge, "A.BMP"), 0);
    EXPECT_EQ(LoadFrom(huge, "BIG.BMP"), 0);
    // An entry without pixels is no picture.
    std::vector<uint8_t> empty;
    Entry(empty, 0, 5, "A.BMP", {});
    EXPECT_EQ(LoadFrom(empty, "A.BMP"), 0);
    // A wanted name too long for the image record.
    std::vector<uint8_t> longEntry;
    Entry(longEntry, 1, 1, std::string(40, 'L'), {7});
    EXPECT_EQ(LoadFrom(longEntry, std::string(40, 'l').c_str()), 0);
    EXPECT_EQ(LoadFrom(good, nullptr), 0);
    // A short read of the first width ends the walk quietly: not found.
    EXPECT_EQ(LoadFrom({1}, "A.BMP"), 0);
    EXPECT_EQ(LoadFrom({}, "A.BMP"), 0);
    EXPECT_EQ(UsedSlots(), 0);

    // The walker itself.
    kitDraw::PackEntry e{};
    EXPECT_EQ(kitDraw::FindPackEntry(cut.data(), cut.size(), "A.BMP", &e), kitDraw::PackFind::Malformed);
    EXPECT_EQ(kitDraw::FindPackEntry(open.data(), open.size(), "A.BMP", &e), kitDraw::PackFind::Malformed);
    EXPECT_EQ(kitDraw::FindPackEntry(huge.data(), huge.size(), "A.BMP", &e), kitDraw::PackFind::NotFound);
    ASSERT_EQ(kitDraw::FindPackEntry(good.data(), good.size(), "A.BMP", &e), kitDraw::PackFind::Found);
    EXPECT_EQ(e.width, 2);
    EXPECT_EQ(e.height, 2);
    EXPECT_EQ(e.pixelOffset, 10u);

    // The same good pack loads, and a failed lock of the temporary image gives both images back silently
    // (every lock fails here: creating an image locks it too, to read its key colour).
    plat::FailNextLocksForTests(1000);
    fatalFlag = 0;
    EXPECT_EQ(LoadFrom(good, "A.BMP", &said), 0);
    plat::FailNextLocksForTests(0);
    EXPECT_EQ(fatalFlag, 0);
    EXPECT_EQ(UsedSlots(), 0);
    EXPECT_EQ(LoadFrom(good, "A.BMP"), 4);
}

TEST_F(ImagePack, TableFullGivesTheTargetBack) {
    std::vector<uint8_t> good;
    Entry(good, 1, 1, "A.BMP", {9});
    for (int i = 4; i < kImageSlots - 1; ++i)
        std::strcpy(imageTable[i].name, "TAKEN");
    std::string said;
    EXPECT_EQ(LoadFrom(good, "A.BMP", &said), 0) << "one slot for the target, none for the temporary image";
    EXPECT_NE(said.find("オブジェクト数が多過ぎます"), std::string::npos) << said;
    EXPECT_EQ(imageTable[kImageSlots - 1].name[0], 0);
    EXPECT_EQ(imageTable[kImageSlots - 1].surface, nullptr);
}

TEST_F(ImagePack, SwapPackReplacesThePictureOfASlot) {
    std::vector<uint8_t> bytes;
    Entry(bytes, 1, 1, "ONE.BMP", {31});
    Entry(bytes, 2, 3, "TWO.BMP", {1, 2, 3, 4, 5, 6});
    const int32_t slot = LoadFrom(bytes, "ONE.BMP");
    ASSERT_EQ(slot, 4);
    EXPECT_EQ(kitDraw::SwapPack("two.bmp", slot, 2), slot);
    const ImageRecord& r = imageTable[slot];
    EXPECT_STREQ(r.name, "TWO.BMP");
    EXPECT_EQ(r.width, 2);
    EXPECT_EQ(r.height, 3);
    EXPECT_EQ(r.surface->width, 2);
    EXPECT_EQ(r.surface->Pixel(1, 2), kitDraw::Pack5(0, 0, 6));
    EXPECT_EQ(r.fromPack, 1);
    EXPECT_EQ(UsedSlots(), 1);

    // A name not in the pack leaves the slot without a picture, and its record as it was.
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(kitDraw::SwapPack("THREE.BMP", slot, 2), 0);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("kitDraw::SwapPack : BMPファイルを読み込めません"), std::string::npos) << said;
    EXPECT_EQ(r.surface, nullptr);
    EXPECT_STREQ(r.name, "TWO.BMP");
    // ... and the next swap brings one back.
    EXPECT_EQ(kitDraw::SwapPack("ONE.BMP", slot, 2), slot);
    EXPECT_EQ(r.surface->Pixel(0, 0), kitDraw::Pack5(0, 0, 31));

    // Handles outside the table do nothing.
    EXPECT_EQ(kitDraw::SwapPack("ONE.BMP", -1, 2), 0);
    EXPECT_EQ(kitDraw::SwapPack("ONE.BMP", 500, 2), 0);
}

TEST_F(ImagePack, AppendSkipsWhatItCannotReadOrWrite) {
    WriteFile(dir / "A.BMP", Bmp24(1, 1, {{1, 2, 3}}));
    // A BMP that is not there: reported by the loader, nothing written.
    ::testing::internal::CaptureStderr();
    kitDraw::PackAppend("P.PAK", "MISSING.BMP");
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("BMPファイルを読み込めません"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "P.PAK"));
    // A pack that cannot be opened (a folder of that name): skipped without a word.
    fs::create_directories(dir / "DIR.PAK");
    fatalFlag = 0;
    const int before = UsedSlots();
    kitDraw::PackAppend("DIR.PAK", "A.BMP");
    EXPECT_EQ(fatalFlag, 0);
    EXPECT_EQ(UsedSlots(), before);
    // Only the part after the last backslash names the entry.
    WriteFile(dir / "SUB" / "B.BMP", Bmp24(1, 1, {{0, 0, 0}}));
    kitDraw::PackAppend("P.PAK", "SUB\\B.BMP");
    std::vector<uint8_t> want;
    Entry(want, 1, 1, "B.BMP", {0});
    EXPECT_EQ(ReadFile(dir / "P.PAK"), want) << "black stays black";
}
