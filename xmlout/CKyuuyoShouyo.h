#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// The four figures of one salary month or bonus slot.
class CKyuuyoShouyo {
public:
    CKyuuyoShouyo() = default;
    virtual ~CKyuuyoShouyo() = default;
    CKyuuyoShouyo(const CKyuuyoShouyo&) = default;
    CKyuuyoShouyo(CKyuuyoShouyo&&) = default;
    CKyuuyoShouyo& operator=(const CKyuuyoShouyo&) = default;
    CKyuuyoShouyo& operator=(CKyuuyoShouyo&&) = default;

    std::int32_t KUBUN = -1;      // period number: 1 to 12 salary, 14 to 18 bonus
    std::string SOUSIKYUUGAKU;    // gross pay
    std::string HOKENKOUJOGAKU;   // social-insurance and similar deductions
    std::string FUYOUSINZOKUSUU;  // number of dependants
    std::string SANSYUTUZEIGAKU;  // computed tax
};

// One dependant; no operation of the store adds one.
class CFuyosya {
public:
    virtual ~CFuyosya() = default;

    std::string NAME;
    std::string ZOKUGARA;
    std::string SEINENGAPPI;
    std::string FUYOUKUBUN;
    std::string SYOUGAISYA;
};

}  // namespace corvane
