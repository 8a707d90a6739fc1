#pragma once
// Every test starts, and every fixture ends, with the state a fresh process
// has: the window system, display, mixer, music and pads closed; the
// platform's test hooks off; the library's and the game's globals at their
// start values (pools zeroed, not parked); the start-up initialisers run
// again. The game's state is global, so a test that relies on what an
// earlier one left would pass alone and fail in a row, or the other way.
//
// A new global of the game or the library belongs in reset_globals.cpp.
void ResetGameGlobals();

#include <gtest/gtest.h>

// The fixture of tests that touch the game's state without a GameHarness:
// `using Suite = FreshGlobals;` and TEST_F.
class FreshGlobals : public ::testing::Test {
  protected:
    void SetUp() override { ResetGameGlobals(); }
    void TearDown() override { ResetGameGlobals(); }
};
