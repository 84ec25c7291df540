#include "tools/samplegen/SampleExports.h"

#include <array>
#include <ostream>

#include "fileio/AtomicFile.h"
#include "text/Format.h"

namespace corvane::samplegen {

namespace {

constexpr int kYear = 2024;  // the payroll year of the samples (令和6年)

// splitmix64: small, and the same numbers on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 to n - 1.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }

private:
    std::uint64_t m_state;
};

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    bool empty() const { return year == 0; }
    int Key() const { return year * 10000 + month * 100 + day; }
};

int LastDay(int year, int month)
{
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// 「1975年 4月 3日」: 14 bytes.
std::string WesternDate(const Date& d)
{
    return text::Format("%4d年%2d月%2d日", d.year, d.month, d.day);
}

// 「昭和50年 4月 3日」: 16 bytes, the era of the date.
std::string EraDate(const Date& d)
{
    struct Era {
        int start;
        const char* name;
        int base;
    };
    static const Era eras[] = {{20190501, "令和", 2018},
                               {19890108, "平成", 1988},
                               {19261225, "昭和", 1925},
                               {19120730, "大正", 1911},
                               {0, "明治", 1867}};
    for (const auto& era : eras) {
        if (d.Key() >= era.start)
            return text::Format("%s%2d年%2d月%2d日", era.name, d.year - era.base, d.month, d.day);
    }
    return std::string();
}

std::string DateText(const Date& d, bool western)
{
    if (d.empty())
        return std::string();
    return western ? WesternDate(d) : EraDate(d);
}

// Amounts of a thousand and more are exported quoted, with separators: "300,000".
std::string Amount(long long value)
{
    const bool negative = value < 0;
    const std::string digits = std::to_string(negative ? -value : value);
    if (digits.size() <= 3)
        return negative ? "-" + digits : digits;
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0)
            grouped.push_back(',');
        grouped.push_back(digits[i]);
    }
    // Built by appending: GCC 12 at -O3 raises a false -Wrestrict on "..." + std::string&&.
    std::string quoted = "\"";
    if (negative)
        quoted += '-';
    quoted += grouped;
    quoted += '"';
    return quoted;
}

std::string Hours(int minutes)
{
    return text::Format("%d:%02d", minutes / 60, minutes % 60);
}

struct Name {
    const char* kanji;
    const char* kana;
};

const Name kSurnames[] = {{"山田", "ﾔﾏﾀﾞ"},  {"佐藤", "ｻﾄｳ"}, {"鈴木", "ｽｽﾞｷ"},  {"高橋", "ﾀｶﾊｼ"},
                          {"田中", "ﾀﾅｶ"},   {"伊藤", "ｲﾄｳ"}, {"渡辺", "ﾜﾀﾅﾍﾞ"}, {"中村", "ﾅｶﾑﾗ"},
                          {"小林", "ｺﾊﾞﾔｼ"}, {"加藤", "ｶﾄｳ"}, {"吉田", "ﾖｼﾀﾞ"},  {"松本", "ﾏﾂﾓﾄ"}};
const Name kMaleNames[] = {{"太郎", "ﾀﾛｳ"}, {"一郎", "ｲﾁﾛｳ"}, {"健太", "ｹﾝﾀ"},  {"大輔", "ﾀﾞｲｽｹ"},
                           {"翔", "ｼｮｳ"},   {"誠", "ﾏｺﾄ"},    {"浩二", "ｺｳｼﾞ"}, {"拓也", "ﾀｸﾔ"}};
const Name kFemaleNames[] = {{"花子", "ﾊﾅｺ"}, {"美咲", "ﾐｻｷ"}, {"陽子", "ﾖｳｺ"}, {"由美", "ﾕﾐ"},
                             {"愛", "ｱｲ"},    {"恵子", "ｹｲｺ"}, {"彩", "ｱﾔ"},    {"真由美", "ﾏﾕﾐ"}};

struct Place {
    const char* city;  // prefecture and municipality
    const char* town;
    const char* postal;
    const char* payee;  // the resident-tax payee
    const char* phone;  // area code
};

