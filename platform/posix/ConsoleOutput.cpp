#include "platform/ConsoleOutput.h"

namespace corvane::platform {

// Terminals and files here take the converter's UTF-8 as it is.
ConsoleOutput::ConsoleOutput() = default;
ConsoleOutput::~ConsoleOutput() = default;

}  // namespace corvane::platform
