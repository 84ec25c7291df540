#pragma once

#include "platform/FileDialog.h"

namespace corvane::win32 {

// GetOpenFileNameW and GetSaveFileNameW; titles and filters are code page
// 932, names and paths UTF-8.
class Win32FileDialogs final : public platform::FileDialogService {
public:
    std::optional<std::vector<std::string>> OpenFiles(const platform::OpenFileRequest& request) override;
    std::optional<std::string> SaveFile(const platform::SaveFileRequest& request) override;
    // The common item dialog picking a folder; the older folder browser without it.
    std::optional<std::string> ChooseFolder(const platform::FolderRequest& request) override;
};

// The dialog's filter string: description, NUL, patterns, NUL, ... NUL.
std::wstring FilterString(const std::string& filter);

// The paths of a dialog's result buffer: one full path, or (multiple
// selection) the folder followed by the names, each ended by a NUL.
std::vector<std::wstring> SelectedPaths(const wchar_t* buffer);

}  // namespace corvane::win32
