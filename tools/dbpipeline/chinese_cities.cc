#include "tools/dbpipeline/chinese_cities.h"

#include <algorithm>
#include <map>
#include <set>

#include "files/conversions.h"

namespace quorvane::dbpipeline {

namespace {

// Base letters of U+00C0..U+017F, '-' where the character is no letter.
constexpr std::string_view kLatinFolds =
    "aaaaaaaceeeeiiiidnooooo-ouuuuyts"
    "aaaaaaaceeeeiiiidnooooo-ouuuuyty"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkklllllllllln"
    "nnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
// Base letters of U+01CD..U+01DC, the pinyin tone marks on capital and small a, i, o, u, ü.
constexpr std::string_view kPinyinFolds = "aaiioouuuuuuuuuu";

// Words that name a unit's kind rather than the unit, in the source's English and pinyin.
constexpr std::array<std::string_view, 18> kAdministrativeWords = {
    "banner", "city",       "county", "diqu",  "district", "jiedao",
    "meng",   "prefecture", "qi",     "qu",    "shi",      "subdistrict",
    "town",   "township",   "xian",   "xiang", "zhen",     "zizhixian"};

// The lower-case base letter of c, 0 for a character that joins its neighbours (an apostrophe),
// '-' for one that separates words.
char FoldLetter(char16_t c) {
    if (c >= u'a' && c <= u'z') {
        return static_cast<char>(c);
    }
    if (c >= u'A' && c <= u'Z') {
        return static_cast<char>(c - u'A' + 'a');
    }
    if (c == u'\'' || c == u'\u2019' || c == u'\u02BC') {
        return 0;
    }
    if (c >= 0xC0 && c < 0xC0 + kLatinFolds.size()) {
        return kLatinFolds[c - 0xC0];
    }
    if (c >= 0x1CD && c < 0x1CD + kPinyinFolds.size()) {
        return kPinyinFolds[c - 0x1CD];
    }
    return '-';
}

std::vector<std::string> Words(std::string_view name) {
    std::vector<std::string> words(1);
    for (char16_t c : Utf8ToWide(name)) {
        char letter = FoldLetter(c);
        if (letter == '-') {
            if (!words.back().empty()) {
                words.emplace_back();
            }
        } else if (letter != 0) {
            // "ü" is written "v" or "u": keep one of them.
            words.back() += letter == 'v' ? 'u' : letter;
        }
    }
    if (words.back().empty()) {
        words.pop_back();
    }
    return words;
}

std::string Join(const std::vector<std::string>& words, std::size_t count) {
    std::string key;
    for (std::size_t i = 0; i < count; ++i) {
        key += words[i];
    }
    return key;
}

std::string Key(std::string_view province, std::string_view key) {
    std::string joined(province);
    joined += '\t';
    joined += key;
    return joined;
}

// The place's own name, and the district the source writes in parentheses after it.
std::vector<std::string_view> PlaceNames(std::string_view place) {
    const std::size_t open = place.find(" (");
    if (open == std::string_view::npos || place.back() != ')') {
        return {place};
    }
    return {place.substr(0, open), place.substr(open + 2, place.size() - open - 3)};
}

}  // namespace

std::vector<std::string> PlaceKeys(std::string_view name) {
    const std::vector<std::string> words = Words(name);
    std::vector<std::string> keys;
    if (words.empty()) {
        return keys;
    }
    keys.push_back(Join(words, words.size()));
    for (std::size_t count = words.size(); count > 1; --count) {
        const std::string& last = words[count - 1];
        if (std::find(kAdministrativeWords.begin(), kAdministrativeWords.end(), last) ==
            kAdministrativeWords.end()) {
            break;
        }
        keys.push_back(Join(words, count - 1));
    }
    return keys;
}

bool ChineseCityTable::Read(std::istream& in, std::string& error) {
    static constexpr std::string_view kLevelLetters = "PGAS";
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        std::array<std::string_view, 4> fields;
        std::string_view rest = line;
        std::size_t count = 0;
        for (; count < fields.size(); ++count) {
            const std::size_t tab = rest.find('\t');
            fields[count] = rest.substr(0, tab);
            if (tab == std::string_view::npos) {
                ++count;
                break;
            }
            rest.remove_prefix(tab + 1);
        }
        const std::size_t level = kLevelLetters.find(fields[2]);
        if (count != fields.size() || fields[0].empty() || fields[1].empty() ||
            fields[2].size() != 1 || level == std::string_view::npos) {
            error = "line " + std::to_string(number) + ": expected province, city, level, name";
            return false;
        }
        m_cities[Key(fields[0], fields[1])] = true;
        const std::vector<std::string> words = Words(fields[3]);
        if (words.empty()) {
            continue;
        }
        auto& cities = m_names[Key(fields[0], Join(words, words.size()))][level];
        const std::string city(fields[1]);
        if (std::find(cities.begin(), cities.end(), city) == cities.end()) {
            cities.insert(std::upper_bound(cities.begin(), cities.end(), city), city);
        }
    }
    if (in.bad()) {
        error = "cannot read";
        return false;
    }
    return true;
}

