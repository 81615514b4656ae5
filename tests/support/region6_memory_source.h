// Region6Load's reader and allocator over a file image already in memory, for the tests and the
// fuzzer that hold the load to what the layout check of the same bytes says.
#ifndef QUORVANE_TESTS_SUPPORT_REGION6_MEMORY_SOURCE_H_
#define QUORVANE_TESTS_SUPPORT_REGION6_MEMORY_SOURCE_H_

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quorvane::test {

// Region6Load's reader over source, a std::vector<unsigned char>: 0 for bytes outside it.
inline int ReadFromVector(void* source, std::uint64_t offset, void* to, std::size_t bytes) {
    const auto& image = *static_cast<const std::vector<unsigned char>*>(source);
    if (offset > image.size() || bytes > image.size() - offset) {
        return 0;
    }
    std::memcpy(to, image.data() + offset, bytes);
    return 1;
}

// Region6Load's allocator: blocks that free() releases.
inline unsigned char* Allocate(std::size_t bytes) {
    return static_cast<unsigned char*>(std::malloc(bytes));
}

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_REGION6_MEMORY_SOURCE_H_
