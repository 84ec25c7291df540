#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/UnwritableValue.h"
#include "platform/Messenger.h"
#include "sormaexport/CSormaKyuuyo.h"
#include "xmlout/CExportXMLVeld.h"

namespace corvane {

class CSormaItemCheck;

// The message after a conversion that the user started (function id 1).
const std::string& ConversionCompletedMessage();

// Runs one conversion job: reads the exports, converts every employee into
// the store and writes the intermediate XML file.
class CExchangeFromSormaToVeld {
public:
    explicit CExchangeFromSormaToVeld(const platform::Messenger& messenger);
    virtual ~CExchangeFromSormaToVeld();

    // True when every employee was converted and the file was written whole.
    // False: nothing was written (an existing output is untouched). A value
    // that no XML document may carry is refused with a message naming the
    // employee and the column, before anything is written.
    bool Exchange(const std::vector<std::string>& paths, int count, const std::string& outputPath, TransferMode mode,
                  const std::string& functionId, const CSormaItemCheck& items, const std::string& filingYear);
    // Called once every employee is converted and found writable, before
    // anything is written; false stops the job with nothing written.
    using BeforeWrite = std::function<bool(const CSormaKyuuyo& reader, const CExportXMLVeld& store)>;
    void SetBeforeWrite(BeforeWrite check) { m_beforeWrite = std::move(check); }
    // The message after the file is written in place of ConversionCompletedMessage().
    void SetCompletionMessage(std::string text) { m_completion = std::move(text); }
    // Called once the file is written whole, before the completion message:
    // a note to add to that message (after an empty line); a warning is shown
    // also when no completion message is.
    struct AfterWriteNote {
        std::string text;  // "" for none
        bool warning = false;
    };
    using AfterWrite = std::function<AfterWriteNote(const CExportXMLVeld& store)>;
    void SetAfterWrite(AfterWrite step) { m_afterWrite = std::move(step); }
    bool ExchangeAllSyain();
    void ExchangeSyain(const std::string& code);

    // yyyymmdd of a date in any form that exportdate::ParseDate reads; "" for
    // any other text, so that no impossible date reaches the file.
    static std::string ConvertDate(const std::string& text);
    // The employee list's columns that are converted by ConvertDate, each
    // once, in the order of the conversion's table.
    static const std::vector<std::string>& DateColumns();
    static std::string SplitAtByte(const std::string& text, int position, bool left);

private:
    // Notes the first value of the job that the file cannot carry; `period`
    // is the summary file's label, "" for the employee list.
    void Screen(const std::string& code, const std::string& name, const std::string& period, const char* column,
                std::string_view value);

    const platform::Messenger& m_messenger;
    CExportXMLVeld m_store;
    CSormaKyuuyo m_reader;
    std::optional<UnwritableValue> m_unwritable;
    BeforeWrite m_beforeWrite;
    std::string m_completion;
    AfterWrite m_afterWrite;
    // The reader's numbers of the columns and pay items read for every employee,
    // by entry of the conversion's tables (-1 for a row without a column before).
    std::int32_t m_nameColumn = -1;
    std::vector<std::int32_t> m_rowColumns;
    std::vector<std::int32_t> m_rowBeforeColumns;
    std::vector<std::int32_t> m_payItems;
};

}  // namespace corvane
