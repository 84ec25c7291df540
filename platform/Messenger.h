#pragma once

#include <string>

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

namespace corvane::platform {

// The application title, code page 932: the caption of every message box and
// of the wizard.
const std::string& AppTitle();

// Shows the core's messages with the application title as caption.
class Messenger {
public:
    // Without a codec, paths are shown as they are (tests, Windows).
    explicit Messenger(MessageBoxService& service, const TextCodec* codec = nullptr)
        : m_service(service), m_codec(codec)
    {}

    Answer Show(const std::string& text, Icon icon, Buttons buttons = Buttons::Ok) const;
    // A warning with an OK button, the usual form of the reader's messages.
    void Warn(const std::string& text) const { Show(text, Icon::Warning); }
    void Inform(const std::string& text) const { Show(text, Icon::Information); }

    // A path in the form it takes inside a message (code page 932); a tab or
    // line break in a name shows as "?", so that lists of paths keep one a line.
    std::string DisplayPath(const std::string& osPath) const;

    MessageBoxService& Service() const { return m_service; }
    const TextCodec* Codec() const { return m_codec; }

private:
    MessageBoxService& m_service;
    const TextCodec* m_codec;
};

}  // namespace corvane::platform
