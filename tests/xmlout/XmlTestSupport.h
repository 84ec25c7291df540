#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "fileio/ByteSink.h"
#include "xmlout/CKyuuyoShouyo.h"

namespace corvane::test {

// An expected document written with LF line ends, in the file's CR LF form.
inline std::string WithCrLf(std::string_view lines)
{
    std::string out;
    for (const char c : lines) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

inline CKyuuyoShouyo Figures(int kubun, std::string gross, std::string insurance, std::string dependants,
                             std::string tax)
{
    CKyuuyoShouyo record;
    record.KUBUN = kubun;
    record.SOUSIKYUUGAKU = std::move(gross);
    record.HOKENKOUJOGAKU = std::move(insurance);
    record.FUYOUSINZOKUSUU = std::move(dependants);
    record.SANSYUTUZEIGAKU = std::move(tax);
    return record;
}

// Forwards the first `limit` bytes, then fails like a full disk.
class FailAfterSink final : public fileio::ByteSink {
public:
    FailAfterSink(fileio::ByteSink& next, std::size_t limit) : m_next(next), m_left(limit) {}

    bool Write(const char* data, std::size_t size) override
    {
        if (size > m_left) {
            m_next.Write(data, m_left);
            m_left = 0;
            return false;
        }
        m_left -= size;
        return m_next.Write(data, size);
    }
    using ByteSink::Write;

private:
    fileio::ByteSink& m_next;
    std::size_t m_left;
};

}  // namespace corvane::test
