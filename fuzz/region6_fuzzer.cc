// The region6.db reader over arbitrary bytes: the layout check refuses what it must or, when it
// accepts, every search stays inside the file (the image is an exact-size copy, so AddressSanitizer
// sees any read past it), the many-at-once search agrees with single searches, and every record
// found has a text the check promised (at most 251 bytes of UTF-8). The compact forms the engine
// keeps (a copy, the image compacted in place and cut to its size, and the copy loaded section by
// section, which must refuse exactly what the check refuses) give the same answers.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz/region6_input.h"
#include "region6_format.h"
#include "region6_search.h"
#include "tests/support/region6_memory_source.h"

using namespace quorvane::format6;

using quorvane::test::Allocate;
using quorvane::test::ReadFromVector;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using quorvane::fuzz::kRegion6AddressCount;
    using quorvane::fuzz::kRegion6PrefixSize;
    if (size < kRegion6PrefixSize) {
        return 0;
    }
    Region6Address addresses[kRegion6AddressCount * 3];
    std::size_t count = 0;
    for (std::size_t i = 0; i < kRegion6AddressCount; ++i) {
        const Region6Address a = {Region6ReadU64(data + 16 * i), Region6ReadU64(data + 16 * i + 8)};
        // Each address and its neighbours: range edges are where searches go wrong.
        addresses[count++] = a;
        addresses[count++] = {a.high, a.low + 1};
        addresses[count++] = {a.high, a.low - 1};
    }
    std::vector<unsigned char> image(data + kRegion6PrefixSize, data + size);
    Region6Image db;
    const char* reason = nullptr;
    (void)Region6HasMagic(image.data(), image.size());
    Region6Image loaded;
    unsigned char* loadedBlock = nullptr;
    const char* loadReason = nullptr;
    const int loadStatus = Region6Load(ReadFromVector, &image, image.size(), Allocate, &loadedBlock,
                                       &loaded, &loadReason);
    if (Region6Open(image.data(), image.size(), &db, &reason) == 0) {
        if (reason == nullptr || reason[0] == '\0') {
            std::abort();  // a refusal must say why
        }
        if (loadStatus != kRegion6Invalid || loadedBlock != nullptr ||
            std::strcmp(loadReason, reason) != 0) {
            std::abort();  // the load refuses what the check refuses, for the same reason
        }
        return 0;
    }
    if (loadStatus != kRegion6Loaded) {
        std::abort();
    }
    std::uint32_t many[kRegion6AddressCount * 3];
    Region6FindRecords(&db, addresses, many, count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t single = Region6FindRecord(&db, addresses[i]);
        if (single != many[i]) {
            std::abort();
        }
        if (single == REGION6_NO_RECORD) {
            continue;
        }
        if (single >= db.record_count) {
            std::abort();
        }
        std::size_t length = 0;
        const unsigned char* text = Region6RecordText(&db, single, &length);
        if (length > kRegion6MaxTextBytes || std::memchr(text, 0, length) != nullptr) {
            std::abort();
        }
    }

    std::vector<unsigned char> copy(Region6CompactSize(&db));
    Region6Image compact;
    Region6Compact(&db, copy.data(), &compact);
    Region6Image inPlace = db;
    const std::size_t used = Region6CompactInPlace(&inPlace);
    // Whatever lies past the part the compact form says it uses may be released.
    std::fill(image.begin() + static_cast<std::ptrdiff_t>(used), image.end(), 0xEE);
    for (std::size_t i = 0; i < count; ++i) {
        if (Region6FindRecord(&compact, addresses[i]) != many[i] ||
            Region6FindRecord(&loaded, addresses[i]) != many[i] ||
            (used > 0 && Region6FindRecord(&inPlace, addresses[i]) != many[i])) {
            std::abort();
        }
    }
    std::free(loadedBlock);
    return 0;
}
