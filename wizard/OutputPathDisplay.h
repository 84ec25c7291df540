#pragma once

#include <functional>
#include <optional>
#include <string>

// How the output page shows and changes the output path.
namespace corvane::outputpath {

// The folder part (before the last separator, "" when none) and the file
// name part (after it, the whole path when none).
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);

// The 場所 field's text for `folder`: for a drive ("C:") its volume label, a
// blank and the drive in parentheses ("DATA (C:)"; "(C:)" alone when the
// label is unknown or empty); otherwise the folder's last component.
std::string LocationText(const std::string& folder,
                         const std::function<std::optional<std::string>(const std::string&)>& volumeLabel);

// True when a typed name holds a character that no file name may hold.
bool HasForbiddenCharacter(const std::string& name);

// `path` with its file name replaced by `typedName`, ".XML" appended unless
// the name already ends in it (any case).
std::string WithFileName(const std::string& path, const std::string& typedName);

}  // namespace corvane::outputpath
