#include "checklist/CheckListFile.h"

#include <filesystem>
#include <system_error>

#include "checklist/CheckListPage.h"
#include "checklist/Html.h"
#include "fileio/FileStatus.h"

namespace corvane::checklist {

namespace {

const char kWritten[] = "確認表を作成しました。";
const char kNotWritten[] = "確認表を書き込めませんでした。中間ファイルは作成してあります。";
const char kPreviewNotWritten[] = "確認表を一時ファイルに書き込めませんでした。";
const char kNotOpened[] = "確認表を開くプログラムが見つかりませんでした。次のファイルをブラウザーで開いてください。";

}  // namespace

std::string CheckListPathFor(const std::string& xmlPath)
{
    const std::size_t separator = fileio::LastSeparator(xmlPath);
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::size_t dot = xmlPath.rfind('.');
    if (dot == std::string::npos || dot <= nameStart)
        dot = xmlPath.size();
    // Paths are UTF-8: the ending must not be a code page 932 literal.
    return xmlPath.substr(0, dot) + std::string(Utf8(u8"_確認表.html"));
}

fileio::WriteError WriteHtml(const std::string& path, const std::string& html)
{
    fileio::AtomicFile file(path);
    if (file.Open() && file.Write(html.data(), html.size()))
        file.Commit();
    return file.Error();
}

CExchangeFromSormaToVeld::AfterWriteNote CheckListNote(bool written, const std::string& path,
                                                       const platform::Messenger& messenger)
{
    return {std::string(written ? kWritten : kNotWritten) + "\n" + messenger.DisplayPath(path), !written};
}

std::string NotOpenedMessage(const std::string& path, const platform::Messenger& messenger)
{
    return kNotOpened + std::string("\n") + messenger.DisplayPath(path);
}

CExchangeFromSormaToVeld::AfterWriteNote WriteCheckList(const Conversion& conversion, const std::string& path,
                                                        const platform::Messenger& messenger)
{
    const bool written = WriteHtml(path, CheckListHtml(Gather(conversion, true))) == fileio::WriteError::None;
    return CheckListNote(written, path, messenger);
}

std::string ShowCheckListPreview(const Conversion& conversion, platform::ShellService& shell,
                                 const platform::Messenger& messenger)
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) {
        messenger.Warn(kPreviewNotWritten);
        return std::string();
    }
    // Named after the XML to come, so that the browser's tab tells which
    // company it is; a later preview of it replaces the earlier one.
    const std::string xml = conversion.job.outputPath;
    const std::size_t separator = fileio::LastSeparator(xml);
    const std::string name = CheckListPathFor(separator == std::string::npos ? xml : xml.substr(separator + 1));
    const std::string file = name.empty() ? std::string("corvane") : name;
    const std::u8string utf8Path = (folder / std::filesystem::path(std::u8string(file.begin(), file.end()))).u8string();
    std::string path(reinterpret_cast<const char*>(utf8Path.data()), utf8Path.size());
    if (WriteHtml(path, CheckListHtml(Gather(conversion, false))) != fileio::WriteError::None) {
        messenger.Warn(kPreviewNotWritten + std::string("\n") + messenger.DisplayPath(path));
        return std::string();
    }
    if (!shell.Open(path))
        messenger.Warn(NotOpenedMessage(path, messenger));
    return path;
}

}  // namespace corvane::checklist
