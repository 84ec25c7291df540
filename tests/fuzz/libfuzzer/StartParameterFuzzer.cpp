// The start parameter "window,message,function,path" that the calling
// program passes, and what the output page makes of its path. An accepted
// parameter holds a path of 1 to 259 bytes that reads back the same when
// written out again quoted; the path's folder and file name rejoin to it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "text/Format.h"
#include "wizard/CCorvaneApp.h"
#include "wizard/OutputPathDisplay.h"

using namespace corvane;
using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    StartParameter parameter;
    if (!CCorvaneApp::ParseStartParameter(input, parameter))
        return 0;
    const std::string& path = parameter.outputPath;
    Require(!path.empty() && path.size() <= 259, "the path fits its field");

    StartParameter again;
    const std::string written = text::Format("%lld,%d,%d,\"", static_cast<long long>(parameter.callerWindow),
                                             parameter.messageNumber, parameter.functionId) +
                                path + "\"";
    Require(CCorvaneApp::ParseStartParameter(written, again), "the parameter written out is accepted");
    Require(again.callerWindow == parameter.callerWindow && again.messageNumber == parameter.messageNumber &&
                again.functionId == parameter.functionId && again.outputPath == path,
            "the parameter written out reads back the same");

    const std::string folder = outputpath::FolderOf(path);
    const std::string name = outputpath::FileNameOf(path);
    Require(folder.size() + name.size() <= path.size(), "folder and name are parts of the path");
    outputpath::LocationText(folder, [](const std::string&) { return std::optional<std::string>("DATA"); });
    if (!outputpath::HasForbiddenCharacter(name)) {
        const std::string renamed = outputpath::WithFileName(path, name);
        Require(outputpath::FolderOf(renamed) == folder, "a new name keeps the folder");
    }
    return 0;
}
