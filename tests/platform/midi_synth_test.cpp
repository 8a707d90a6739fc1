#include "harness/reset_globals.h"
#include "kit/sound/test_media.h"
#include "platform/audio.h"
#include "platform/midi.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testmedia;

namespace {
const char* const kSmallFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
std::vector<uint32_t> notifications;
void RecordNotify(uint32_t status) { notifications.push_back(status); }

class MidiSynth : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override {
        ResetGameGlobals();
        if (!std::filesystem::exists(kSmallFont)) GTEST_SKIP() << "no soundfont";
        dir = MakeTempDir();
        ASSERT_TRUE(WriteFile(dir + "MIDI/TWO.MID", ShortMidi(2))); // one second
        plat::AudioUseRenderHookForTests(true);
        ASSERT_TRUE(plat::AudioOpen());
        plat::SetMidiSoundFontForTests(kSmallFont);
        plat::SetMidiNotifyCallback(RecordNotify);
        notifications.clear();
    }
    void TearDown() override {
        std::error_code ec;
        if (!dir.empty()) std::filesystem::remove_all(dir, ec);
        ResetGameGlobals();
    }
    // Renders in device-sized blocks until a notification or the limit;
    // returns the frames rendered.
    int RenderUntilNotified(int limitFrames, std::vector<int16_t>* keep = nullptr) {
        std::vector<int16_t> block(2 * 1024);
        int frames = 0;
        while (notifications.empty() && frames < limitFrames) {
            plat::AudioRenderForTests(block.data(), 1024);
            if (keep) keep->insert(keep->end(), block.begin(), block.end());
            frames += 1024;
        }
        return frames;
    }
};
} // namespace

TEST_F(MidiSynth, PlaysATrackToItsEndAndAgainAfterARewind) {
    ASSERT_EQ(plat::MciSendString("open \"" + dir + "midi/two.mid\" type sequencer alias midi"),
              plat::kMciOk);
    plat::MciSendString("seek midi to start");
    plat::MciSendString("play midi notify");

    std::vector<int16_t> heard;
    int frames = RenderUntilNotified(5 * 44100, &heard);
    ASSERT_EQ(notifications, std::vector<uint32_t>{plat::kMidiNotifySuccessful});
    // Two quarter notes at 120 bpm: the end comes a second in, not seconds later.
    EXPECT_GE(frames, 44100 - 1024);
    EXPECT_LE(frames, 44100 + 2 * 1024);
    EXPECT_GT(Peak(heard), 1000);
    std::string mode;
    plat::MciSendString("status midi mode", &mode);
    EXPECT_EQ(mode, "stopped");

    // Rewound, it plays and ends once more.
    notifications.clear();
    plat::MciSendString("seek midi to start");
    plat::MciSendString("play midi notify");
    heard.clear();
    frames = RenderUntilNotified(5 * 44100, &heard);
    EXPECT_EQ(notifications.size(), 1u);
    EXPECT_LE(frames, 44100 + 2 * 1024);
    EXPECT_GT(Peak(heard), 1000);
}

TEST_F(MidiSynth, StopSilencesAndNeverNotifies) {
    ASSERT_EQ(plat::MciSendString("open \"" + dir + "MIDI/TWO.MID\" type sequencer alias midi"),
              plat::kMciOk);
    plat::MciSendString("seek midi to start");
    plat::MciSendString("play midi notify");
    RenderUntilNotified(10240);
    plat::MciSendString("stop midi");
    std::vector<int16_t> after;
    RenderUntilNotified(3 * 44100, &after);
    EXPECT_TRUE(notifications.empty());
    // Past the effects' short tail, nothing sounds.
    EXPECT_LT(Peak(after, 2 * 22050), 50);

    // Resuming the stopped track finishes it and notifies.
    plat::MciSendString("play midi notify");
    RenderUntilNotified(3 * 44100);
    EXPECT_EQ(notifications.size(), 1u);
}

TEST_F(MidiSynth, MissingSoundFontLeavesEffectsPlaying) {
    plat::SetMidiSoundFontForTests("/nonexistent/none.sf2");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(plat::MciSendString("open \"" + dir + "MIDI/TWO.MID\" type sequencer alias midi"),
              plat::kMciErrNoSynth);
    EXPECT_EQ(plat::MciSendString("open \"" + dir + "MIDI/TWO.MID\" type sequencer alias midi"),
              plat::kMciErrNoSynth);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err; // said once
    EXPECT_EQ(plat::MciSendString("play midi notify"), plat::kMciErrUnknownAlias);

    plat::WaveFormat f;
    f.formatTag = plat::kWaveFormatPcm;
    f.channels = 1;
    f.samplesPerSec = 44100;
    f.bitsPerSample = 16;
    int32_t id = plat::AudioCreateBuffer(f, 2000);
    Bytes pcm = Constant16(1000, 10000);
    plat::AudioWriteBuffer(id, 0, pcm.data(), 2000);
    plat::AudioPlay(id, false);
    std::vector<int16_t> out(200);
    plat::AudioRenderForTests(out.data(), 100);
    EXPECT_NEAR(out[10], 10000, 2);
}

using MidiSynthNoDevice = FreshGlobals;

TEST_F(MidiSynthNoDevice, OpenFailsWithOneLine) {
    plat::AudioFailOpenForTests(true);
    ASSERT_FALSE(plat::AudioOpen());
    std::string dir = MakeTempDir();
    ASSERT_TRUE(WriteFile(dir + "A.MID", ShortMidi(1)));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(plat::MciSendString("open \"" + dir + "A.MID\" type sequencer alias midi"),
              plat::kMciErrNoSynth);
    EXPECT_EQ(plat::MciSendString("open \"" + dir + "A.MID\" type sequencer alias midi"),
              plat::kMciErrNoSynth);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}
