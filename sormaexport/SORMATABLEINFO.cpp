#include "sormaexport/SORMATABLEINFO.h"

namespace corvane {

namespace {

struct ColumnDefinition {
    const char* name;
    bool amount;
};

constexpr bool T = false;  // text
constexpr bool A = true;   // amount

// The employee list export's columns, in the export's own order.
// Several rows to a line, as the export lists them.
// clang-format off
const ColumnDefinition kEmployeeColumns[] = {
    {"氏名", T}, {"姓", T}, {"名", T}, {"フリガナ･姓", T}, {"フリガナ･名", T},
    {"コード", T}, {"性別", T}, {"生年月日", T}, {"年齢", T}, {"所属部門", T},
    {"支給形態", T}, {"締切日グループ", T}, {"従業員区分", T}, {"雇用", T}, {"役職名", T},
    {"分類１", T}, {"分類２", T}, {"扶養親族等", T}, {"所得税･税額表", T}, {"所得税･手入力", T},
    {"賞与なし", T}, {"入社年月日", T}, {"勤続年数", T}, {"前職あり", T}, {"就業状況", T},
    {"退職年月日", T}, {"賞与明細書", T}, {"平均所定労働･個別設定", T},
    {"1か月平均･所定労働日数", T}, {"1か月平均･所定労働時間", T},
    {"1日平均･所定労働時間", T}, {"支給算定方法･給与", T}, {"支給算定方法･賞与", T},
    {"電話番号", T}, {"郵便番号", T}, {"住所", T}, {"給与支払報告書提出先", T},
    {"住民税･納付先", T}, {"住民税･個人番号", T}, {"住民税･月額設定", T},
    {"住民税･6月", A}, {"住民税･7月", A}, {"住民税･年税額", A},
    {"雇用保険･加入", T}, {"雇用保険･保険料計算区分", T}, {"雇用保険･保険区分", T},
    {"雇用保険･免除高齢者", T}, {"雇用保険･資格取得日", T}, {"雇用保険･被保険者番号", T},
    {"労災保険･加入", T}, {"労災保険･保険区分", T},
    {"社保基本･2以上勤務", T}, {"社保基本･育児休業", T}, {"社保基本･適用月度", T},
    {"社保基本･標準報酬月額", A}, {"社保基本･種別", T},
    {"健康保険･加入", T}, {"健康保険･等級", T}, {"健康保険･標準報酬月額", A},
    {"健康保険･保険料", A}, {"健康保険･資格取得日", T}, {"健康保険･健保証番号", T},
    {"介護保険･対象", T}, {"介護保険･等級", T}, {"介護保険･標準報酬月額", A},
    {"介護保険･保険料", A}, {"介護保険･賞与から徴収", T},
    {"厚生年金保険･加入", T}, {"厚生年金保険･等級", T}, {"厚生年金保険･標準報酬月額", A},
    {"厚生年金保険･保険料", A}, {"厚生年金保険･資格取得日", T}, {"厚生年金保険･記号番号", T},
    {"厚生年金保険･賞与から徴収", T},
};
// clang-format on

// The summary exports' pay items. 財形貯蓄 and 貸付金返済 occur twice.
// clang-format off
const ColumnDefinition kPayItems[] = {
    {"コード", T}, {"行項目名", T}, {"所定就労日", T}, {"出勤日数", T}, {"所定労働時間", T},
    {"実働時間", T}, {"遅刻早退回数", T}, {"遅刻早退時間", T}, {"パート時間", T},
    {"休日出勤日数", T}, {"欠勤日数", T}, {"振替代休日数", T}, {"有休日数", T},
    {"特別休暇日数", T}, {"普通残業時間", T}, {"深夜残業時間", T}, {"休日勤務時間", T},
    {"有休残日数", T}, {"欠勤基礎日数", T}, {"出勤基礎日数", T},
    {"役員報酬", A}, {"基本給", A}, {"基本給(月給)", A}, {"基本給(日給)", A},
    {"基本給(時給)", A}, {"精勤手当", A}, {"業績手当", A}, {"職務手当", A}, {"役付手当", A},
    {"勤務手当", A}, {"家族手当", A}, {"住宅手当", A}, {"非課税通勤費", A}, {"課税通勤費", A},
    {"現物非税通勤", A}, {"現物課税通勤", A}, {"普通残業手当", A}, {"深夜残業手当", A},
    {"休日勤務手当", A}, {"代休割増差額", A}, {"欠勤控除", A}, {"遅刻早退控除", A},
    {"前月修正", A}, {"課税昇給差額", A}, {"非税昇給差額", A}, {"昇給差額", A},
    {"課税支給合計", A}, {"非税支給合計", A}, {"課税現物支給", A}, {"非税現物支給", A},
    {"支給合計", A}, {"労保対象合計", A}, {"社保対象金銭", A}, {"社保対象現物", A},
    {"固定賃金合計", A}, {"役員報酬合計", A}, {"社保金銭通勤", A}, {"社保現物通勤", A},
    {"業績賞与", A}, {"特別賞与", A}, {"健康保険料", A}, {"介護保険料", A},
    {"厚生年金保険", A}, {"社保料調整", A}, {"雇用保険料", A}, {"所得税", A}, {"住民税", A},
    {"財形貯蓄", A}, {"旅行積立金", A}, {"貸付金返済", A}, {"仮払金", A}, {"商品販売代金", A},
    {"社会保険料計", A}, {"控除合計", A}, {"社保控除後計", A}, {"財形貯蓄", A},
    {"貸付金返済", A}, {"前回端数預り", A}, {"今回端数預り", A}, {"年末調整還付", A},
    {"年末調整徴収", A}, {"調整前の他計", A}, {"その他合計", A}, {"差引支給合計", A},
    {"現金支給額", A}, {"振込支給合計", A}, {"振込支給１", A}, {"振込支給２", A},
    {"振込支給３", A}, {"現物支給額", A}, {"課税支給累計", A}, {"社会保険累計", A},
    {"所得税累計", A}, {"扶養人数", T}, {"税額表", T}, {"健保標準報酬", A},
    {"厚年標準報酬", A}, {"税率", T}, {"前社保控除後", A},
};
// clang-format on

template <std::size_t N>
SORMATABLEINFO MakeTable(const char* keyword, const ColumnDefinition (&definitions)[N])
{
    SORMATABLEINFO table;
    table.keyword = keyword;
    table.columns.reserve(N);
    for (const auto& definition : definitions) {
        SORMACOLUMNINFO column;
        column.name = definition.name;
        column.amount = definition.amount;
        // Assigned in table order, so the later of two equal names wins.
        table.index[column.name] = static_cast<std::int32_t>(table.columns.size());
        table.columns.push_back(std::move(column));
    }
    return table;
}

}  // namespace

const std::string& EmployeeKeyword()
{
    static const std::string keyword = "従業員";
    return keyword;
}

const std::string& PayKeyword()
{
    static const std::string keyword = "給与賞与";
    return keyword;
}

SORMATABLEINFO EmployeeTable()
{
    static const SORMATABLEINFO table = MakeTable(EmployeeKeyword().c_str(), kEmployeeColumns);
    return table;
}

SORMATABLEINFO PayTable()
{
    static const SORMATABLEINFO table = MakeTable(PayKeyword().c_str(), kPayItems);
    return table;
}

}  // namespace corvane
