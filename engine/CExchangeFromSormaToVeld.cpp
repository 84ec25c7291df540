#include "engine/CExchangeFromSormaToVeld.h"

#include <algorithm>
#include <string_view>
#include <utility>

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

// Names made into strings once: the lookups and the store take std::string,
// and some names are too long to be built per call without an allocation.
struct Names {
    std::string column[4];
    std::string payItem[4];
    std::string periodLabel[19];  // "給与 %02d月分" for 1 to 12, "賞与 %02d回分" for 14 to 18
};

const Names& TheNames()
{
    static const Names names = [] {
        Names n;
        for (int i = 0; i < 4; ++i)
            n.payItem[i] = kPayItemNames[i];
        for (int period = 1; period <= 18; ++period) {
            if (period != 13)
                n.periodLabel[period] =
                    period < 13 ? text::Format("給与 %02d月分", period) : text::Format("賞与 %02d回分", period - 13);
        }
        return n;
    }();
    return names;
}

// The employee list columns that the conversion reads.
const std::string kEmployeeColumns[] = {
    "氏名",     "所属部門",   "フリガナ･姓", "フリガナ･名", "生年月日",      "性別",          "郵便番号",
    "住所",     "役職名",     "就業状況",    "入社年月日",  "退職年月日",    "住民税･納付先", "所得税･税額表"};
enum Column { kName, kDepartment, kReadingSurname, kReadingGivenName, kBirthDate, kSex, kPostalCode,
              kAddress, kJobTitle, kEmployment, kJoined, kLeft, kPayee, kTaxTable };

// The store's display names.
const std::string kItemDepartmentName = "所属名称";
const std::string kItemDepartmentCode = "所属コード";
const std::string kItemReading = "社員 フリガナ";
const std::string kItemBirthDate = "社員 生年月日";
const std::string kItemSex = "性別";
const std::string kItemPostalFront = "郵便番号(前)";
const std::string kItemPostalBack = "郵便番号(後)";
const std::string kItemAddressUpper = "住所(上段)";
const std::string kItemAddressLower = "住所(下段)";
const std::string kItemJobTitle = "役職";
const std::string kItemStatus = "現況";
const std::string kItemJoined = "入社年月日";
const std::string kItemLeft = "退職年月日";
const std::string kItemPayeeName = "納付先(市町村)名称";
const std::string kItemPayeeCode = "納付先(市町村)コード";
const std::string kItemTaxTable = "甲乙区分";

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
    if (text.size() == 14) {
        // 「1975年 4月 3日」: the digits with the blanks of one-digit months and days made zeros.
        // One pass, character by character, removes 年, 月 and 日 as the
        // successive replacements would (a removed character never joins
        // two others into a new one).
        static const std::string_view kMarks[] = {"年", "月", "日"};
        std::string date;
        date.reserve(8);
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = text::CharLengthAt(text, i);
            const std::string_view character = text.substr(i, length);
            i += length;
            if (std::find(std::begin(kMarks), std::end(kMarks), character) != std::end(kMarks))
                continue;
            if (character == " ")
                date.push_back('0');
            else
                date.append(character);
        }
        return date;
    }
    if (text.size() == 16) {
        // 「昭和50年 4月 3日」: era name, year, month and day at fixed byte offsets.
        const std::string_view era = text.substr(0, 4);
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

}  // namespace

