#include "wizard/OperationGuide.h"

#include "fileio/FileStatus.h"

namespace corvane {

const std::string& EmployeeListGuideName()
{
    static const std::string name = "OperationGuide1.PDF";
    return name;
}

const std::string& SummaryGuideName()
{
    static const std::string name = "OperationGuide2.PDF";
    return name;
}

std::string OperationGuidePath(const std::string& executablePath, const std::string& name)
{
    const std::size_t cut = fileio::LastSeparator(executablePath);
    if (cut == std::string::npos)
        return name;
    return executablePath.substr(0, cut + 1) + name;
}

void OpenOperationGuide(const platform::Services& services, const std::string& name)
{
    services.shell.Open(OperationGuidePath(services.system.ExecutablePath(), name));
}

}  // namespace corvane
