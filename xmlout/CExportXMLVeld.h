#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "fileio/AtomicFile.h"
#include "fileio/ByteSink.h"
#include "platform/Messenger.h"
#include "xmlout/CKyuuyoShouyo.h"
#include "xmlout/CSyain.h"
#include "xmlout/TransferMode.h"

namespace corvane {

// The output data store of one conversion job and the writer of the
// intermediate XML file. Employees keep the order in which a setter first
// named them; codes are compared byte for byte.
class CExportXMLVeld {
public:
    // Lets a caller put its own sink between the document and the file (tests
    // inject failures with it). It receives the file's sink and returns one
    // that forwards to it.
    using SinkWrapper = std::function<std::unique_ptr<fileio::ByteSink>(fileio::ByteSink& file)>;

    explicit CExportXMLVeld(const platform::Messenger& messenger);
    virtual ~CExportXMLVeld();
    CExportXMLVeld(const CExportXMLVeld&) = delete;
    CExportXMLVeld& operator=(const CExportXMLVeld&) = delete;

    void SetSyain(const std::string& code, const std::string& name);
    // Note the order: code, value, display name. A name outside the accepted
    // set is ignored, and then no employee is created.
    void SetKoumoku(const std::string& code, const std::string& value, const std::string& item);
    // The same, taking the value over instead of copying it.
    void SetKoumoku(const std::string& code, std::string&& value, const std::string& item);
    // KUBUN 13 or less goes to the salary list, 14 to 18 to the bonus list;
    // 19 or more is a program error: shown, and the record dropped.
    void SetKyuuyoShouyo(const std::string& code, const CKyuuyoShouyo& record);
    void SetKyuuyoShouyo(const std::string& code, CKyuuyoShouyo&& record);

    // The employee with this code; nullptr when there is none.
    const CSyain* FindSyain(const std::string& code) const;
    // Every employee, in the order of the file.
    const std::vector<std::unique_ptr<CSyain>>& Syain() const { return m_syain; }

    // Writes the document atomically to `path`: WriteError::None when the
    // file was written whole; otherwise an existing file is left as it was
    // and no partial file remains. Shows nothing.
    fileio::WriteError ExportXML(const std::string& path, TransferMode mode, const std::string& functionId,
                                 const std::string& companyName, const std::string& filingYear) const;
    // The same, with the document passing through `wrap`'s sink; a failure of
    // that sink is WriteError::Write.
    fileio::WriteError ExportXML(const std::string& path, TransferMode mode, const std::string& functionId,
                                 const std::string& companyName, const std::string& filingYear,
                                 const SinkWrapper& wrap) const;

    // The document's bytes into `sink`; false when the sink failed.
    bool WriteDocument(fileio::ByteSink& sink, TransferMode mode, const std::string& functionId,
                       const std::string& companyName, const std::string& filingYear) const;

    // One item line ending with a line feed (the file ends its lines with
    // CR LF): 4 x level blanks, then <TAG>escaped value</TAG>, or <TAG/> when
    // the value is empty.
    static std::string FormatElement(const std::string& tag, const std::string& value, int level);
    static std::string EscapeXMLText(const std::string& text);

private:
    CSyain& FindOrAddSyain(const std::string& code);
    // Only after FindSyain found nothing.
    CSyain& AddSyain(const std::string& code);
    // The number of a display name that SetKoumoku takes; -1 for any other.
    int AcceptedNumber(const std::string& item) const;

    const platform::Messenger& m_messenger;
    std::vector<std::unique_ptr<CSyain>> m_syain;
    std::unordered_map<std::string, CSyain*> m_index;
    // The conversion fills one employee after the other: the last one found is tried first.
    CSyain* m_last = nullptr;
    std::string m_lastCode;
    std::vector<bool> m_accepted;  // by XmlItemNameNumber: the names that SetKoumoku takes
};

// The program's product version ("1, 0, 0, 0") and file version
// ("2014, 11, 20, 0"); "" when they cannot be found.
std::string GetProductVersion();
std::string GetFileVersion();

}  // namespace corvane
