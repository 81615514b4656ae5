#include "ui/status_text.h"

#include <algorithm>

#include "ui/messages.h"

namespace quorvane {

std::u16string FormatStatus(std::u16string_view pattern,
                            std::initializer_list<std::u16string_view> args) {
    std::u16string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size()) {
            const char16_t digit = pattern[i + 1];
            const std::size_t arg = static_cast<std::size_t>(digit - u'1');
            if (digit >= u'1' && digit <= u'9' && arg < args.size()) {
                out += *(args.begin() + arg);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::u16string StatusNumber(std::size_t n) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
        n /= 10;
    } while (n != 0);
    return digits;
}

std::u16string StatusSeconds(std::chrono::steady_clock::duration elapsed) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    const std::size_t tenths = ms <= 0 ? 0 : static_cast<std::size_t>((ms + 50) / 100);
    return StatusNumber(tenths / 10) + u'.' + static_cast<char16_t>(u'0' + tenths % 10);
}

std::u16string RowsStatus(std::size_t rows) {
    return FormatStatus(messages::kStatusRows, {StatusNumber(rows)});
}

std::u16string ProgressStatus(std::size_t reached, std::size_t rows) {
    return FormatStatus(messages::kStatusProgress, {StatusNumber(reached), StatusNumber(rows)});
}

std::u16string FinishedStatus(const RunSummary& run) {
    const std::size_t reached = std::min(run.reached, run.rows);
    const std::size_t without = std::min(run.withoutResult, reached);
    const std::u16string with = StatusNumber(reached - without);
    const std::u16string seconds = StatusSeconds(run.elapsed);
    std::u16string text =
        run.stopped && reached < run.rows
            ? FormatStatus(messages::kStatusStopped,
                           {with, StatusNumber(without), StatusNumber(run.rows - reached), seconds})
            : FormatStatus(messages::kStatusFinished, {with, StatusNumber(without), seconds});
    if (run.ipv6Unresolved > 0) {
        text += FormatStatus(messages::kStatusIpv6Unresolved,
                             {StatusNumber(run.ipv6Unresolved), run.ipv6Cause});
    }
    return text;
}

}  // namespace quorvane
