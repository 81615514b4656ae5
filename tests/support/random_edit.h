// Texts near the edges of a rule, for tests that compare two readings of it on random texts: one
// character put in, taken out or changed.
#ifndef QUORVANE_TESTS_SUPPORT_RANDOM_EDIT_H_
#define QUORVANE_TESTS_SUPPORT_RANDOM_EDIT_H_

#include <cstddef>
#include <random>

namespace quorvane::test {

// A number below n (n > 0).
inline std::size_t Below(std::mt19937& random, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
}

// Puts one character of others into text, takes one out or changes one, at a random place.
// REQUIRES: text and others are not empty.
template <typename String>
void EditOnce(String& text, const String& others, std::mt19937& random) {
    const std::size_t at = Below(random, text.size());
    const auto c = others[Below(random, others.size())];
    switch (Below(random, 3)) {
        case 0:
            text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), c);
            break;
        case 1:
            text.erase(at, 1);
            break;
        default:
            text[at] = c;
            break;
    }
}

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_RANDOM_EDIT_H_