const Place kPlaces[] = {
    {"東京都千代田区", "丸の内", "100-0005", "千代田区", "03"},
    {"東京都港区", "芝公園", "105-0011", "港区", "03"},
    {"東京都新宿区", "西新宿", "160-0023", "新宿区", "03"},
    {"神奈川県横浜市港北区", "新横浜", "222-0033", "横浜市", "045"},
    {"埼玉県さいたま市大宮区", "桜木町", "330-0854", "さいたま市", "048"},
    {"千葉県船橋市", "本町", "273-0005", "船橋市", "047"},
};

const char* const kBuildings[] = {"", "", "コーポ桜", "グランドメゾン", "サンハイツ", "ライオンズマンション"};
const char* const kDepartments[] = {"営業部", "総務部", "製造部", "開発部", "経理部"};

// Statuses in a fixed rotation, so that twenty employees hold every one of them twice.
const char* const kStatusCycle[] = {"在職", "在職",           "休職(給与あり)", "在職",       "退職(普通)",
                                    "在職", "休職(給与なし)", "在職",           "退職(死亡)", "在職"};

struct Employee {
    int index = 0;
    std::string code;
    Name surname{};
    Name given{};
    bool male = true;
    Date birth;
    bool birthWestern = false;
    std::string department;
    std::string title;
    std::string category;  // 従業員区分
    std::string payForm;   // 支給形態
    std::string taxTable;  // 甲欄, 乙欄, 丙欄
    int dependants = 0;
    Date joined;
    bool joinedWestern = false;
    std::string status;
    Date left;
    const Place* place = nullptr;
    std::string address;
    std::string phone;
    long long salary = 0;  // monthly base, or the hourly rate for part-timers
    long long commute = 0;
    long long residentTaxYear = 0;
    bool officer = false;
    bool partTime = false;

    int AgeAtYearEnd() const { return kYear - birth.year; }
    long long StandardRemuneration() const;
    bool PaidInMonth(int month) const;
    bool OnLeaveWithoutPay(int month) const { return status == "休職(給与なし)" && month >= 7; }
};

long long Employee::StandardRemuneration() const
{
    const long long monthly = partTime ? salary * 120 : salary + commute;
    return (monthly + 5000) / 10000 * 10000;
}

bool Employee::PaidInMonth(int month) const
{
    const Date start{kYear, month, 1};
    const Date end{kYear, month, LastDay(kYear, month)};
    if (joined.Key() > end.Key())
        return false;
    return left.empty() || left.Key() >= start.Key();
}

