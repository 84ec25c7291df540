#include "job/JobMessages.h"

namespace corvane::job::messages {

const std::string& NotCorrectFile()
{
    static const std::string text = "選択されたファイルは正しいファイルではありません。\n";
    return text;
}

const std::string& ChooseEmployeeList()
{
    static const std::string text = "正しい従業員<一覧表>のエクスポートファイルを選択してください。";
    return text;
}

const std::string& ChooseSalarySummary()
{
    static const std::string text = "正しい給与の集計表のエクスポートファイルを選択してください。\n\n";
    return text;
}

const std::string& ChooseSummary()
{
    static const std::string text = "正しい集計表のエクスポートファイルを選択してください。\n\n";
    return text;
}

const std::string& ChooseBonusSummary()
{
    static const std::string text = "正しい賞与の集計表のエクスポートファイルを選択してください。\n\n";
    return text;
}

const std::string& NotASummarySection()
{
    static const std::string text = "[不正なファイル（集計表のファイルではない、関与先名が異なる場合等）]\n";
    return text;
}

const std::string& NotSalarySection()
{
    static const std::string text = "[給与データ以外のファイルが選択されている場合等]\n";
    return text;
}

const std::string& SameMonthSection()
{
    static const std::string text = "[同じ支給月のデータを重複して選択している場合等]\n";
    return text;
}

const std::string& NotSameConditionsSection()
{
    static const std::string text = "[不正なファイル（同一の条件で出力していない可能性があります。）]\n";
    return text;
}

const std::string& BonusNotASummarySection()
{
    static const std::string text =
        "[不正なファイル（集計表のファイルではない、関与先が異なる等の可能性があります。）]\n";
    return text;
}

const std::string& Utf8Note()
{
    static const std::string text =
        "選択されたファイルの文字コードはUTF-8です。エクスポートファイルはShift_JISで作成してください。\n";
    return text;
}

const std::string& Utf16Note()
{
    static const std::string text =
        "選択されたファイルの文字コードはUTF-16です。エクスポートファイルはShift_JISで作成してください。\n";
    return text;
}

const std::string& MissingFilesHead()
{
    static const std::string text = "以下のファイルが存在しません。\n\n";
    return text;
}

const std::string& MissingEmployeeListSection()
{
    static const std::string text = "[従業員ファイル]\n";
    return text;
}

const std::string& MissingSummariesSection()
{
    static const std::string text = "[給与・賞与ファイル]\n";
    return text;
}

const std::string& OutputIsAnExport()
{
    static const std::string text =
        "中間ファイルの保存先に、読み込むエクスポートファイルと同じファイルが指定されています。\n";
    return text;
}

const std::string& OutputIsTheSettings()
{
    static const std::string text = "中間ファイルの保存先に、設定ファイルと同じファイルが指定されています。\n";
    return text;
}

const std::string& ChooseAnotherOutput()
{
    static const std::string text = "別の保存先または名前を指定してください。\n\n";
    return text;
}

const std::string& SettingsIsAnExport()
{
    static const std::string text =
        "設定ファイルに、読み込むエクスポートファイルと同じファイルが指定されています。\n別の設定ファイルを指定してくだ"
        "さい。\n\n";
    return text;
}

const std::string& SettingsNotSaved()
{
    static const std::string text =
        "項目の対応を設定ファイルに保存できませんでした。\n中間ファイルは作成されています。\n\n";
    return text;
}

}  // namespace corvane::job::messages
