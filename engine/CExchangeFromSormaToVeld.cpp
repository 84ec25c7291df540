#include "engine/CExchangeFromSormaToVeld.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "engine/WriteFailureMessage.h"
#include "sormaexport/ExportDate.h"
#include "sormaexport/ExportLayout.h"
#include "text/Cp932.h"
#include "text/Format.h"
#include "xmlout/CKyuuyoShouyo.h"

namespace corvane {

namespace {

// How an item's value is made from its column's.
enum class Conversion {
    AsIs,
    DepartmentCode,  // the department's number among the list's departments
    PayeeCode,       // the payee's number among the list's payees
    Date,            // ConvertDate
    Sex,
    Status,
    TaxTable,
    PostalFront,   // before the hyphen
    PostalBack,    // after it
    AddressUpper,  // the first 30 bytes
    AddressLower,  // the rest
};

// The employee's items in the store: the store's display name, the employee
// list column that the value comes from (named when it cannot be written),
// and how it is made. `before` names a column whose value goes in front of
// the column's; each of the two is screened on its own first.
struct EmployeeRow {
    const char* item;
    const char* column;
    Conversion conversion;
    const char* before = nullptr;
};

const EmployeeRow kEmployeeRows[] = {
    {"所属名称", "所属部門", Conversion::AsIs},
    {"所属コード", "所属部門", Conversion::DepartmentCode},
    {"社員 フリガナ", "フリガナ･名", Conversion::AsIs, "フリガナ･姓"},
    {"社員 生年月日", "生年月日", Conversion::Date},
    {"性別", "性別", Conversion::Sex},
    {"郵便番号(前)", "郵便番号", Conversion::PostalFront},
    {"郵便番号(後)", "郵便番号", Conversion::PostalBack},
    {"住所(上段)", "住所", Conversion::AddressUpper},
    {"住所(下段)", "住所", Conversion::AddressLower},
    {"役職", "役職名", Conversion::AsIs},
    {"現況", "就業状況", Conversion::Status},
    {"入社年月日", "入社年月日", Conversion::Date},
    {"退職年月日", "退職年月日", Conversion::Date},
    {"納付先(市町村)名称", "住民税･納付先", Conversion::AsIs},
    {"納付先(市町村)コード", "住民税･納付先", Conversion::PayeeCode},
    {"甲乙区分", "所得税･税額表", Conversion::TaxTable},
};

// The employee's name: the store's employee itself rather than an item.
const char* const kNameColumn = "氏名";
const char* const kCodeColumn = "コード";

// The four figures of a period: the summary item each comes from (the
// correspondence entries' usual items) and where it goes.
struct PayRow {
    const char* item;
    std::string CKyuuyoShouyo::*figure;
};

const PayRow kPayRows[] = {
    {"課税支給合計", &CKyuuyoShouyo::SOUSIKYUUGAKU},
    {"社会保険料計", &CKyuuyoShouyo::HOKENKOUJOGAKU},
    {"扶養人数", &CKyuuyoShouyo::FUYOUSINZOKUSUU},
    {"所得税", &CKyuuyoShouyo::SANSYUTUZEIGAKU},
};

// Names made into strings once: the lookups and the store take std::string,
// and some names are too long to be built per call without an allocation.
struct Names {
    std::string rowItem[std::size(kEmployeeRows)];
    std::string payItem[std::size(kPayRows)];
    std::string periodLabel[exportlayout::kLastPeriod + 1];  // exportlayout::PeriodLabel
};

const Names& TheNames()
{
    static const Names names = [] {
        Names n;
        for (std::size_t r = 0; r < std::size(kEmployeeRows); ++r)
            n.rowItem[r] = kEmployeeRows[r].item;
        for (std::size_t i = 0; i < std::size(kPayRows); ++i)
            n.payItem[i] = kPayRows[i].item;
        for (int period = 1; period <= exportlayout::kLastPeriod; ++period)
            n.periodLabel[period] = exportlayout::PeriodLabel(period);
        return n;
    }();
    return names;
}

std::string StatusCode(std::string_view status)
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

std::string SexCode(std::string_view sex)
{
    if (sex == "男")
        return "1";
    if (sex == "女")
        return "2";
    return std::string();
}

std::string TaxTableCode(std::string_view table)
{
    if (table == "甲欄")
        return "1";
    if (table == "乙欄")
        return "2";
    return std::string();
}

// The parts of a postal code before and after its first hyphen; "" for both without one.
std::string PostalPart(std::string_view postal, bool front)
{
    const std::size_t hyphen = postal.find('-');
    if (hyphen == std::string_view::npos)
        return std::string();
    return std::string(front ? postal.substr(0, hyphen) : postal.substr(hyphen + 1));
}

std::string DateOf(std::string_view text)
{
    const auto date = exportdate::ParseDate(text);
    return date ? exportdate::EightDigits(*date) : std::string();
}

std::string PartAtByte(std::string_view text, int position, bool left)
{
    std::size_t p = position < 0 ? 0 : static_cast<std::size_t>(position);
    if (text.size() > p) {
        switch (text::ClassAt(text, p)) {
        case text::ByteClass::Trail:
            // Keep the double-byte character whole in the right part.
            --p;
            break;
        case text::ByteClass::Illegal:
            return left ? std::string(text) : std::string();
        case text::ByteClass::Single:
        case text::ByteClass::Lead:
            break;
        }
    } else {
        p = text.size();
    }
    return std::string(left ? text.substr(0, p) : text.substr(p));
}

std::string Converted(Conversion conversion, std::string_view value, const CSormaKyuuyo& reader)
{
    switch (conversion) {
    case Conversion::AsIs:
        return std::string(value);
    case Conversion::DepartmentCode:
        return reader.GetDepartmentCode(std::string(value));
    case Conversion::PayeeCode:
        return reader.GetPayeeCode(std::string(value));
    case Conversion::Date:
        return DateOf(value);
    case Conversion::Sex:
        return SexCode(value);
    case Conversion::Status:
        return StatusCode(value);
    case Conversion::TaxTable:
        return TaxTableCode(value);
    case Conversion::PostalFront:
        return PostalPart(value, true);
    case Conversion::PostalBack:
        return PostalPart(value, false);
    case Conversion::AddressUpper:
        return PartAtByte(value, 30, true);
    case Conversion::AddressLower:
        return PartAtByte(value, 30, false);
    }
    return std::string();
}

}  // namespace

CExchangeFromSormaToVeld::CExchangeFromSormaToVeld(const platform::Messenger& messenger)
    : m_messenger(messenger), m_store(messenger), m_reader(messenger)
{
    // The tables are built in: the numbers hold for every Read.
    m_nameColumn = m_reader.EmployeeColumnNumber(kNameColumn);
    for (const EmployeeRow& row : kEmployeeRows) {
        m_rowColumns.push_back(m_reader.EmployeeColumnNumber(row.column));
        m_rowBeforeColumns.push_back(row.before ? m_reader.EmployeeColumnNumber(row.before) : -1);
    }
    for (const std::string& item : TheNames().payItem)
        m_payItems.push_back(m_reader.PayItemNumber(item));
}

CExchangeFromSormaToVeld::~CExchangeFromSormaToVeld() = default;

bool CExchangeFromSormaToVeld::Exchange(const std::vector<std::string>& paths, int count, const std::string& outputPath,
                                        TransferMode mode, const std::string& functionId, const CSormaItemCheck& items,
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
    if (m_beforeWrite && !m_beforeWrite(m_reader, m_store))
        return false;

    const fileio::WriteError error = m_store.ExportXML(outputPath, mode, functionId, company, filingYear);
    if (error != fileio::WriteError::None) {
        m_messenger.Warn(WriteFailureMessage(error, m_messenger.DisplayPath(outputPath)));
        return false;
    }
    const AfterWriteNote note = m_afterWrite ? m_afterWrite(m_store) : AfterWriteNote{};
    const platform::Icon icon = note.warning ? platform::Icon::Warning : platform::Icon::Information;
    const std::string& completed = m_completion.empty() ? ConversionCompletedMessage() : m_completion;
    if (functionId == "1")
        m_messenger.Show(note.text.empty() ? completed : completed + "\n\n" + note.text, icon);
    else if (note.warning)
        m_messenger.Show(note.text, icon);
    return true;
}

const std::string& ConversionCompletedMessage()
{
    static const std::string text = "正常に終了しました。";
    return text;
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
    const Names& names = TheNames();
    auto value = [&](std::int32_t column) { return m_reader.GetEmployeeValueView(code, column); };

    const std::string name(value(m_nameColumn));
    // What goes into the file is screened, named by the column it came from.
    auto screen = [&](std::string_view v, const char* column, const std::string& period = std::string()) {
        Screen(code, name, period, column, v);
    };

    screen(code, kCodeColumn);
    screen(name, kNameColumn);
    m_store.SetSyain(code, name);
    for (std::size_t r = 0; r < std::size(kEmployeeRows); ++r) {
        const EmployeeRow& row = kEmployeeRows[r];
        std::string item;
        if (row.before) {
            // Screened one by one: the joined value would not tell which column.
            const std::string_view before = value(m_rowBeforeColumns[r]);
            const std::string_view after = value(m_rowColumns[r]);
            screen(before, row.before);
            screen(after, row.column);
            item.assign(before);
            item.append(Converted(row.conversion, after, m_reader));
        } else {
            item = Converted(row.conversion, value(m_rowColumns[r]), m_reader);
        }
        screen(item, row.column);
        m_store.SetKoumoku(code, std::move(item), names.rowItem[r]);
    }

    // Twelve salary months, then the five bonus slots; period 13 is never filled.
    for (int period = 1; period <= exportlayout::kLastPeriod; ++period) {
        if (!exportlayout::IsSalaryPeriod(period) && !exportlayout::IsBonusPeriod(period))
            continue;
        CKyuuyoShouyo record;
        record.KUBUN = period;
        for (std::size_t i = 0; i < std::size(kPayRows); ++i) {
            const std::string_view figure = m_reader.GetPayValueView(code, period, m_payItems[i]);
            screen(figure, kPayRows[i].item, names.periodLabel[period]);
            (record.*kPayRows[i].figure).assign(figure);
        }
        m_store.SetKyuuyoShouyo(code, std::move(record));
    }
}

void CExchangeFromSormaToVeld::Screen(const std::string& code, const std::string& name, const std::string& period,
                                      const char* column, std::string_view value)
{
    if (m_unwritable)
        return;
    const std::size_t bad = text::FindIllFormedByte(value);
    if (bad == std::string_view::npos)
        return;
    // Only the first value that cannot be written is named.
    UnwritableValue& found = m_unwritable.emplace();
    found.code = code;
    found.name = name;
    found.period = period;
    found.column = column;
    found.byte = static_cast<unsigned char>(value[bad]);
}

std::string CExchangeFromSormaToVeld::ConvertDate(const std::string& text)
{
    return DateOf(text);
}

const std::vector<std::string>& CExchangeFromSormaToVeld::DateColumns()
{
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> dates;
        for (const EmployeeRow& row : kEmployeeRows) {
            if (row.conversion == Conversion::Date && std::find(dates.begin(), dates.end(), row.column) == dates.end())
                dates.emplace_back(row.column);
        }
        return dates;
    }();
    return columns;
}

std::string CExchangeFromSormaToVeld::SplitAtByte(const std::string& text, int position, bool left)
{
    return PartAtByte(text, position, left);
}

}  // namespace corvane