std::vector<std::string> ChineseCityTable::Candidates(std::string_view province,
                                                      std::string_view place) const {
    std::vector<std::string> keys;
    for (std::string_view name : PlaceNames(place)) {
        for (std::string& key : PlaceKeys(name)) {
            keys.push_back(Key(province, key));
        }
    }
    for (int level = 0; level < kLevels; ++level) {
        const std::vector<std::string>* best = nullptr;
        for (const std::string& key : keys) {
            const auto found = m_names.find(key);
            if (found == m_names.end() || found->second[level].empty()) {
                continue;
            }
            // A single answer from any spelling beats several from an earlier one.
            if (found->second[level].size() == 1) {
                return found->second[level];
            }
            if (best == nullptr) {
                best = &found->second[level];
            }
        }
        if (best != nullptr) {
            return *best;
        }
    }
    return {};
}

bool ChineseCityTable::Contains(std::string_view province, std::string_view city) const {
    return m_cities.count(Key(province, city)) != 0;
}

std::vector<ChosenCity> ChooseCities(const std::vector<PlaceChoice>& places) {
    // Addresses per province and city, counted over the places that name one city only.
    std::map<std::string, std::map<std::string, std::uint64_t>> weight;
    for (const PlaceChoice& place : places) {
        if (place.candidates.size() == 1) {
            weight[place.province][place.candidates.front()] += place.addresses;
        }
    }
    auto heaviest = [&](const std::string& province, const std::vector<std::string>* among) {
        const auto found = weight.find(province);
        std::string best;
        std::uint64_t bestWeight = 0;
        if (found == weight.end()) {
            return best;
        }
        for (const auto& [city, addresses] : found->second) {
            const bool allowed =
                among == nullptr || std::find(among->begin(), among->end(), city) != among->end();
            if (allowed && (best.empty() || addresses > bestWeight)) {
                best = city;
                bestWeight = addresses;
            }
        }
        return best;
    };
    std::vector<ChosenCity> chosen(places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        const PlaceChoice& place = places[i];
        ChosenCity& out = chosen[i];
        if (place.candidates.size() == 1) {
            out = {place.candidates.front(), CityBasis::kName};
        } else if (!place.candidates.empty()) {
            out.city = heaviest(place.province, &place.candidates);
            if (out.city.empty()) {
                out.city = place.candidates.front();
            }
            out.basis = CityBasis::kAmongSeveral;
        } else {
            out.city = heaviest(place.province, nullptr);
            out.basis = out.city.empty() ? CityBasis::kNone : CityBasis::kGuessed;
        }
    }
    return chosen;
}

}  // namespace quorvane::dbpipeline
