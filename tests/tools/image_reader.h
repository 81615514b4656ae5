// A deliberately naive reader of database images for the tests: it lays out every block on its
// own terms (only the reading of a little-endian integer is shared), so that a fault in the
// writer's layout is not hidden by the same fault in a shared description of it.
#ifndef QUORVANE_TESTS_TOOLS_IMAGE_READER_H_
#define QUORVANE_TESTS_TOOLS_IMAGE_READER_H_

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "region/region_format.h"

namespace quorvane::test {

struct DecodedEntry {
    std::uint32_t start;
    std::uint32_t end;
    std::uint32_t offset;  // of the data record
    std::uint32_t length;  // of the data record
};

struct DecodedHeader {
    std::uint32_t startIp;
    std::uint32_t indexOffset;
};

struct DecodedImage {
    std::uint32_t firstIndex = 0;
    std::uint32_t lastIndex = 0;
    std::vector<DecodedHeader> header;
    std::vector<DecodedEntry> index;
    std::vector<std::uint8_t> bytes;  // a copy: the decoded image outlives temporaries

    std::uint32_t U32(std::size_t at) const {
        if (at + 4 > bytes.size()) {
            throw std::out_of_range("read past the image");
        }
        return format::ReadU32(bytes.data() + at);
    }

    std::uint32_t RecordNumber(const DecodedEntry& entry) const { return U32(entry.offset); }

    std::string Text(const DecodedEntry& entry) const {
        if (entry.length < 4 || entry.offset + entry.length > bytes.size()) {
            throw std::out_of_range("record outside the image");
        }
        return std::string(bytes.begin() + entry.offset + 4,
                           bytes.begin() + entry.offset + entry.length);
    }

    // Linear scan: slow, but obviously right.
    std::optional<std::string> Find(std::uint32_t address) const {
        for (const DecodedEntry& entry : index) {
            if (entry.start <= address && address <= entry.end) {
                return Text(entry);
            }
        }
        return std::nullopt;
    }
};

inline DecodedImage Decode(const std::vector<std::uint8_t>& bytes) {
    DecodedImage image;
    image.bytes = bytes;
    image.firstIndex = image.U32(0);
    image.lastIndex = image.U32(4);
    for (std::uint32_t i = 0; i < 1024; ++i) {
        std::uint32_t offset = image.U32(8 + 8 * i + 4);
        if (offset == 0) {
            break;
        }
        image.header.push_back({image.U32(8 + 8 * i), offset});
    }
    for (std::uint64_t at = image.firstIndex; at <= image.lastIndex; at += 12) {
        std::uint32_t pointer = image.U32(at + 8);
        image.index.push_back(
            {image.U32(at), image.U32(at + 4), pointer & 0xFFFFFF, pointer >> 24});
    }
    return image;
}

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_TOOLS_IMAGE_READER_H_
