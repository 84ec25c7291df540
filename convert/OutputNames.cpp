#include "convert/OutputNames.h"

#include <map>
#include <set>

#include "convert/SafeFileName.h"

namespace corvane::convert {

namespace {

const char kExtension[] = ".XML";

std::string AsciiLower(std::string s)
{
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

// `stem` + `suffix` + ".XML" within kMaxFileNameBytes: the stem is cut at a
// character boundary of the system's spelling (UTF-8), never the suffix.
std::string Fitted(const std::string& stem, const std::string& suffix)
{
    const std::size_t room = kMaxFileNameBytes - (sizeof kExtension - 1);
    if (stem.size() + suffix.size() <= room)
        return stem + suffix + kExtension;
    std::size_t cut = suffix.size() >= room ? 0 : room - suffix.size();
    while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
        --cut;
    std::string name = stem.substr(0, cut) + suffix;
    if (name.size() > room)  // a folder's name near the limit as the suffix
        name = name.substr(name.size() - room);
    return name + kExtension;
}

}  // namespace

std::vector<std::string> ChooseOutputNames(const std::vector<OutputNameSource>& sources,
                                           const platform::TextCodec& codec)
{
    std::vector<std::string> stems(sources.size());
    std::map<std::string, int> uses;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (!sources[i].converted)
            continue;
        const std::string safe = SafeFileName(sources[i].company);
        stems[i] = safe.empty() ? sources[i].folder : codec.TextToPath(safe);
        ++uses[AsciiLower(Fitted(stems[i], ""))];
    }

    // Companies that share a name take their folder's name along.
    std::vector<std::string> suffixes(sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (sources[i].converted && uses[AsciiLower(Fitted(stems[i], ""))] > 1 && stems[i] != sources[i].folder)
            suffixes[i] = "_" + sources[i].folder;
    }

    std::vector<std::string> names(sources.size());
    std::set<std::string> taken;
    const auto take = [&](std::size_t i) {
        std::string name = Fitted(stems[i], suffixes[i]);
        for (int n = 2; taken.count(AsciiLower(name)) > 0; ++n)
            name = Fitted(stems[i], suffixes[i] + "_" + std::to_string(n));
        taken.insert(AsciiLower(name));
        names[i] = name;
    };
    for (const bool own : {true, false}) {
        for (std::size_t i = 0; i < sources.size(); ++i) {
            if (sources[i].converted && suffixes[i].empty() == own)
                take(i);
        }
    }
    return names;
}

}  // namespace corvane::convert
