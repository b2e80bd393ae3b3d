#include "cli/InterruptCounter.h"

#include <csignal>

namespace valtrane::cli {

namespace {

// A signal handler reaches only static data.
std::atomic<int> presses{0};
std::atomic<bool> pressed{false};
void (*previous)(int) = SIG_DFL;

void onInterrupt(int)
{
    presses.fetch_add(1);
    pressed.store(true);
}

} // namespace

InterruptCounter::InterruptCounter()
{
    presses.store(0);
    pressed.store(false);
    previous = std::signal(SIGINT, onInterrupt);
}

InterruptCounter::~InterruptCounter()
{
    std::signal(SIGINT, previous == SIG_ERR ? SIG_DFL : previous);
}

int InterruptCounter::count() const
{
    return presses.load();
}

const std::atomic<bool> &InterruptCounter::interrupted() const
{
    return pressed;
}

} // namespace valtrane::cli
