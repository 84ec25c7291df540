#include <iconv.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/TextCodec.h"

namespace corvane::platform {

namespace {

// Converts with iconv; an unconvertible or broken sequence becomes "?" and
// conversion goes on after it, or, when `strict`, ends the conversion with none.
std::optional<std::string> Convert(const char* to, const char* from, const std::string& in, bool strict)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return strict ? std::nullopt : std::optional<std::string>(in);
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            if (strict) {
                iconv_close(cd);
                return std::nullopt;
            }
            // EILSEQ or EINVAL: skip one byte and mark the loss.
            out.push_back('?');
            ++src;
            --srcLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    char* dst = buffer;
    std::size_t dstLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
    iconv_close(cd);
    return out;
}

class IconvTextCodec final : public TextCodec {
public:
    std::string PathToText(const std::string& osPath) const override { return Utf8ToText(osPath); }
    std::string TextToPath(const std::string& text) const override { return TextToUtf8(text); }
    std::string TextToUtf8(const std::string& text) const override { return *Convert("UTF-8", "CP932", text, false); }
    std::string Utf8ToText(const std::string& utf8) const override { return *Convert("CP932", "UTF-8", utf8, false); }
    std::optional<std::string> ArgumentToText(const std::string& osText) const override
    {
        return Convert("CP932", "UTF-8", osText, true);
    }
};

}  // namespace

const TextCodec& SystemTextCodec()
{
    static const IconvTextCodec codec;
    return codec;
}

}  // namespace corvane::platform
