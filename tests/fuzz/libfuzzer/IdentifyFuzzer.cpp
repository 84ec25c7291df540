// The identification checks on an employee list and two summary files (the
// input cut in three): the second summary is checked against the first one's
// output conditions, as a page checks a series. Every answer is one of the
// documented codes, and a checker that remembered the list answers as a
// fresh one does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "sormaexport/CSormaFileCheck.h"

using namespace corvane;
using fuzzing::Require;

namespace {

struct Answers {
    bool list = false;
    std::string company;
    int salaryFirst = 0, salaryNext = 0, bonusFirst = 0, bonusNext = 0;
    bool operator==(const Answers&) const = default;
};

Answers Check(CSormaFileCheck& check, const std::string& list, const std::string& first, const std::string& next)
{
    Answers a;
    a.list = check.CheckEmployeeList(list, a.company);
    a.salaryFirst = check.CheckSalaryFile(list, first, true, true);
    a.salaryNext = check.CheckSalaryFile(list, next, true, false);
    a.bonusFirst = check.CheckBonusFile(list, first, true, true);
    a.bonusNext = check.CheckBonusFile(list, next, true, false);
    return a;
}

bool IsSalaryAnswer(int answer)
{
    return answer == -1 || answer == -2 || (answer >= 1 && answer <= 12);
}

bool IsBonusAnswer(int answer)
{
    return answer == -1 || answer == -2 || answer == 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto parts = fuzzing::SplitInput(data, size, 3);
    const std::string list = fuzzing::WriteWorkFile("employees.txt", parts[0]);
    const std::string first = fuzzing::WriteWorkFile("first.txt", parts[1]);
    const std::string next = fuzzing::WriteWorkFile("next.txt", parts[2]);

    CSormaFileCheck::IsTextFile(list);
    CSormaFileCheck::UnicodeFormOf(first);
    CSormaFileCheck check;
    const Answers answers = Check(check, list, first, next);
    Require(IsSalaryAnswer(answers.salaryFirst) && IsSalaryAnswer(answers.salaryNext), "salary answers");
    Require(IsBonusAnswer(answers.bonusFirst) && IsBonusAnswer(answers.bonusNext), "bonus answers");
    Require(answers.list || (answers.salaryFirst < 0 && answers.bonusFirst < 0),
            "no summary is accepted without an employee list");
    Require(answers.salaryFirst < 0 || answers.bonusFirst < 0, "no file is both salary and bonus");

    // The same checks again, remembered list and series alike, then fresh.
    Require(Check(check, list, first, next) == answers, "a checker answers again as it did");
    CSormaFileCheck fresh;
    Require(Check(fresh, list, first, next) == answers, "a fresh checker answers alike");
    return 0;
}
