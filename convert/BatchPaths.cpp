#include "convert/BatchPaths.h"

#include "fileio/FileStatus.h"

namespace corvane::convert {

namespace {

const char kKeepOutside[] =
    "エクスポートファイルを上書きしたり、次の変換で会社のエクスポートファイルと"
    "取り違えたりしないよう、会社のフォルダーの外を指定してください。\n\n";

// The company folder that `path` is or lies inside; "" when none.
std::string FolderHolding(const BatchPaths& paths, const std::string& path)
{
    const auto holding = fileio::FolderHolding(path, paths.companies);
    return holding ? paths.companies[*holding] : std::string();
}

}  // namespace

std::string BatchPathsMessage(const BatchPaths& paths, const platform::Messenger& messenger)
{
    if (fileio::LiesInside(paths.outDir, paths.root) && !fileio::SameFile(paths.outDir, paths.root))
        return "出力先のフォルダー（--out-dir）が、会社ごとのフォルダーがあるフォルダー（--batch）の中にあります。\n"
               "出力先が会社のフォルダーとして読まれたり、会社のフォルダーに中間ファイルが混ざったりしないよう、"
               "--batch のフォルダーの外を指定してください。\n\n" +
               messenger.DisplayPath(paths.outDir);
    if (!FolderHolding(paths, paths.settings).empty())
        return std::string("設定ファイル（--settings）が、会社のフォルダーの中にあります。\n") + kKeepOutside +
               messenger.DisplayPath(paths.settings);
    if (!paths.summary)
        return std::string();
    if (!FolderHolding(paths, *paths.summary).empty())
        return std::string("一覧（--summary）の保存先が、会社のフォルダーの中にあります。\n") + kKeepOutside +
               messenger.DisplayPath(*paths.summary);
    if (fileio::SameFile(*paths.summary, paths.settings))
        return "一覧（--summary）の保存先に、設定ファイルと同じファイルが指定されています。\n"
               "別の保存先を指定してください。\n\n" +
               messenger.DisplayPath(*paths.summary);
    return std::string();
}

OutputClash::OutputClash(const BatchPaths& paths) : m_settings(paths.settings)
{
    if (paths.summary)
        m_summary.emplace(*paths.summary);
}

std::string OutputClash::MessageFor(const std::string& output, const platform::Messenger& messenger) const
{
    if (output.empty())
        return std::string();
    const fileio::StatedPath stated(output);
    if (m_summary && fileio::SameFile(*m_summary, stated))
        return "一覧（--summary）の保存先が、会社の中間ファイルと同じファイルです。\n"
               "別の保存先を指定してください。\n\n" +
               messenger.DisplayPath(output);
    if (fileio::SameFile(m_settings, stated))
        return "設定ファイル（--settings）が、会社の中間ファイルと同じファイルです。\n"
               "別の設定ファイルを指定してください。\n\n" +
               messenger.DisplayPath(output);
    return std::string();
}

}  // namespace corvane::convert
