#include "convert/FolderSorting.h"

namespace corvane::convert {

namespace {

const char kIgnoredMark[] = "エクスポートファイルではないため使いません: ";

}  // namespace

bool ReportSorting(const job::FolderExports& sorted, const platform::Messenger& messenger)
{
    for (const auto& path : sorted.ignored)
        messenger.Show(kIgnoredMark + messenger.DisplayPath(path), platform::Icon::None);
    if (sorted.refusal.empty())
        return true;
    messenger.Warn(sorted.refusal);
    return false;
}

}  // namespace corvane::convert
