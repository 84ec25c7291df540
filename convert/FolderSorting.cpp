#include "convert/FolderSorting.h"

#include "job/OwnOutputs.h"

namespace corvane::convert {

namespace {

const char kIgnoredMark[] = "エクスポートファイルではないため使いません: ";
const char kOwnOutputMark[] = "このプログラムが作成した照合表または一覧のため使いません: ";

}  // namespace

bool ReportSorting(const job::FolderExports& sorted, const platform::Messenger& messenger)
{
    for (const auto& path : sorted.ignored)
        messenger.Show(kIgnoredMark + messenger.DisplayPath(path), platform::Icon::None);
    for (const auto& path : sorted.ownOutputs)
        messenger.Show(kOwnOutputMark + messenger.DisplayPath(path), platform::Icon::None);
    const std::string undated = job::UndatedBonusNote(sorted, messenger);
    if (!undated.empty())
        messenger.Show(undated, platform::Icon::None);
    if (sorted.refusal.empty())
        return true;
    messenger.Warn(sorted.refusal);
    return false;
}

}  // namespace corvane::convert
