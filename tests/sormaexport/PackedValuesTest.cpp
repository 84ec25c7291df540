#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "sormaexport/PackedValues.h"

namespace {

using corvane::PackedValues;
using Texts = std::vector<std::string>;

PackedValues Pack(const Texts& values)
{
    PackedValues packed;
    for (const auto& v : values)
        packed.Append(v);
    return packed;
}

Texts Unpack(const PackedValues& packed)
{
    Texts values;
    for (std::size_t i = 0; i < packed.Count(); ++i)
        values.emplace_back(packed.At(i));
    return values;
}

TEST(PackedValues, ReplacesAnyRangeWithAnyNumberOfValues)
{
    struct Case {
        std::size_t first;
        std::size_t count;
        Texts with;
        Texts expected;
    };
    const Texts start{"a", "", "ccc", "社員"};
    const Case cases[] = {
        {0, 0, {"x", "yy"}, {"x", "yy", "a", "", "ccc", "社員"}},
        {4, 0, {"", "end"}, {"a", "", "ccc", "社員", "", "end"}},
        {1, 2, {"longer value"}, {"a", "longer value", "社員"}},
        {0, 4, {}, {}},
        {1, 1, {"b"}, {"a", "b", "ccc", "社員"}},
        {2, 1, {"", "", ""}, {"a", "", "", "", "", "社員"}},
        {0, 3, {"z"}, {"z", "社員"}},
    };
    for (const auto& c : cases) {
        PackedValues packed = Pack(start);
        packed.Replace(c.first, c.count, Pack(c.with), 3, 10);
        EXPECT_EQ(Unpack(packed), c.expected) << c.first << "+" << c.count;
    }
}

// Random edits, checked against a plain list of strings.
TEST(PackedValues, AgreesWithAListOfStrings)
{
    std::mt19937 random(7);
    PackedValues packed;
    Texts model;
    auto value = [&] { return std::string(random() % 12, static_cast<char>('a' + random() % 26)); };
    for (int step = 0; step < 2000; ++step) {
        const std::size_t first = model.empty() ? 0 : random() % (model.size() + 1);
        const std::size_t count = first == model.size() ? 0 : random() % (model.size() - first + 1);
        Texts with(random() % 5);
        for (auto& w : with)
            w = value();
        packed.Replace(first, count, Pack(with), random() % 8, random() % 40);
        model.erase(model.begin() + static_cast<long>(first), model.begin() + static_cast<long>(first + count));
        model.insert(model.begin() + static_cast<long>(first), with.begin(), with.end());
        ASSERT_EQ(Unpack(packed), model) << "step " << step;
    }
}

TEST(PackedValues, ClearKeepsNothing)
{
    PackedValues packed = Pack({"a", "b"});
    packed.Clear();
    EXPECT_EQ(packed.Count(), 0u);
    EXPECT_EQ(packed.Bytes(), 0u);
}

}  // namespace
