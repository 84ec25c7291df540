#pragma once

#include <string>
#include <vector>

#include "checklist/CheckList.h"
#include "job/Job.h"
#include "platform/TextCodec.h"
#include "preflight/Finding.h"

namespace corvane {

class CExportXMLVeld;
class CSormaItemCheck;

namespace checklist {

// What a conversion knew when its check list is made: the job, the item
// correspondence, what the check of the exports found and the store that was
// (or is about to be) written to the XML.
struct Conversion {
    const job::Job& job;
    const CSormaItemCheck& items;
    const std::vector<preflight::Finding>& findings;
    const CExportXMLVeld& store;
    // Converts the core's code page 932 texts for the page.
    const platform::TextCodec& codec;
};

// The check list's value: the sums from the store (preflight's StoreTotals,
// the reconciliation table's sums), the input files read again for their
// lines, size and SHA-256, and the output file's when `written`.
CheckList Gather(const Conversion& conversion, bool written);

// The local date and time now, "2025/01/10 09:30:00".
std::string LocalNow();
// The program and its version, "Corvane 1.0.0.0".
std::string ProgramVersion();

// A file's size, lines and SHA-256, read through once; a file that cannot be
// read has an empty digest.
FileFacts ReadFacts(const std::string& path);

}  // namespace checklist
}  // namespace corvane
