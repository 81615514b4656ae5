#include "tools/dbpipeline/source_places.h"

#include <functional>
#include <utility>

#include "tools/dbpipeline/city_record.h"
#include "tools/dbpipeline/record_walk.h"
#include "tools/dbpipeline/region_text.h"
#include "tools/dbpipeline/tables.h"

namespace quorvane::dbpipeline {

namespace {

// The province of a record in mainland China: by its English name, else by its own Chinese name,
// else the text as it stands.
std::string MainlandProvince(const CityRecord& record) {
    std::string province = MainlandProvinceName(record.state);
    if (province.empty()) {
        province = MainlandProvinceFromChinese(record.zhState);
    }
    if (province.empty()) {
        province = CleanField(record.zhState.empty() ? record.state : record.zhState);
    }
    return province;
}

// The record's own Chinese name of a city of province when the place table knows it, with or
// without the "市" the file may leave out; empty otherwise.
std::string KnownChineseCity(const ChineseCityTable& cityTable, const std::string& province,
                             const std::string& zhCity) {
    const std::string city = CleanField(zhCity);
    if (city.empty()) {
        return {};
    }
    for (const std::string& name : {city, city + "市"}) {
        if (cityTable.Contains(province, name)) {
            return name;
        }
    }
    return {};
}

// The place of one record of the city source.
template <typename Block>
Place DecodePlace(const CityRecord& record, const std::map<std::string, std::string>& countryNames,
                  const ChineseCityTable& cityTable, std::uint32_t china, StringPool& pool,
                  PlacesOf<Block>& out) {
    const std::string& code = record.countryCode;
    const std::string state = CleanField(record.state);
    const std::string city = CleanField(record.city);
    Place place;
    if (code == "HK" || code == "MO") {
        // Each region is its own only city.
        place.country = china;
        place.province = pool.Intern(code == "HK" ? "香港" : "澳门");
        place.city = place.province;
    } else if (code == "CN" || code == "TW") {
        place.country = china;
        place.mainland = code == "CN";
        const std::string province = code == "TW" ? "台湾" : MainlandProvince(record);
        const std::string known = KnownChineseCity(cityTable, province, record.zhCity);
        place.province = pool.Intern(province);
        place.city = pool.Intern(city);
        if (IsMunicipality(province)) {
            place.city = place.province;
        } else if (!known.empty()) {
            place.city = pool.Intern(known);
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
        // A file's own Chinese names stand as they are; otherwise the country table's.
        const auto name = countryNames.find(code);
        const std::string country = !record.zhCountry.empty()    ? record.zhCountry
                                    : name != countryNames.end() ? name->second
                                                                 : code;
        place.country = pool.Intern(CleanField(country));
        place.province = pool.Intern(record.zhState.empty() ? state : CleanField(record.zhState));
        place.city = pool.Intern(record.zhCity.empty() ? city : CleanField(record.zhCity));
    }
    return place;
}

// Walks the blocks through walk (a ForEach...Block of mmdb) and decodes each distinct record once.
template <typename Block, typename Walk>
bool DecodeBlocks(const Walk& walk, MmdbReader& mmdb,
                  const std::map<std::string, std::string>& countryNames,
                  const ChineseCityTable& cityTable, std::uint32_t china, StringPool& pool,
                  PlacesOf<Block>& out, std::string& error) {
    std::map<std::string, std::string> fields;
    return WalkRecordsOnce<Block>(
        walk,
        [&](std::uint32_t dataOffset, std::string& decodeError) {
            if (!mmdb.ReadFlattenedFields(dataOffset, fields, decodeError)) {
                return false;
            }
            const CityRecord record = ReadCityRecord(fields);
            out.placesWithCountry += !record.countryCode.empty();
            out.places.push_back(DecodePlace(record, countryNames, cityTable, china, pool, out));
            return true;
        },
        [&](const Block& block, std::uint32_t place) {
            out.blocks.push_back(block);
            out.blockPlace.push_back(place);
        },
        error);
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
