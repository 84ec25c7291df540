#include "job/PlaceExports.h"

#include <algorithm>
#include <vector>

#include "job/JobSteps.h"
#include "sormaexport/CSormaFileCheck.h"

namespace corvane::job {

namespace {

int FilledSlots(const SummarySlots& slots, int from, int to)
{
    return static_cast<int>(
        std::count_if(slots.begin() + from, slots.begin() + to, [](const auto& slot) { return !slot.path.empty(); }));
}

}  // namespace

Placement PlaceExports(const FolderExports& exports, Job& job, const platform::Messenger& messenger)
{
    CSormaFileCheck check;
    return PlaceExports(exports, job, messenger, check);
}

Placement PlaceExports(const FolderExports& exports, Job& job, const platform::Messenger& messenger,
                       CSormaFileCheck& check)
{
    Placement placement;
    if (!exports.refusal.empty()) {
        placement.refusal = exports.refusal;
        return placement;
    }
    const auto company = EmployeeListCompany(exports.employees, check);
    if (!company) {
        placement.refusal = EmployeeListRefusedMessage(exports.employees, messenger);
        return placement;
    }

    // Placed on a copy: a refused file leaves every earlier choice as it was.
    Job placed = job;
    placed.employeeList = exports.employees;
    placed.companyName = *company;
    placed.slots = MakeSummarySlots();
    placement.refusal = PlaceSalaryFiles(placed.employeeList, exports.salary, placed.slots, messenger, check);
    std::vector<RefusedBonus> refusedBonuses;
    for (std::size_t i = 0; i < exports.bonus.size(); ++i) {
        const std::string& path = exports.bonus[i];
        const int slot = kSalarySlotCount + static_cast<int>(i);
        if (slot < kSummarySlotCount && AcceptBonusFile(placed.employeeList, path, placed.slots, slot, check))
            placed.slots[static_cast<std::size_t>(slot)].path = path;
        else
            refusedBonuses.push_back({path, slot < kSummarySlotCount ? slot : -1});
    }
    if (!refusedBonuses.empty())
        placement.refusal += (placement.refusal.empty() ? "" : "\n") +
                             BonusFilesRefusedMessage(refusedBonuses, placed.employeeList, placed.slots, messenger);
    if (!placement.refusal.empty())
        return placement;

    job = std::move(placed);
    placement.months = FilledSlots(job.slots, 0, kSalarySlotCount);
    placement.bonuses = FilledSlots(job.slots, kSalarySlotCount, kSummarySlotCount);
    return placement;
}

}  // namespace corvane::job