Employee MakeEmployee(int index, Random& rng)
{
    Employee e;
    e.index = index;
    e.code = text::Format("%04d", 1001 + index);
    e.surname = kSurnames[rng.Below(12)];
    e.male = rng.Below(2) == 0;
    e.given = e.male ? kMaleNames[rng.Below(8)] : kFemaleNames[rng.Below(8)];
    e.officer = index == 0;
    e.partTime = index % 10 == 5;
    e.status = kStatusCycle[index % 10];

    const int birthYear = e.officer ? rng.Between(1955, 1965) : rng.Between(1960, 2002);
    e.birth = {birthYear, rng.Between(1, 12), 0};
    e.birth.day = rng.Between(1, LastDay(e.birth.year, e.birth.month));
    e.birthWestern = index % 3 == 0;

    if (index % 10 == 9) {
        // Joined in the year: first paid in April.
        e.joined = {kYear, 4, 1};
    } else {
        const int earliest = birthYear + 18 > 1985 ? birthYear + 18 : 1985;
        e.joined = {rng.Between(earliest, kYear - 1), rng.Between(1, 12), 1};
        if (e.joined.month == 4 || rng.Below(2) == 0)
            e.joined.day = 1;
        else
            e.joined.day = rng.Between(2, 28);
    }
    e.joinedWestern = index % 4 == 1;
    if (e.status.rfind("退職", 0) == 0) {
        const int month = rng.Between(3, 9);
        e.left = {kYear, month, LastDay(kYear, month)};
    }

    e.department = e.officer ? "総務部" : kDepartments[(index + rng.Below(2)) % 5];
    if (e.officer) {
        e.title = "代表取締役";
        e.category = "役員";
        e.payForm = "月給";
    } else if (e.partTime) {
        e.category = "パート";
        e.payForm = "時給";
    } else {
        const int t = rng.Below(8);
        e.title = t == 0 ? "部長" : t <= 2 ? "課長" : t <= 4 ? "主任" : "";
        e.category = "正社員";
        e.payForm = "月給";
    }
    e.taxTable = index % 7 == 5 ? "乙欄" : index % 11 == 9 ? "丙欄" : "甲欄";
    e.dependants = e.taxTable == "甲欄" ? rng.Below(4) : 0;

    e.place = &kPlaces[(index + rng.Below(3)) % 6];
    std::string address = std::string(e.place->city) + e.place->town;
    const int chome = rng.Between(1, 9);
    address += text::Format("%d-%d-%d", chome, rng.Between(1, 30), rng.Between(1, 20));
    const char* building = kBuildings[rng.Below(6)];
    if (*building)
        address += std::string("　") + building + text::Format("%d号室", rng.Between(101, 1205));
    e.address = address;
    e.phone = text::Format("%s-%04d-%04d", e.place->phone, rng.Between(1000, 9999), rng.Between(0, 9999));

    if (e.officer)
        e.salary = 600000;
    else if (e.partTime)
        e.salary = rng.Between(105, 150) * 10;  // an hourly rate of 1,050 to 1,500
    else
        e.salary = rng.Between(18, 48) * 10000;
    e.commute = e.officer ? 0 : rng.Between(3, 25) * 1000;
    e.residentTaxYear = e.taxTable == "甲欄" && !e.partTime ? (e.salary * 12) / 10 / 1000 * 1000 : 0;
    return e;
}

// The 74 columns of the employee list, as the product writes its header.
const char* const kEmployeeColumns[] = {"氏名",
                                        "姓",
                                        "名",
                                        "フリガナ・姓",
                                        "フリガナ・名",
                                        "コード",
                                        "性別",
                                        "生年月日",
                                        "年齢",
                                        "所属部門",
                                        "支給形態",
                                        "締切日グループ",
                                        "従業員区分",
                                        "雇用",
                                        "役職名",
                                        "分類１",
                                        "分類２",
                                        "扶養親族等",
                                        "所得税・税額表",
                                        "所得税・手入力",
                                        "賞与なし",
                                        "入社年月日",
                                        "勤続年数",
                                        "前職あり",
                                        "就業状況",
                                        "退職年月日",
                                        "賞与明細書",
                                        "平均所定労働・個別設定",
                                        "1か月平均・所定労働日数",
                                        "1か月平均・所定労働時間",
                                        "1日平均・所定労働時間",
                                        "支給算定方法・給与",
                                        "支給算定方法・賞与",
                                        "電話番号",
                                        "郵便番号",
                                        "住所",
                                        "給与支払報告書提出先",
                                        "住民税・納付先",
                                        "住民税・個人番号",
                                        "住民税・月額設定",
                                        "住民税・6月",
                                        "住民税・7月",
                                        "住民税・年税額",
                                        "雇用保険・加入",
                                        "雇用保険・保険料計算区分",
                                        "雇用保険・保険区分",
                                        "雇用保険・免除高齢者",
                                        "雇用保険・資格取得日",
                                        "雇用保険・被保険者番号",
                                        "労災保険・加入",
                                        "労災保険・保険区分",
                                        "社保基本・2以上勤務",
                                        "社保基本・育児休業",
                                        "社保基本・適用月度",
                                        "社保基本・標準報酬月額",
                                        "社保基本・種別",
                                        "健康保険・加入",
                                        "健康保険・等級",
                                        "健康保険・標準報酬月額",
                                        "健康保険・保険料",
                                        "健康保険・資格取得日",
                                        "健康保険・健保証番号",
                                        "介護保険・対象",
                                        "介護保険・等級",
                                        "介護保険・標準報酬月額",
                                        "介護保険・保険料",
                                        "介護保険・賞与から徴収",
                                        "厚生年金保険・加入",
                                        "厚生年金保険・等級",
                                        "厚生年金保険・標準報酬月額",
                                        "厚生年金保険・保険料",
                                        "厚生年金保険・資格取得日",
                                        "厚生年金保険・記号番号",
                                        "厚生年金保険・賞与から徴収"};

