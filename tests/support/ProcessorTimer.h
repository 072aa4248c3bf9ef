#pragma once

#include <ctime>

namespace talmo::testing {

// The processor time this process spent since construction, in milliseconds.
// Time limits of tests use it rather than the clock on the wall, so they hold
// on a machine busy with other work.
class ProcessorTimer
{
public:
    long long elapsed() const { return (std::clock() - m_start) * 1000LL / CLOCKS_PER_SEC; }

private:
    std::clock_t m_start = std::clock();
};

} // namespace talmo::testing
