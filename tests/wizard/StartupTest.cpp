#include <gtest/gtest.h>

#include <sstream>

#include "wizard/CCorvaneApp.h"
#include "wizard/WizardFixture.h"

namespace corvane::test {
namespace {

struct ParameterCase {
    const char* name;
    std::string commandLine;
    bool parses;
    platform::WindowHandle window;
    int message;
    int functionId;
    std::string path;
};

class StartParameter : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(StartParameter, ParsesLikeTheCallerWritesIt)
{
    const auto& c = GetParam();
    corvane::StartParameter p;
    p.outputPath = "untouched";
    ASSERT_EQ(CCorvaneApp::ParseStartParameter(c.commandLine, p), c.parses);
    if (!c.parses) {
        EXPECT_EQ(p.outputPath, "untouched");
        return;
    }
    EXPECT_EQ(p.callerWindow, c.window);
    EXPECT_EQ(p.messageNumber, c.message);
    EXPECT_EQ(p.functionId, c.functionId);
    EXPECT_EQ(p.outputPath, c.path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartParameter,
    ::testing::Values(
        ParameterCase{"Example", "100,32769,3,C:\\Data\\out.XML", true, 100, 32769, 3, "C:\\Data\\out.XML"},
        ParameterCase{"ThreeFields", "100,32769,3", false, 0, 0, 0, ""}, ParameterCase{"Empty", "", false, 0, 0, 0, ""},
        ParameterCase{"NoPath", "100,32769,3,   ", false, 0, 0, 0, ""},
        ParameterCase{"NotANumber", "abc,32769,3,x", false, 0, 0, 0, ""},
        ParameterCase{"BlankBeforeComma", "100 ,32769,3,x", false, 0, 0, 0, ""},
        ParameterCase{"BlanksBeforeFields", " 100, 32769, 3, x", true, 100, 32769, 3, "x"},
        ParameterCase{"PathWithBlanks", "100,32769,3,C:\\給与 データ\\ヴェルド取込.XML", true, 100, 32769, 3,
                      "C:\\給与 データ\\ヴェルド取込.XML"},
        ParameterCase{"BlanksAroundPath", "1,2,3, \tC:\\My Data\\out.XML \r\n", true, 1, 2, 3, "C:\\My Data\\out.XML"},
        ParameterCase{"QuotedPath", "1,2,3, \"C:\\Users\\山田 太郎\\out.XML\" ", true, 1, 2, 3,
                      "C:\\Users\\山田 太郎\\out.XML"},
        ParameterCase{"OneQuoteStays", "1,2,3,\"C:\\x", true, 1, 2, 3, "\"C:\\x"},
        ParameterCase{"EmptyQuotes", "1,2,3, \"\" ", false, 0, 0, 0, ""},
        ParameterCase{"CommasInPath", "1,2,3,C:\\a,b\\out.XML", true, 1, 2, 3, "C:\\a,b\\out.XML"},
        ParameterCase{"Signs", "-5,+7,3,x", true, -5, 7, 3, "x"},
        ParameterCase{"Limits", "2147483647,-2147483648,3,x", true, 2147483647, -2147483648, 3, "x"},
        ParameterCase{"WindowOverflows", "2147483648,1,3,x", false, 0, 0, 0, ""},
        ParameterCase{"MessageOverflows", "1,99999999999999999999,3,x", false, 0, 0, 0, ""},
        ParameterCase{"LongestPath", "1,2,3," + std::string(259, 'p'), true, 1, 2, 3, std::string(259, 'p')},
        ParameterCase{"PathTooLong", "1,2,3," + std::string(260, 'p'), false, 0, 0, 0, ""},
        ParameterCase{"QuotesDoNotCount", "1,2,3,\"" + std::string(259, 'p') + "\"", true, 1, 2, 3,
                      std::string(259, 'p')}),
    [](const auto& param) { return std::string(param.param.name); });

class Startup : public WizardTest {
protected:
    int Run(const std::string& commandLine)
    {
        fake.SetCommandLine(commandLine);
        return app.Run();
    }
    bool Logged(const std::string& prefix) const
    {
        for (const auto& entry : fake.Log())
            if (entry.rfind(prefix, 0) == 0)
                return true;
        return false;
    }

