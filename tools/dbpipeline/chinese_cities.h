// The prefecture-level city, in Chinese, of a place in China that the city source names in Latin
// letters: districts, counties, towns and subdistricts map to the city that contains them.
#ifndef QUORVANE_TOOLS_DBPIPELINE_CHINESE_CITIES_H_
#define QUORVANE_TOOLS_DBPIPELINE_CHINESE_CITIES_H_

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quorvane::dbpipeline {

// The spellings by which a place name may be looked up: the name's Latin letters in lower case,
// without spaces, marks or punctuation ("Xi'an" -> "xian", "Ürümqi" -> "urumqi", "ü" and "v" as
// "u"), first whole, then without each trailing administrative word in turn ("Haidian Qu" ->
// "haidianqu", "haidian"). Empty when the name has no Latin letters.
std::vector<std::string> PlaceKeys(std::string_view name);

class ChineseCityTable {
  public:
    // Reads lines "province<TAB>city<TAB>level<TAB>name" (as tools/dbpipeline/place_table.js
    // writes them): name lies in city, which lies in province. level is P (the city itself),
    // G (a place of the coordinates source), A (a county or district) or S (a town or
    // subdistrict). False with error "line N: ..." on a malformed line.
    bool Read(std::istream& in, std::string& error);

    // The cities of province that place may lie in, sorted. place is the source's city text,
    // which may name a district in parentheses ("Huaqingbei (Futian Qu)"); both names are tried.
    // A name of a city beats a place of the coordinates source, which beats a county, which
    // beats a town; the first level with any match gives the answer. Empty when nothing matches.
    std::vector<std::string> Candidates(std::string_view province, std::string_view place) const;

    // Whether city is one of province's cities in the table.
    bool Contains(std::string_view province, std::string_view city) const;

  private:
    static constexpr int kLevels = 4;
    // province + '\t' + key -> cities per level.
    std::unordered_map<std::string, std::array<std::vector<std::string>, kLevels>> m_names;
    // province + '\t' + city, for Contains.
    std::unordered_map<std::string, bool> m_cities;
};

// One place of China, as ChooseCities sees it.
struct PlaceChoice {
    std::string province;
    std::vector<std::string> candidates;
    std::uint64_t addresses = 0;
};

// How ChooseCities settled a place's city.
enum class CityBasis : std::uint8_t { kName, kAmongSeveral, kGuessed, kNone };

struct ChosenCity {
    std::string city;
    CityBasis basis = CityBasis::kNone;
};

// Settles one city per place. A single candidate is taken. Among several, the one that the
// province's single-candidate places cover with most addresses wins, since a town's name recurs
// across cities while most addresses sit in a few. A place without candidates gets the city that
// covers most of its province's addresses that way (kGuessed). A province with no such city gives
// kNone. Ties go to the first name in byte order, so the result depends on the input only.
std::vector<ChosenCity> ChooseCities(const std::vector<PlaceChoice>& places);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_CHINESE_CITIES_H_