// The 99 items of the salary and bonus summaries, in the product's standard order.
const char* const kPayItems[] = {
    "コード",       "行項目名",     "所定就労日",   "出勤日数",     "所定労働時間", "実働時間",     "遅刻早退回数",
    "遅刻早退時間", "パート時間",   "休日出勤日数", "欠勤日数",     "振替代休日数", "有休日数",     "特別休暇日数",
    "普通残業時間", "深夜残業時間", "休日勤務時間", "有休残日数",   "欠勤基礎日数", "出勤基礎日数", "役員報酬",
    "基本給",       "基本給(月給)", "基本給(日給)", "基本給(時給)", "精勤手当",     "業績手当",     "職務手当",
    "役付手当",     "勤務手当",     "家族手当",     "住宅手当",     "非課税通勤費", "課税通勤費",   "現物非税通勤",
    "現物課税通勤", "普通残業手当", "深夜残業手当", "休日勤務手当", "代休割増差額", "欠勤控除",     "遅刻早退控除",
    "前月修正",     "課税昇給差額", "非税昇給差額", "昇給差額",     "課税支給合計", "非税支給合計", "課税現物支給",
    "非税現物支給", "支給合計",     "労保対象合計", "社保対象金銭", "社保対象現物", "固定賃金合計", "役員報酬合計",
    "社保金銭通勤", "社保現物通勤", "業績賞与",     "特別賞与",     "健康保険料",   "介護保険料",   "厚生年金保険",
    "社保料調整",   "雇用保険料",   "所得税",       "住民税",       "財形貯蓄",     "旅行積立金",   "貸付金返済",
    "仮払金",       "商品販売代金", "社会保険料計", "控除合計",     "社保控除後計", "財形貯蓄",     "貸付金返済",
    "前回端数預り", "今回端数預り", "年末調整還付", "年末調整徴収", "調整前の他計", "その他合計",   "差引支給合計",
    "現金支給額",   "振込支給合計", "振込支給１",   "振込支給２",   "振込支給３",   "現物支給額",   "課税支給累計",
    "社会保険累計", "所得税累計",   "扶養人数",     "税額表",       "健保標準報酬", "厚年標準報酬", "税率",
    "前社保控除後"};

constexpr int kPayItemCount = 99;
static_assert(sizeof kPayItems / sizeof kPayItems[0] == kPayItemCount);
static_assert(sizeof kEmployeeColumns / sizeof kEmployeeColumns[0] == 74);

std::string JoinLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i != 0)
            line.push_back(',');
        line += fields[i];
    }
    return line + "\r\n";
}

std::string Headings()
{
    return JoinLine(std::vector<std::string>(std::begin(kPayItems), std::end(kPayItems)));
}

// Insurance grades as small numbers derived from the standard remuneration.
int Grade(long long remuneration)
{
    return static_cast<int>(remuneration / 20000) + 1;
}

