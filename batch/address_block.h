// The address texts of many rows packed into one buffer: a line of plain ASCII takes one byte a
// character and no allocation of its own, any other text is kept as UTF-16 code units.
#ifndef QUORVANE_BATCH_ADDRESS_BLOCK_H_
#define QUORVANE_BATCH_ADDRESS_BLOCK_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class CAddressBlock {
  public:
    std::size_t Count() const { return m_ends.size(); }

    // Room for rows more texts of about bytes bytes in all, so that a large import grows
    // nothing on the way.
    void Reserve(std::size_t rows, std::size_t bytes);

    // REQUIRES: every byte of text is between 0x01 and 0x7F.
    void AppendAscii(std::string_view text);
    // Any text; plain ASCII is stored in the compact form.
    void Append(std::u16string_view text);
    // Appends every text of other, in order; other is left empty. When memory runs out,
    // std::bad_alloc is thrown and both blocks are as they were.
    void Append(CAddressBlock&& other);
    // Frees every text and the room they took.
    void Clear();
    // Drops every text but keeps the room, for a block filled again and again.
    void ClearKeepingRoom();

    // REQUIRES: index < Count().
    bool IsAscii(std::size_t index) const { return (m_ends[index] & kWideBit) == 0; }
    // REQUIRES: index < Count() and IsAscii(index).
    std::string_view AsciiAt(std::size_t index) const {
        const std::size_t begin = Begin(index);
        return std::string_view(m_bytes.data() + begin, End(index) - begin);
    }
    // The text of row index, whatever its form. REQUIRES: index < Count().
    void CopyText(std::size_t index, std::u16string& out) const;
    std::u16string TextAt(std::size_t index) const;
    // Whether byte occurs anywhere in the stored texts, a UTF-16 text's units taken byte by byte:
    // one quick pass, true for every text holding the character and for a few others.
    bool MayHoldByte(char byte) const { return m_bytes.find(byte) != std::string::npos; }

  private:
    static constexpr std::uint64_t kWideBit = std::uint64_t{1} << 63;

    std::size_t Begin(std::size_t index) const {
        return index == 0 ? 0 : static_cast<std::size_t>(m_ends[index - 1] & ~kWideBit);
    }
    std::size_t End(std::size_t index) const {
        return static_cast<std::size_t>(m_ends[index] & ~kWideBit);
    }

    std::string m_bytes;
    std::vector<std::uint64_t> m_ends;  // end of each text in m_bytes; kWideBit: UTF-16 units
};

}  // namespace quorvane

#endif  // QUORVANE_BATCH_ADDRESS_BLOCK_H_
