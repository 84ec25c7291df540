#include "platform/ConsoleOutput.h"

#include <unistd.h>

namespace corvane::platform {

// Terminals and files here take the converter's UTF-8 as it is.
ConsoleOutput::ConsoleOutput() = default;
ConsoleOutput::~ConsoleOutput() = default;

bool ConsoleOutput::ErrorIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

}  // namespace corvane::platform