std::string EmployeeRow(const Employee& e)
{
    const long long remuneration = e.StandardRemuneration();
    const bool care = e.AgeAtYearEnd() >= 40;
    const long long health = remuneration * 499 / 10000;
    const long long careFee = care ? remuneration * 80 / 10000 : 0;
    const long long pension = remuneration * 915 / 10000;
    const long long monthlyResident = e.residentTaxYear / 12 / 100 * 100;
    const int years = kYear - e.joined.year;
    std::string tenure = text::Format("%d年%2dヶ月", years < 0 ? 0 : years, (12 - e.joined.month + 12) % 12);
    const std::string qualified = DateText(e.joined, false);
    std::vector<std::string> f = {
        std::string(e.surname.kanji) + "　" + e.given.kanji,
        e.surname.kanji,
        e.given.kanji,
        e.surname.kana,
        e.given.kana,
        e.code,
        e.male ? "男" : "女",
        DateText(e.birth, e.birthWestern),
        std::to_string(e.AgeAtYearEnd()),
        e.department,
        e.payForm,
        "末日締め",
        e.category,
        e.officer ? "役員" : "常用",
        e.title,
        "",
        "",
        std::to_string(e.dependants),
        e.taxTable,
        "しない",
        e.partTime ? "する" : "しない",
        DateText(e.joined, e.joinedWestern),
        tenure,
        e.index % 3 == 1 ? "あり" : "なし",
        e.status,
        DateText(e.left, false),
        "する",
        "しない",
        "21.0",
        e.partTime ? "120.00" : "168.00",
        e.partTime ? "6.00" : "8.00",
        e.partTime ? "時間割" : "月割",
        "支給額",
        e.phone,
        e.place->postal,
        e.address,
        e.place->payee,
        e.place->payee,
        text::Format("%08lld", 10000000 + static_cast<long long>(e.index) * 7919 % 89999999),
        "する",
        Amount(monthlyResident + e.residentTaxYear % 1200),
        Amount(monthlyResident),
        Amount(e.residentTaxYear),
        e.officer ? "しない" : "する",
        "一般",
        "一般",
        "しない",
        e.officer ? "" : qualified,
        e.officer ? "" : text::Format("%04d-%06d-%d", 5001 + e.index % 7, 100000 + e.index * 37, e.index % 10),
        "する",
        e.officer ? "役員" : "常用",
        "しない",
        "しない",
        "令和 6年 9月",
        Amount(remuneration),
        e.male ? "男子" : "女子",
        "する",
        std::to_string(Grade(remuneration)),
        Amount(remuneration),
        Amount(health),
        qualified,
        std::to_string(100 + e.index),
        care ? "対象" : "対象外",
        care ? std::to_string(Grade(remuneration)) : "",
        care ? Amount(remuneration) : "",
        care ? Amount(careFee) : "",
        care ? "する" : "しない",
        "する",
        std::to_string(Grade(remuneration) > 32 ? 32 : Grade(remuneration)),
        Amount(remuneration),
        Amount(pension),
        qualified,
        text::Format("%04d-%06d", 1201 + e.index % 13, 200000 + e.index * 41),
        "する"};
    return JoinLine(f);
}

std::string EmployeeList(const std::vector<Employee>& employees)
{
    std::string bytes = "従業員(一覧表)," + SampleCompanyName() + "\r\n";
    bytes += "作成日：令和 7年 1月10日,出力順：コード順\r\n";
    bytes += JoinLine(std::vector<std::string>(std::begin(kEmployeeColumns), std::end(kEmployeeColumns)));
    for (const auto& e : employees)
        bytes += EmployeeRow(e);
    return bytes;
}

// One summary row: 99 fields, the figures of one month or one bonus.
struct PayFigures {
    long long base = 0;
    long long officerPay = 0;
    long long positionAllowance = 0;
    long long familyAllowance = 0;
    long long commute = 0;
    long long overtime = 0;
    int overtimeMinutes = 0;
    long long bonus = 0;
    long long health = 0;
    long long care = 0;
    long long pension = 0;
    long long employment = 0;
    long long incomeTax = 0;
    long long residentTax = 0;
    long long remuneration = 0;

    long long Taxable() const { return base + officerPay + positionAllowance + familyAllowance + overtime + bonus; }
    long long Social() const { return health + care + pension + employment; }
    long long Deductions() const { return Social() + incomeTax + residentTax; }
    long long Total() const { return Taxable() + commute; }
};

struct Running {
    long long taxable = 0;
    long long social = 0;
    long long tax = 0;
};

