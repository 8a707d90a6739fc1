#pragma once
// How many records of a pool (an array, a span, any range of records) are in
// flight, and whether any is: what most pattern and stage tests ask of a pool.
#include <cstdint>

template <typename Pool> int32_t CountActive(const Pool& pool) {
    int32_t n = 0;
    for (const auto& r : pool)
        n += r.active;
    return n;
}

template <typename Pool> bool AnyActive(const Pool& pool) {
    for (const auto& r : pool)
        if (r.active == 1) return true;
    return false;
}
