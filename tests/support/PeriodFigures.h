#pragma once

#include "xmlout/CExportXMLVeld.h"

namespace corvane::test {

// One period's record with its four figures, for a store built by hand.
inline CKyuuyoShouyo Figures(int period, const char* gross, const char* deductions, const char* dependants,
                             const char* tax)
{
    CKyuuyoShouyo record;
    record.KUBUN = period;
    record.SOUSIKYUUGAKU = gross;
    record.HOKENKOUJOGAKU = deductions;
    record.FUYOUSINZOKUSUU = dependants;
    record.SANSYUTUZEIGAKU = tax;
    return record;
}

}  // namespace corvane::test
