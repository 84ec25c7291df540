#include "wizard/OutputPathDisplay.h"

#include <cctype>

#include "fileio/FileStatus.h"

namespace corvane::outputpath {

std::string FolderOf(const std::string& path)
{
    const std::size_t cut = fileio::LastSeparator(path);
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string FileNameOf(const std::string& path)
{
    const std::size_t cut = fileio::LastSeparator(path);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string LocationText(const std::string& folder,
                         const std::function<std::optional<std::string>(const std::string&)>& volumeLabel)
{
    if (folder.size() == 2 && folder[1] == ':') {
        const auto label = volumeLabel(folder);
        const std::string drive = "(" + folder + ")";
        return label && !label->empty() ? *label + " " + drive : drive;
    }
    return FileNameOf(folder);
}

bool HasForbiddenCharacter(const std::string& name)
{
    static const std::string forbidden = "\\/:?*\"<>|";
    // Names are UTF-8 paths: no byte of a longer character looks like one of these.
    return name.find_first_of(forbidden) != std::string::npos;
}

std::string WithFileName(const std::string& path, const std::string& typedName)
{
    std::string name = typedName;
    std::string tail = name.size() >= 4 ? name.substr(name.size() - 4) : std::string();
    for (auto& c : tail)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (tail != ".XML")
        name += ".XML";
    const std::size_t cut = fileio::LastSeparator(path);
    return cut == std::string::npos ? name : path.substr(0, cut + 1) + name;
}

}  // namespace corvane::outputpath
