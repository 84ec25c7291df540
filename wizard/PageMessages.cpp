#include "wizard/PageMessages.h"

namespace corvane {

const std::string& ClearMonthsQuestion()
{
    static const std::string text = "選択された月区分の設定内容をクリアします。\nよろしいですか？";
    return text;
}

const std::string& UnchosenItemsQuestion()
{
    static const std::string text =
        "未選択の項目が存在します。未選択の項目は正しく連動されません。\n処理を継続しますか？";
    return text;
}

const std::string& NoItemSelectedMessage()
{
    static const std::string text = "項目が選択されていません。";
    return text;
}

const std::string& DiscardQuestion()
{
    static const std::string text = "入力した内容を破棄して終了しますか？";
    return text;
}

const std::string& CallerOutputPageText()
{
    static const std::string text = "[完了]ボタンを押すと、年調･法定調書データの作成を開始します。";
    return text;
}

}  // namespace corvane
