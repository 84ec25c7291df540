#include "engine/CExchangeFromSormaToVeld.h"

#include <algorithm>

#include "engine/WriteFailureMessage.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "xmlout/CKyuuyoShouyo.h"

namespace corvane {

namespace {

struct Era {
    const char* name;
    int base;  // the Western year before the era's first year, times 10000
};

// 令和 is here so that dates from May 2019 on, written in the era form, are not lost.
const Era kEras[] = {
    {"明治", 18670000}, {"大正", 19110000}, {"昭和", 19250000}, {"平成", 19880000}, {"令和", 20180000}};

const char* const kPayItemNames[] = {"課税支給合計", "社会保険料計", "扶養人数", "所得税"};

std::string StatusCode(const std::string& status)
{
    struct Row {
        const char* word;
        const char* code;
    };
    static const Row rows[] = {
        {"在職", "1"}, {"休職(給与あり)", "4"}, {"休職(給与なし)", "4"}, {"退職(普通)", "2"}, {"退職(死亡)", "3"}};
    for (const Row& row : rows) {
        if (status == row.word)
            return row.code;
    }
    return std::string();
}

std::string SexCode(const std::string& sex)
{
    if (sex == "男")
        return "1";
    if (sex == "女")
        return "2";
    return std::string();
}

std::string TaxTableCode(const std::string& table)
{
    if (table == "甲欄")
        return "1";
    if (table == "乙欄")
        return "2";
    return std::string();
}

// The parts of a postal code before and after its first hyphen; "" for both without one.
std::string PostalPart(const std::string& postal, bool front)
{
    const std::size_t hyphen = postal.find('-');
    if (hyphen == std::string::npos)
        return std::string();
    return front ? postal.substr(0, hyphen) : postal.substr(hyphen + 1);
}

}  // namespace

CExchangeFromSormaToVeld::CExchangeFromSormaToVeld(const platform::Messenger& messenger)
    : m_messenger(messenger), m_store(messenger), m_reader(messenger)
{
}

CExchangeFromSormaToVeld::~CExchangeFromSormaToVeld() = default;

bool CExchangeFromSormaToVeld::Exchange(const std::vector<std::string>& paths, int count,
                                        const std::string& outputPath, int mode,
                                        const std::string& functionId, const CSormaItemCheck& items,
                                        const std::string& filingYear)
{
    // The reader never looks past the list it is given.
    const int used = std::clamp(count, 0, static_cast<int>(paths.size()));
    m_reader.Read(paths, used, items);
    const std::string company = m_reader.GetCompanyName();
    m_unwritable.reset();
    if (!ExchangeAllSyain())
        return false;

    // The header's values come first in the file, so they are named first.
    UnwritableValue header;
    if (FindUnwritableByte(company, header)) {
        header.source = UnwritableValue::Source::Company;
        m_unwritable = header;
    } else if (FindUnwritableByte(filingYear, header)) {
        header.source = UnwritableValue::Source::FilingYear;
        m_unwritable = header;
    }
    if (m_unwritable) {
        m_messenger.Warn(UnwritableValueMessage(*m_unwritable));
        return false;
    }

    const fileio::WriteError error = m_store.ExportXML(outputPath, mode, functionId, company, filingYear);
    if (error != fileio::WriteError::None) {
        m_messenger.Warn(WriteFailureMessage(error, m_messenger.DisplayPath(outputPath)));
        return false;
    }
    if (functionId == "1")
        m_messenger.Inform("正常に終了しました。");
    return true;
}

bool CExchangeFromSormaToVeld::ExchangeAllSyain()
{
    const std::vector<std::string>& codes = m_reader.GetEmployeeCodes();
    if (codes.empty())
        return false;
    for (const std::string& code : codes) {
        if (code.empty())
            return false;
        ExchangeSyain(code);
    }
    return true;
}

void CExchangeFromSormaToVeld::ExchangeSyain(const std::string& code)
{
    auto value = [&](const char* column) -> const std::string& { return m_reader.GetEmployeeValue(code, column); };

    const std::string name = value("氏名");
    UnwritableValue where;
    where.code = code;
    where.name = name;
    // What goes into the file is screened, named by the column it came from.
    auto set = [&](const std::string& v, const char* item, const char* column) {
        where.column = column;
        Screen(where, v);
        m_store.SetKoumoku(code, v, item);
    };

    where.column = "コード";
    Screen(where, code);
    where.column = "氏名";
    Screen(where, name);
    m_store.SetSyain(code, name);
    const std::string department = value("所属部門");
    set(department, "所属名称", "所属部門");
    set(m_reader.GetDepartmentCode(department), "所属コード", "所属部門");
    // Screened one by one: the joined reading would not tell which column.
    where.column = "フリガナ･姓";
    Screen(where, value("フリガナ･姓"));
    where.column = "フリガナ･名";
    Screen(where, value("フリガナ･名"));
    set(value("フリガナ･姓") + value("フリガナ･名"), "社員 フリガナ", "フリガナ･名");
    set(ConvertDate(value("生年月日")), "社員 生年月日", "生年月日");
    set(SexCode(value("性別")), "性別", "性別");
    set(PostalPart(value("郵便番号"), true), "郵便番号(前)", "郵便番号");
    set(PostalPart(value("郵便番号"), false), "郵便番号(後)", "郵便番号");
    set(SplitAtByte(value("住所"), 30, true), "住所(上段)", "住所");
    set(SplitAtByte(value("住所"), 30, false), "住所(下段)", "住所");
    set(value("役職名"), "役職", "役職名");
    set(StatusCode(value("就業状況")), "現況", "就業状況");
    set(ConvertDate(value("入社年月日")), "入社年月日", "入社年月日");
    set(ConvertDate(value("退職年月日")), "退職年月日", "退職年月日");
    const std::string payee = value("住民税･納付先");
    set(payee, "納付先(市町村)名称", "住民税･納付先");
    set(m_reader.GetPayeeCode(payee), "納付先(市町村)コード", "住民税･納付先");
    set(TaxTableCode(value("所得税･税額表")), "甲乙区分", "所得税･税額表");

    // Twelve salary months, then the five bonus slots; period 13 is never filled.
    for (int period = 1; period <= 18; ++period) {
        if (period == 13)
            continue;
        CKyuuyoShouyo record;
        record.KUBUN = period;
        record.SOUSIKYUUGAKU = m_reader.GetPayValue(code, period, kPayItemNames[0]);
        record.HOKENKOUJOGAKU = m_reader.GetPayValue(code, period, kPayItemNames[1]);
        record.FUYOUSINZOKUSUU = m_reader.GetPayValue(code, period, kPayItemNames[2]);
        record.SANSYUTUZEIGAKU = m_reader.GetPayValue(code, period, kPayItemNames[3]);
        where.period = period < 13 ? text::Format("給与 %02d月分", period) : text::Format("賞与 %02d回分", period - 13);
        const std::string* figures[] = {&record.SOUSIKYUUGAKU, &record.HOKENKOUJOGAKU, &record.FUYOUSINZOKUSUU,
                                        &record.SANSYUTUZEIGAKU};
        for (std::size_t i = 0; i < 4; ++i) {
            where.column = kPayItemNames[i];
            Screen(where, *figures[i]);
        }
        m_store.SetKyuuyoShouyo(code, record);
    }
}

void CExchangeFromSormaToVeld::Screen(const UnwritableValue& where, const std::string& value)
{
    if (m_unwritable)
        return;
    UnwritableValue found = where;
    if (FindUnwritableByte(value, found))
        m_unwritable = found;
}

std::string CExchangeFromSormaToVeld::ConvertDate(const std::string& text)
{
    if (text.size() == 14) {
        // 「1975年 4月 3日」: the digits with the blanks of one-digit months and days made zeros.
        std::string s = text::ReplaceAll(text, "年", "");
        s = text::ReplaceAll(s, "月", "");
        s = text::ReplaceAll(s, "日", "");
        return text::ReplaceAll(s, " ", "0");
    }
    if (text.size() == 16) {
        // 「昭和50年 4月 3日」: era name, year, month and day at fixed byte offsets.
        const std::string era = text.substr(0, 4);
        const int year = text::LeadingInt(text::RemoveSingle(text.substr(4, 2), ' '));
        const int month = text::LeadingInt(text::RemoveSingle(text.substr(8, 2), ' '));
        const int day = text::LeadingInt(text::RemoveSingle(text.substr(12, 2), ' '));
        for (const Era& e : kEras) {
            if (era == e.name)
                return std::to_string(e.base + year * 10000 + month * 100 + day);
        }
        return std::string();
    }
    return std::string();
}

std::string CExchangeFromSormaToVeld::SplitAtByte(const std::string& text, int position, bool left)
{
    std::size_t p = position < 0 ? 0 : static_cast<std::size_t>(position);
    if (text.size() > p) {
        switch (text::ClassAt(text, p)) {
        case text::ByteClass::Trail:
            // Keep the double-byte character whole in the right part.
            --p;
            break;
        case text::ByteClass::Illegal:
            return left ? text : std::string();
        case text::ByteClass::Single:
        case text::ByteClass::Lead:
            break;
        }
    } else {
        p = text.size();
    }
    return left ? text.substr(0, p) : text.substr(p);
}

}  // namespace corvane