long long IncomeTax(const Employee& e, long long taxable, long long social, bool bonus)
{
    const long long net = taxable - social;
    if (bonus)
        return net * (e.taxTable == "乙欄" ? 2042 : 408) / 10000;
    if (e.taxTable == "乙欄")
        return net * 1021 / 10000 / 10 * 10;
    if (e.taxTable == "丙欄")
        return net > 290000 ? (net - 290000) * 1021 / 100000 : 0;
    const long long base = net - e.dependants * 31667 - 88000;
    return base > 0 ? base * 5105 / 100000 / 10 * 10 : 0;
}

long long PositionAllowance(const Employee& e)
{
    if (e.title == "部長")
        return 80000;
    if (e.title == "課長")
        return 50000;
    if (e.title == "主任")
        return 20000;
    return 0;
}

PayFigures MonthFigures(const Employee& e, int month, Random& rng)
{
    PayFigures p;
    if (e.OnLeaveWithoutPay(month))
        return p;
    if (e.officer) {
        p.officerPay = e.salary;
    } else if (e.partTime) {
        p.base = e.salary * rng.Between(100, 130);
        p.commute = e.commute;
    } else {
        p.base = e.salary;
        p.positionAllowance = PositionAllowance(e);
        p.familyAllowance = e.dependants * 10000;
        p.commute = e.commute;
        p.overtimeMinutes = rng.Between(0, 40) * 30;
        p.overtime = e.salary * 125 / 100 / 160 * p.overtimeMinutes / 60;
    }
    p.remuneration = e.StandardRemuneration();
    p.health = p.remuneration * 499 / 10000;
    p.care = e.AgeAtYearEnd() >= 40 ? p.remuneration * 80 / 10000 : 0;
    p.pension = p.remuneration * 915 / 10000;
    p.employment = e.officer ? 0 : p.Total() * 6 / 1000;
    p.incomeTax = IncomeTax(e, p.Taxable(), p.Social(), false);
    p.residentTax = month >= 6 ? e.residentTaxYear / 12 / 100 * 100 : 0;
    return p;
}

PayFigures BonusFigures(const Employee& e, Random& rng)
{
    PayFigures p;
    p.bonus = e.salary * rng.Between(80, 250) / 100 / 1000 * 1000;
    p.health = p.bonus / 1000 * 1000 * 499 / 10000;
    p.care = e.AgeAtYearEnd() >= 40 ? p.bonus / 1000 * 1000 * 80 / 10000 : 0;
    p.pension = p.bonus / 1000 * 1000 * 915 / 10000;
    p.employment = e.officer ? 0 : p.bonus * 6 / 1000;
    p.incomeTax = IncomeTax(e, p.Taxable(), p.Social(), true);
    return p;
}

