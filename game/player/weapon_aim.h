#pragma once
// The steering rule every homing weapon of the ship shares: the angle of the
// vector (dx, dy), with x growing with the cosine and y with the sine.
#include "game/enemies/pattern_support.h"

constexpr double kWeaponPi = 3.141592653589793;

// A vertical vector takes pi/2 and is then turned by pi when it points up, so
// straight up is 3pi/2; a leftward vector is turned by pi onto its side.
inline float AimAngle(float dx, float dy) { return AimTurnBack(AimBaseFloat(dx, dy), dx, dy); }
