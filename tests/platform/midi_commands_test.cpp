#include "harness/reset_globals.h"
#include "kit/sound/test_media.h"
#include "platform/files.h"
#include "platform/midi.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testmedia;

namespace {
std::vector<uint32_t> notifications;
void RecordNotify(uint32_t status) { notifications.push_back(status); }

class MidiCommands : public ::testing::Test {
  protected:
    std::string dir;
    void SetUp() override {
        ResetGameGlobals();
        dir = MakeTempDir();
        ASSERT_TRUE(WriteFile(dir + "Music Dir/Track.mid", ShortMidi(2)));
        ASSERT_TRUE(WriteFile(dir + "junk.mid", Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}));
        plat::UseFakeMidiSequencerForTests(true);
        plat::SetMidiNotifyCallback(RecordNotify);
        notifications.clear();
    }
    void TearDown() override {
        plat::MciSendString("close midi");
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
        ResetGameGlobals();
    }
    uint32_t Open(const std::string& path, const char* alias = "midi") {
        return plat::MciSendString("open \"" + path + "\" type sequencer alias " + alias);
    }
};
} // namespace

TEST_F(MidiCommands, OnlyTheSequencerCommandsAreUnderstood) {
    EXPECT_EQ(plat::MciSendString(""), plat::kMciErrUnrecognized);
    EXPECT_EQ(plat::MciSendString("open"), plat::kMciErrUnrecognized);
    EXPECT_EQ(plat::MciSendString("open \"" + dir + "junk.mid"), plat::kMciErrUnrecognized); // open quote
    EXPECT_EQ(plat::MciSendString("open \"x\" type waveaudio alias midi"), plat::kMciErrUnrecognized);
    EXPECT_EQ(plat::MciSendString("pause midi"), plat::kMciErrUnrecognized);
    EXPECT_EQ(plat::MciSendString("seek midi to end"), plat::kMciErrUnrecognized);
    EXPECT_EQ(plat::MciSendString("status midi length"), plat::kMciErrUnrecognized);
    EXPECT_EQ(plat::MciSendString("play midi wait"), plat::kMciErrUnrecognized);
    // Understood, but nothing is open under that alias.
    std::string reply = "stale";
    EXPECT_EQ(plat::MciSendString("status midi mode", &reply), plat::kMciErrUnknownAlias);
    EXPECT_EQ(reply, "");
    EXPECT_EQ(plat::MciSendString("stop midi"), plat::kMciErrUnknownAlias);
    EXPECT_EQ(plat::MciSendString("close midi"), plat::kMciErrUnknownAlias);

    // Quoted paths may hold blanks and differ in case; keywords are any case.
    ASSERT_EQ(plat::MciSendString("OPEN \"" + dir + "music dir/TRACK.MID\" Type Sequencer Alias Tune"),
              plat::kMciOk);
    EXPECT_EQ(plat::MciSendString("status midi mode"), plat::kMciErrUnknownAlias);
    EXPECT_EQ(plat::MciSendString("status TUNE mode", &reply), plat::kMciOk);
    EXPECT_EQ(reply, "stopped");
    // One sequencer: a second open is refused while the first is open.
    EXPECT_EQ(Open(dir + "Music Dir/Track.mid"), plat::kMciErrAliasInUse);
    EXPECT_EQ(plat::MciSendString("close tune"), plat::kMciOk);
    EXPECT_EQ(Open(dir + "Music Dir/Track.mid"), plat::kMciOk);
}

TEST_F(MidiCommands, OpenRefusesMissingAndDamagedFiles) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Open(dir + "none.mid"), plat::kMciErrFileNotFound);
    EXPECT_EQ(Open(dir + "junk.mid"), plat::kMciErrNotMidi); // a header without a track
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 2) << err;

    Bytes cut = ShortMidi(3);
    cut.resize(cut.size() - 5);
    ASSERT_TRUE(WriteFile(dir + "cut.mid", cut));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Open(dir + "cut.mid"), plat::kMciErrNotMidi);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(plat::MciSendString("play midi notify"), plat::kMciErrUnknownAlias);
}

TEST_F(MidiCommands, NotifyOnlyForAPlayThatAskedAndRanOut) {
    ASSERT_EQ(Open(dir + "Music Dir/Track.mid"), plat::kMciOk);
    std::string mode;

    // Without "notify" the end is silent.
    plat::MciSendString("play midi");
    plat::MciSendString("status midi mode", &mode);
    EXPECT_EQ(mode, "playing");
    EXPECT_TRUE(plat::FakeMidiEndTrackForTests());
    EXPECT_TRUE(notifications.empty());
    plat::MciSendString("status midi mode", &mode);
    EXPECT_EQ(mode, "stopped");

    // A seek cancels a pending notification.
    plat::MciSendString("play midi notify");
    plat::MciSendString("seek midi to start");
    plat::MciSendString("status midi mode", &mode);
    EXPECT_EQ(mode, "stopped");
    EXPECT_FALSE(plat::FakeMidiEndTrackForTests());
    EXPECT_TRUE(notifications.empty());

    // A later play without notify replaces the request.
    plat::MciSendString("play midi notify");
    plat::MciSendString("play midi");
    EXPECT_TRUE(plat::FakeMidiEndTrackForTests());
    EXPECT_TRUE(notifications.empty());

    plat::MciSendString("seek midi to start");
    plat::MciSendString("play midi notify");
    EXPECT_TRUE(plat::FakeMidiEndTrackForTests());
    EXPECT_EQ(notifications, std::vector<uint32_t>{plat::kMidiNotifySuccessful});

    // Closing while playing posts nothing.
    plat::MciSendString("seek midi to start");
    plat::MciSendString("play midi notify");
    plat::MciSendString("close midi");
    EXPECT_FALSE(plat::FakeMidiEndTrackForTests());
    EXPECT_EQ(notifications.size(), 1u);
}
