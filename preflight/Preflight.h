#pragma once

#include <vector>

#include "preflight/Finding.h"

namespace corvane {

class CSormaKyuuyo;
class CSormaItemCheck;

namespace preflight {

// Looks at what the reader read from one job's exports, and at what it
// noticed while reading, for whatever would make the written figures wrong
// or missing. Reads no file. A clean export set gives no findings.
std::vector<Finding> VerifyExports(const CSormaKyuuyo& reader, const CSormaItemCheck& items);

}  // namespace preflight
}  // namespace corvane
