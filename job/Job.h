#pragma once

#include <string>

#include "job/CSyuukeiDataFile.h"
#include "xmlout/TransferMode.h"

namespace corvane::job {

// The function ids of the document: a job that the user started (the
// completion message is shown), and one that the calling program started.
inline constexpr int kStartedByUser = 1;
inline constexpr int kStartedByCaller = 3;

// One conversion job, as the wizard's pages fill it in and as the converter
// builds it from its options. Texts are code page 932, paths as the system
// spells them.
struct Job {
    std::string employeeList;  // the employee list's path; "" before one was accepted
    SummarySlots slots = MakeSummarySlots();
    std::string outputPath;
    TransferMode mode = TransferMode::Normal;
    int functionId = 0;
    std::string filingYear;   // as typed: a leading number from 1 to 98
    std::string companyName;  // the employee list's company

    bool operator==(const Job&) const = default;
};

}  // namespace corvane::job
