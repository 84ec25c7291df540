#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "convert/Convert.h"
#include "support/TempDir.h"
#include "tools/samplegen/SampleExports.h"

namespace samplegen = corvane::samplegen;
using corvane::test::ReadFileBytes;
using corvane::test::TempDir;

namespace {

const std::string kExamples = std::string(CORVANE_TEST_DATA_DIR) + "/../../examples";

TEST(SampleExports, CommittedExamplesAreTheGeneratorsOutput)
{
    samplegen::SampleOptions options;
    options.employees = 20;
    options.bonuses = 2;
    const auto files = samplegen::GenerateSampleExports(options);
    ASSERT_EQ(files.size(), 15u);
    for (const auto& file : files)
        EXPECT_EQ(ReadFileBytes(kExamples + "/" + file.name), file.bytes) << file.name;
}

TEST(SampleExports, LinesEndInCrLfAndTheEmployeeListHasEveryColumn)
{
    samplegen::SampleOptions options;
    options.employees = 3;
    for (const auto& file : samplegen::GenerateSampleExports(options)) {
        std::size_t lf = 0;
        for (std::size_t i = 0; i < file.bytes.size(); ++i) {
            if (file.bytes[i] == '\n') {
                ++lf;
                EXPECT_TRUE(i > 0 && file.bytes[i - 1] == '\r') << file.name;
            }
        }
        EXPECT_GE(lf, 5u) << file.name;
    }
    const auto list = samplegen::GenerateSampleExports(options).front();
    // The header is the third line.
    const auto start = list.bytes.find("\r\n", list.bytes.find("\r\n") + 2) + 2;
    const auto headerLine = list.bytes.substr(start, list.bytes.find("\r\n", start) - start);
    EXPECT_EQ(headerLine.rfind("氏名,", 0), 0u);
    EXPECT_EQ(std::count(headerLine.begin(), headerLine.end(), ','), 73);
}

TEST(SampleExports, ZeroLostCodesDifferOnlyByTheEmployeeListsLeadingZero)
{
    samplegen::SampleOptions options;
    options.employees = 2;
    options.bonuses = 0;
    const auto plain = samplegen::GenerateSampleExports(options);
    options.zeroLostCodes = true;
    const auto lost = samplegen::GenerateSampleExports(options);
    ASSERT_EQ(plain.size(), lost.size());
    for (std::size_t i = 1; i < plain.size(); ++i)
        EXPECT_EQ(plain[i].bytes, lost[i].bytes) << plain[i].name;
    const std::string& list = lost[0].bytes;
    for (const char* code : {"1001", "1002"}) {
        EXPECT_NE(list.find(std::string(",0") + code + ","), std::string::npos) << code;
        bool inSummaries = false;
        for (std::size_t i = 1; i < lost.size(); ++i)
            inSummaries = inSummaries || lost[i].bytes.find(std::string("\r\n") + code + ",") != std::string::npos;
        EXPECT_TRUE(inSummaries) << code;
    }
}

TEST(SampleExports, ExamplesConvertAsTheRunScriptConvertsThem)
{
    TempDir dir;
    std::vector<std::string> args = {"--employees", kExamples + "/employees.txt", "--out", dir.File("sample.XML"),
                                     "--settings",  dir.File("Corvane.ENV")};
    for (int month = 1; month <= 12; ++month) {
        args.push_back("--salary");
        args.push_back(kExamples + (month < 10 ? "/salary-0" : "/salary-") + std::to_string(month) + ".txt");
    }
    for (const char* bonus : {"/bonus-1.txt", "/bonus-2.txt"}) {
        args.push_back("--bonus");
        args.push_back(kExamples + bonus);
    }
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(corvane::convert::RunConvert(args, out, err), 0) << err.str();
    const auto xml = ReadFileBytes(dir.File("sample.XML"));
    std::size_t employees = 0;
    for (auto pos = xml.find("<SYAIN "); pos != std::string::npos; pos = xml.find("<SYAIN ", pos + 1))
        ++employees;
    EXPECT_EQ(employees, 20u);
}

TEST(SampleExports, AThousandGeneratedEmployeesGiveNoFinding)
{
    // Leavers, joiners in the year, employees on leave and every tax table:
    // none of it is a finding, so --strict converts.
    TempDir dir;
    samplegen::SampleOptions options;
    options.employees = 1000;
    std::vector<std::string> args = {"--out", dir.File("sample.XML"), "--settings", dir.File("Corvane.ENV"),
                                     "--strict"};
    for (const auto& file : samplegen::GenerateSampleExports(options)) {
        const std::string path = dir.Write(file.name, file.bytes);
        args.push_back(file.name.starts_with("salary-")  ? "--salary"
                       : file.name.starts_with("bonus-") ? "--bonus"
                                                         : "--employees");
        args.push_back(path);
    }
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(corvane::convert::RunConvert(args, out, err), 0) << err.str();
    EXPECT_EQ(err.str(), "");
}

}  // namespace
