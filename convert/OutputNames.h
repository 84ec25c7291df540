#pragma once

#include <string>
#include <vector>

#include "platform/TextCodec.h"

namespace corvane::convert {

// A batch company whose output file is to be named.
struct OutputNameSource {
    std::string company;    // the employee list's company name (code page 932); "" when it has none
    std::string folder;     // the company folder's name, as the system spells it
    bool converted = true;  // false: refused before converting, so it gets no file
};

// The longest file name, in bytes as the system spells it, that every file
// system we write to takes.
constexpr std::size_t kMaxFileNameBytes = 255;

// The output file names (as the system spells them, with ".XML"), one per
// source, "" for those not converted; chosen all at once so that no two are
// the same file, also where names differ only in the case of ASCII letters:
// - the company's name made safe (SafeFileName), its folder's name when none is left;
// - companies whose names give one file get "_<folder>";
// - a name still taken gets "_2", "_3", ...; the companies keeping their own
//   names are served first;
// - a name too long for kMaxFileNameBytes is shortened, its suffixes kept.
std::vector<std::string> ChooseOutputNames(const std::vector<OutputNameSource>& sources,
                                           const platform::TextCodec& codec);

}  // namespace corvane::convert