CExchangeFromSormaToVeld::CExchangeFromSormaToVeld(const platform::Messenger& messenger)
    : m_messenger(messenger), m_store(messenger), m_reader(messenger)
{
    // The tables are built in: the numbers hold for every Read.
    static_assert(std::size(kEmployeeColumns) == kReadColumns && std::size(kPayItemNames) == kPayItems);
    for (std::size_t c = 0; c < kReadColumns; ++c)
        m_columns[c] = m_reader.EmployeeColumnNumber(kEmployeeColumns[c]);
    for (std::size_t i = 0; i < kPayItems; ++i)
        m_payItems[i] = m_reader.PayItemNumber(TheNames().payItem[i]);
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
    if (m_beforeWrite && !m_beforeWrite(m_reader, m_store))
        return false;

    const fileio::WriteError error = m_store.ExportXML(outputPath, mode, functionId, company, filingYear);
    if (error != fileio::WriteError::None) {
        m_messenger.Warn(WriteFailureMessage(error, m_messenger.DisplayPath(outputPath)));
        return false;
    }
    if (functionId == "1")
        m_messenger.Inform(ConversionCompletedMessage());
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
    auto value = [&](Column column) { return m_reader.GetEmployeeValueView(code, m_columns[column]); };

    const std::string name(value(kName));
    // What goes into the file is screened, named by the column it came from.
    auto screen = [&](std::string_view v, const char* column, const std::string& period = std::string()) {
        Screen(code, name, period, column, v);
    };
    auto set = [&](std::string v, const std::string& item, const char* column) {
        screen(v, column);
        m_store.SetKoumoku(code, std::move(v), item);
    };

    screen(code, "コード");
    screen(name, "氏名");
    m_store.SetSyain(code, name);
    const std::string department(value(kDepartment));
    set(department, kItemDepartmentName, "所属部門");
    set(m_reader.GetDepartmentCode(department), kItemDepartmentCode, "所属部門");
    // Screened one by one: the joined reading would not tell which column.
    const std::string_view surname = value(kReadingSurname);
    const std::string_view givenName = value(kReadingGivenName);
    screen(surname, "フリガナ･姓");
    screen(givenName, "フリガナ･名");
    std::string reading(surname);
    reading.append(givenName);
    set(std::move(reading), kItemReading, "フリガナ･名");
    set(DateOf(value(kBirthDate)), kItemBirthDate, "生年月日");
    set(SexCode(value(kSex)), kItemSex, "性別");
    const std::string_view postal = value(kPostalCode);
    set(PostalPart(postal, true), kItemPostalFront, "郵便番号");
    set(PostalPart(postal, false), kItemPostalBack, "郵便番号");
    const std::string_view address = value(kAddress);
    set(PartAtByte(address, 30, true), kItemAddressUpper, "住所");
    set(PartAtByte(address, 30, false), kItemAddressLower, "住所");
    set(std::string(value(kJobTitle)), kItemJobTitle, "役職名");
    set(StatusCode(value(kEmployment)), kItemStatus, "就業状況");
    set(DateOf(value(kJoined)), kItemJoined, "入社年月日");
    set(DateOf(value(kLeft)), kItemLeft, "退職年月日");
    const std::string payee(value(kPayee));
    set(payee, kItemPayeeName, "住民税･納付先");
    set(m_reader.GetPayeeCode(payee), kItemPayeeCode, "住民税･納付先");
    set(TaxTableCode(value(kTaxTable)), kItemTaxTable, "所得税･税額表");

    // Twelve salary months, then the five bonus slots; period 13 is never filled.
    for (int period = 1; period <= 18; ++period) {
        if (period == 13)
            continue;
        CKyuuyoShouyo record;
        record.KUBUN = period;
        std::string* figures[] = {&record.SOUSIKYUUGAKU, &record.HOKENKOUJOGAKU, &record.FUYOUSINZOKUSUU,
                                  &record.SANSYUTUZEIGAKU};
        for (std::size_t i = 0; i < 4; ++i) {
            const std::string_view figure = m_reader.GetPayValueView(code, period, m_payItems[i]);
            screen(figure, kPayItemNames[i], names.periodLabel[period]);
            figures[i]->assign(figure);
        }
        m_store.SetKyuuyoShouyo(code, record);
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

std::string CExchangeFromSormaToVeld::SplitAtByte(const std::string& text, int position, bool left)
{
    return PartAtByte(text, position, left);
}

}  // namespace corvane
