#include "harness/reset_globals.h"
#include "kit/sound/midi.h"
#include "kit/sound/sound.h"
#include "kit/sound/test_media.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "platform/midi.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace testmedia;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
std::vector<uint32_t> notifications;
void RecordNotify(uint32_t status) { notifications.push_back(status); }

// What the window procedure does with the notify message.
void WindowProcNotify(uint32_t status) {
    if (status != plat::kMidiNotifySuccessful || !midiOpen) return;
    std::string mode;
    MciSendString("status midi mode", &mode);
    if (mode.compare(0, 2, "st") == 0) MidiRestart();
}

// Delivers what the sequencer posted, as the message loop would.
void DispatchNotifications() {
    std::vector<uint32_t> pending;
    pending.swap(notifications);
    for (uint32_t s : pending)
        WindowProcNotify(s);
}

class MidiMusic : public ::testing::Test {
  protected:
    std::string dir;
    std::string track1, track2;

    void SetUp() override {
        ResetGameGlobals();
        dir = MakeTempDir();
        plat::SetProgramDirectoryForTests(dir);
        ASSERT_TRUE(WriteFile(dir + "MIDI/VXTM1.MID", ShortMidi(4)));
        ASSERT_TRUE(WriteFile(dir + "MIDI/VXTM2.MID", ShortMidi(6)));
        track1 = "open \"" + dir + "MIDI/VXTM1.MID\" type sequencer alias midi";
        track2 = "open \"" + dir + "MIDI/VXTM2.MID\" type sequencer alias midi";
        plat::UseFakeMidiSequencerForTests(true);
        notifications.clear();
        MidiInit();
        // Listen in place of the window procedure.
        plat::SetMidiNotifyCallback(RecordNotify);
        plat::ClearMidiCommandLogForTests();
    }
    void TearDown() override {
        MidiStop();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
        ResetGameGlobals();
    }
    std::string Mode() {
        std::string mode;
        MciSendString("status midi mode", &mode);
        return mode;
    }
};
} // namespace

TEST_F(MidiMusic, StartUpValuesAndStopWithNothingOpen) {
    midiOpen = 1;
    midiLoop = 0;
    midiEnded = 1;
    EXPECT_EQ(MidiInit(), 1);
    EXPECT_EQ(midiOpen, 0);
    EXPECT_EQ(midiLoop, 1);
    EXPECT_EQ(midiEnded, 0);

    MidiStop();
    EXPECT_THAT(plat::MidiCommandLogForTests(), IsEmpty());
    // MidiClose does not look at the flag; the sequencer shrugs the commands off.
    MidiClose();
    EXPECT_THAT(plat::MidiCommandLogForTests(), ElementsAre("stop midi", "close midi"));
    MidiLoopOff();
    EXPECT_EQ(midiLoop, 0);
}

TEST_F(MidiMusic, PlaySendsItsCommandsAndASecondPlayClosesTheFirst) {
    MidiPlay("MIDI/VXTM1.MID", 1);
    EXPECT_THAT(plat::MidiCommandLogForTests(),
                ElementsAre(track1, "seek midi to start", "play midi notify"));
    EXPECT_EQ(midiOpen, 1);
    EXPECT_EQ(midiLoop, 1);
    EXPECT_EQ(midiEnded, 0);
    EXPECT_EQ(Mode(), "playing");

    plat::ClearMidiCommandLogForTests();
    MidiPlay("MIDI/VXTM2.MID", 0);
    EXPECT_THAT(plat::MidiCommandLogForTests(),
                ElementsAre("stop midi", "close midi", track2, "seek midi to start", "play midi notify"));
    EXPECT_EQ(midiLoop, 0);
    EXPECT_EQ(Mode(), "playing");
    // The switch posted nothing.
    EXPECT_THAT(notifications, IsEmpty());
}

TEST_F(MidiMusic, LoopingTrackRestartsOnItsEndButNotAfterAStop) {
    MidiPlay("MIDI/VXTM1.MID", 1);
    plat::ClearMidiCommandLogForTests();

    ASSERT_TRUE(plat::FakeMidiEndTrackForTests());
    EXPECT_THAT(notifications, ElementsAre(plat::kMidiNotifySuccessful));
    EXPECT_EQ(Mode(), "stopped");
    plat::ClearMidiCommandLogForTests();
    DispatchNotifications();
    EXPECT_EQ(midiEnded, 1);
    EXPECT_EQ(midiOpen, 1);
    EXPECT_THAT(plat::MidiCommandLogForTests(),
                ElementsAre("status midi mode", "seek midi to start", "play midi notify"));
    EXPECT_EQ(Mode(), "playing");

    // And again: the restarted track notifies too.
    ASSERT_TRUE(plat::FakeMidiEndTrackForTests());
    DispatchNotifications();
    EXPECT_EQ(Mode(), "playing");

    // A stop never notifies, and a late notification finds nothing open.
    MidiStop();
    EXPECT_EQ(midiOpen, 0);
    EXPECT_FALSE(plat::FakeMidiEndTrackForTests());
    EXPECT_THAT(notifications, IsEmpty());
    plat::ClearMidiCommandLogForTests();
    WindowProcNotify(plat::kMidiNotifySuccessful);
    EXPECT_THAT(plat::MidiCommandLogForTests(), IsEmpty());

    // A plain "stop midi" while playing does not notify either.
    MidiPlay("MIDI/VXTM1.MID", 1);
    MciSendString("stop midi");
    EXPECT_FALSE(plat::FakeMidiEndTrackForTests());
    EXPECT_THAT(notifications, IsEmpty());
}

TEST_F(MidiMusic, TrackWithoutLoopIsClosedAtItsEnd) {
    MidiPlay("MIDI/VXTM1.MID", 0);
    plat::ClearMidiCommandLogForTests();
    ASSERT_TRUE(plat::FakeMidiEndTrackForTests());
    DispatchNotifications();
    EXPECT_EQ(midiOpen, 0);
    EXPECT_EQ(midiEnded, 1);
    EXPECT_THAT(plat::MidiCommandLogForTests(), ElementsAre("status midi mode", "stop midi", "close midi"));
    EXPECT_FALSE(plat::FakeMidiEndTrackForTests());
}

TEST_F(MidiMusic, MissingTrackPlaysNothingAndLeavesSoundEffectsWorking) {
    plat::AudioUseRenderHookForTests(true);
    ASSERT_EQ(kitSound::Init(), 1);
    kitSound::ResetSlots();
    ASSERT_TRUE(WriteFile(dir + "SOUND/SHOT.WAV", PcmWave(1, 22050, 16, Constant16(1000, 9000))));

    ::testing::internal::CaptureStderr();
    MidiPlay("MIDI/NOPE.MID", 1);
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("MIDI/NOPE.MID"), std::string::npos);
    EXPECT_EQ(midiOpen, 1); // as if it had opened
    EXPECT_EQ(Mode(), "");  // the alias is not open
    EXPECT_FALSE(plat::FakeMidiEndTrackForTests());

    int32_t shot = kitSound::LoadObject("SOUND/SHOT.WAV", 1);
    ASSERT_EQ(shot, 0);
    kitSound::Play(shot, -1);
    std::vector<int16_t> out(400);
    plat::AudioRenderForTests(out.data(), 200);
    EXPECT_GT(Peak(out), 8000);

    MidiStop();
    EXPECT_EQ(midiOpen, 0);
    // The next track plays normally.
    MidiPlay("MIDI/VXTM1.MID", 1);
    EXPECT_EQ(Mode(), "playing");
    kitSound::Release();
}
