#include <gtest/gtest.h>

#include "xmlout/CExportXMLVeld.h"

// This executable carries the same version resource as corvane.exe; the
// writer's version functions read it back through the version API.
TEST(ProgramVersion, ReadsTheVersionResourceOfTheRunningExecutable)
{
    EXPECT_EQ(corvane::GetProductVersion(), "1, 0, 0, 0");
    EXPECT_EQ(corvane::GetFileVersion(), "2014, 11, 20, 0");
}
