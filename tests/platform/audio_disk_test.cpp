// The library's sound reaches a real SDL audio driver: the "disk" driver
// writes the mix to a file, which a small program checks.
#include "harness/reset_globals.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

using DiskAudio = FreshGlobals;

TEST_F(DiskAudio, EffectAndMusicReachTheOutputFile) {
    const std::string tool = std::string(VEX_BINARY_DIR) + "/disk_audio_proof";
    ASSERT_TRUE(std::filesystem::exists(tool));
    char tmpl[] = "/tmp/vexdisk-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const std::string out = std::string(tmpl) + "/out.raw";
    const std::string cmd = "SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE='" + out + "' '" + tool + "'";
    int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_GT(std::filesystem::file_size(out), 44100u * 4);
    std::error_code ec;
    std::filesystem::remove_all(tmpl, ec);
}
