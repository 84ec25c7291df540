// The libFuzzer conversion harness trusts XmlProblem to tell a broken
// document: it must pass the writer's documents and name each kind of fault.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "libfuzzer/XmlCheck.h"
#include "support/GoldenFile.h"

namespace corvane::fuzzing {
namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";

TEST(XmlCheck, PassesTheWritersDocuments)
{
    for (const char* name : {"xmlout/normal.XML", "xmlout/easy.XML", "xmlout/empty-store.XML",
                             "engine/edge/expected.XML", "convert/sample-10/expected.XML"})
        EXPECT_EQ(XmlProblem(test::TestData(name)), "") << name;
    EXPECT_EQ(XmlProblem(kHead + "<A B=\"&amp;&#38;&#x26;\" C='x'>\x83\x5C&lt;<D/></A>\r\n"), "");
}

TEST(XmlCheck, NamesEveryFault)
{
    const std::vector<std::pair<std::string, std::string>> broken{
        {"no declaration", "<A/>"},
        {"no root", kHead},
        {"unclosed", kHead + "<A><B></B>"},
        {"closed by another name", kHead + "<A></B>"},
        {"raw <", kHead + "<A>1 < 2</A>"},
        {"raw & ", kHead + "<A>a & b</A>"},
        {"unknown entity", kHead + "<A>&nbsp;</A>"},
        {"empty character reference", kHead + "<A>&#;</A>"},
        {"< in attribute", kHead + "<A B=\"<\"/>"},
        {"attribute twice", kHead + "<A B=\"1\" B=\"2\"/>"},
        {"unquoted attribute", kHead + "<A B=1/>"},
        {"attributes not apart", kHead + "<A B=\"1\"C=\"2\"/>"},
        {"second root", kHead + "<A/><B/>"},
        {"text after root", kHead + "<A/>x"},
        {"control byte", kHead + "<A>\x01</A>"},
        {"lone lead byte", kHead + "<A>\x81</A>"},
        {"byte no character", kHead + "<A>\x85\x40</A>"},
        {"comment", kHead + "<A><!-- x --></A>"},
        {"bad name", kHead + "<1A/>"},
        {"]]> in text", kHead + "<A>]]></A>"},
    };
    for (const auto& [what, document] : broken)
        EXPECT_NE(XmlProblem(document), "") << what;
}

}  // namespace
}  // namespace corvane::fuzzing
