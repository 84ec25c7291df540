#pragma once

#include "checklist/Gather.h"
#include "engine/CExchangeFromSormaToVeld.h"
#include "platform/Messenger.h"
#include "platform/Services.h"

namespace corvane {

// The codec that turns the core's texts into the check list's UTF-8: the
// front end's, else the system's.
const platform::TextCodec& TextCodecOf(const platform::Services& services);

// After a conversion of the output page: the check list written beside the
// XML and opened in the default browser; the note for the completion message
// names it, or says that it could not be written and that the XML stands.
CExchangeFromSormaToVeld::AfterWriteNote WriteAndOpenCheckList(const checklist::Conversion& conversion,
                                                               const platform::Services& services,
                                                               const platform::Messenger& messenger);

// For the findings' question (its 「確認表を表示」): the check list of what
// is about to be written, in a temporary file, opened in the default browser.
void ShowCheckListBeforeWriting(const checklist::Conversion& conversion, const platform::Services& services,
                                const platform::Messenger& messenger);

}  // namespace corvane
