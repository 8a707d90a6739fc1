#pragma once
// The ending (scene 10): a banner, five pictures and the credit lines over a
// star field, paced by scrollDistance at 20 units a second; Space leaves.
#include <cstdint>

extern float endingZoom; // height of the zoomed logo, which shows only after the countdown ran out

constexpr int kEndingCreditLines = 7;
extern const char* const kEndingCredits[kEndingCreditLines];