std::string PayRow(const Employee& e, const PayFigures& p, const Running& running, bool bonus)
{
    std::vector<std::string> f(kPayItemCount);
    auto set = [&f](int item, std::string value) { f[static_cast<std::size_t>(item - 1)] = std::move(value); };
    const bool paid = p.Total() != 0;
    set(1, e.code);
    set(2, std::string(e.surname.kanji) + "　" + e.given.kanji);
    if (!bonus) {
        const int worked = paid ? 20 : 0;
        set(3, std::to_string(21));
        set(4, std::to_string(worked));
        set(5, Hours(e.partTime ? 120 * 60 : 168 * 60));
        set(6, Hours(paid ? (e.partTime ? 118 * 60 : 160 * 60) + p.overtimeMinutes : 0));
        set(7, "0");
        set(8, "0:00");
        set(9, e.partTime && paid ? Hours(118 * 60) : "0:00");
        set(10, "0");
        set(11, paid ? "0" : "21");
        set(12, "0");
        set(13, paid ? "1" : "0");
        set(14, "0");
        set(15, Hours(p.overtimeMinutes));
        set(16, "0:00");
        set(17, "0:00");
        set(18, text::Format("%d.0", 10 + e.index % 10));
        set(19, "21");
        set(20, std::to_string(worked));
    }
    for (int item = 21; item <= 93; ++item)
        set(item, "0");
    set(21, Amount(p.officerPay));
    set(22, Amount(p.base));
    set(23, Amount(e.partTime ? 0 : p.base));
    set(25, Amount(e.partTime ? p.base : 0));
    set(29, Amount(p.positionAllowance));
    set(31, Amount(p.familyAllowance));
    set(33, Amount(p.commute));
    set(37, Amount(p.overtime));
    set(47, Amount(p.Taxable()));
    set(48, Amount(p.commute));
    set(51, Amount(p.Total()));
    set(52, Amount(p.Total()));
    set(53, Amount(p.Total()));
    set(55, Amount(p.base + p.officerPay + p.positionAllowance + p.familyAllowance));
    set(56, Amount(p.officerPay));
    set(57, Amount(p.commute));
    set(59, Amount(p.bonus));
    set(61, Amount(p.health));
    set(62, Amount(p.care));
    set(63, Amount(p.pension));
    set(65, Amount(p.employment));
    set(66, Amount(p.incomeTax));
    set(67, Amount(p.residentTax));
    set(73, Amount(p.Social()));
    set(74, Amount(p.Deductions()));
    set(75, Amount(p.Total() - p.Social()));
    set(84, Amount(p.Total() - p.Deductions()));
    set(86, Amount(p.Total() - p.Deductions()));
    set(87, Amount(p.Total() - p.Deductions()));
    set(91, Amount(running.taxable));
    set(92, Amount(running.social));
    set(93, Amount(running.tax));
    set(94, std::to_string(e.dependants));
    set(95, e.taxTable.substr(0, 2));  // 甲, 乙 or 丙
    set(96, Amount(p.remuneration));
    set(97, Amount(p.remuneration));
    set(98, bonus ? text::Format("%d.%03d", (e.taxTable == "乙欄" ? 20420 : 4084) / 1000,
                                 (e.taxTable == "乙欄" ? 20420 : 4084) % 1000)
                  : "");
    set(99, Amount(p.Taxable() - p.Social()));
    return JoinLine(f);
}

std::string SummaryHead(const std::string& title, const std::string& label, const std::string& period)
{
    std::string bytes = title + "," + SampleCompanyName() + ",令和 6年分\r\n";
    bytes += "出力条件：全従業員,明細区分：全て\r\n";
    bytes += label + "\r\n";
    bytes += period + "\r\n";
    bytes += Headings();
    return bytes;
}

struct BonusPayment {
    const char* label;
    int month;
};

const BonusPayment kBonusPayments[] = {
    {"夏期賞与", 7}, {"冬期賞与", 12}, {"決算賞与", 3}, {"臨時賞与", 9}, {"特別賞与", 11}};

}  // namespace

const std::string& SampleCompanyName()
{
    static const std::string name = "サンプル商事株式会社";
    return name;
}

