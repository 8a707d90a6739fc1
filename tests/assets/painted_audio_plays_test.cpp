// The painted sounds load through the game's own sound loader, and every
// painted track sounds through the synthesiser.
#include "harness/reset_globals.h"
#include "kit/sound/sound.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/midi.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {
const char* const kSmallFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

int Peak(const std::vector<int16_t>& s) {
    int p = 0;
    for (int16_t v : s)
        p = std::max(p, std::abs(int(v)));
    return p;
}
} // namespace

using PaintedAudio = FreshGlobals;

TEST_F(PaintedAudio, EffectsLoadAndEveryTrackSounds) {
    if (!std::filesystem::exists(kSmallFont)) GTEST_SKIP() << "no soundfont";
    const std::string dir = std::string(VEX_BINARY_DIR) + "/";
    plat::SetProgramDirectoryForTests(dir);
    plat::AudioUseRenderHookForTests(true);
    ASSERT_EQ(kitSound::Init(), 1);
    kitSound::ResetSlots();
    EXPECT_GE(kitSound::LoadObject("SOUND/SHOT.WAV", 1), 0);
    EXPECT_GE(kitSound::LoadObject("SOUND/BOM.WAV", 1), 0);
    kitSound::Release();

    ASSERT_TRUE(plat::AudioOpen());
    plat::SetMidiSoundFontForTests(kSmallFont);
    std::vector<int16_t> block(2 * 1024);
    for (const char* track : {"VXTM1", "VXTM2", "VXTM3", "VXTM4", "VXTM5", "PLNK3", "VX5", "VXTMEND"}) {
        SCOPED_TRACE(track);
        const std::string open = "open \"" + dir + "MIDI/" + track + ".MID\" type sequencer alias midi";
        ASSERT_EQ(plat::MciSendString(open), plat::kMciOk);
        plat::MciSendString("seek midi to start");
        plat::MciSendString("play midi notify");
        // Four seconds in, every piece is playing.
        std::vector<int16_t> heard;
        for (int frames = 0; frames < 4 * 44100; frames += 1024) {
            plat::AudioRenderForTests(block.data(), 1024);
            heard.insert(heard.end(), block.begin(), block.end());
        }
        EXPECT_GT(Peak(heard), 1000);
        plat::MciSendString("close midi");
    }
    plat::AudioClose();
}
