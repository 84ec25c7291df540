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

std::string GuideNotOpenedMessage(const std::string& path, const platform::Messenger& messenger)
{
    return "操作説明書を開けませんでした。PDFを表示するプログラムがインストールされていないか、"
           "PDFファイルに関連付けられていません。\n" +
           messenger.DisplayPath(path);
}

std::string OperationGuidePath(const std::string& executablePath, const std::string& name)
{
    const std::size_t cut = fileio::LastSeparator(executablePath);
    if (cut == std::string::npos)
        return name;
    return executablePath.substr(0, cut + 1) + name;
}

std::vector<std::string> OperationGuideCandidates(const std::string& executablePath, const std::string& name)
{
    std::vector<std::string> candidates{OperationGuidePath(executablePath, name)};
#ifndef _WIN32
    // /usr/bin/corvane finds its guides in /usr/share/corvane.
    const std::string bin = fileio::DirectoryOf(executablePath);
    if (fileio::LastSeparator(bin) != std::string::npos)
        candidates.push_back(fileio::DirectoryOf(bin) + "/share/corvane/" + name);
#endif
    return candidates;
}

void OpenOperationGuide(const platform::Services& services, const platform::Messenger& messenger,
                        const std::string& name)
{
    const std::string executable = services.system.ExecutablePath();
    for (const std::string& path : OperationGuideCandidates(executable, name)) {
        if (services.system.FileExists(path)) {
            if (!services.shell.Open(path))
                messenger.Warn(GuideNotOpenedMessage(path, messenger));
            return;
        }
    }
    messenger.Warn("操作説明書のファイルが見つかりません。\n" +
                   messenger.DisplayPath(OperationGuidePath(executable, name)));
}

}  // namespace corvane
