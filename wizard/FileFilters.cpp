#include "wizard/FileFilters.h"

namespace corvane {

const std::string& ExportFileFilter()
{
    static const std::string filter = "TXTﾌｧｲﾙ(*.TXT) |*.TXT|すべてのﾌｧｲﾙ(*.*) |*.*|| ";
    return filter;
}

const std::string& IntermediateFileFilter()
{
    static const std::string filter = "中間ファイル(*.XML) |*.XML|全てのファイル(*.*) |*.*|| ";
    return filter;
}

const std::string& FolderTypeName()
{
    static const std::string name = "ファイル フォルダー";
    return name;
}

}  // namespace corvane
