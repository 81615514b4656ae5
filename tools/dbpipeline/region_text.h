// Composing region texts "country|0|province|city|provider".
#ifndef QUORVANE_TOOLS_DBPIPELINE_REGION_TEXT_H_
#define QUORVANE_TOOLS_DBPIPELINE_REGION_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvane::dbpipeline {

// The largest region text a data record can hold, in bytes.
constexpr std::size_t kMaxRegionTextBytes = 251;

// Makes a source value safe as one field: "|" becomes "/" (it would split the field), commas
// and control characters become spaces (a comma would split an exported line: "Cloudflare, Inc."
// becomes "Cloudflare Inc."), bytes that are not valid UTF-8 are dropped, runs of spaces collapse
// and the ends are trimmed. May return an empty string.
std::string CleanField(std::string_view value);

// Joins the four values as "country|0|province|city|provider", writing "0" for an empty value
// (an empty field would vanish when the text is split and shift the ones after it). A text longer
// than kMaxRegionTextBytes is shortened by dropping the last words of its longest fields (the last
// characters of a field that is one word) until it fits; all five fields remain.
// REQUIRES: the values went through CleanField.
std::string ComposeRegionText(std::string_view country, std::string_view province,
                              std::string_view city, std::string_view provider);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_REGION_TEXT_H_
