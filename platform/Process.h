#pragma once

#include <string>
#include <vector>

namespace corvane::platform {

// The full path of the running program's own executable, in UTF-8 like every
// path; "" when it cannot be found.
std::string ExecutablePath();

// The program's arguments after its name. On Windows they are read from the
// wide command line and given in UTF-8, like every path.
std::vector<std::string> ProgramArguments(int argc, const char* const* argv);

}  // namespace corvane::platform
