#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <fstream>
#include <string>

#include "support/TempDir.h"

namespace corvane::test {

// The bytes of a file under the test data folder.
inline std::string TestData(const std::string& relative)
{
    return ReadFileBytes(std::string(CORVANE_TEST_DATA_DIR) + "/" + relative);
}

// Compares a whole document with its expected bytes. On a difference the
// actual bytes are kept next to the test binary (NAME.actual) for review,
// and the first differing line is named.
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
    return ::testing::AssertionFailure() << "differs from " << expectedRelative << " at line " << line
                                         << " (byte " << i << "); actual bytes kept in " << name << ".actual";
}

}  // namespace corvane::test
