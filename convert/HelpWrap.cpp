#include "convert/HelpWrap.h"

#include <string_view>

#include "text/Cp932.h"

namespace corvane::convert {

namespace {

// Characters a Japanese line does not begin with.
bool ClosesALine(std::string_view character)
{
    for (const std::string_view closing : {"、", "。", "）", "」", "』", "，", "．", "・", "ー"}) {
        if (character == closing)
            return true;
    }
    return false;
}

std::string WrapLine(std::string line, std::size_t columns, std::size_t optionIndent)
{
    std::size_t indent = line.find_first_not_of(' ');
    if (indent == std::string::npos)
        return line;
    if (line.compare(indent, 2, "--") == 0 || line.compare(indent, 1, "[") == 0)
        indent = optionIndent > indent ? optionIndent : indent;
    std::string wrapped;
    while (ConsoleWidth(line) > columns) {
        std::size_t width = 0;
        std::size_t lastBlank = std::string::npos;
        std::size_t lastDouble = std::string::npos;  // where a double-byte character starts
        std::size_t i = 0;
        while (i < line.size()) {
            const std::size_t length = text::CharLengthAt(line, i);
            const std::size_t wide = length == 2 ? 2 : 1;
            if (width + wide > columns)
                break;
            // A break is worth having only past the indent.
            if (i > indent) {
                if (line[i] == ' ')
                    lastBlank = i;
                else if (length == 2 && !ClosesALine(std::string_view(line).substr(i, 2)))
                    lastDouble = i;
            }
            width += wide;
            i += length;
        }
        if (i < line.size() && line[i] == ' ')
            lastBlank = i;
        else if (i < line.size() && text::CharLengthAt(line, i) == 2 &&
                 !ClosesALine(std::string_view(line).substr(i, 2)))
            lastDouble = i;
        std::size_t cut = lastBlank != std::string::npos ? lastBlank : lastDouble;
        if (lastBlank != std::string::npos && lastDouble != std::string::npos && lastDouble > lastBlank)
            cut = lastDouble;
        if (cut == std::string::npos || cut <= indent)
            cut = i;  // nowhere better: break where the column ends
        std::string head = line.substr(0, cut);
        while (!head.empty() && head.back() == ' ')
            head.pop_back();
        wrapped += head + "\n";
        std::size_t rest = cut;
        while (rest < line.size() && line[rest] == ' ')
            ++rest;
        line = std::string(indent, ' ') + line.substr(rest);
    }
    return wrapped + line;
}

}  // namespace

std::size_t ConsoleWidth(const std::string& text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = text::CharLengthAt(text, i);
        width += length == 2 ? 2 : 1;
        i += length;
    }
    return width;
}

std::string WrapToColumns(const std::string& text, std::size_t columns, std::size_t optionIndent)
{
    std::string wrapped;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        wrapped += WrapLine(line, columns, optionIndent);
        if (end == std::string::npos)
            break;
        wrapped += "\n";
        start = end + 1;
    }
    return wrapped;
}

}  // namespace corvane::convert
