#include "engine/WriteFailureMessage.h"

namespace corvane {

std::string WriteFailureMessage(fileio::WriteError error, const std::string& displayPath)
{
    std::string reason;
    switch (error) {
    case fileio::WriteError::Create:
        reason =
            "中間ファイルを作成できませんでした。\n保存先のフォルダーが存在し、書き込みできることを確認してください。";
        break;
    case fileio::WriteError::Write:
    case fileio::WriteError::Close:
        reason = "中間ファイルの書き込み中にエラーが発生しました。\n保存先の空き容量を確認してください。";
        break;
    case fileio::WriteError::Rename:
        reason =
            "中間ファイルを保存できませんでした。\n同じ名前のファイルが他のプログラムで使用されていないか確認してくださ"
            "い。";
        break;
    case fileio::WriteError::None:
        break;
    }
    return reason + "\n\n" + displayPath + "\n\n中間ファイルは作成されていません。";
}

}  // namespace corvane
