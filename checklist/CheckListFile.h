#pragma once

#include <string>

#include "checklist/CheckListPath.h"
#include "checklist/Gather.h"
#include "engine/CExchangeFromSormaToVeld.h"
#include "fileio/AtomicFile.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"

namespace corvane::checklist {

// Writes `html` to `path` whole or not at all.
fileio::WriteError WriteHtml(const std::string& path, const std::string& html);

// After the XML was written: makes the check list of `conversion` and writes
// it to `path`. The note for the completion message names the file, or says
// that the check list could not be written and that the XML stands.
CExchangeFromSormaToVeld::AfterWriteNote WriteCheckList(const Conversion& conversion, const std::string& path,
                                                        const platform::Messenger& messenger);

// When no program opened the check list at `path`: says so and names the file.
std::string NotOpenedMessage(const std::string& path, const platform::Messenger& messenger);

// Before writing (the findings' question): the check list of what is about
// to be written, in a temporary file, opened in the default browser. Returns
// the file's path; "" (after a message) when it could not be written. When no
// program opens it, a message names the file.
std::string ShowCheckListPreview(const Conversion& conversion, platform::ShellService& shell,
                                 const platform::Messenger& messenger);

}  // namespace corvane::checklist
