#pragma once

#include <string>

#include "fileio/AtomicFile.h"

namespace corvane {

// The message shown when the intermediate file could not be written;
// `displayPath` is the output path in its display form.
std::string WriteFailureMessage(fileio::WriteError error, const std::string& displayPath);

}  // namespace corvane
