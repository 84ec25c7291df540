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

// What the open and the save dialog share: the buffer, holding the initial
// name, and the texts that the structure points into, kept alive with it.
class FileNameDialog {
public:
    // `request`: an OpenFileRequest or a SaveFileRequest.
    template <typename Request>
    FileNameDialog(std::size_t bufferChars, const Request& request)
        : m_buffer(bufferChars, L'\0'),
          m_title(TextToWide(request.title)),
          m_filter(FilterString(request.filter)),
          m_extension(TextToWide(request.defaultExtension))
    {
        const std::wstring initial = PathToWide(request.initialFileName);
        if (initial.size() < m_buffer.size())
            initial.copy(m_buffer.data(), initial.size());
        m_ofn.lStructSize = sizeof m_ofn;
        m_ofn.hwndOwner = GetActiveWindow();
        m_ofn.lpstrFilter = m_filter.c_str();
        m_ofn.nFilterIndex = 1;
        m_ofn.lpstrFile = m_buffer.data();
        m_ofn.nMaxFile = static_cast<DWORD>(m_buffer.size());
        m_ofn.lpstrTitle = m_title.c_str();
        m_ofn.lpstrDefExt = m_extension.empty() ? nullptr : m_extension.c_str();
        m_ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
        if (request.hideReadOnly)
            m_ofn.Flags |= OFN_HIDEREADONLY;
    }
    // The structure points into the object.
    FileNameDialog(const FileNameDialog&) = delete;
    FileNameDialog& operator=(const FileNameDialog&) = delete;

    OPENFILENAMEW& Structure() { return m_ofn; }
    const wchar_t* Buffer() const { return m_buffer.data(); }

private:
    std::vector<wchar_t> m_buffer;
    std::wstring m_title;
    std::wstring m_filter;
    std::wstring m_extension;
    OPENFILENAMEW m_ofn{};
};

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
    FileNameDialog dialog(chars, request);
    OPENFILENAMEW& ofn = dialog.Structure();
    if (request.multiSelect)
        ofn.Flags |= OFN_ALLOWMULTISELECT;
    if (request.fileMustExist)
        ofn.Flags |= OFN_FILEMUSTEXIST;
    if (request.resizable)
        ofn.Flags |= OFN_ENABLESIZING;
    // A selection that does not fit the buffer fails like a cancel.
    if (!GetOpenFileNameW(&ofn))
        return std::nullopt;

    std::vector<std::string> paths;
    for (const auto& path : SelectedPaths(dialog.Buffer()))
        paths.push_back(WideToPath(path));
    if (paths.empty())
        return std::nullopt;
    if (request.selectionBufferBytes != 0 && platform::SelectionBufferBytes(paths) > request.selectionBufferBytes)
        return std::nullopt;
    return paths;
}

std::optional<std::string> Win32FileDialogs::SaveFile(const platform::SaveFileRequest& request)
{
    FileNameDialog dialog(kDefaultBufferChars, request);
    OPENFILENAMEW& ofn = dialog.Structure();
    if (request.confirmOverwrite)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameW(&ofn))
        return std::nullopt;
    return WideToPath(dialog.Buffer());
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
