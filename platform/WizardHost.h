#pragma once

#include "platform/CallerWindow.h"
#include "platform/WizardLogic.h"

namespace corvane::platform {

// Shows the wizard and its dialogs modally; implemented by each front end.
class WizardHost {
public:
    virtual ~WizardHost() = default;
    // Held by reference in Services; never assigned.
    WizardHost& operator=(const WizardHost&) = delete;

    // Builds the wizard's window over `parent` (kNoWindow: a top-level window),
    // attaches its view to `wizard`, runs it until 完了 or キャンセル closes it,
    // detaches the view and returns how it closed. WizardNavigator carries
    // out the page mechanics for a front end that has none of its own.
    virtual WizardResult RunWizard(WizardLogic& wizard, WindowHandle parent) = 0;

    // Shows `dialog` modally over the wizard until an event handler returns
    // Ok or Cancel; returns that outcome.
    virtual DialogOutcome RunDialog(DialogLogic& dialog) = 0;
};

}  // namespace corvane::platform
