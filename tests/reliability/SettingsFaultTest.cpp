// Faults of the settings file: unreadable, a folder in its place, on a
// read-only or a full disk. The intermediate file stands; the earlier
// settings file keeps every company's line.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "convert/Convert.h"
#include "engine/CExchangeFromSormaToVeld.h"
#include "engine/WriteFailureMessage.h"
#include "platform/TextCodec.h"
#include "reliability/FaultJob.h"

namespace corvane::reliability {
namespace {

class SettingsFault : public FaultJob {
protected:
    SettingsFault() { PlaceEarlierFiles(out); }

    // Converts with the settings file at `settings`, whose folder holds
    // nothing else of the job, and expects the document written and the
    // settings folder as it was.
    void ExpectDocumentAndSettingsKept(CSormaItemCheck& items, const std::string& settingsFolder)
    {
        const Tree before = Snapshot(settingsFolder);
        box.Clear();
        const job::ConversionOutcome outcome = Convert(out + "/out.XML", items);
        EXPECT_TRUE(outcome.converted);
        EXPECT_NE(outcome.settingsError, fileio::WriteError::None);
        EXPECT_EQ(box.Texts(), std::vector<std::string>{ConversionCompletedMessage()});
        EXPECT_EQ(test::ReadFileBytes(out + "/out.XML"), earlierOutput);
        EXPECT_EQ(Differences(before, Snapshot(settingsFolder)), "");
    }

    std::string out = dir.File("out");
    std::string app = dir.File("app");
};

TEST_F(SettingsFault, UnreadableFileIsNotReplacedByTheNewLineAlone)
{
    PlaceEarlierFiles(app);
    const std::string settings = app + "/Corvane.ENV";
    ASSERT_EQ(::chmod(settings.c_str(), 0), 0);
    CSormaItemCheck items(settings);
    {
        OrdinaryUser user;
        items.LoadSettings();
    }
    ASSERT_TRUE(items.StoredLines().empty()) << "the file could be read";
    items.PrepareChoices(slots[3].path, company);
    ExpectDocumentAndSettingsKept(items, app);
    ReportFaults(1);
}

TEST_F(SettingsFault, FolderInTheFilesPlaceIsKept)
{
    std::filesystem::create_directories(app + "/Corvane.ENV");
    WriteBytes(app + "/Corvane.ENV/kept.txt", "kept");
    CSormaItemCheck items = Items(app + "/Corvane.ENV");
    ExpectDocumentAndSettingsKept(items, app);
    ReportFaults(1);
}

TEST_F(SettingsFault, ReadOnlyFolderKeepsTheEarlierFile)
{
    SmallFilesystem disk(app, 1 << 20);
    if (!disk.Mounted())
        GTEST_SKIP() << "no mounts here (" << disk.Why() << ")";
    PlaceEarlierFiles(app);
    ASSERT_TRUE(disk.MakeReadOnly());
    CSormaItemCheck items = Items(app + "/Corvane.ENV");
    ASSERT_EQ(items.StoredLines().size(), 2u);
    ExpectDocumentAndSettingsKept(items, app);
    ReportFaults(1);
}

TEST_F(SettingsFault, FullDiskKeepsTheEarlierFileWhole)
{
    SmallFilesystem disk(app, 64 << 10);
    if (!disk.Mounted())
        GTEST_SKIP() << "no mounts here (" << disk.Why() << ")";
    WriteBytes(app + "/Corvane.ENV", earlierSettings);
    ASSERT_TRUE(disk.Fill());
    CSormaItemCheck items = Items(app + "/Corvane.ENV");
    ASSERT_EQ(items.StoredLines().size(), 2u);
    ExpectDocumentAndSettingsKept(items, app);
    ReportFaults(1);
}

// The batch converter: what the user reads, and its exit status.
class ConverterFault : public SettingsFault {
protected:
    int Run(const std::string& output, const std::string& settings)
    {
        std::ostringstream stdoutText;
        std::ostringstream stderrText;
        const int status = convert::RunConvert({"--employees", list, "--salary", slots[3].path, "--bonus",
                                                slots[12].path, "--year", "6", "--out", output, "--settings", settings},
                                               stdoutText, stderrText);
        printed = stdoutText.str();
        errors = stderrText.str();
        return status;
    }

    std::string Utf8(const std::string& text) const { return platform::SystemTextCodec().TextToUtf8(text); }

    std::string printed;
    std::string errors;
};

TEST_F(ConverterFault, MissingOutputFolderExitsOneWithTheMessage)
{
    PlaceEarlierFiles(app);
    const Tree before = Snapshot(dir.Path());
    const std::string output = out + "/missing/out.XML";
    EXPECT_EQ(Run(output, app + "/Corvane.ENV"), 1);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(errors, Utf8(WriteFailureMessage(fileio::WriteError::Create, output)) + "\n");
    EXPECT_EQ(Differences(before, Snapshot(dir.Path())), "");
    ReportFaults(1);
}

TEST_F(ConverterFault, UnsavableSettingsAreReportedAfterTheConversion)
{
    std::filesystem::create_directories(app + "/Corvane.ENV");
    const Tree before = Snapshot(app);
    EXPECT_EQ(Run(out + "/new.XML", app + "/Corvane.ENV"), 0);
    EXPECT_EQ(printed, Utf8(ConversionCompletedMessage()) + "\n");
    test::RecordingMessageBox plain;
    EXPECT_EQ(errors, Utf8(job::SettingsNotSavedMessage(app + "/Corvane.ENV", platform::Messenger(plain))) + "\n");
    EXPECT_EQ(test::ReadFileBytes(out + "/new.XML"), earlierOutput);
    EXPECT_EQ(Differences(before, Snapshot(app)), "");
    ReportFaults(1);
}

}  // namespace
}  // namespace corvane::reliability
