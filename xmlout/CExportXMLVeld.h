#pragma once

#include <string>

#include "fileio/AtomicFile.h"
#include "fileio/ByteSink.h"
#include "platform/Messenger.h"
#include "xmlout/CKyuuyoShouyo.h"

namespace corvane {

class CSyain;

// The output data store of one conversion job and the writer of the
// intermediate XML file. (Public operations below are the contract; the
// helper that writes this class adds the private members and the item key
// table.)
class CExportXMLVeld {
public:
    explicit CExportXMLVeld(const platform::Messenger& messenger);
    virtual ~CExportXMLVeld();
    CExportXMLVeld(const CExportXMLVeld&) = delete;
    CExportXMLVeld& operator=(const CExportXMLVeld&) = delete;

    void SetSyain(const std::string& code, const std::string& name);
    // Note the order: code, value, display name.
    void SetKoumoku(const std::string& code, const std::string& value, const std::string& item);
    void SetKyuuyoShouyo(const std::string& code, const CKyuuyoShouyo& record);

    // Writes the document atomically to `path`: WriteError::None when the
    // file was written whole; otherwise an existing file is left as it was
    // and no partial file remains. Shows nothing.
    fileio::WriteError ExportXML(const std::string& path, int mode, const std::string& functionId,
                                 const std::string& companyName, const std::string& filingYear) const;

    // The document's bytes into `sink`; false when the sink failed.
    bool WriteDocument(fileio::ByteSink& sink, int mode, const std::string& functionId,
                       const std::string& companyName, const std::string& filingYear) const;

    static std::string FormatElement(const std::string& tag, const std::string& value, int level);
    static std::string EscapeXMLText(const std::string& text);
};

// The program's product version ("1, 0, 0, 0") and file version
// ("2014, 11, 20, 0"); "" when they cannot be found.
std::string GetProductVersion();
std::string GetFileVersion();

}  // namespace corvane
