#pragma once

#include <chrono>

namespace corvane::bench {

// Seconds on the steady clock; only differences mean anything.
inline double MonotonicSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace corvane::bench
