#pragma once
// Builders for the sound pack tests: pack entries byte by byte (sizes can
// lie), and the fixture every pack and stream test starts from.
#include "harness/reset_globals.h"
#include "kit/sound/sound.h"
#include "kit/sound/soundpack.h"
#include "kit/sound/test_media.h"
#include "platform/audio.h"
#include "platform/files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace packmedia {
using testmedia::Bytes;

// The 18-byte format head; avg and block may be forced to lie.
inline Bytes Format(uint16_t channels, uint32_t rate, uint16_t bits, int64_t avg = -1, int64_t block = -1,
                    uint16_t tag = 1) {
    Bytes b;
    uint16_t blockAlign = block < 0 ? uint16_t(channels * (bits / 8)) : uint16_t(block);
    testmedia::Put16(b, tag);
    testmedia::Put16(b, channels);
    testmedia::Put32(b, rate);
    testmedia::Put32(b, avg < 0 ? rate * blockAlign : uint32_t(avg));
    testmedia::Put16(b, blockAlign);
    testmedia::Put16(b, bits);
    testmedia::Put16(b, 0);
    return b;
}

// One entry; the size fields default to the real sizes.
inline void Entry(Bytes& pack, const std::string& name, const Bytes& format, const Bytes& data,
                  int64_t dataSizeField = -1, int64_t formatSizeField = -1) {
    testmedia::Put32(pack, dataSizeField < 0 ? uint32_t(data.size()) : uint32_t(dataSizeField));
    pack.insert(pack.end(), name.begin(), name.end());
    pack.push_back(0);
    testmedia::Put32(pack, formatSizeField < 0 ? uint32_t(format.size()) : uint32_t(formatSizeField));
    pack.insert(pack.end(), format.begin(), format.end());
    pack.insert(pack.end(), data.begin(), data.end());
}

// Mono 16-bit frames whose neighbours all differ, so any frame out of place
// shows: frame n holds (n * 7919) mod 65536 as a signed sample.
inline int16_t Marker(uint32_t n) { return int16_t(uint16_t(n * 7919u)); }
inline Bytes Markers(uint32_t frames) {
    Bytes b;
    b.reserve(size_t(frames) * 2);
    for (uint32_t n = 0; n < frames; ++n)
        testmedia::Put16(b, uint16_t(Marker(n)));
    return b;
}

// What the mixer puts out for one full-volume, centred mono 16-bit frame
// played at the output rate.
inline int Heard(int16_t s) { return int(float(s) * (1.0f / 32768.0f) * 32767.0f); }

// Left channel of `frames` rendered frames.
inline std::vector<int> RenderLeft(int frames) {
    std::vector<int16_t> out(size_t(frames) * 2);
    plat::AudioRenderForTests(out.data(), frames);
    std::vector<int> left(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        left[size_t(i)] = out[size_t(2 * i)];
    return left;
}

class PackTest : public ::testing::Test {
  protected:
    std::string dir;

    void SetUp() override {
        ResetGameGlobals();
        plat::AudioUseRenderHookForTests(true);
        plat::SetBeepEnabledForTests(false);
        dir = testmedia::MakeTempDir();
        plat::SetProgramDirectoryForTests(dir);
        ASSERT_EQ(kitSound::Init(), 1);
        kitSound::ResetSlots();
    }
    void TearDown() override {
        kitSound::Release();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
        ResetGameGlobals();
    }
    void WritePack(const std::string& name, const Bytes& bytes) {
        if (bytes.empty()) {
            // An empty file, made without handing fwrite a null buffer.
            FILE* f = std::fopen((dir + name).c_str(), "wb");
            ASSERT_NE(f, nullptr);
            std::fclose(f);
            return;
        }
        ASSERT_TRUE(testmedia::WriteFile(dir + name, bytes));
    }
    // Runs f and returns what the error report wrote.
    template <class F> std::string Errors(F f) {
        ::testing::internal::CaptureStderr();
        f();
        return ::testing::internal::GetCapturedStderr();
    }
    static int UsedSlots() {
        int n = 0;
        for (const SoundObject& o : soundObjects)
            n += o.used;
        return n;
    }
};
} // namespace packmedia
