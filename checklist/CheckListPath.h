#pragma once

#include <string>

#include "engine/CExchangeFromSormaToVeld.h"
#include "platform/Messenger.h"

// What the front ends and their tests need of the check list's file, without
// the job's headers (Qt's "slots" macro meets the job's field of that name).
namespace corvane::checklist {

// Where the check list of the XML at `xmlPath` goes: beside it, the same name
// without its extension, ending in 「_確認表.html」.
std::string CheckListPathFor(const std::string& xmlPath);

// The note for the completion message: the check list at `path` was written,
// or (`written` false) could not be and the XML stands.
CExchangeFromSormaToVeld::AfterWriteNote CheckListNote(bool written, const std::string& path,
                                                       const platform::Messenger& messenger);

}  // namespace corvane::checklist
