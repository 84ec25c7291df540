#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Messenger.h"
#include "sormaexport/SORMADATA.h"
#include "sormaexport/SORMATABLEINFO.h"

namespace corvane {

class CSormaItemCheck;

// Reads the employee list and the summary exports of one conversion job and
// answers lookups by employee code, column, item and period.
class CSormaKyuuyo {
public:
    explicit CSormaKyuuyo(const platform::Messenger& messenger);
    ~CSormaKyuuyo();
    CSormaKyuuyo(const CSormaKyuuyo&) = delete;
    CSormaKyuuyo& operator=(const CSormaKyuuyo&) = delete;

    // Reads the first `count` entries of `paths`: salary slots 1 to 12, bonus
    // slots 1 to 5 ("" for an empty slot), then the employee list. False when
    // a missing or unopenable file, an employee header without "コード" or an
    // employee row without code stopped the reading (the code list is then empty).
    bool Read(const std::vector<std::string>& paths, int count, const CSormaItemCheck& items);

    const std::string& GetCompanyName() const { return m_companyName; }
    const std::vector<std::string>& GetEmployeeCodes() const { return m_employeeCodes; }
    // The lookups answer "" when there is nothing to return.
    const std::string& GetEmployeeValue(const std::string& code, const std::string& column) const;
    const std::string& GetPayValue(const std::string& code, int period, const std::string& item) const;
    const std::string& GetDepartmentCode(const std::string& name) const;
    const std::string& GetPayeeCode(const std::string& name) const;

    // The steps of Read, open for tests.
    void ParseHeader(const std::string& keyword, const std::string& line);
    bool ReadEmployeeRow(const std::string& line);
    void ReadPayRow(const std::string& line, int period);
    // The period of an exact label line: 1 to 12, 14, 15; -1 when none matches.
    static int PeriodFromLabel(const std::string& line);
    static std::string RemoveQuotesAndCommas(const std::string& value);

private:
    // (implementation detail: the helper that writes this class decides)
};

}  // namespace corvane
