#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "items/CSormaItemCheck.h"
#include "reliability/FaultSandbox.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"
#include "job/CSyuukeiDataFile.h"
#include "job/JobSteps.h"

namespace corvane::reliability {

// One conversion job of the sample exports (employee list, April salary,
// bonus 1) as the wizard and the batch converter run it, with the files
// that an earlier run left: the intermediate file and a settings file that
// holds the lines of two other companies.
class FaultJob : public ::testing::Test {
protected:
    FaultJob();

    // The item correspondence with the settings file at `settings` loaded
    // and the choices prepared as the bonus page does.
    CSormaItemCheck Items(const std::string& settings) const;
    // Runs the job's finish steps into `output`; the messages are in `box`.
    job::ConversionOutcome Convert(const std::string& output, CSormaItemCheck& items);
    job::ConversionOutcome Convert(const std::string& output, const std::string& settings);

    // Copies the earlier files into `folder`: "out.XML" and "Corvane.ENV".
    void PlaceEarlierFiles(const std::string& folder) const;

    test::TempDir dir;
    test::RecordingMessageBox box;
    platform::Messenger messenger{box};
    std::string exports;
    std::string list;
    SummarySlots slots = MakeSummarySlots();
    std::string company;
    std::string earlierOutput;    // the bytes of the earlier intermediate file
    std::string earlierSettings;  // the bytes of the earlier settings file
};

// The settings file's header line and the two other companies' lines.
extern const char kEarlierSettings[];

}  // namespace corvane::reliability
