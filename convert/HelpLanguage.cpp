#include "convert/HelpLanguage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <string_view>
#endif

namespace corvane::convert {

bool UserReadsJapanese()
{
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
#else
    // The order in which the C library chooses the messages' locale.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::string_view(value).starts_with("ja");
    }
    return false;
#endif
}

}  // namespace corvane::convert
