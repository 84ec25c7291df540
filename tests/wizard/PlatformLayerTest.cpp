#include <gtest/gtest.h>

#include <sstream>

#include "platform/FileDialog.h"
#include "platform/StreamCallerWindow.h"
#include "platform/WizardNavigator.h"
#include "wizard/OutputPathDisplay.h"

namespace corvane::test {
namespace {

using platform::PageJump;

TEST(FileFilter, ReadsThePairsUpToTheEmptyEntry)
{
    EXPECT_EQ(platform::ParseFilter("TXTﾌｧｲﾙ(*.TXT) |*.TXT|すべてのﾌｧｲﾙ(*.*) |*.*|| "),
              (std::vector<platform::FileFilter>{{"TXTﾌｧｲﾙ(*.TXT) ", "*.TXT"}, {"すべてのﾌｧｲﾙ(*.*) ", "*.*"}}));
    EXPECT_TRUE(platform::ParseFilter("").empty());
    EXPECT_TRUE(platform::ParseFilter("only a description").empty());
}

TEST(FileFilter, ATrailByteThatReadsAsABarDoesNotSplit)
{
    // "ポ" is 83 7C in code page 932.
    EXPECT_EQ(platform::ParseFilter("ポ(*.x)|*.x||"), (std::vector<platform::FileFilter>{{"ポ(*.x)", "*.x"}}));
}

TEST(FileFilter, SelectionBytesCountTheFolderOnceAndEveryName)
{
#ifdef _WIN32
    const std::string folder = "C:\\data";
    const std::string sep = "\\";
#else
    const std::string folder = "/data";
    const std::string sep = "/";
#endif
    EXPECT_EQ(platform::SelectionBufferBytes({folder + sep + "a.txt"}), folder.size() + 1 + 5 + 2);
    EXPECT_EQ(platform::SelectionBufferBytes({folder + sep + "a.txt", folder + sep + "bb.txt"}),
              folder.size() + 1 + 6 + 7 + 1);
}

TEST(StreamCallerWindow, WritesOneReplyLineAndNothingElse)
{
    std::ostringstream out;
    platform::StreamCallerWindow caller(out);
    caller.Disable(100);
    caller.BringToForeground(100);
    caller.Post(100, 32769, 3, 1);
    caller.Enable(100);
    EXPECT_EQ(out.str(), "POSTMESSAGE hwnd=100 msg=32769 wparam=3 lparam=1\n");
}

// Pages that record their events and answer with scripted jumps.
class ScriptedPage final : public platform::PageLogic {
public:
    ScriptedPage(int index, std::vector<std::string>& log) : m_index(index), m_log(log) {}
    platform::PageId Id() const override { return static_cast<platform::PageId>(m_index); }
    void OnInitDialog() override { m_log.push_back("init " + std::to_string(m_index)); }
    void OnSetActive() override { m_log.push_back("active " + std::to_string(m_index)); }
    PageJump OnWizardNext() override { return next; }
    PageJump OnWizardBack() override { return back; }
    bool OnWizardFinish() override { return finish; }
    bool OnQueryCancel() override { return cancel; }

    PageJump next = PageJump::Default();
    PageJump back = PageJump::Default();
    bool finish = true;
    bool cancel = true;

private:
    int m_index;
    std::vector<std::string>& m_log;
};

class ScriptedWizard final : public platform::WizardLogic {
public:
    ScriptedWizard()
    {
        for (int i = 0; i < 4; ++i)
            pages.push_back(std::make_unique<ScriptedPage>(i, log));
    }
    const std::string& Caption() const override { return caption; }
    int PageCount() const override { return static_cast<int>(pages.size()); }
    platform::PageLogic& Page(int index) override { return *pages[static_cast<std::size_t>(index)]; }
    void AttachView(platform::WizardView*) override {}
    ScriptedPage& At(int i) { return *pages[static_cast<std::size_t>(i)]; }

