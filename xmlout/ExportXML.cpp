#include "xmlout/CExportXMLVeld.h"

namespace corvane {

fileio::WriteError CExportXMLVeld::ExportXML(const std::string& path, TransferMode mode, const std::string& functionId,
                                             const std::string& companyName, const std::string& filingYear) const
{
    return ExportXML(path, mode, functionId, companyName, filingYear, SinkWrapper());
}

fileio::WriteError CExportXMLVeld::ExportXML(const std::string& path, TransferMode mode, const std::string& functionId,
                                             const std::string& companyName, const std::string& filingYear,
                                             const SinkWrapper& wrap) const
{
    fileio::AtomicFile file(path);
    if (!file.Open())
        return file.Error();

    bool written = false;
    if (wrap) {
        const auto sink = wrap(file);
        written = sink && WriteDocument(*sink, mode, functionId, companyName, filingYear);
    } else {
        written = WriteDocument(file, mode, functionId, companyName, filingYear);
    }
    if (!written) {
        // The sink between us and the file may fail while the file is fine.
        const auto error = file.Error() == fileio::WriteError::None ? fileio::WriteError::Write : file.Error();
        file.Abort();
        return error;
    }
    if (!file.Commit())
        return file.Error();
    return fileio::WriteError::None;
}

}  // namespace corvane
