#include "batch/address_block.h"

#include <cstring>
#include <utility>

namespace quorvane {

void CAddressBlock::Reserve(std::size_t rows, std::size_t bytes) {
    m_ends.reserve(m_ends.size() + rows);
    m_bytes.reserve(m_bytes.size() + bytes);
}

void CAddressBlock::AppendAscii(std::string_view text) {
    m_bytes.append(text);
    m_ends.push_back(m_bytes.size());
}

void CAddressBlock::Append(std::u16string_view text) {
    bool ascii = true;
    for (char16_t c : text) {
        if (c == 0 || c >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        const std::size_t begin = m_bytes.size();
        m_bytes.resize(begin + text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            m_bytes[begin + i] = static_cast<char>(text[i]);
        }
        m_ends.push_back(m_bytes.size());
        return;
    }
    m_bytes.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
    m_ends.push_back(m_bytes.size() | kWideBit);
}

void CAddressBlock::Append(CAddressBlock&& other) {
    if (m_ends.empty()) {
        m_bytes = std::move(other.m_bytes);
        m_ends = std::move(other.m_ends);
        other.Clear();
        return;
    }
    // Both reservations come first: if either throws, nothing has changed.
    m_bytes.reserve(m_bytes.size() + other.m_bytes.size());
    m_ends.reserve(m_ends.size() + other.m_ends.size());
    const std::uint64_t shift = m_bytes.size();
    m_bytes.append(other.m_bytes);
    for (std::uint64_t end : other.m_ends) {
        m_ends.push_back(end + shift);  // the offset never reaches the form bit
    }
    other.Clear();
}

void CAddressBlock::Clear() {
    m_bytes.clear();
    m_bytes.shrink_to_fit();
    m_ends.clear();
    m_ends.shrink_to_fit();
}

void CAddressBlock::ClearKeepingRoom() {
    m_bytes.clear();
    m_ends.clear();
}

void CAddressBlock::CopyText(std::size_t index, std::u16string& out) const {
    const std::size_t begin = Begin(index);
    const std::size_t end = End(index);
    if (IsAscii(index)) {
        out.assign(m_bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                   m_bytes.begin() + static_cast<std::ptrdiff_t>(end));
        return;
    }
    out.resize((end - begin) / sizeof(char16_t));
    std::memcpy(out.data(), m_bytes.data() + begin, end - begin);
}

std::u16string CAddressBlock::TextAt(std::size_t index) const {
    std::u16string text;
    CopyText(index, text);
    return text;
}

}  // namespace quorvane
