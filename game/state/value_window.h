#pragma once
// A window on one value with its own open or closed ends: the stage schedules
// test scrollDistance, a boss's attack clock or its hp against it, and the
// boss scripts their behaviour clock.
#include <cstdint>
#include <limits>

enum class Edge : uint8_t { Open, Closed };

struct Window {
    float lo;
    float hi;
    Edge loEdge;
    Edge hiEdge;

    constexpr bool Holds(float v) const {
        const bool aboveLo = loEdge == Edge::Open ? v > lo : v >= lo;
        const bool belowHi = hiEdge == Edge::Open ? v < hi : v <= hi;
        return aboveLo && belowHi;
    }
};

// lo < v < hi: the spawn windows on scrollDistance.
constexpr Window Between(float lo, float hi) { return {lo, hi, Edge::Open, Edge::Open}; }
// lo <= v <= hi: attack-clock windows, hp blocks, power-item windows.
constexpr Window Within(float lo, float hi) { return {lo, hi, Edge::Closed, Edge::Closed}; }
// v >= lo, with no upper end.
constexpr Window From(float lo) {
    return {lo, std::numeric_limits<float>::infinity(), Edge::Closed, Edge::Open};
}
// Every value: the every-frame rows.
constexpr Window Always() {
    return {-std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity(), Edge::Closed,
            Edge::Closed};
}
