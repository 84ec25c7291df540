#include <gtest/gtest.h>

#include "support/TempDir.h"
#include "text/LineReader.h"

using corvane::test::TempDir;
using corvane::text::LineReader;

namespace {

std::vector<std::string> ReadAll(const std::string& path)
{
    LineReader reader;
    EXPECT_TRUE(reader.Open(path));
    std::vector<std::string> lines;
    std::string line;
    while (reader.Next(line)) {
        lines.push_back(line);
        EXPECT_EQ(reader.LineNumber(), static_cast<long>(lines.size()));
    }
    return lines;
}

}  // namespace

TEST(LineReader, CountsEveryPhysicalLineAndKeepsTheLastWithoutLineFeed)
{
    TempDir dir;
    const auto path = dir.Write("a.txt", "one\r\n\r\nthree\nfour");
    EXPECT_EQ(ReadAll(path), (std::vector<std::string>{"one\r", "\r", "three", "four"}));
}

TEST(LineReader, ReadsLinesLongerThanItsBlockWhole)
{
    TempDir dir;
    const std::string longLine(200000, 'x');
    const auto path = dir.Write("long.txt", "a\n" + longLine + "\nb\n");
    const auto lines = ReadAll(path);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], longLine);
    EXPECT_EQ(lines[2], "b");
}

TEST(LineReader, EmptyFileHasNoLinesAndMissingFileDoesNotOpen)
{
    TempDir dir;
    EXPECT_TRUE(ReadAll(dir.Write("empty.txt", "")).empty());
    LineReader reader;
    EXPECT_FALSE(reader.Open(dir.File("missing.txt")));
}

TEST(LineReader, EndOfFileMarkEndsTheText)
{
    TempDir dir;
    const std::string mark(1, '\x1A');
    EXPECT_EQ(ReadAll(dir.Write("end.txt", "one\r\ntwo\r\n" + mark)), (std::vector<std::string>{"one\r", "two\r"}));
    EXPECT_EQ(ReadAll(dir.Write("mid.txt", "one\r\ntw" + mark + "o\r\nthree\r\n")),
              (std::vector<std::string>{"one\r", "tw"}));
    EXPECT_TRUE(ReadAll(dir.Write("first.txt", mark + "one\n")).empty());
    // In a later block than the first.
    const std::string longLine(70000, 'x');
    EXPECT_EQ(ReadAll(dir.Write("late.txt", longLine + "\n" + mark + "\nafter\n")),
              (std::vector<std::string>{longLine}));
}
