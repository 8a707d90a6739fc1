// The painted pictures beside the game: every file the image list names, with
// its exact name, size and format, and something drawn in it. The list
// (images.tsv beside this file) is kept apart from the painter's own table,
// so a picture dropped or resized there shows up here.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ImageRow {
    std::string file;
    int width = 0;
    int height = 0;
};

std::filesystem::path ManifestPath() {
    return std::filesystem::path(VEX_SOURCE_DIR) / "tests" / "assets" / "images.tsv";
}

std::vector<ImageRow> ReadManifest() {
    std::vector<ImageRow> rows;
    std::ifstream in(ManifestPath());
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        std::vector<std::string> cols;
        std::stringstream ss(line);
        std::string col;
        while (std::getline(ss, col, '\t'))
            cols.push_back(col);
        if (cols.size() < 4) continue;
        rows.push_back({cols[0], std::stoi(cols[2]), std::stoi(cols[3])});
    }
    return rows;
}

std::vector<uint8_t> ReadAll(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

uint32_t U32(const std::vector<uint8_t>& b, size_t o) {
    return b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) | (static_cast<uint32_t>(b[o + 3]) << 24);
}
uint16_t U16(const std::vector<uint8_t>& b, size_t o) {
    return static_cast<uint16_t>(b[o] | (b[o + 1] << 8));
}

} // namespace

TEST(PaintedImages, EveryListedFileIsA24BitBmpOfItsExactSize) {
    ASSERT_TRUE(std::filesystem::is_regular_file(ManifestPath())) << ManifestPath();
    std::vector<ImageRow> rows = ReadManifest();
    ASSERT_EQ(rows.size(), 163u);
    for (const ImageRow& r : rows) {
        SCOPED_TRACE(r.file);
        // The exact name, case included: the file system here is case-sensitive.
        std::filesystem::path p = std::filesystem::path(VEX_BINARY_DIR) / r.file;
        ASSERT_TRUE(std::filesystem::is_regular_file(p));
        std::vector<uint8_t> b = ReadAll(p);
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        uint32_t offset = U32(b, 10);
        EXPECT_EQ(U32(b, 14), 40u); // plain info header
        EXPECT_EQ(static_cast<int32_t>(U32(b, 18)), r.width);
        EXPECT_EQ(static_cast<int32_t>(U32(b, 22)), r.height); // positive: bottom-up rows
        EXPECT_EQ(U16(b, 26), 1);
        EXPECT_EQ(U16(b, 28), 24);
        EXPECT_EQ(U32(b, 30), 0u); // uncompressed
        size_t row = (static_cast<size_t>(r.width) * 3 + 3) & ~static_cast<size_t>(3);
        EXPECT_EQ(b.size(), offset + row * r.height);
        EXPECT_EQ(U32(b, 2), b.size());
    }
}

TEST(PaintedImages, NoImageIsBlank) {
    ASSERT_TRUE(std::filesystem::is_regular_file(ManifestPath())) << ManifestPath();
    for (const ImageRow& r : ReadManifest()) {
        SCOPED_TRACE(r.file);
        std::vector<uint8_t> b = ReadAll(std::filesystem::path(VEX_BINARY_DIR) / r.file);
        ASSERT_GE(b.size(), 54u);
        uint32_t offset = U32(b, 10);
        size_t row = (static_cast<size_t>(r.width) * 3 + 3) & ~static_cast<size_t>(3);
        ASSERT_GE(b.size(), offset + row * r.height);
        // Black is transparent: a blank picture would be all black.
        size_t lit = 0;
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x) {
                const uint8_t* p = &b[offset + y * row + x * 3];
                if (p[0] || p[1] || p[2]) ++lit;
            }
        EXPECT_GT(lit, 0u);
    }
}
