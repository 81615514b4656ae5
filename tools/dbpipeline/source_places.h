// The city source's blocks and the place each one names, with China's cities in Chinese.
#ifndef QUORVANE_TOOLS_DBPIPELINE_SOURCE_PLACES_H_
#define QUORVANE_TOOLS_DBPIPELINE_SOURCE_PLACES_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/dbpipeline/chinese_cities.h"
#include "tools/dbpipeline/mmdb_reader.h"
#include "tools/dbpipeline/string_pool.h"

namespace quorvane::dbpipeline {

// A place as ids into the pipeline's string pool (0 = no value).
struct Place {
    std::uint32_t country = 0;
    std::uint32_t province = 0;
    std::uint32_t city = 0;
    // Inside mainland China, where the carriers' names apply.
    bool mainland = false;
    // Index into SourcePlaces::choices while the Chinese city is still to be chosen, or -1.
    std::int32_t choice = -1;
};

// Block is MmdbBlock (IPv4) or MmdbBlock6.
template <typename Block>
struct PlacesOf {
    std::vector<Block> blocks;
    // The place of each block, as an index into places.
    std::vector<std::uint32_t> blockPlace;
    // One place per distinct data record.
    std::vector<Place> places;
    // China's places whose city is chosen by name, the source's "state / city" of each (for the
    // table of the largest mappings), and the city chosen for each.
    std::vector<PlaceChoice> choices;
    std::vector<std::string> choiceSources;
    std::vector<ChosenCity> chosen;
    // How many of places name a country: none means the file is no city database.
    std::size_t placesWithCountry = 0;
};

using SourcePlaces = PlacesOf<MmdbBlock>;
using SourcePlaces6 = PlacesOf<MmdbBlock6>;

// Walks the city source's IPv4 blocks and decodes each distinct record once, in either schema
// (see ReadCityRecord): Hong Kong, Macao
// and Taiwan become provinces of China ("香港", "澳门", "台湾"), mainland provinces get their
// Chinese names, the four municipalities and Hong Kong and Macao are their own city, other
// countries get their Chinese names from the record's own "zh-CN" names, else from countryNames
// (the ISO code when it has none); so do their provinces and cities, else the English ones. A
// Chinese city the record names in Chinese is taken when the place table knows it. The
// Chinese cities of the other places in China are left to NameChineseCities. False with error
// set on a malformed source.
// REQUIRES: mmdb opened; china == pool.Intern("中国").
bool DecodePlaces(MmdbReader& mmdb, const std::map<std::string, std::string>& countryNames,
                  const ChineseCityTable& cityTable, std::uint32_t china, StringPool& pool,
                  SourcePlaces& out, std::string& error);

// DecodePlaces over the IPv6 blocks of an IPv6 city source.
bool DecodePlaces6(MmdbReader& mmdb, const std::map<std::string, std::string>& countryNames,
                   const ChineseCityTable& cityTable, std::uint32_t china, StringPool& pool,
                   SourcePlaces6& out, std::string& error);

// Chooses the Chinese city of every place DecodePlaces left open, weighing each by the addresses
// of its blocks (see ChooseCities), and stores it in the place. IPv6 blocks weigh by their /64
// networks, the size of one subnet.
void NameChineseCities(StringPool& pool, SourcePlaces& sourcePlaces);
void NameChineseCities(StringPool& pool, SourcePlaces6& sourcePlaces);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_SOURCE_PLACES_H_
