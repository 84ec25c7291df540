// Faults of the output folder: missing, a folder in the file's place,
// read-only, full. Each ends in the engine's message with every earlier
// file as it was and no temporary file left.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "engine/WriteFailureMessage.h"
#include "reliability/FaultJob.h"
#include "xmlout/CExportXMLVeld.h"
#include "xmlout/XmlTestSupport.h"

namespace corvane::reliability {
namespace {

class OutputFault : public FaultJob {
protected:
    OutputFault()
    {
        PlaceEarlierFiles(app);
        PlaceEarlierFiles(out);
    }

    // Runs the job into `output` and expects the refusal for `error`, with
    // nothing changed under the temporary folder.
    void ExpectRefused(const std::string& output, fileio::WriteError error)
    {
        const Tree before = Snapshot(dir.Path());
        box.Clear();
        const job::ConversionOutcome outcome = Convert(output, app + "/Corvane.ENV");
        EXPECT_FALSE(outcome.converted);
        ASSERT_EQ(box.Messages().size(), 1u);
        EXPECT_EQ(box.Messages()[0].text, WriteFailureMessage(error, output));
        EXPECT_EQ(box.Messages()[0].icon, platform::Icon::Warning);
        EXPECT_EQ(Differences(before, Snapshot(dir.Path())), "");
    }

    std::string app = dir.File("app");
    std::string out = dir.File("out");
};

TEST_F(OutputFault, MissingFolderIsReportedAndNothingIsWritten)
{
    ExpectRefused(out + "/missing/out.XML", fileio::WriteError::Create);
    ReportFaults(1);
}

TEST_F(OutputFault, FolderInTheFilesPlaceIsKept)
{
    const std::string folder = out + "/folder.XML";
    std::filesystem::create_directory(folder);
    WriteBytes(folder + "/kept.txt", "kept");
    ExpectRefused(folder, fileio::WriteError::Create);
    ReportFaults(1);
}

TEST_F(OutputFault, ReadOnlyFolderKeepsTheEarlierFile)
{
    SmallFilesystem disk(dir.File("readonly"), 4 << 20);
    if (!disk.Mounted())
        GTEST_SKIP() << "no mounts here (" << disk.Why() << "); InjectedWriteFailures stands in";
    PlaceEarlierFiles(dir.File("readonly"));
    ASSERT_TRUE(disk.MakeReadOnly());
    ExpectRefused(dir.File("readonly") + "/out.XML", fileio::WriteError::Create);
    ReportFaults(1);
}

TEST_F(OutputFault, FullDiskKeepsTheEarlierFileWhole)
{
    // Room for the earlier files and a few pages more, then filled up.
    SmallFilesystem disk(dir.File("full"), earlierOutput.size() + (64 << 10));
    if (!disk.Mounted())
        GTEST_SKIP() << "no mounts here (" << disk.Why() << "); InjectedWriteFailures stands in";
    PlaceEarlierFiles(dir.File("full"));
    ASSERT_TRUE(disk.Fill());
    const Tree before = Snapshot(dir.Path());
    box.Clear();
    const std::string output = dir.File("full") + "/out.XML";
    EXPECT_FALSE(Convert(output, app + "/Corvane.ENV").converted);
    // A full disk shows when a block is written or only when the file is flushed.
    ASSERT_EQ(box.Messages().size(), 1u);
    EXPECT_EQ(box.Messages()[0].text, WriteFailureMessage(fileio::WriteError::Write, output));
    EXPECT_EQ(box.Messages()[0].text, WriteFailureMessage(fileio::WriteError::Close, output));
    EXPECT_EQ(Differences(before, Snapshot(dir.Path())), "");
    ReportFaults(1);
}

// The failures of a full disk or an I/O error at every place of the
// document, through the writer's sink seam: these run on any machine.
TEST_F(OutputFault, InjectedWriteFailures)
{
    CExportXMLVeld store(messenger);
    for (int i = 0; i < 400; ++i) {
        const std::string code = std::to_string(i);
        store.SetSyain(code, "社員" + code);
        store.SetKoumoku(code, "営業部", "所属名称");
    }
    fileio::StringSink whole;
    ASSERT_TRUE(store.WriteDocument(whole, TransferMode::Normal, "1", company, "6"));
    const std::size_t size = whole.Bytes().size();
    ASSERT_GT(size, 2u * 64 * 1024);

    const std::string output = out + "/out.XML";
    const Tree before = Snapshot(dir.Path());
    const std::size_t limits[] = {0, 1, 4095, 65535, 65536, 65537, size / 2, size - 1};
    for (const std::size_t limit : limits) {
        const auto wrap = [limit](fileio::ByteSink& file) {
            return std::make_unique<test::FailAfterSink>(file, limit);
        };
        EXPECT_EQ(store.ExportXML(output, TransferMode::Normal, "1", company, "6", wrap), fileio::WriteError::Write)
            << limit;
        EXPECT_EQ(Differences(before, Snapshot(dir.Path())), "") << limit;
    }
    // Passing the whole document through the seam writes it.
    const auto pass = [size](fileio::ByteSink& file) { return std::make_unique<test::FailAfterSink>(file, size); };
    EXPECT_EQ(store.ExportXML(output, TransferMode::Normal, "1", company, "6", pass), fileio::WriteError::None);
    EXPECT_EQ(test::ReadFileBytes(output), whole.Bytes());
    ReportFaults(static_cast<int>(std::size(limits)));
}

}  // namespace
}  // namespace corvane::reliability
