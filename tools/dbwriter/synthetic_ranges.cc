#include "tools/dbwriter/synthetic_ranges.h"

#include <cmath>
#include <string_view>

namespace quorvane::dbwriter {
namespace {

// splitmix64: tiny, and unlike the standard distributions it gives the same numbers everywhere.
class Random {
  public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in 0..bound-1 (the bias is irrelevant for test data).
    std::uint32_t Below(std::uint32_t bound) { return static_cast<std::uint32_t>(Next() % bound); }

    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N]) {
        return items[Below(N)];
    }

  private:
    std::uint64_t m_state;
};

struct Place {
    std::string_view province;
    std::string_view cities[4];  // empty entries unused
};

constexpr Place kChina[] = {
    {"广东省", {"广州", "深圳", "东莞", "佛山"}},
    {"北京", {"北京"}},
    {"上海", {"上海"}},
    {"浙江省", {"杭州", "宁波", "温州"}},
    {"江苏省", {"南京", "苏州", "无锡"}},
    {"四川省", {"成都", "绵阳"}},
    {"湖北省", {"武汉", "宜昌"}},
    {"山东省", {"济南", "青岛", "烟台"}},
    {"福建省", {"福州", "厦门"}},
    {"河南省", {"郑州", "洛阳"}},
};
constexpr std::string_view kChinaProviders[] = {"电信", "联通", "移动", "铁通", "教育网", "0"};

struct Country {
    std::string_view name;
    Place places[2];  // a place with an empty province is unused
};

constexpr Country kAbroad[] = {
    {"美国", {{"加利福尼亚州", {"洛杉矶", "旧金山", "山景城"}}, {"纽约州", {"纽约"}}}},
    {"日本", {{"东京都", {"东京"}}, {"大阪府", {"大阪"}}}},
    {"韩国", {{"首尔", {"首尔"}}}},
    {"德国", {{"黑森州", {"法兰克福"}}}},
    {"英国", {{"英格兰", {"伦敦", "曼彻斯特"}}}},
    {"新加坡", {}},
    {"澳大利亚", {{"新南威尔士州", {"悉尼"}}, {"维多利亚州", {"墨尔本"}}}},
    {"俄罗斯", {{"莫斯科", {"莫斯科"}}}},
};
constexpr std::string_view kAbroadProviders[] = {"0", "0", "0", "Amazon", "Google", "Cloudflare"};
constexpr std::string_view kReserved[] = {"0|0|0|0|0", "0|0|0|0|内网IP", "0|0|0|0|保留地址"};

std::string_view PickCity(Random& random, const Place& place) {
    std::size_t cities = 0;
    while (cities < 4 && !place.cities[cities].empty()) {
        ++cities;
    }
    // Now and then the city is unknown.
    if (cities == 0 || random.Below(8) == 0) {
        return "0";
    }
    return place.cities[random.Below(static_cast<std::uint32_t>(cities))];
}

std::string MakeText(Random& random) {
    std::uint32_t kind = random.Below(100);
    std::string text;
    if (kind < 55) {
        const Place& place = random.Pick(kChina);
        text.append("中国|0|").append(place.province).append("|");
        text.append(PickCity(random, place)).append("|").append(random.Pick(kChinaProviders));
    } else if (kind < 88) {
        const Country& country = random.Pick(kAbroad);
        std::size_t places = 0;
        while (places < 2 && !country.places[places].province.empty()) {
            ++places;
        }
        text.append(country.name).append("|0|");
        if (places == 0 || random.Below(4) == 0) {
            text.append("0|0|");
        } else {
            const Place& place = country.places[random.Below(static_cast<std::uint32_t>(places))];
            text.append(place.province).append("|").append(PickCity(random, place)).append("|");
        }
        text.append(random.Pick(kAbroadProviders));
    } else {
        text = random.Pick(kReserved);
    }
    return text;
}

}  // namespace

std::vector<Range> MakeSyntheticRanges(std::size_t count, std::uint32_t seed) {
    std::vector<Range> ranges;
    if (count == 0) {
        return ranges;
    }
    Random random(std::uint64_t{seed} * 0x100000001B3ull + 0x5157);

    // Log-uniform weights give a realistic mix of tiny and huge ranges. Every range gets one
    // address for sure; the rest of the space is shared out in proportion to the weights.
    std::vector<double> prefix(count + 1, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t exponent = random.Below(17);
        auto weight = static_cast<double>((std::uint64_t{1} << exponent) +
                                          random.Below(std::uint32_t{1} << exponent));
        prefix[i + 1] = prefix[i] + weight;
    }
    const double spare = 4294967296.0 - static_cast<double>(count);
    auto startOf = [&](std::size_t i) {
        // The rounding is monotonic, so starts strictly increase thanks to the "+ i".
        return static_cast<std::uint32_t>(std::floor(prefix[i] * spare / prefix[count]) +
                                          static_cast<double>(i));
    };

    ranges.resize(count);
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        ranges[i].start = startOf(i);
        ranges[i].end = i + 1 < count ? startOf(i + 1) - 1 : 0xFFFFFFFFu;
        // Neighbouring ranges often belong to the same place, as in real data.
        if (i == 0 || random.Below(4) != 0) {
            text = MakeText(random);
        }
        ranges[i].text = text;
    }
    return ranges;
}

}  // namespace quorvane::dbwriter
