#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "wizard/CVdWizSheet.h"

namespace corvane::test {

// The bytes of a file under the test data folder.
std::string TestDataBytes(const std::string& relative);
// `bytes` with every `from` replaced by `to`.
std::string Replaced(std::string bytes, const std::string& from, const std::string& to);

// A temporary folder with the program next to its settings file, export
// files made from the engine's fixtures, and the fake platform.
class WizardTest : public ::testing::Test {
protected:
    WizardTest();

    // The employee list of company テスト&商事<株>. Its last employee's dates
    // convert to none, so a conversion asks whether to go on.
    std::string Employees(const std::string& name = "employees.txt");
    // The same list without those dates: the employee list alone converts
    // without a question.
    std::string CleanEmployees(const std::string& name = "employees.txt");
    // A salary summary of `month` (its label line "N月度給与").
    std::string Salary(int month, const std::string& name = "");
    // A bonus summary.
    std::string Bonus(const std::string& name = "bonus-1.txt");
    // A file written from `bytes`.
    std::string Write(const std::string& name, const std::string& bytes) { return dir.Write(name, bytes); }
    std::string SettingsPath() const { return dir.File("Corvane.ENV"); }

    // Builds a sheet on the fake and shows it with `script`; the sheet stays
    // for inspection afterwards.
    platform::WizardResult RunSheet(FakePlatform::WizardScript script, int functionId = 1,
                                    const std::string& outputPath = "");

    // The message texts shown so far.
    std::vector<std::string> Texts() const { return fake.MessageTexts(); }
    // The errors of the fake, expected to be none.
    void ExpectNoErrors() const;

    TempDir dir;
    FakePlatform fake;
    platform::Services services;
    std::unique_ptr<CVdWizSheet> sheet;
};

// Checks that `message` is the question about the exports' findings.
void ExpectFindingsQuestion(const FakePlatform::Message& message);

// Script steps that many tests share.
void ChooseFiles(FakePlatform& fake, FakeWizard& w, platform::ControlId button, std::vector<std::string> paths);
// キャンセル once a file has been chosen: the question whether to discard
// the input, checked, answered はい and taken off the fake's record.
void CancelAndDiscard(FakePlatform& fake, FakeWizard& w);
// From the start page to the salary files page with `employees` chosen.
void ToSalaryPage(FakePlatform& fake, FakeWizard& w, const std::string& employees);

}  // namespace corvane::test
