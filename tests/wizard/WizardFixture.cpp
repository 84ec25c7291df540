#include "wizard/WizardFixture.h"

#include "text/Format.h"
#include "wizard/PageMessages.h"

namespace corvane::test {

std::string TestDataBytes(const std::string& relative)
{
    return ReadFileBytes(std::string(CORVANE_TEST_DATA_DIR) + "/" + relative);
}

std::string Replaced(std::string bytes, const std::string& from, const std::string& to)
{
    for (auto pos = bytes.find(from); pos != std::string::npos; pos = bytes.find(from, pos + to.size()))
        bytes.replace(pos, from.size(), to);
    return bytes;
}

WizardTest::WizardTest() : services(fake.Services())
{
    fake.SetExecutablePath(dir.File("corvane"));
}

std::string WizardTest::Employees(const std::string& name)
{
    return dir.Write(name, TestDataBytes("engine/edge/employees.txt"));
}

std::string WizardTest::CleanEmployees(const std::string& name)
{
    const std::string bytes = Replaced(TestDataBytes("engine/edge/employees.txt"), "天保 1年 1月 1日", "");
    return dir.Write(name, Replaced(bytes, "退職,1990年 4月 1,", "退職,,"));
}

std::string WizardTest::Salary(int month, const std::string& name)
{
    const std::string file = name.empty() ? text::Format("salary-%02d.txt", month) : name;
    return dir.Write(
        file, Replaced(TestDataBytes("engine/edge/salary-04.txt"), "4月度給与", text::Format("%d月度給与", month)));
}

std::string WizardTest::Bonus(const std::string& name)
{
    return dir.Write(name, TestDataBytes("engine/edge/bonus-1.txt"));
}

platform::WizardResult WizardTest::RunSheet(FakePlatform::WizardScript script, int functionId,
                                            const std::string& outputPath)
{
    sheet = std::make_unique<CVdWizSheet>(services, platform::AppTitle(), platform::kNoWindow);
    sheet->Job().functionId = functionId;
    sheet->Job().outputPath = outputPath;
    fake.ScriptWizard(std::move(script));
    return fake.RunWizard(*sheet, platform::kNoWindow);
}

void WizardTest::ExpectNoErrors() const
{
    const auto errors = fake.Errors();
    EXPECT_TRUE(errors.empty()) << ::testing::PrintToString(errors);
}

void ExpectFindingsQuestion(const FakePlatform::Message& message)
{
    EXPECT_TRUE(message.text.starts_with("エクスポートファイルに、次の確認事項があります。")) << message.text;
    EXPECT_TRUE(message.text.ends_with("このまま中間ファイルを作成しますか？")) << message.text;
    EXPECT_EQ(message.icon, platform::Icon::Warning);
    EXPECT_EQ(message.buttons, platform::Buttons::YesNo);
    EXPECT_FALSE(message.details.empty());
}

void ChooseFiles(FakePlatform& fake, FakeWizard& w, platform::ControlId button, std::vector<std::string> paths)
{
    fake.QueueOpen(std::move(paths));
    w.Press(button);
}

void CancelAndDiscard(FakePlatform& fake, FakeWizard& w)
{
    const std::size_t before = fake.Messages().size();
    fake.QueueAnswer(platform::Answer::Yes);
    w.Cancel();
    ASSERT_EQ(fake.Messages().size(), before + 1);
    EXPECT_EQ(fake.Messages().back().text, DiscardQuestion());
    // Off the record: the tests count the messages of what they test.
    fake.ForgetLastMessage();
}

void ToSalaryPage(FakePlatform& fake, FakeWizard& w, const std::string& employees)
{
    w.Next();
    ChooseFiles(fake, w, platform::ControlId::EmployeeBrowse, {employees});
    w.Next();
}

}  // namespace corvane::test
