#include "wizard/OutputPathDisplay.h"

#include <cctype>

#include "fileio/FileStatus.h"
#include "text/Cp932.h"

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
#ifdef _WIN32
    // Names are code page 932 here: a trail byte can look like a backslash or a bar.
    for (std::size_t i = 0; i < name.size(); i += text::CharLengthAt(name, i)) {
        if (text::CharLengthAt(name, i) == 1 && forbidden.find(name[i]) != std::string::npos)
            return true;
    }
    return false;
#else
    return name.find_first_of(forbidden) != std::string::npos;
#endif
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
