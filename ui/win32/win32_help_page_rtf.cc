#include "ui/win32/win32_help_page_rtf.h"

#include <cctype>
#include <cstdlib>

namespace quorvane {

namespace {

// Appends the character reference at html[i] ('&') and returns the index after it.
std::size_t AppendReference(std::string_view html, std::size_t i, std::string& out) {
    const std::size_t end = html.find(';', i);
    if (end == std::string_view::npos || end - i > 10) {
        out.push_back('&');
        return i + 1;
    }
    const std::string_view name = html.substr(i + 1, end - i - 1);
    unsigned long code = 0;
    if (name == "amp") {
        code = '&';
    } else if (name == "lt") {
        code = '<';
    } else if (name == "gt") {
        code = '>';
    } else if (name == "quot") {
        code = '"';
    } else if (name == "apos") {
        code = '\'';
    } else if (name == "nbsp") {
        code = ' ';
    } else if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        code = std::strtoul(std::string(name.substr(hex ? 2 : 1)).c_str(), nullptr, hex ? 16 : 10);
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        out.append(html.substr(i, end - i + 1));
        return end + 1;
    }
    // As UTF-8, like the text around it.
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
    return end + 1;
}

// Font sizes in half points: body text 10 pt, headings 18, 15 and 12 pt.
constexpr int kBodySize = 20;
constexpr int kHeadingSizes[] = {36, 30, 24};

class CRtfWriter {
  public:
    CRtfWriter() {
        m_out =
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}{\\f1\\fmodern Courier New;}}"
            "\\viewkind4\\uc1\\pard\\sa120\\fs" +
            std::to_string(kBodySize) + " ";
    }

    void Tag(std::string_view name, bool closing);
    // One code point of text.
    void Text(unsigned long code);
    void Blank();
    bool InPre() const { return m_pre > 0; }
    std::string Finish();

  private:
    void EndParagraph();
    void Style(bool on, std::string_view onWords, std::string_view offWords);

    std::string m_out;
    bool m_lineHasText = false;
    bool m_pendingBlank = false;
    bool m_firstCell = true;
    int m_pre = 0;
};

void CRtfWriter::EndParagraph() {
    if (m_lineHasText) {
        m_out += "\\par\n";
    }
    m_lineHasText = false;
    m_pendingBlank = false;
}

void CRtfWriter::Style(bool on, std::string_view onWords, std::string_view offWords) {
    // Switched on and off rather than grouped: some readers (Wine's) keep bold past a group's end.
    m_out += on ? onWords : offWords;
    m_out += ' ';
}

void CRtfWriter::Tag(std::string_view name, bool closing) {
    if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '3') {
        if (!closing) {
            EndParagraph();
            m_out += "\\pard\\sb200\\sa120";
            Style(true, "\\b\\fs" + std::to_string(kHeadingSizes[name[1] - '1']), {});
        } else {
            // Body text again before the paragraph ends, so the paragraph mark is body text.
            Style(false, {}, "\\b0\\fs" + std::to_string(kBodySize));
            EndParagraph();
            m_out += "\\pard\\sa120 ";
        }
    } else if (name == "li") {
        EndParagraph();
        if (!closing) {
            m_out += "\\pard\\fi-200\\li400\\sa60 \\u8226?\\tab ";
            m_lineHasText = true;
        }
    } else if (name == "tr") {
        EndParagraph();
        m_out += "\\pard\\sa60\\tx3600 ";
        m_firstCell = true;
    } else if (name == "td" || name == "th") {
        if (!closing) {
            if (!m_firstCell) {
                m_out += "\\tab ";
            }
            m_firstCell = false;
            m_lineHasText = true;
        }
        if (name == "th") {
            Style(!closing, "\\b", "\\b0");
        }
    } else if (name == "b" || name == "strong") {
        Style(!closing, "\\b", "\\b0");
    } else if (name == "code") {
        Style(!closing, "\\f1", "\\f0");
    } else if (name == "pre") {
        EndParagraph();
        m_pre += closing ? (m_pre > 0 ? -1 : 0) : 1;
        Style(!closing, "\\pard\\li200\\sa120\\f1", "\\f0");
        if (closing) {
            m_lineHasText = true;
            EndParagraph();
        }
    } else if (name == "br") {
        m_out += "\\line ";
    } else if (name == "p" || name == "div" || name == "ul" || name == "ol" || name == "table" ||
               name == "section" || name == "nav" || name == "dt" || name == "dd") {
        // Each block starts, and each list or table ends, with the body's own paragraph.
        EndParagraph();
        if (!closing || name == "ul" || name == "ol" || name == "table") {
            m_out += "\\pard\\sa120 ";
        }
    }
}

void CRtfWriter::Blank() {
    if (m_lineHasText) {
        m_pendingBlank = true;
    }
}

void CRtfWriter::Text(unsigned long code) {
    if (m_pendingBlank) {
        m_out += ' ';
        m_pendingBlank = false;
    }
    m_lineHasText = true;
    if (code == '\\' || code == '{' || code == '}') {
        m_out += '\\';
        m_out += static_cast<char>(code);
    } else if (code == '\n') {
        m_out += "\\line ";
    } else if (code >= 0x20 && code < 0x80) {
        m_out += static_cast<char>(code);
    } else if (code >= 0x10000) {
        // A pair of UTF-16 surrogates, each its own escape.
        Text(0xD800 + ((code - 0x10000) >> 10));
        Text(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else if (code >= 0x80) {
        // \uN takes a signed 16-bit number; '?' is what a reader without Unicode shows.
        m_out += "\\u" + std::to_string(static_cast<int>(static_cast<short>(code))) + "?";
    }
}

std::string CRtfWriter::Finish() {
    EndParagraph();
    m_out += "}";
    return m_out;
}

// The code point of the UTF-8 sequence at text[i], advancing i; U+FFFD for a broken one.
unsigned long NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0) {
        return 0xFFFD;
    }
    unsigned long code = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 0xFFFD;
        }
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return code;
}

}  // namespace

std::string HtmlToRtf(std::string_view html) {
    CRtfWriter rtf;
    std::string skipUntil;  // the closing tag that ends a part left out
    std::string decoded;
    for (std::size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) {
                break;
            }
            const std::string_view tag = html.substr(i + 1, end - i - 1);
            i = end + 1;
            const bool closing = !tag.empty() && tag[0] == '/';
            std::string name;
            for (std::size_t k = closing ? 1 : 0;
                 k < tag.size() && std::isalnum(static_cast<unsigned char>(tag[k])); ++k) {
                name.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(tag[k]))));
            }
            if (!skipUntil.empty()) {
                if (closing && name == skipUntil) {
                    skipUntil.clear();
                }
            } else if (!closing && (name == "head" || name == "style" || name == "script")) {
                skipUntil = name;
            } else {
                rtf.Tag(name, closing);
            }
            continue;
        }
        if (!skipUntil.empty()) {
            ++i;
            continue;
        }
        if (c == '&') {
            decoded.clear();
            i = AppendReference(html, i, decoded);
            for (std::size_t k = 0; k < decoded.size();) {
                rtf.Text(NextCodePoint(decoded, k));
            }
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (rtf.InPre() && c == '\n') {
                rtf.Text('\n');
            } else if (rtf.InPre() && c != '\r') {
                rtf.Text(' ');
            } else if (!rtf.InPre()) {
                rtf.Blank();
            }
            ++i;
            continue;
        }
        rtf.Text(NextCodePoint(html, i));
    }
    return rtf.Finish();
}

}  // namespace quorvane
