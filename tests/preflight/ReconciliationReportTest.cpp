#include <gtest/gtest.h>

#include "preflight/ReconciliationReport.h"
#include "preflight/ListedFinding.h"
#include "support/RecordingMessageBox.h"
#include "xmlout/CExportXMLVeld.h"

namespace corvane::test {
namespace {

CKyuuyoShouyo Figures(int period, const char* gross, const char* deductions, const char* dependants, const char* tax)
{
    CKyuuyoShouyo record;
    record.KUBUN = period;
    record.SOUSIKYUUGAKU = gross;
    record.HOKENKOUJOGAKU = deductions;
    record.FUYOUSINZOKUSUU = dependants;
    record.SANSYUTUZEIGAKU = tax;
    return record;
}

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
    const std::vector<preflight::Finding> findings = {
        preflight::Listed(preflight::FindingKind::NotANumber, "salary-05.txt", 0, "0002", 1,
                          "算出税額（所得税）に\"abc\"\n続き"),
        preflight::Listed(preflight::FindingKind::NoFigures, "", 0, "0001", 1, "なし"),
    };
    const std::string csv =
        preflight::ReconciliationCsv(store, findings, [](const std::string& path) { return "C:\\" + path; });
    EXPECT_EQ(csv,
              "コード,氏名,給与の月,賞与の回,総支給金額（給与）,社会保険料等の控除額（給与）,算出税額（給与）,"
              "総支給金額（賞与）,社会保険料等の控除額（賞与）,算出税額（賞与）\r\n"
              "0002,\"佐藤,花子\",4 5,1,610000,91000,5000,500000,70000,20000\r\n"
              "0001,山田太郎,,,0,0,0,0,0,0\r\n"
              "\r\n"
              "確認事項,ファイル,行,従業員コード,件数,内容\r\n"
              "数値でない金額,C:\\salary-05.txt,,0002,1,\"算出税額（所得税）に\"\"abc\"\"\n続き\"\r\n"
              "集計表に行がない従業員,,,0001,1,なし\r\n");
}

}  // namespace
}  // namespace corvane::test
