#include "convert/SafeFileName.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "text/Cp932.h"

namespace corvane::convert {

std::string SafeFileName(const std::string& company)
{
    std::string name = company;
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    std::string safe;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t length = text::CharLengthAt(name, i);
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (length == 1 &&
            (c < 0x20 || c == 0x7F || std::string_view("\\/:*?\"<>|").find(name[i]) != std::string_view::npos))
            safe += '_';
        else
            safe.append(name, i, length);
        i += length;
    }
    while (!safe.empty() && (safe.back() == '.' || safe.back() == ' '))
        safe.pop_back();
    std::string stem = safe.substr(0, safe.find('.'));
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    static const std::array<std::string, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    const bool numbered = stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) &&
                          stem[3] >= '1' && stem[3] <= '9';
    if (numbered || std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end())
        safe += '_';
    return safe;
}

}  // namespace corvane::convert
