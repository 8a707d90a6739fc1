#include "harness/reset_globals.h"
#include "platform/files.h"
#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {
void Touch(const std::string& p) {
    FILE* f = std::fopen(p.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
}
} // namespace

using InstanceLock = FreshGlobals;

TEST_F(InstanceLock, SecondHolderIsRefusedUntilRelease) {
    char dir[] = "/tmp/vexlock-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    plat::SetInstanceLockDirectoryForTests(dir);
    EXPECT_EQ(plat::InstanceLockPath("VEX TALON:KitMutex"), std::string(dir) + "/VEX TALON:KitMutex.lock");
    EXPECT_EQ(plat::InstanceLockPath("a/b"), std::string(dir) + "/a_b.lock");

    bool held = true;
    plat::InstanceLock* first = plat::CreateInstanceLock("VEX TALON:KitMutex", &held);
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(held);
    plat::InstanceLock* second = plat::CreateInstanceLock("VEX TALON:KitMutex", &held);
    EXPECT_EQ(second, nullptr);
    EXPECT_TRUE(held);
    // Another name is another lock.
    plat::InstanceLock* other = plat::CreateInstanceLock("OTHER:KitMutex", &held);
    EXPECT_NE(other, nullptr);
    EXPECT_FALSE(held);
    plat::ReleaseInstanceLock(first);
    plat::InstanceLock* again = plat::CreateInstanceLock("VEX TALON:KitMutex", &held);
    EXPECT_NE(again, nullptr);
    EXPECT_FALSE(held);
    plat::ReleaseInstanceLock(again);
    plat::ReleaseInstanceLock(other);
    plat::ReleaseInstanceLock(nullptr);

    // No place for a lock file: the guard gives way and the program runs.
    plat::SetInstanceLockDirectoryForTests(std::string(dir) + "/missing");
    plat::InstanceLock* noFile = plat::CreateInstanceLock("X", &held);
    EXPECT_NE(noFile, nullptr);
    EXPECT_FALSE(held);
    plat::ReleaseInstanceLock(noFile);

    ::unlink((std::string(dir) + "/VEX TALON:KitMutex.lock").c_str());
    ::unlink((std::string(dir) + "/OTHER:KitMutex.lock").c_str());
    ::rmdir(dir);
    plat::SetInstanceLockDirectoryForTests("");
}

TEST(FileSearch, PatternsMatchCaseInsensitively) {
    EXPECT_TRUE(plat::WildcardMatch("*.bmp", "ZBAK1B.BMP"));
    EXPECT_TRUE(plat::WildcardMatch("VAL?0L", "val40l"));
    EXPECT_FALSE(plat::WildcardMatch("VAL?0L", "VAL400L"));
    EXPECT_TRUE(plat::WildcardMatch("*", ""));
    EXPECT_FALSE(plat::WildcardMatch("?", ""));
    EXPECT_TRUE(plat::WildcardMatch("a*b*c", "aXXbYYc"));
    EXPECT_FALSE(plat::WildcardMatch("a*b*c", "aXXbYY"));
    // Many stars against a long near-miss finish (no exponential backtracking).
    EXPECT_FALSE(plat::WildcardMatch("*a*a*a*a*a*a*a*a*b", std::string(5000, 'a').c_str()));

    char dir[] = "/tmp/vexfind-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    const std::string d = dir;
    ::mkdir((d + "/Image").c_str(), 0755);
    Touch(d + "/Image/B.BMP");
    Touch(d + "/Image/a.bmp");
    Touch(d + "/Image/c.wav");
    ::mkdir((d + "/Image/DIR.BMP").c_str(), 0755);
    EXPECT_EQ(plat::FindFiles(d + "/IMAGE/*.BMP"), (std::vector<std::string>{"B.BMP", "a.bmp"}));
    EXPECT_EQ(plat::FindFiles(d + "\\image\\?.WAV"), (std::vector<std::string>{"c.wav"}));
    EXPECT_TRUE(plat::FindFiles(d + "/IMAGE/*.MID").empty());
    EXPECT_TRUE(plat::FindFiles(d + "/NOPE/*").empty());
    EXPECT_TRUE(plat::FindFiles(d + "/IMAGE/").empty());
    for (const char* f : {"B.BMP", "a.bmp", "c.wav"})
        ::unlink((d + "/Image/" + f).c_str());
    ::rmdir((d + "/Image/DIR.BMP").c_str());
    ::rmdir((d + "/Image").c_str());
    ::rmdir(dir);
}
