#pragma once

#include <string>

// Conversions between narrow text in a Windows code page and the wide strings
// of the W functions: here, in the lowest target, so that the file functions
// (paths in UTF-8) and the platform's codec and front end convert alike.
// Where the code page cannot hold a character, "?" stands for it (never a
// look-alike); UTF-8 holds everything.
namespace corvane::fileio {

#ifdef _WIN32
// `codePage`: a Windows code page number (932, CP_UTF8).
std::wstring Widen(const std::string& bytes, unsigned int codePage);
std::string Narrow(const std::wstring& wide, unsigned int codePage);
#endif

}  // namespace corvane::fileio
