#include "wizard/ControlCaptions.h"

#include <map>

#include "items/CDlg001.h"

namespace corvane {

using platform::ControlId;

namespace {

const std::map<ControlId, std::string>& Captions()
{
    static const std::map<ControlId, std::string> captions = {
        {ControlId::StartIntro,
         "この画面の手順に従い、ソルマ給与で作成したTXTファイルから、ヴェルドへ転送するデータを作成します。\n\n"
         "作成を始める前に、他のプログラムを終了してください。\n\n"
         "作成を始めるには、[次へ]ボタンを押してください。"},
        {ControlId::ModeGroup, "データ転送方法の選択"},
        {ControlId::StandardModeRadio, "標準モード："},
        {ControlId::StandardModeNote, "「ヴェルド」の控除関連情報の登録方法が、【標準モード】用のデータを作成します。"},
        {ControlId::SimpleModeRadio, "簡易モード："},
        {ControlId::SimpleModeNote, "「ヴェルド」の控除関連情報の登録方法が、【簡易モード】用のデータを作成します。"},

        {ControlId::EmployeeIntro, "ソルマ給与で出力した従業員一覧表のエクスポートファイルを指定します。"},
        {ControlId::EmployeeGroup, "従業員一覧表のエクスポートファイル"},
        {ControlId::EmployeeBrowse, "参照(&S)..."},
        {ControlId::EmployeeGuide, "エクスポートファイルの作成方法(&R)..."},
        {ControlId::EmployeeFolder, "フォルダーから読み込む(&F)..."},

        {ControlId::SalaryIntro, "ソルマ給与で出力した給与の集計表のエクスポートファイルを指定します。"},
        {ControlId::SalaryClear, "クリア(&C)..."},
        {ControlId::SalaryBrowse, "参照(&S)..."},
        {ControlId::SalaryGuide, "エクスポートファイルの作成方法(&R)..."},

        {ControlId::BonusIntro, "ソルマ給与で出力した賞与の集計表のエクスポートファイルを指定します。"},
        {ControlId::BonusLabel1, "賞与 1回目:"},
        {ControlId::BonusLabel2, "賞与 2回目:"},
        {ControlId::BonusLabel3, "賞与 3回目:"},
        {ControlId::BonusLabel4, "賞与 4回目:"},
        {ControlId::BonusLabel5, "賞与 5回目:"},
        {ControlId::BonusBrowse1, "..."},
        {ControlId::BonusBrowse2, "..."},
        {ControlId::BonusBrowse3, "..."},
        {ControlId::BonusBrowse4, "..."},
        {ControlId::BonusBrowse5, "..."},
        {ControlId::BonusGuide, "エクスポートファイルの作成方法(&R)..."},
        {ControlId::BonusClear, "クリア(&C)..."},

        {ControlId::ItemsIntro, "ヴェルドとソルマ給与の給与・賞与項目の対応を設定をします。"},
        {ControlId::ItemsBrowse, "参照(&S)..."},

        {ControlId::OutputGroup, "作成するデータの保存先と名称を入力してください。"},
        {ControlId::YearLabel, "申告年度:"},
        {ControlId::YearEra, "令和"},
        {ControlId::LocationLabel, "場所:"},
        {ControlId::NameLabel, "名称(&N):"},
        {ControlId::OutputBrowse, "参照(&S)..."},
        {ControlId::CheckListBox, "確認表を作成する(&K)"},

        {ControlId::SearchButton, "検索"},
        {ControlId::ExplanationGroup, "説明"},
        {ControlId::DialogOk, "OK"},
        {ControlId::DialogCancel, "ｷｬﾝｾﾙ"},

        {ControlId::WizardBack, "< 戻る(&B)"},
        {ControlId::WizardNext, "次へ(&N) >"},
        {ControlId::WizardFinish, "完了"},
        {ControlId::WizardCancel, "キャンセル"},
        {ControlId::MessageOk, "OK"},
        {ControlId::MessageCancel, "キャンセル"},
        {ControlId::MessageYes, "はい(&Y)"},
        {ControlId::MessageNo, "いいえ(&N)"},
        {ControlId::FindingsDetailsLabel, "確認事項の一覧（該当する従業員すべて）(&L):"},
        {ControlId::FindingsCopy, "一覧をコピー(&C)"},
        {ControlId::FindingsCopied, "一覧をクリップボードにコピーしました。"},
        {ControlId::FindingsChecklist, "確認表を表示(&V)"},
    };
    return captions;
}

}  // namespace

const std::string& ControlCaption(ControlId id)
{
    static const std::string none;
    const auto& captions = Captions();
    const auto it = captions.find(id);
    return it == captions.end() ? none : it->second;
}

const std::vector<ListColumnCaption>& ListColumnCaptions(ControlId list)
{
    static const std::vector<ListColumnCaption> salary = {
        {"月区分", 72},
        {"集計表のエクスポートファイルの名称", 340},
    };
    static const std::vector<ListColumnCaption> items = {
        {"ヴェルドの項目", 212},
        {"ソルマ給与の項目", 220},
    };
    static const std::vector<ListColumnCaption> none;
    switch (list) {
    case ControlId::SalaryList:
        return salary;
    case ControlId::ItemsList:
        return items;
    default:
        return none;
    }
}

const std::string& DialogTitle(platform::DialogId id)
{
    static const std::string none;
    return id == platform::DialogId::ItemSelection ? CDlg001::DialogTitle() : none;
}

}  // namespace corvane
