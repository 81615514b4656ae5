// The layout of one region6_fuzzer input, shared by the fuzzer and the seed writer: eight
// addresses of 16 bytes (high half then low half, little-endian), then the bytes of a region6.db
// file.
#ifndef QUORVANE_FUZZ_REGION6_INPUT_H_
#define QUORVANE_FUZZ_REGION6_INPUT_H_

#include <cstddef>

namespace quorvane::fuzz {

inline constexpr std::size_t kRegion6AddressCount = 8;
inline constexpr std::size_t kRegion6PrefixSize = 16 * kRegion6AddressCount;

}  // namespace quorvane::fuzz

#endif  // QUORVANE_FUZZ_REGION6_INPUT_H_
