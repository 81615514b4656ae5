#include "tools/dbpipeline/tables.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace quorvane::dbpipeline {

namespace {

using Pair = std::pair<std::string_view, std::string_view>;

constexpr std::array kProvinces = {
    Pair{"Anhui", "安徽省"},
    Pair{"Beijing", "北京市"},
    Pair{"Chongqing", "重庆市"},
    Pair{"Fujian", "福建省"},
    Pair{"Gansu", "甘肃省"},
    Pair{"Guangdong", "广东省"},
    Pair{"Guangxi", "广西壮族自治区"},
    Pair{"Guizhou", "贵州省"},
    Pair{"Hainan", "海南省"},
    Pair{"Hebei", "河北省"},
    Pair{"Heilongjiang", "黑龙江省"},
    Pair{"Henan", "河南省"},
    Pair{"Hubei", "湖北省"},
    Pair{"Hunan", "湖南省"},
    Pair{"Inner Mongolia", "内蒙古自治区"},
    Pair{"Jiangsu", "江苏省"},
    Pair{"Jiangxi", "江西省"},
    Pair{"Jilin", "吉林省"},
    Pair{"Liaoning", "辽宁省"},
    Pair{"Ningxia", "宁夏回族自治区"},
    Pair{"Ningxia Hui Autonomous Region", "宁夏回族自治区"},
    Pair{"Qinghai", "青海省"},
    Pair{"Shaanxi", "陕西省"},
    Pair{"Shandong", "山东省"},
    Pair{"Shanghai", "上海市"},
    Pair{"Shanxi", "山西省"},
    Pair{"Sichuan", "四川省"},
    Pair{"Tianjin", "天津市"},
    Pair{"Tibet", "西藏自治区"},
    Pair{"Xinjiang", "新疆维吾尔自治区"},
    Pair{"Yunnan", "云南省"},
    Pair{"Zhejiang", "浙江省"},
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

bool Contains(const std::string& haystack, std::string_view needle) {
    return haystack.find(needle) != std::string::npos;
}

bool StartsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

template <std::size_t N>
std::string Find(const std::array<Pair, N>& table, std::string_view key) {
    for (const auto& [english, chinese] : table) {
        if (english == key) {
            return std::string(chinese);
        }
    }
    return {};
}

constexpr std::uint32_t Ip(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return (a << 24) | (b << 16) | (c << 8) | d;
}

constexpr std::uint32_t Last(std::uint32_t start, int prefixLength) {
    return start | (prefixLength == 32 ? 0u : (0xFFFFFFFFu >> prefixLength));
}

}  // namespace

std::string MainlandProvinceName(std::string_view english) {
    return Find(kProvinces, english);
}

std::string MainlandProvinceFromChinese(std::string_view chinese) {
    // Two characters at least: one would be a prefix of several ("河" of 河北省 and 河南省).
    if (chinese.size() < 6) {
        return {};
    }
    for (const auto& [english, official] : kProvinces) {
        if (official.starts_with(chinese)) {
            return std::string(official);
        }
    }
    return {};
}

bool IsMunicipality(std::string_view province) {
    return province == "北京市" || province == "上海市" || province == "天津市" ||
           province == "重庆市";
}

std::string KnownProviderName(std::string_view organisation, bool inMainland) {
    const std::string org = Lower(organisation);
    // Order matters: "China Mobile" before the generic telecom words, Tietong (now part of China
    // Mobile) before "telecom".
    if (Contains(org, "tietong") || Contains(org, "railcom")) {
        return "铁通";
    }
    if (Contains(org, "china mobile") || StartsWith(org, "cmnet")) {
        return "移动";
    }
    if (Contains(org, "china unicom") || StartsWith(org, "unicom ") || Contains(org, "china169") ||
        Contains(org, "china netcom")) {
        return "联通";
    }
    if (Contains(org, "chinanet") || Contains(org, "china telecom") ||
        Contains(org, "chinatelecom") || Contains(org, "china telecommunications")) {
        return "电信";
    }
    if (Contains(org, "cernet") || Contains(org, "china education and research")) {
        return "教育网";
    }
    if (Contains(org, "alibaba") || Contains(org, "aliyun") || Contains(org, "taobao")) {
        return "阿里云";
    }
    if (Contains(org, "tencent")) {
        return "腾讯云";
    }
    if (Contains(org, "huawei cloud") || Contains(org, "huawei clouds") ||
        Contains(org, "huawei international pte")) {
        return "华为云";
    }
    if (Contains(org, "baidu")) {
        return "百度云";
    }
    if (Contains(org, "kingsoft cloud")) {
        return "金山云";
    }
    if (Contains(org, "jingdong") || Contains(org, "jd.com")) {
        return "京东云";
    }
    if (inMainland &&
        (Contains(org, "china broadcast") || Contains(org, "china radio and television") ||
         Contains(org, "broadcast & tv") || Contains(org, "broadcast&tv") ||
         Contains(org, "broadcasting&tv") || Contains(org, "broadcasting tv") ||
         Contains(org, "cable tv network") || Contains(org, "oriental cable") ||
         Contains(org, "guangdong cable") || Contains(org, "broadcasting data network"))) {
        return "广电";
    }
    return {};
}

bool IsChineseCarrier(std::string_view provider) {
    return std::find(kChineseCarriers.begin(), kChineseCarriers.end(), provider) !=
           kChineseCarriers.end();
}

const std::vector<SpecialRange>& SpecialRanges() {
    static const std::vector<SpecialRange> kRanges = {
        {Ip(0, 0, 0, 0), Last(Ip(0, 0, 0, 0), 8), "本网络地址"},
        {Ip(10, 0, 0, 0), Last(Ip(10, 0, 0, 0), 8), "局域网"},
        {Ip(100, 64, 0, 0), Last(Ip(100, 64, 0, 0), 10), "运营商级NAT"},
        {Ip(127, 0, 0, 0), Last(Ip(127, 0, 0, 0), 8), "本机地址"},
        {Ip(169, 254, 0, 0), Last(Ip(169, 254, 0, 0), 16), "链路本地地址"},
        {Ip(172, 16, 0, 0), Last(Ip(172, 16, 0, 0), 12), "局域网"},
        {Ip(192, 0, 0, 0), Last(Ip(192, 0, 0, 0), 24), "保留地址"},
        {Ip(192, 0, 2, 0), Last(Ip(192, 0, 2, 0), 24), "文档示例地址"},
        {Ip(192, 88, 99, 0), Last(Ip(192, 88, 99, 0), 24), "保留地址"},
        {Ip(192, 168, 0, 0), Last(Ip(192, 168, 0, 0), 16), "局域网"},
        {Ip(198, 18, 0, 0), Last(Ip(198, 18, 0, 0), 15), "基准测试地址"},
        {Ip(198, 51, 100, 0), Last(Ip(198, 51, 100, 0), 24), "文档示例地址"},
        {Ip(203, 0, 113, 0), Last(Ip(203, 0, 113, 0), 24), "文档示例地址"},
        {Ip(224, 0, 0, 0), Last(Ip(224, 0, 0, 0), 4), "组播地址"},
        {Ip(240, 0, 0, 0), Ip(255, 255, 255, 254), "保留地址"},
        {Ip(255, 255, 255, 255), Ip(255, 255, 255, 255), "广播地址"},
    };
    return kRanges;
}

namespace {

// The IPv6 network whose first 64 bits are high, of prefix length bits (at most 64).
SpecialRange6 Net6(std::uint64_t high, int bits, const char* label) {
    const unsigned __int128 start = static_cast<unsigned __int128>(high) << 64;
    return {start, start | (~static_cast<unsigned __int128>(0) >> bits), label};
}

}  // namespace

const std::vector<SpecialRange6>& SpecialRanges6() {
    static const std::vector<SpecialRange6> kRanges = {
        {0, 0, "本网络地址"},
        {1, 1, "本机地址"},
        Net6(0x20010db800000000ull, 32, "文档示例地址"),
        Net6(0xfc00000000000000ull, 7, "局域网"),
        Net6(0xfe80000000000000ull, 10, "链路本地地址"),
        Net6(0xff00000000000000ull, 8, "组播地址"),
    };
    return kRanges;
}

const std::vector<std::uint32_t>& PinnedAddresses() {
    static const std::vector<std::uint32_t> kAddresses = [] {
        std::vector<std::uint32_t> list = {
            Ip(1, 0, 0, 1),         Ip(1, 1, 1, 1),        Ip(1, 2, 4, 8),
            Ip(8, 8, 4, 4),         Ip(8, 8, 8, 8),        Ip(9, 9, 9, 9),
            Ip(94, 140, 14, 14),    Ip(101, 226, 4, 6),    Ip(114, 114, 114, 114),
            Ip(114, 114, 115, 115), Ip(119, 28, 28, 28),   Ip(119, 29, 29, 29),
            Ip(149, 112, 112, 112), Ip(180, 76, 76, 76),   Ip(182, 254, 116, 116),
            Ip(208, 67, 220, 220),  Ip(208, 67, 222, 222), Ip(210, 2, 4, 8),
            Ip(218, 30, 118, 6),    Ip(223, 5, 5, 5),      Ip(223, 6, 6, 6),
        };
        std::sort(list.begin(), list.end());
        return list;
    }();
    return kAddresses;
}

}  // namespace quorvane::dbpipeline
