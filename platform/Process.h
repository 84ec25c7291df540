#pragma once

#include <string>

namespace corvane::platform {

// The full path of the running program's own executable, in the operating
// system's path encoding; "" when it cannot be found.
std::string ExecutablePath();

}  // namespace corvane::platform
