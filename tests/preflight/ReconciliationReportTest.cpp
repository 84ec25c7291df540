#include <gtest/gtest.h>

#include "preflight/ReconciliationReport.h"
#include "preflight/ListedFinding.h"
#include "support/PeriodFigures.h"
#include "support/RecordingMessageBox.h"
#include "xmlout/CExportXMLVeld.h"

namespace corvane::test {
namespace {

TEST(ReconciliationReport, OneRowPerEmployeeWithPeriodsAndSumsThenTheFindings)
{
    RecordingMessageBox box;
    const platform::Messenger messenger{box};
    CExportXMLVeld store(messenger);
    store.SetSyain("0002", "佐藤,花子");
    for (int period = 1; period <= 18; ++period) {
        if (period == 13)
            continue;
        store.SetKyuuyoShouyo("0002", period == 4    ? Figures(4, "300000", "45000", "2", "5000")
                                      : period == 5  ? Figures(5, "310000", "46000", "2", "abc")
                                      : period == 14 ? Figures(14, "500000", "70000", "", "20000")
                                                     : Figures(period, "", "", "", ""));
    }
    store.SetSyain("0001", "山田太郎");
    std::vector<preflight::Finding> findings = {
        preflight::Listed(preflight::FindingKind::NoFigures, "", 0, "0001", 1, "なし"),
        preflight::Listed(preflight::FindingKind::NotANumber, "salary-05.txt", 0, "0002", 1, "算出税額"),
    };
    findings[0].level = preflight::Level::ToConfirm;
    findings[0].outcome = "空欄になる";
    findings[0].affected = {{"0001", "山田太郎", 0, "", ""}};
    findings[1].column = "所得税";
    findings[1].outcome = "正しく取り込まれない";
    findings[1].affected = {{"0002", "佐藤,花子", 7, "abc", "5月の給与の算出税額が\"abc\"\nのまま"}};
    const std::string csv =
        preflight::ReconciliationCsv(store, findings, [](const std::string& path) { return "C:\\" + path; },
                                     {"テスト商事", "令和 6年分", "7", "2026/12/09"});
    // The heading block, the employees and their 合計, then one row per
    // finding and employee, 要修正 first.
    EXPECT_EQ(csv,
              "照合表\r\n"
              "会社名,テスト商事\r\n"
              "年分,令和 6年分\r\n"
              "申告年度,7\r\n"
              "作成日,2026/12/09\r\n"
              "\r\n"
              "コード,氏名,給与の月,賞与の回,総支給金額（給与）,社会保険料等の控除額（給与）,算出税額（給与）,"
              "総支給金額（賞与）,社会保険料等の控除額（賞与）,算出税額（賞与）\r\n"
              "0002,\"佐藤,花子\",4 5,1,610000,91000,5000,500000,70000,20000\r\n"
              "0001,山田太郎,,,0,0,0,0,0,0\r\n"
              "合計,2人,,,610000,91000,5000,500000,70000,20000\r\n"
              "\r\n"
              "区分,確認事項,ファイル,行,列,従業員コード,氏名,値,出力\r\n"
              "要修正,数値でない金額,C:\\salary-05.txt,7,所得税,0002,\"佐藤,花子\",abc,"
              "\"5月の給与の算出税額が\"\"abc\"\"\n"
              "のまま\"\r\n"
              "要確認,集計表に行がない従業員,,,,0001,山田太郎,,空欄になる\r\n");
}

}  // namespace
}  // namespace corvane::test
