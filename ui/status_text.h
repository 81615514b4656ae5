// The texts of the status bar under the list, made from the patterns in messages.h.
#ifndef QUORVANE_UI_STATUS_TEXT_H_
#define QUORVANE_UI_STATUS_TEXT_H_

#include <chrono>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvane {

// pattern with %1 .. %9 replaced by args[0] .. args[8]; a '%' not followed by the number of an
// argument stays as it is.
std::u16string FormatStatus(std::u16string_view pattern,
                            std::initializer_list<std::u16string_view> args);

// n in decimal digits, without grouping.
std::u16string StatusNumber(std::size_t n);
// Seconds with one decimal, rounded to the nearest tenth ("0.0", "12.3").
std::u16string StatusSeconds(std::chrono::steady_clock::duration elapsed);

// What a run did, for the text shown at its end.
struct RunSummary {
    std::size_t rows = 0;           // rows in the table
    std::size_t reached = 0;        // rows the workers resolved
    std::size_t withoutResult = 0;  // of those reached, rows whose four results are empty
    bool stopped = false;           // ended by Stop before every row was resolved
    std::chrono::steady_clock::duration elapsed{};
    // Of those reached, the IPv6 rows left empty for want of region6.db, and why it could not be
    // used.
    std::size_t ipv6Unresolved = 0;
    std::u16string ipv6Cause;
};

std::u16string RowsStatus(std::size_t rows);
std::u16string ProgressStatus(std::size_t reached, std::size_t rows);
std::u16string FinishedStatus(const RunSummary& run);

}  // namespace quorvane

#endif  // QUORVANE_UI_STATUS_TEXT_H_