    std::string caption = "wizard";
    std::vector<std::string> log;
    std::vector<std::unique_ptr<ScriptedPage>> pages;
};

TEST(WizardNavigator, CarriesOutTheJumpsThatThePagesReturn)
{
    ScriptedWizard wizard;
    platform::WizardNavigator nav(wizard);
    nav.Start();
    wizard.At(0).next = PageJump::To(3);
    EXPECT_EQ(nav.Next(), 3);
    wizard.At(3).back = PageJump::Default();
    EXPECT_EQ(nav.Back(), 2);
    wizard.At(2).next = PageJump::Stay();
    EXPECT_EQ(nav.Next(), 2);
    wizard.At(2).back = PageJump::To(7);
    EXPECT_EQ(nav.Back(), 2);
    EXPECT_EQ(nav.Back(), 2);
    wizard.At(2).back = PageJump::Default();
    EXPECT_EQ(nav.Back(), 1);
    EXPECT_EQ(nav.Next(), 2);
    EXPECT_EQ(wizard.log, (std::vector<std::string>{"init 0", "active 0", "init 3", "active 3", "init 2", "active 2",
                                                    "init 1", "active 1", "active 2"}));
    EXPECT_FALSE(nav.IsClosed());
}

TEST(WizardNavigator, ClosesOnlyWhenThePageAgrees)
{
    ScriptedWizard wizard;
    platform::WizardNavigator nav(wizard);
    nav.Start();
    wizard.At(0).finish = false;
    EXPECT_EQ(nav.Finish(), 0);
    wizard.At(0).cancel = false;
    EXPECT_EQ(nav.Cancel(), 0);
    EXPECT_FALSE(nav.IsClosed());
    wizard.At(0).finish = true;
    EXPECT_EQ(nav.Finish(), -1);
    EXPECT_TRUE(nav.IsClosed());
    EXPECT_EQ(nav.Result(), platform::WizardResult::Finished);
    EXPECT_EQ(nav.Next(), -1);

    ScriptedWizard other;
    platform::WizardNavigator cancelled(other);
    cancelled.Start();
    EXPECT_EQ(cancelled.Cancel(), -1);
    EXPECT_EQ(cancelled.Result(), platform::WizardResult::Cancelled);
}

#ifdef _WIN32
const char kSep[] = "\\";
#else
const char kSep[] = "/";
#endif

TEST(OutputPath, SplitsAtTheLastSeparator)
{
    const std::string path = std::string("data") + kSep + "out" + kSep + "a.XML";
    EXPECT_EQ(outputpath::FolderOf(path), std::string("data") + kSep + "out");
    EXPECT_EQ(outputpath::FileNameOf(path), "a.XML");
    EXPECT_EQ(outputpath::FolderOf("a.XML"), "");
    EXPECT_EQ(outputpath::FileNameOf("a.XML"), "a.XML");
    EXPECT_EQ(outputpath::WithFileName(path, "b"), std::string("data") + kSep + "out" + kSep + "b.XML");
    EXPECT_EQ(outputpath::WithFileName("a.XML", "b.Xml"), "b.Xml");
    EXPECT_EQ(outputpath::WithFileName("a.XML", "ML"), "ML.XML");
}

TEST(OutputPath, ADriveShowsItsVolumeLabelAndAFolderItsLastComponent)
{
    const auto label = [](const std::string& drive) -> std::optional<std::string> {
        if (drive == "D:")
            return std::string("DATA");
        if (drive == "E:")
            return std::string();
        return std::nullopt;
    };
    EXPECT_EQ(outputpath::LocationText("D:", label), "DATA (D:)");
    EXPECT_EQ(outputpath::LocationText("E:", label), "(E:)");
    EXPECT_EQ(outputpath::LocationText("F:", label), "(F:)");
    EXPECT_EQ(outputpath::LocationText(std::string("data") + kSep + "out", label), "out");
    EXPECT_EQ(outputpath::LocationText("data", label), "data");
    EXPECT_EQ(outputpath::LocationText("", label), "");
}

}  // namespace
}  // namespace corvane::test