    std::ostringstream out;
    CCorvaneApp app{services, out};
};

TEST_F(Startup, AnotherFunctionIdEndsAtOnceWithoutWindowOrReply)
{
    fake.ScriptWizard([](FakeWizard& w) { w.Cancel(); });
    EXPECT_EQ(Run("100,32769,2,C:\\Data\\out.XML"), 0);
    EXPECT_FALSE(fake.WizardShown());
    EXPECT_FALSE(Logged("caller "));
    EXPECT_TRUE(fake.Messages().empty());
    EXPECT_EQ(fake.ComInitialisations(), 1);
    EXPECT_EQ(fake.ComUninitialisations(), 1);
    EXPECT_EQ(out.str(), "");
}

TEST_F(Startup, AParameterThatDoesNotConvertRunsOnItsOwn)
{
    for (const std::string& line : std::vector<std::string>{"100,32769,3", "1,2,3," + std::string(260, 'p')}) {
        SCOPED_TRACE(line.substr(0, 20));
        fake.ScriptWizard([](FakeWizard& w) { w.Cancel(); });
        CCorvaneApp own{services, out};
        fake.SetCommandLine(line);
        own.Run();
        EXPECT_EQ(own.FunctionId(), 1);
        EXPECT_EQ(fake.WizardParent(), platform::kNoWindow);
    }
    EXPECT_EQ(fake.WizardRuns(), 2);
    EXPECT_FALSE(Logged("caller "));
}

TEST_F(Startup, ComFailureIsReportedOnStandardOutputAndNothingIsShown)
{
    fake.SetComFails(true);
    EXPECT_EQ(Run("100,32769,3,C:\\Data\\out.XML"), 1);
    EXPECT_EQ(out.str(), "ERROR - Could not initialize COM library\n");
    EXPECT_FALSE(fake.WizardShown());
    EXPECT_TRUE(fake.Messages().empty());
    EXPECT_FALSE(Logged("caller "));
    // Only a successful initialisation is undone.
    EXPECT_EQ(fake.ComUninitialisations(), 0);
}

TEST_F(Startup, TheWizardIsShownOnceAndComIsUndoneAfterIt)
{
    fake.ScriptWizard([](FakeWizard& w) { w.Cancel(); });
    EXPECT_EQ(Run(""), 0);
    EXPECT_EQ(fake.WizardRuns(), 1);
    const auto& log = fake.Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.front(), "com init");
    EXPECT_EQ(log.back(), "com uninit");
}

TEST_F(Startup, TheDefaultFilingYearIsTheYearOfTheLocalDatesEra)
{
    const std::pair<platform::LocalDate, const char*> cases[] = {
        {{2014, 1, 1}, "26"}, {{2019, 4, 30}, "31"}, {{2019, 5, 1}, "1"}, {{2026, 1, 1}, "8"}};
    for (const auto& [today, text] : cases) {
        fake.SetToday(today);
        CVdWizSheet s(services, platform::AppTitle(), platform::kNoWindow);
        EXPECT_EQ(s.Job().filingYear, text);
    }
}

TEST_F(Startup, TheSheetLoadsTheSettingsNextToTheProgram)
{
    Write("Corvane.ENV", "header\r\nA社,x,2,,-1,,-1,,-1\r\n");
    CVdWizSheet s(services, platform::AppTitle(), platform::kNoWindow);
    EXPECT_EQ(s.Items().SettingsPath(), SettingsPath());
    EXPECT_NE(s.Items().StoredLineFor("A社"), nullptr);
}

}  // namespace
}  // namespace corvane::test
