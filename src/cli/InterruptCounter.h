#pragma once

#include <atomic>

namespace valtrane::cli {

// Counts Ctrl-C presses while it exists, instead of letting the first one end the program, so a
// download can end the way its user meant (stop after the test, or abort). The previous handling
// comes back when it goes.
class InterruptCounter {
public:
    InterruptCounter();
    ~InterruptCounter();
    InterruptCounter(const InterruptCounter &) = delete;
    InterruptCounter &operator=(const InterruptCounter &) = delete;

    int count() const;
    // Set by the first Ctrl-C.
    const std::atomic<bool> &interrupted() const;
};

} // namespace valtrane::cli
