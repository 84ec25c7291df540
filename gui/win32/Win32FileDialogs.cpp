#include "Win32FileDialogs.h"

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "Win32Text.h"

namespace corvane::win32 {

namespace {

// The buffer of a dialog without a stated size: long paths and a little more.
constexpr std::size_t kDefaultBufferChars = 4096;

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name)
{
    if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/'))
        return folder + name;
    return folder + L'\\' + name;
}

}  // namespace

std::wstring FilterString(const std::string& filter)
{
    std::wstring out;
    for (const auto& entry : platform::ParseFilter(filter)) {
        out += TextToWide(entry.description);
        out += L'\0';
        out += TextToWide(entry.patterns);
        out += L'\0';
    }
    out += L'\0';
    return out;
}

std::vector<std::wstring> SelectedPaths(const wchar_t* buffer)
{
    std::vector<std::wstring> parts;
    for (const wchar_t* p = buffer; *p; p += parts.back().size() + 1)
        parts.emplace_back(p);
    if (parts.size() <= 1)
        return parts;
    std::vector<std::wstring> paths;
    for (std::size_t i = 1; i < parts.size(); ++i)
        paths.push_back(JoinPath(parts[0], parts[i]));
    return paths;
}

std::optional<std::vector<std::string>> Win32FileDialogs::OpenFiles(const platform::OpenFileRequest& request)
{
    // A wide character holds at most one narrow character, so a buffer of as
    // many characters as the request's bytes takes every selection the narrow
    // buffer would; the narrow measure is checked afterwards.
    const std::size_t chars = request.selectionBufferBytes ? request.selectionBufferBytes : kDefaultBufferChars;
    std::vector<wchar_t> buffer(chars, L'\0');
    const std::wstring initial = PathToWide(request.initialFileName);
    if (initial.size() < chars)
        initial.copy(buffer.data(), initial.size());
    const std::wstring title = TextToWide(request.title);
    const std::wstring filter = FilterString(request.filter);
    const std::wstring extension = TextToWide(request.defaultExtension);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(chars);
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
    if (request.multiSelect)
        ofn.Flags |= OFN_ALLOWMULTISELECT;
    if (request.fileMustExist)
        ofn.Flags |= OFN_FILEMUSTEXIST;
    if (request.hideReadOnly)
        ofn.Flags |= OFN_HIDEREADONLY;
    if (request.resizable)
        ofn.Flags |= OFN_ENABLESIZING;
    // A selection that does not fit the buffer fails like a cancel.
    if (!GetOpenFileNameW(&ofn))
        return std::nullopt;

    std::vector<std::string> paths;
    for (const auto& path : SelectedPaths(buffer.data()))
        paths.push_back(WideToPath(path));
    if (paths.empty())
        return std::nullopt;
    if (request.selectionBufferBytes != 0 && platform::SelectionBufferBytes(paths) > request.selectionBufferBytes)
        return std::nullopt;
    return paths;
}

std::optional<std::string> Win32FileDialogs::SaveFile(const platform::SaveFileRequest& request)
{
    std::vector<wchar_t> buffer(kDefaultBufferChars, L'\0');
    const std::wstring initial = PathToWide(request.initialFileName);
    if (initial.size() < buffer.size())
        initial.copy(buffer.data(), initial.size());
    const std::wstring title = TextToWide(request.title);
    const std::wstring filter = FilterString(request.filter);
    const std::wstring extension = TextToWide(request.defaultExtension);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
    if (request.confirmOverwrite)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (request.hideReadOnly)
        ofn.Flags |= OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&ofn))
        return std::nullopt;
    return WideToPath(buffer.data());
}

std::optional<std::string> Win32FileDialogs::ChooseFolder(const platform::FolderRequest& request)
{
    const std::wstring title = TextToWide(request.title);
    IFileOpenDialog* dialog = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&dialog)))) {
        FILEOPENDIALOGOPTIONS options = 0;
        dialog->GetOptions(&options);
        dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
        dialog->SetTitle(title.c_str());
        if (!request.initialFolder.empty()) {
            IShellItem* start = nullptr;
            if (SUCCEEDED(SHCreateItemFromParsingName(PathToWide(request.initialFolder).c_str(), nullptr,
                                                      IID_PPV_ARGS(&start)))) {
                dialog->SetFolder(start);
                start->Release();
            }
        }
        std::optional<std::string> chosen;
        IShellItem* item = nullptr;
        if (SUCCEEDED(dialog->Show(GetActiveWindow())) && SUCCEEDED(dialog->GetResult(&item))) {
            wchar_t* path = nullptr;
            if (SUCCEEDED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) {
                chosen = WideToPath(path);
                CoTaskMemFree(path);
            }
            item->Release();
        }
        dialog->Release();
        return chosen;
    }
    // Without the common item dialog (COM not initialised on this thread): the older folder browser.
    BROWSEINFOW info{};
    info.hwndOwner = GetActiveWindow();
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    PIDLIST_ABSOLUTE list = SHBrowseForFolderW(&info);
    if (!list)
        return std::nullopt;
    std::vector<wchar_t> buffer(32768, L'\0');
    const bool named = SHGetPathFromIDListEx(list, buffer.data(), static_cast<DWORD>(buffer.size()), GPFIDL_DEFAULT);
    CoTaskMemFree(list);
    if (!named || buffer[0] == L'\0')
        return std::nullopt;
    return WideToPath(buffer.data());
}

}  // namespace corvane::win32
