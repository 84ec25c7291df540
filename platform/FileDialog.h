#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The platform's open-file and save-file dialogs. Titles and filter
// descriptions are code page 932; file names and paths are in the operating
// system's path encoding.
namespace corvane::platform {

// One entry of a filter: its description and its patterns ("*.TXT";
// several are separated by ';').
struct FileFilter {
    std::string description;
    std::string patterns;
    bool operator==(const FileFilter&) const = default;
};

// The entries of a filter written as "description|patterns|description|patterns||".
// Descriptions keep their text as written (a trailing blank included); an
// entry without patterns ends the list.
std::vector<FileFilter> ParseFilter(const std::string& filter);

struct OpenFileRequest {
    std::string title;
    std::string filter;            // "description|patterns|...||"; the first entry is preselected
    std::string defaultExtension;  // without the dot, added to a typed name that has none
    std::string initialFileName;   // path encoding; "" for none
    bool multiSelect = false;
    bool fileMustExist = true;
    bool hideReadOnly = true;  // no read-only check box
    bool resizable = false;
    // The size of the buffer that receives a multiple selection, in bytes, as
    // the Windows dialog fills it (see SelectionBufferBytes); 0: no limit. A
    // selection that does not fit counts as cancelled.
    std::size_t selectionBufferBytes = 0;
};

struct SaveFileRequest {
    std::string title;
    std::string filter;
    std::string defaultExtension;
    std::string initialFileName;   // path encoding
    bool confirmOverwrite = true;  // ask before an existing file is replaced
    bool hideReadOnly = true;
};

struct FolderRequest {
    std::string title;
    std::string initialFolder;  // path encoding; "" for the dialog's own choice
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // Held by reference in Services; never assigned.
    FileDialogService& operator=(const FileDialogService&) = delete;
    // The chosen files' full paths (one unless multiSelect); none on cancel.
    virtual std::optional<std::vector<std::string>> OpenFiles(const OpenFileRequest& request) = 0;
    // The chosen full path; none on cancel.
    virtual std::optional<std::string> SaveFile(const SaveFileRequest& request) = 0;
    // The chosen folder's full path; none on cancel.
    virtual std::optional<std::string> ChooseFolder(const FolderRequest& request) = 0;
};

// Bytes that a multiple selection takes in the Windows dialog's buffer: the
// folder, then each file name, each followed by a terminator, and a final
// terminator (one path alone: the path and two terminators).
std::size_t SelectionBufferBytes(const std::vector<std::string>& paths);

}  // namespace corvane::platform
