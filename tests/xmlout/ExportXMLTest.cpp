#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>

#include "fileio/ByteSink.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "xmlout/CExportXMLVeld.h"
#include "XmlTestSupport.h"

namespace corvane {
namespace {

using fileio::WriteError;
using test::ReadFileBytes;

class ExportXMLTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Enough employees for a document of several write blocks.
        for (int i = 0; i < 200; ++i) {
            const std::string code = std::to_string(i);
            store.SetSyain(code, "社員" + code);
            store.SetKoumoku(code, "営業&企画", "所属名称");
            for (int kubun = 1; kubun <= 12; ++kubun)
                store.SetKyuuyoShouyo(code, test::Figures(kubun, "250000", "38000", "1", "4000"));
        }
    }

    std::string Document() const
    {
        fileio::StringSink sink;
        EXPECT_TRUE(store.WriteDocument(sink, TransferMode::Normal, "1", "会社", "26"));
        return sink.Bytes();
    }

    WriteError Export(const std::string& path, const CExportXMLVeld::SinkWrapper& wrap = {}) const
    {
        return store.ExportXML(path, TransferMode::Normal, "1", "会社", "26", wrap);
    }

    test::TempDir dir;
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
    CExportXMLVeld store{messenger};
};

TEST_F(ExportXMLTest, FileHoldsTheDocumentAndReplacesAnOldOne)
{
    const auto document = Document();
    ASSERT_GT(document.size(), 3u * 64 * 1024);
    const auto path = dir.Write("out.xml", std::string(document.size() + 1000, 'x'));

    EXPECT_EQ(store.ExportXML(path, TransferMode::Normal, "1", "会社", "26"), WriteError::None);
    EXPECT_EQ(ReadFileBytes(path), document);
    EXPECT_EQ(dir.Listing(), "out.xml\n");
    EXPECT_TRUE(box.Messages().empty());
}

TEST_F(ExportXMLTest, MissingFolderIsReportedAndNothingIsCreated)
{
    EXPECT_EQ(Export(dir.File("missing/out.xml")), WriteError::Create);
    EXPECT_EQ(Export(dir.Path()), WriteError::Create);
    EXPECT_EQ(dir.Listing(), "");
    EXPECT_TRUE(box.Messages().empty());
}

// How many bytes reach the file before the write fails; npos: all but the last.
class FailedWriteTest : public ExportXMLTest, public ::testing::WithParamInterface<std::size_t> {
protected:
    std::size_t Limit() const { return GetParam() == std::string::npos ? Document().size() - 1 : GetParam(); }

    CExportXMLVeld::SinkWrapper FailAfter(std::size_t limit) const
    {
        return [limit](fileio::ByteSink& file) { return std::make_unique<test::FailAfterSink>(file, limit); };
    }
};

TEST_P(FailedWriteTest, OldOutputStaysWholeAndNoTemporaryFileRemains)
{
    const auto path = dir.Write("out.xml", "old output\r\n");
    EXPECT_EQ(Export(path, FailAfter(Limit())), WriteError::Write);
    EXPECT_EQ(ReadFileBytes(path), "old output\r\n");
    EXPECT_EQ(dir.Listing(), "out.xml\n");
    EXPECT_TRUE(box.Messages().empty());
}

TEST_P(FailedWriteTest, NoOutputAppearsWhenThereWasNone)
{
    EXPECT_EQ(Export(dir.File("out.xml"), FailAfter(Limit())), WriteError::Write);
    EXPECT_EQ(dir.Listing(), "");
}

INSTANTIATE_TEST_SUITE_P(Limits, FailedWriteTest,
                         ::testing::Values(std::size_t{0}, std::size_t{100}, std::size_t{64 * 1024},
                                           std::size_t{64 * 1024 + 1}, std::size_t{200000}, std::string::npos));

}  // namespace
}  // namespace corvane
