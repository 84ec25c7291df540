#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "support/TempDir.h"

namespace corvane::test {

// The path of a file under the test data folder (tests/data, see its README).
inline std::string TestDataPath(const std::string& relative)
{
    return std::string(CORVANE_TEST_DATA_DIR) + "/" + relative;
}

// The bytes of a file under the test data folder.
inline std::string TestData(const std::string& relative)
{
    return ReadFileBytes(TestDataPath(relative));
}

// True when CORVANE_UPDATE_GOLDEN=1: the comparisons below then rewrite the
// expected files with what the code gives now, to be reviewed with git diff.
inline bool UpdatingGoldenFiles()
{
    const char* update = std::getenv("CORVANE_UPDATE_GOLDEN");
    return update && std::string(update) == "1";
}

// Compares a whole document with its expected bytes in the test data folder.
// On a difference the actual bytes are kept next to the test binary
// (NAME.actual) for review, and the first differing line is named. With
// CORVANE_UPDATE_GOLDEN=1 a difference rewrites the expected file instead.
inline ::testing::AssertionResult SameDocument(const std::string& expectedRelative, const std::string& actual)
{
    std::string expected;
    try {
        expected = TestData(expectedRelative);
    } catch (const std::exception&) {
        // No expected document yet: the actual one is kept for review below.
    }
    if (expected == actual)
        return ::testing::AssertionSuccess();
    if (UpdatingGoldenFiles()) {
        std::ofstream file(TestDataPath(expectedRelative), std::ios::binary | std::ios::trunc);
        file << actual;
        file.close();
        if (!file)
            return ::testing::AssertionFailure() << "could not rewrite " << TestDataPath(expectedRelative);
        std::cerr << "CORVANE_UPDATE_GOLDEN: rewrote " << expectedRelative << "\n";
        return ::testing::AssertionSuccess();
    }
    std::string name = expectedRelative;
    for (char& c : name) {
        if (c == '/')
            c = '-';
    }
    std::ofstream(name + ".actual", std::ios::binary) << actual;
    std::size_t line = 1;
    std::size_t i = 0;
    while (i < expected.size() && i < actual.size() && expected[i] == actual[i]) {
        if (expected[i] == '\n')
            ++line;
        ++i;
    }
    return ::testing::AssertionFailure() << "differs from " << expectedRelative << " at line " << line << " (byte " << i
                                         << "); actual bytes kept in " << name
                                         << ".actual (CORVANE_UPDATE_GOLDEN=1 rewrites the expected file)";
}

}  // namespace corvane::test