std::vector<SampleFile> GenerateSampleExports(const SampleOptions& options)
{
    Random rng(options.seed);
    std::vector<Employee> employees;
    for (int i = 0; i < options.employees; ++i)
        employees.push_back(MakeEmployee(i, rng));

    std::vector<SampleFile> files;
    if (options.zeroLostCodes) {
        std::vector<Employee> listed = employees;
        for (Employee& e : listed)
            e.code = "0" + e.code;
        files.push_back({"employees.txt", EmployeeList(listed)});
    } else {
        files.push_back({"employees.txt", EmployeeList(employees)});
    }

    std::vector<Running> running(employees.size());
    for (int month = 1; month <= 12; ++month) {
        const std::string period =
            text::Format("集計期間：令和 6年%2d月 1日～令和 6年%2d月%2d日", month, month, LastDay(kYear, month));
        std::string bytes = SummaryHead("給与集計表", text::Format("%d月度給与", month), period);
        for (std::size_t i = 0; i < employees.size(); ++i) {
            const Employee& e = employees[i];
            if (!e.PaidInMonth(month))
                continue;
            const PayFigures p = MonthFigures(e, month, rng);
            running[i].taxable += p.Taxable();
            running[i].social += p.Social();
            running[i].tax += p.incomeTax;
            bytes += PayRow(e, p, running[i], false);
        }
        files.push_back({text::Format("salary-%02d.txt", month), std::move(bytes)});
    }

    const int bonuses = options.bonuses < 0 ? 0 : options.bonuses > 5 ? 5 : options.bonuses;
    for (int b = 0; b < bonuses; ++b) {
        const BonusPayment& payment = kBonusPayments[b];
        const std::string period = text::Format("支給日：令和 6年%2d月10日", payment.month);
        std::string bytes = SummaryHead("賞与集計表", payment.label, period);
        for (std::size_t i = 0; i < employees.size(); ++i) {
            const Employee& e = employees[i];
            if (!e.PaidInMonth(payment.month) || e.partTime || e.OnLeaveWithoutPay(payment.month))
                continue;
            const PayFigures p = BonusFigures(e, rng);
            bytes += PayRow(e, p, Running{p.Taxable(), p.Social(), p.incomeTax}, true);
        }
        files.push_back({text::Format("bonus-%d.txt", b + 1), std::move(bytes)});
    }
    return files;
}

bool WriteSampleExports(const std::string& folder, const SampleOptions& options, std::string& error)
{
    for (const auto& file : GenerateSampleExports(options)) {
        const std::string path = folder.empty() ? file.name : folder + "/" + file.name;
        fileio::AtomicFile out(path);
        if (!out.Open() || !out.Write(file.bytes) || !out.Commit()) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

namespace {

const char kUsage[] =
    "Usage: corvane-samplegen --employees N --out DIR [--seed S] [--bonuses N] [--zero-lost-codes]\n"
    "Writes sample payroll exports (Shift_JIS, CR LF) into DIR, which must exist:\n"
    "  employees.txt             the employee list, N employees, all 74 columns\n"
    "  salary-01.txt ... -12.txt the salary summaries of months 1 to 12\n"
    "  bonus-1.txt ...           the bonus summaries (--bonuses, 0 to 5, default 5)\n"
    "  --zero-lost-codes         the employee list's codes begin with a 0 that the\n"
    "                            summaries' codes lack (a summary saved by a spreadsheet)\n"
    "The same seed (default 1) always gives the same files.\n";

bool ParseNumber(const std::string& text, std::uint64_t max, std::uint64_t& value)
{
    if (text.empty() || text.size() > 19)
        return false;
    std::uint64_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (v > max)
        return false;
    value = v;
    return true;
}

}  // namespace

int RunSampleGen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    SampleOptions options;
    std::string folder;
    bool haveEmployees = false;
    auto usage = [&err](const std::string& why) {
        err << "corvane-samplegen: " << why << "\n" << kUsage;
        return 2;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        }
        if (a == "--zero-lost-codes") {
            options.zeroLostCodes = true;
            continue;
        }
        if (a != "--employees" && a != "--out" && a != "--seed" && a != "--bonuses")
            return usage("unknown argument " + a);
        if (i + 1 >= args.size())
            return usage(a + " needs a value");
        const std::string& v = args[++i];
        std::uint64_t n = 0;
        if (a == "--out") {
            folder = v;
        } else if (a == "--seed") {
            if (!ParseNumber(v, UINT64_MAX, n))
                return usage("--seed takes a number");
            options.seed = n;
        } else if (a == "--employees") {
            if (!ParseNumber(v, 9999999, n))
                return usage("--employees takes a number from 0 to 9999999");
            options.employees = static_cast<int>(n);
            haveEmployees = true;
        } else {
            if (!ParseNumber(v, 5, n))
                return usage("--bonuses takes a number from 0 to 5");
            options.bonuses = static_cast<int>(n);
        }
    }
    if (!haveEmployees || folder.empty())
        return usage("--employees and --out are required");
    std::string error;
    if (!WriteSampleExports(folder, options, error)) {
        err << "corvane-samplegen: " << error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace corvane::samplegen
