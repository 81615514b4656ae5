#include "tools/dbpipeline/source_places.h"

#include <functional>
#include <unordered_map>
#include <utility>

#include "tools/dbpipeline/region_text.h"
#include "tools/dbpipeline/tables.h"

namespace quorvane::dbpipeline {

namespace {

// The place of one record of the city source.
template <typename Block>
Place DecodePlace(std::map<std::string, std::string>& fields,
                  const std::map<std::string, std::string>& countryNames,
                  const ChineseCityTable& cityTable, std::uint32_t china, StringPool& pool,
                  PlacesOf<Block>& out) {
    const std::string code = fields["country_code"];
    const std::string state = CleanField(fields["state1"]);
    const std::string city = CleanField(fields["city"]);
    Place place;
    if (code == "HK" || code == "MO") {
        // Each region is its own only city.
        place.country = china;
        place.province = pool.Intern(code == "HK" ? "香港" : "澳门");
        place.city = place.province;
    } else if (code == "CN" || code == "TW") {
        place.country = china;
        place.mainland = code == "CN";
        std::string province = code == "TW" ? "台湾" : MainlandProvinceName(state);
        if (province.empty()) {
            province = state;
        }
        place.province = pool.Intern(province);
        place.city = pool.Intern(city);
        if (IsMunicipality(province)) {
            place.city = place.province;
        } else if (!city.empty()) {
            PlaceChoice choice{province, cityTable.Candidates(province, city), 0};
            // Taiwan's source sometimes names only the city or county as the state.
            if (choice.candidates.empty() && code == "TW") {
                choice.candidates = cityTable.Candidates(province, state);
            }
            place.choice = static_cast<std::int32_t>(out.choices.size());
            out.choices.push_back(std::move(choice));
            out.choiceSources.push_back(state + " / " + city);
        }
    } else {
        const auto name = countryNames.find(code);
        place.country = pool.Intern(CleanField(name != countryNames.end() ? name->second : code));
        place.province = pool.Intern(state);
        place.city = pool.Intern(city);
    }
    return place;
}

// Walks the blocks through walk (a ForEach...Block of mmdb) and decodes each distinct record once.
template <typename Block, typename Walk>
bool DecodeBlocks(const Walk& walk, MmdbReader& mmdb,
                  const std::map<std::string, std::string>& countryNames,
                  const ChineseCityTable& cityTable, std::uint32_t china, StringPool& pool,
                  PlacesOf<Block>& out, std::string& error) {
    std::unordered_map<std::uint32_t, std::uint32_t> placeOfOffset;
    std::map<std::string, std::string> fields;
    bool decodeFailed = false;
    const bool walked = walk([&](const Block& block) {
        if (decodeFailed) {
            return;
        }
        const auto [it, inserted] = placeOfOffset.try_emplace(
            block.dataOffset, static_cast<std::uint32_t>(out.places.size()));
        if (inserted) {
            if (!mmdb.ReadStringFields(block.dataOffset, fields, error)) {
                decodeFailed = true;
                return;
            }
            out.places.push_back(DecodePlace(fields, countryNames, cityTable, china, pool, out));
        }
        out.blocks.push_back(block);
        out.blockPlace.push_back(it->second);
    });
    return walked && !decodeFailed;
}

std::uint64_t Weight(const MmdbBlock& block) {
    return std::uint64_t{block.end} - block.start + 1;
}

std::uint64_t Weight(const MmdbBlock6& block) {
    const auto networks = static_cast<std::uint64_t>((block.end >> 64) - (block.start >> 64));
    return networks == UINT64_MAX ? networks : networks + 1;
}

template <typename Block>
void NameCities(StringPool& pool, PlacesOf<Block>& sourcePlaces) {
    for (std::size_t i = 0; i < sourcePlaces.blocks.size(); ++i) {
        const Place& place = sourcePlaces.places[sourcePlaces.blockPlace[i]];
        if (place.choice >= 0) {
            sourcePlaces.choices[place.choice].addresses += Weight(sourcePlaces.blocks[i]);
        }
    }
    sourcePlaces.chosen = ChooseCities(sourcePlaces.choices);
    for (Place& place : sourcePlaces.places) {
        if (place.choice >= 0 && !sourcePlaces.chosen[place.choice].city.empty()) {
            place.city = pool.Intern(sourcePlaces.chosen[place.choice].city);
        }
    }
}

}  // namespace

bool DecodePlaces(MmdbReader& mmdb, const std::map<std::string, std::string>& countryNames,
                  const ChineseCityTable& cityTable, std::uint32_t china, StringPool& pool,
                  SourcePlaces& out, std::string& error) {
    const auto walk = [&](const std::function<void(const MmdbBlock&)>& sink) {
        return mmdb.ForEachIpv4Block(sink, error);
    };
    return DecodeBlocks(walk, mmdb, countryNames, cityTable, china, pool, out, error);
}

bool DecodePlaces6(MmdbReader& mmdb, const std::map<std::string, std::string>& countryNames,
                   const ChineseCityTable& cityTable, std::uint32_t china, StringPool& pool,
                   SourcePlaces6& out, std::string& error) {
    const auto walk = [&](const std::function<void(const MmdbBlock6&)>& sink) {
        return mmdb.ForEachIpv6Block(sink, error);
    };
    return DecodeBlocks(walk, mmdb, countryNames, cityTable, china, pool, out, error);
}

void NameChineseCities(StringPool& pool, SourcePlaces& sourcePlaces) {
    NameCities(pool, sourcePlaces);
}

void NameChineseCities(StringPool& pool, SourcePlaces6& sourcePlaces) {
    NameCities(pool, sourcePlaces);
}

}  // namespace quorvane::dbpipeline
