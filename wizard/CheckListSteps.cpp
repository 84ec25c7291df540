#include "wizard/CheckListSteps.h"

#include "checklist/CheckListFile.h"

namespace corvane {

const platform::TextCodec& TextCodecOf(const platform::Services& services)
{
    return services.codec ? *services.codec : platform::SystemTextCodec();
}

CExchangeFromSormaToVeld::AfterWriteNote WriteAndOpenCheckList(const checklist::Conversion& conversion,
                                                               const platform::Services& services,
                                                               const platform::Messenger& messenger)
{
    const std::string path = checklist::CheckListPathFor(conversion.job.outputPath);
    auto note = checklist::WriteCheckList(conversion, path, messenger);
    // Without a browser the completion message says where the file is.
    if (!note.warning && !services.shell.Open(path))
        note.text += "\n\n" + checklist::NotOpenedMessage(path, messenger);
    return note;
}

void ShowCheckListBeforeWriting(const checklist::Conversion& conversion, const platform::Services& services,
                                const platform::Messenger& messenger)
{
    checklist::ShowCheckListPreview(conversion, services.shell, messenger);
}

}  // namespace corvane
