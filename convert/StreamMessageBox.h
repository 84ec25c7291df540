#pragma once

#include <ostream>

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"

namespace corvane::convert {

// The converter's message box: each message as a line of UTF-8, information
// (the completion message) on `out` and every other kind on `err`. Nobody is there
// to answer a question, so OK and Cancel answers Cancel: nothing goes ahead
// unconfirmed.
class StreamMessageBox final : public platform::MessageBoxService {
public:
    StreamMessageBox(std::ostream& out, std::ostream& err, const platform::TextCodec& codec)
        : m_out(out), m_err(err), m_codec(codec)
    {}

    platform::Answer ShowMessage(const std::string& caption, const std::string& text, platform::Icon icon,
                                 platform::Buttons buttons) override;

    // The text of the last message that was not information (code page 932); "" before any.
    const std::string& LastProblem() const { return m_lastProblem; }

private:
    std::string m_lastProblem;
    std::ostream& m_out;
    std::ostream& m_err;
    const platform::TextCodec& m_codec;
};

}  // namespace corvane::convert
