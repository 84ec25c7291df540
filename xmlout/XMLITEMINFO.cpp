#include "xmlout/XMLITEMINFO.h"

#include <unordered_map>

namespace corvane {

namespace {

constexpr bool Y = true;
constexpr bool N = false;

// The employee's own data.
constexpr XMLITEMINFO kHonninJouhou[] = {
    {"SYOZOKU_CODE", "所属コード", 10, "英数字", Y, Y},
    {"SYOZOKU_NAME", "所属名称", 40, "文字", Y, Y},
    {"FURIGANA", "社員 フリガナ", 16, "文字", Y, Y},
    {"SEINENGAPPI", "社員 生年月日", 8, "日付", Y, Y},
    {"SEIBETU", "性別", 1, "フラグ", Y, Y},
    {"YUUBINBANGOU_1", "郵便番号(前)", 3, "数字", Y, Y},
    {"YUUBINBANGOU_2", "郵便番号(後)", 4, "数字", Y, Y},
    {"JUUSYO_1", "住所(上段)", 30, "文字", Y, Y},
    {"JUUSYO_2", "住所(下段)", 30, "文字", Y, Y},
    {"SETAINUSI", "世帯主", 16, "文字", Y, Y},
    {"ZOKUGARA", "続柄", 6, "文字", Y, Y},
    {"YAKUSYOKU", "役職", 20, "文字", Y, Y},
    {"HOUJINYAKUIN", "法人の役員", 1, "フラグ", Y, Y},
    {"GENKYOU", "現況", 1, "フラグ", Y, Y},
    {"NYUUSYANENGAPPI", "入社年月日", 8, "日付", Y, Y},
    {"TAISYOKUNENGAPPI", "退職年月日", 8, "日付", Y, Y},
    {"NOUFUSAKI_CODE", "納付先(市町村)コード", 3, "英数字", Y, Y},
    {"NOUFUSAKI_NAME", "納付先(市町村)名称", 20, "文字", Y, Y},
    {"NENTYOU", "年調区分", 1, "フラグ", Y, Y},
    {"KOUOTU", "甲乙区分", 1, "フラグ", Y, Y},
    {"FUYOUKOUJOSINKOKU", "扶養控除等の申告", 1, "フラグ", Y, Y},
    {"SYOUGAISYA", "障害者区分", 1, "フラグ", Y, Y},
    {"KAFU", "寡婦(寡夫)", 1, "フラグ", Y, Y},
    {"TOKUBETUKAFU", "特別寡婦", 1, "フラグ", Y, Y},
    {"KINROUGAKUSEI", "勤労学生", 1, "フラグ", Y, Y},
    {"SAIGAISYA", "災害者", 1, "フラグ", Y, Y},
    {"GAIKOKUJIN", "外国人", 1, "フラグ", Y, Y},
    {"ZENSYOKU_KINMUSAKI", "前職 勤務先名称", 20, "文字", Y, Y},
    {"ZENSYOKU_KINMUSAKIJUUSYO", "前職 勤務先所在地", 42, "文字", Y, Y},
    {"ZENSYOKU_TAISYOKUNENGAPPI", "前職 退職年月日", 8, "日付", Y, Y},
    {"ZENSYOKU_SOUSIKYUUGAKU", "前職 総支給金額", 8, "金額", Y, Y},
    {"ZENSYOKU_HOKENKOUJOGAKU", "前職 社会保険料等の控除額", 8, "金額", Y, Y},
    {"ZENSYOKU_SANSYUTUZEIGAKU", "前職 徴収税額", 8, "金額", Y, Y},
};

// The spouse.
constexpr XMLITEMINFO kHaiguusyaJouhou[] = {
    {"HAIGUUSYAUMU", "配偶者の有無", 1, "フラグ", Y, Y},
    {"FURIGANA", "配偶者の氏名(フリガナ)", 16, "文字", Y, N},
    {"NAME", "配偶者の氏名", 16, "文字", Y, N},
    {"SEINENGAPPI", "配偶者の生年月日", 8, "日付", Y, N},
    {"KOUJOTAISYOUHAIGUUSYA", "控除対象配偶者", 1, "フラグ", N, Y},
    {"HAIGUUSYASYOTOKU", "配偶者所得(見積)", 9, "金額", Y, Y},
    {"SYOUGAISYA", "障害者区分(配偶者)", 1, "フラグ", Y, Y},
    {"HAIGUUSYATOKUBETUKOUJOGAKU", "配偶者特別控除額", 6, "金額", N, Y},
};

// The dependants: one dependant's fields (NORMAL), then the head counts (EASY).
constexpr XMLITEMINFO kKazokuJouhou[] = {
    {"NAME", "扶養親族の氏名", 16, "文字", Y, N},
    {"ZOKUGARA", "扶養親族の続柄", 6, "文字", Y, N},
    {"SEINENGAPPI", "扶養親族の生年月日", 8, "日付", Y, N},
    {"FUYOUKUBUN", "扶養区分", 1, "フラグ", Y, N},
    {"SYOUGAISYA", "扶養親族の障害者区分", 1, "フラグ", Y, N},
    {"IPPANFUYOU", "一般扶養人数", 2, "数値", N, Y},
    {"TOKUTEIFUYOU", "特定扶養人数", 2, "数値", N, Y},
    {"ROUJINFUYOU_DOUKYOROUSIN", "老人扶養(同居老親等)人数", 2, "数値", N, Y},
    {"ROUJINFUYOU_SONOTA", "老人扶養(その他)人数", 2, "数値", N, Y},
    {"SYOUGAISYA_IPPAN", "障害者(一般)人数", 2, "数値", N, Y},
    {"SYOUGAISYA_TOKUBETU", "障害者(特別)人数", 2, "数値", N, Y},
    {"SYOUGAISYA_DOUKYOTOKUBETU", "障害者(同居特別)人数", 2, "数値", N, Y},
};

// The deductions.
constexpr XMLITEMINFO kKoujogakuJouhou[] = {
    {"SYAHOKOUJO_KYUUYO", "社保等給与等控除分(控除額)", 9, "金額", Y, Y},
    {"SYAHO_KOUJOBUN", "社保等申告社保控除分(支払)", 8, "金額", Y, Y},
    {"SYAHO_SYOUKIBOKYOUSAI", "社保等申告小規模企業共済(支払)", 8, "金額", Y, Y},
    {"SEIHO_IPPAN", "生保一般(支払)", 9, "金額", Y, Y},
    {"SEIHO_KOJIN", "生保個人年金(支払)", 9, "金額", Y, Y},
    {"JISINHOKEN", "地震保険(支払)", 9, "金額", Y, Y},
    {"SONPO_TYOUKI", "旧長期損保(支払)", 9, "金額", Y, Y},
    {"JUUTAKU_TOKUBETUKOUJO", "住宅借入金等特別控除額", 6, "金額", Y, Y},
    {"TOKUBETUGENZEI", "特別減税", 7, "金額", Y, Y},
};

// The year totals: items like the others, never computed from the figures.
constexpr XMLITEMINFO kGoukei[] = {
    {"KYUUYO_SOUSIKYUUGAKU_GOUKEI", "給与・手当等(金額)", 9, "金額", Y, Y},
    {"KYUUYO_SANSYUTUZEIGAKU_GOUKEI", "給与・手当等(税額)", 9, "金額", Y, Y},
    {"SYOUYO_SOUSIKYUUGAKU_GOUKEI", "賞与等(金額)", 9, "金額", Y, Y},
    {"SYOUYO_SANSYUTUZEIGAKU_GOUKEI", "賞与等(税額)", 9, "金額", Y, Y},
    {"SOUSIKYUUGAKU_GOUKEI", "計(金額)", 9, "金額", Y, Y},
    {"SANSYUTUZEIGAKU_GOUKEI", "計(税額)", 9, "金額", Y, Y},
};

}  // namespace

std::span<const XMLITEMINFO> XmlItemRows(XmlItemGroup group)
{
    switch (group) {
    case XmlItemGroup::HonninJouhou:
        return kHonninJouhou;
    case XmlItemGroup::HaiguusyaJouhou:
        return kHaiguusyaJouhou;
    case XmlItemGroup::KazokuJouhou:
        return kKazokuJouhou;
    case XmlItemGroup::KoujogakuJouhou:
        return kKoujogakuJouhou;
    case XmlItemGroup::Goukei:
        return kGoukei;
    }
    return {};
}

std::string_view XmlItemGroupTag(XmlItemGroup group)
{
    switch (group) {
    case XmlItemGroup::HonninJouhou:
        return "HONNNIN_JOUHOU";
    case XmlItemGroup::HaiguusyaJouhou:
        return "HAIGUUSYA_JOUHOU";
    case XmlItemGroup::KazokuJouhou:
        return "KAZOKU_JOUHOU";
    case XmlItemGroup::KoujogakuJouhou:
        return "KOUJOGAKU_JOUHOU";
    case XmlItemGroup::Goukei:
        return "GOUKEI";
    }
    return {};
}

namespace {

const std::unordered_map<std::string_view, int>& NameNumbers()
{
    static const std::unordered_map<std::string_view, int> numbers = [] {
        std::unordered_map<std::string_view, int> n;
        for (const auto group : kXmlItemGroups) {
            for (const auto& row : XmlItemRows(group))
                n.emplace(row.name, static_cast<int>(n.size()));
        }
        return n;
    }();
    return numbers;
}

}  // namespace

int XmlItemNameNumber(std::string_view name)
{
    const auto& numbers = NameNumbers();
    const auto found = numbers.find(name);
    return found == numbers.end() ? -1 : found->second;
}

int XmlItemNameCount()
{
    return static_cast<int>(NameNumbers().size());
}

}  // namespace corvane
