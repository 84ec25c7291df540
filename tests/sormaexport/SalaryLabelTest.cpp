#include <gtest/gtest.h>

#include <string>

#include "sormaexport/SalaryLabel.h"

namespace {

struct LabelCase {
    const char* line;
    int month;
};

class SalaryMonthFromLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(SalaryMonthFromLabelTest, GivesTheMonthOfTheLabel)
{
    EXPECT_EQ(corvane::SalaryMonthFromLabel(GetParam().line), GetParam().month) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(Labels, SalaryMonthFromLabelTest,
                         ::testing::Values(LabelCase{"4月度給与", 4}, LabelCase{"12月度給与", 12},
                                           LabelCase{"\"4月度給与\"", 4}, LabelCase{"4 月度給与", 4},
                                           LabelCase{" 4月度給与 \r\n", 4}, LabelCase{"04月度給与", 4},
                                           LabelCase{"4月度給与(追加分)", 4},
                                           LabelCase{"4　月度給与", 4},     // the number ends at the full-width space
                                           LabelCase{"平成4月度給与", -1},  // no digits at the start
                                           LabelCase{"13月度給与", -1}, LabelCase{"0月度給与", -1},
                                           LabelCase{"99999999999999999999月度給与", -1},
                                           LabelCase{"\t4月度給与", -1},  // only ASCII spaces are removed
                                           LabelCase{"夏期賞与", -2}, LabelCase{"コード,氏名", -2}, LabelCase{"", -2}));

}  // namespace
