#pragma once

#include <vector>

#include "preflight/Finding.h"
#include "sormaexport/ReadView.h"

namespace corvane {

class CSormaItemCheck;

namespace preflight {

// Whether the chosen columns' figures are plausible: the total pay below the
// tax or the social insurance in most rows with pay (the correspondence
// looks wrong), negative figures, and a dependants' count that is no whole
// number from 0 to 99.
void CheckFigures(const ReadView& read, const CSormaItemCheck& items, std::vector<Finding>& findings);

}  // namespace preflight
}  // namespace corvane
