#include "XmlCheck.h"

#include <cstddef>
#include <set>
#include <vector>

#include "text/Cp932.h"

namespace corvane::fuzzing {

namespace {

bool IsNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c)
{
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

class Checker {
public:
    explicit Checker(std::string_view doc) : m_doc(doc) {}

    std::string Run()
    {
        if (const std::size_t bad = text::FindIllFormedByte(m_doc); bad != std::string_view::npos)
            return "byte " + std::to_string(bad) + " is no character XML may carry";
        static constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>";
        if (m_doc.substr(0, kDeclaration.size()) != kDeclaration)
            return "no XML declaration at the start";
        m_at = kDeclaration.size();
        SkipBlanks();
        if (!Peek('<'))
            return "no root element";
        if (std::string why = Element(); !why.empty())
            return why;
        SkipBlanks();
        if (m_at != m_doc.size())
            return "something after the root element at byte " + std::to_string(m_at);
        return "";
    }

private:
    bool Peek(char c) const { return m_at < m_doc.size() && m_doc[m_at] == c; }

    void SkipBlanks()
    {
        while (m_at < m_doc.size() && IsBlank(m_doc[m_at]))
            ++m_at;
    }

    std::string Where() const { return " at byte " + std::to_string(m_at); }

    bool Name(std::string& name)
    {
        if (m_at >= m_doc.size() || !IsNameStart(m_doc[m_at]))
            return false;
        const std::size_t from = m_at;
        while (m_at < m_doc.size() && IsNameChar(m_doc[m_at]))
            ++m_at;
        name.assign(m_doc.substr(from, m_at - from));
        return true;
    }

    // A reference after '&': &amp; &lt; &gt; &quot; &apos; &#N; &#xH;
    bool Reference()
    {
        const std::size_t end = m_doc.find(';', m_at);
        if (end == std::string_view::npos || end - m_at > 10)
            return false;
        const std::string_view ref = m_doc.substr(m_at + 1, end - m_at - 1);
        bool ok = ref == "amp" || ref == "lt" || ref == "gt" || ref == "quot" || ref == "apos";
        if (!ok && ref.size() > 1 && ref[0] == '#') {
            const bool hex = ref[1] == 'x';
            const std::string_view digits = ref.substr(hex ? 2 : 1);
            ok = !digits.empty();
            for (char c : digits)
                ok = ok && ((c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))));
        }
        m_at = end + 1;
        return ok;
    }

    // Character data up to the next '<' (or an attribute's closing quote).
    std::string Characters(char until)
    {
        while (m_at < m_doc.size() && m_doc[m_at] != until) {
            const char c = m_doc[m_at];
            if (c == '<')
                return "a '<' in a value" + Where();
            if (c == '&') {
                if (!Reference())
                    return "a bad reference" + Where();
                continue;
            }
            if (until == '<' && m_doc.substr(m_at, 3) == "]]>")
                return "']]>' in text" + Where();
            m_at += text::CharLengthAt(m_doc, m_at);
        }
        return "";
    }

    std::string Element()
    {
        ++m_at;  // '<'
        std::string name;
        if (!Name(name))
            return "a bad element name" + Where();
        std::set<std::string> attributes;
        for (;;) {
            const std::size_t before = m_at;
            SkipBlanks();
            if (Peek('/')) {
                if (m_doc.substr(m_at, 2) != "/>")
                    return "a bad empty-element tag" + Where();
                m_at += 2;
                return "";
            }
            if (Peek('>')) {
                ++m_at;
                break;
            }
            std::string attribute;
            if (m_at == before || !Name(attribute))
                return "a bad attribute of <" + name + ">" + Where();
            if (!attributes.insert(attribute).second)
                return "attribute " + attribute + " given twice" + Where();
            SkipBlanks();
            if (!Peek('='))
                return "no '=' after attribute " + attribute + Where();
            ++m_at;
            SkipBlanks();
            if (!Peek('"') && !Peek('\''))
                return "attribute " + attribute + " is not quoted" + Where();
            const char quote = m_doc[m_at++];
            if (std::string why = Characters(quote); !why.empty())
                return why;
            if (!Peek(quote))
                return "attribute " + attribute + " does not end" + Where();
            ++m_at;
        }
        for (;;) {
            if (std::string why = Characters('<'); !why.empty())
                return why;
            if (m_at >= m_doc.size())
                return "<" + name + "> is never closed";
            if (m_doc.substr(m_at, 2) == "</") {
                m_at += 2;
                std::string closing;
                if (!Name(closing) || closing != name)
                    return "<" + name + "> closed by another name" + Where();
                SkipBlanks();
                if (!Peek('>'))
                    return "a bad end tag" + Where();
                ++m_at;
                return "";
            }
            if (m_at + 1 < m_doc.size() && (m_doc[m_at + 1] == '!' || m_doc[m_at + 1] == '?'))
                return "markup the writer never makes" + Where();
            if (std::string why = Element(); !why.empty())
                return why;
        }
    }

    std::string_view m_doc;
    std::size_t m_at = 0;
};

}  // namespace

std::string XmlProblem(std::string_view document)
{
    return Checker(document).Run();
}

}  // namespace corvane::fuzzing
