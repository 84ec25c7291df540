#include "engine/UnwritableValue.h"

#include <string_view>

#include "text/Cp932.h"
#include "text/Format.h"

namespace corvane {

namespace {

// The text with every byte that cannot be shown replaced by "?": a message
// box would garble the rest of the line after a lone lead byte.
std::string Visible(std::string_view text)
{
    std::string out;
    for (;;) {
        const std::size_t bad = text::FindIllFormedByte(text);
        if (bad == std::string_view::npos) {
            out.append(text);
            return out;
        }
        out.append(text.substr(0, bad));
        out += '?';
        text.remove_prefix(bad + 1);
    }
}

}  // namespace

bool FindUnwritableByte(const std::string& value, UnwritableValue& found)
{
    const std::size_t bad = text::FindIllFormedByte(value);
    if (bad == std::string::npos)
        return false;
    found.byte = static_cast<unsigned char>(value[bad]);
    return true;
}

std::string UnwritableValueMessage(const UnwritableValue& found)
{
    const std::string what = text::Format("中間ファイルに書き込めない文字（16進数 %02X）が含まれています。\n",
                                          static_cast<unsigned>(found.byte));
    const char written[] = "\n中間ファイルは作成されていません。";
    switch (found.source) {
    case UnwritableValue::Source::Company:
        return "従業員一覧表の関与先名に、" + what +
               "\nソルマ給与で関与先名を修正してから、もう一度エクスポートしてください。\n" + written;
    case UnwritableValue::Source::FilingYear:
        return "申告年度に、" + what + "\n正しい申告年度を指定してください。\n" + written;
    case UnwritableValue::Source::Employee:
        break;
    }
    std::string employee = Visible(found.code);
    if (!found.name.empty()) {
        // Appended piece by piece: GCC 12 at -O3 raises a false -Wrestrict on " " + std::string&&.
        employee += ' ';
        employee += Visible(found.name);
    }
    std::string column = "「" + found.column + "」";
    if (!found.period.empty())
        column = "「" + found.period + "」の" + column;
    return "従業員「" + employee + "」の" + column + "に、" + what +
           "制御文字や、Shift_JISで表せない文字を含むデータは、ヴェルドで読み込めません。\n"
           "\nソルマ給与でデータを修正してから、もう一度エクスポートしてください。\n" +
           written;
}

}  // namespace corvane
