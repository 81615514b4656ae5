// Our own naming tables: Chinese names for mainland provinces, the names
// users know for China's carriers and clouds, and the special-purpose IPv4 ranges.
#ifndef QUORVANE_TOOLS_DBPIPELINE_TABLES_H_
#define QUORVANE_TOOLS_DBPIPELINE_TABLES_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::dbpipeline {

// The official Chinese name of a mainland province-level division from its English name as the
// city source spells it ("Guangdong" -> "广东省", "Inner Mongolia" -> "内蒙古自治区"); empty when
// the name is not one of the 31.
std::string MainlandProvinceName(std::string_view english);

// The official name of a mainland province-level division from a Chinese name that may lack its
// ending, as city databases' "zh-CN" names do ("广东" -> "广东省", "内蒙古" -> "内蒙古自治区");
// empty when the name begins none of the 31.
std::string MainlandProvinceFromChinese(std::string_view chinese);

// Whether a mainland province-level division (by its Chinese name) is one of the four
// municipalities, which are their own only city.
bool IsMunicipality(std::string_view province);

// The name users know for a network operator, from its AS organisation: "电信", "联通", "移动",
// "教育网", "铁通", "广电", "阿里云", "腾讯云", "华为云", "百度云" ...; empty when the organisation
// is none of them. Broadcasting networks are recognised only when in_mainland is set, since
// the word alone names many foreign television companies.
std::string KnownProviderName(std::string_view organisation, bool inMainland);

// The basic carriers of China, by the names KnownProviderName gives them: their blocks keep
// their values exactly.
inline constexpr std::array<std::string_view, 6> kChineseCarriers = {"电信",   "联通", "移动",
                                                                     "教育网", "铁通", "广电"};

// Whether provider is one of kChineseCarriers.
bool IsChineseCarrier(std::string_view provider);

// A special-purpose range and the label shown as its provider.
struct SpecialRange {
    std::uint32_t start;
    std::uint32_t end;
    const char* label;
};

// Special-purpose ranges, sorted and not overlapping.
const std::vector<SpecialRange>& SpecialRanges();

// A special-purpose IPv6 range and its label, as SpecialRange.
struct SpecialRange6 {
    unsigned __int128 start;
    unsigned __int128 end;
    const char* label;
};

// Special-purpose IPv6 ranges, sorted and not overlapping, labelled as their IPv4 kin. The
// IPv4-mapped space is not among them: its addresses are looked up in the IPv4 file.
const std::vector<SpecialRange6>& SpecialRanges6();

// Addresses of well-known public DNS resolvers, sorted: the ranges holding them keep their exact
// values through coarsening.
const std::vector<std::uint32_t>& PinnedAddresses();

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_TABLES_H_
