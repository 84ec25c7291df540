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

// Random edits anywhere (at the front, inside, at the end, of every length),
// checked against a plain list of strings.
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
