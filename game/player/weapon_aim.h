#pragma once
// The steering rule every homing weapon of the ship shares: the angle of the
// vector (dx, dy), with x growing with the cosine and y with the sine.
#include <cmath>

constexpr double kWeaponPi = 3.141592653589793;

// A vertical vector takes pi/2 and is then turned by pi when it points up, so
// straight up is 3pi/2; a leftward vector is turned by pi onto its side.
inline float AimAngle(float dx, float dy) {
    float angle = dx == 0.0f ? float(kWeaponPi / 2) : std::atan(dy / dx);
    if (dx < 0.0f || (dx == 0.0f && dy <= 0.0f)) angle = float(double(angle) + kWeaponPi);
    return angle;
}
