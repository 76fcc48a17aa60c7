#pragma once

#include <cstdint>

#include "widgets/typeahead.h"

namespace kelvane::test {

// The clock of the lists' type-ahead while it lives, moved by the test: a key is typed in
// quick succession after the one before unless the test moves the clock past the interval.
struct TypeAheadClock {
    TypeAheadClock() {
        SetTypeAheadClock([this] { return now; });
    }
    ~TypeAheadClock() { SetTypeAheadClock({}); }
    TypeAheadClock(const TypeAheadClock&) = delete;
    TypeAheadClock& operator=(const TypeAheadClock&) = delete;

    // Moves the clock past any keyboard input interval: the next key starts afresh.
    void Pause() { now += 60'000; }

    std::int64_t now = 1'000'000;
};

}  // namespace kelvane::test
