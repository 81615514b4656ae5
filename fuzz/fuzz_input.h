// The layout of one fuzz input, shared by the fuzzer and the seed writer: an order byte, eight
// little-endian addresses, then the bytes of a database file.
#ifndef QUORVANE_FUZZ_FUZZ_INPUT_H_
#define QUORVANE_FUZZ_FUZZ_INPUT_H_

#include <cstddef>

namespace quorvane::fuzz {

inline constexpr std::size_t kAddressCount = 8;
inline constexpr std::size_t kPrefixSize = 1 + 4 * kAddressCount;

}  // namespace quorvane::fuzz

#endif  // QUORVANE_FUZZ_FUZZ_INPUT_H_
