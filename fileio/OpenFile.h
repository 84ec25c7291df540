#pragma once

#include <cstdio>
#include <string>

// Opening and removing files by path. Paths are UTF-8 on every platform;
// on Windows the wide-character functions take them, so that any name that
// Windows allows works, 𠮷 and all, whatever the ANSI code page can hold.
// Standard library only, so that text/ (the line reader) can use it too.
namespace corvane::fileio {

// As std::fopen.
std::FILE* OpenFile(const std::string& path, const char* mode);
// Opens `path` for reading in binary, without a stdio buffer: for callers
// that read in large blocks of their own, where a buffer would only be
// allocated and sized by a status call for nothing.
std::FILE* OpenForBlocks(const std::string& path);
// As std::remove: true when the file is gone.
bool RemoveFile(const std::string& path);

#ifdef _WIN32
// The path for the wide-character functions, and back.
std::wstring WidePath(const std::string& path);
std::string Utf8Path(const std::wstring& path);
#endif

}  // namespace corvane::fileio
