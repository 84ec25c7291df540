#pragma once

#include <string>
#include <vector>

namespace corvane {

class CExportXMLVeld;
class CKyuuyoShouyo;
class CSyain;

namespace preflight {

// The figures that were written to the XML, summed: the one place that adds
// them up, so that the reconciliation table and the check list agree.

// Gross pay, social insurance and similar deductions, and computed tax. A
// figure that is no number adds nothing.
struct Sums {
    long long gross = 0;
    long long deductions = 0;
    long long tax = 0;

    void Add(const CKyuuyoShouyo& record);
    void Add(const Sums& other);
    bool operator==(const Sums&) const = default;
};

// True when a period record carries any of its four figures.
bool HasFigure(const CKyuuyoShouyo& record);

// One employee's year: the salary months (1 to 12) and bonuses (1 to 5) with
// figures, in order, the sums over each, and the last number of dependants
// given (the latest salary month with one, else the latest bonus).
struct EmployeeYear {
    std::vector<int> months;
    std::vector<int> bonuses;
    Sums salary;
    Sums bonus;
    std::string dependants;  // code page 932, as written; "" when none was
};
EmployeeYear YearOf(const CSyain& employee);

// One period with figures: its number (1 to 12, 14 to 18), the employees
// with figures in it, and their sums.
struct PeriodTotal {
    int period = 0;
    int employees = 0;
    Sums sums;
};
// Every period that someone has figures in, in period order.
std::vector<PeriodTotal> PeriodTotals(const CExportXMLVeld& store);

}  // namespace preflight
}  // namespace corvane
