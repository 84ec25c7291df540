#pragma once

#include <optional>
#include <string>

namespace corvane::platform {

// Conversions between the core's code page 932 text, the operating system's
// path encoding and UTF-8. Characters that the target cannot hold become "?".
class TextCodec {
public:
    virtual ~TextCodec() = default;
    // A path as it is shown inside a message (code page 932).
    virtual std::string PathToText(const std::string& osPath) const = 0;
    // Text typed into a field that becomes part of a path.
    virtual std::string TextToPath(const std::string& text) const = 0;
    virtual std::string TextToUtf8(const std::string& text) const = 0;
    virtual std::string Utf8ToText(const std::string& utf8) const = 0;
    // A text given on the command line (system encoding) as code page 932;
    // none when one of its characters has no code page 932 form. By default:
    // whatever survives the way there and back unchanged.
    virtual std::optional<std::string> ArgumentToText(const std::string& osText) const
    {
        std::string text = PathToText(osText);
        if (TextToPath(text) != osText)
            return std::nullopt;
        return text;
    }
};

// The codec of the running platform. Paths are UTF-8 everywhere (on
// Windows the file functions take them through the wide-character API).
const TextCodec& SystemTextCodec();

}  // namespace corvane::platform
