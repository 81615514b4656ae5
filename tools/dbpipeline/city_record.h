// One record of a city database, whichever of the two schemas it uses: the flat one of DB-IP's
// lite release ("country_code", "state1", "city") or the nested one of GeoIP2 and GeoLite2 City
// ("country": {"iso_code", "names"}, "subdivisions": [{"names"}], "city": {"names"}).
#ifndef QUORVANE_TOOLS_DBPIPELINE_CITY_RECORD_H_
#define QUORVANE_TOOLS_DBPIPELINE_CITY_RECORD_H_

#include <map>
#include <string>

namespace quorvane::dbpipeline {

struct CityRecord {
    // ISO 3166-1 alpha-2 code; empty when the record names no country.
    std::string countryCode;
    // English (or Latin) names, as the place matching and the province table take them.
    std::string state;
    std::string city;
    // The record's own "zh-CN" names, empty where it has none.
    std::string zhCountry;
    std::string zhState;
    std::string zhCity;
};

// Reads a record from its flattened fields (MmdbReader::ReadFlattenedFields). The flat schema's
// keys win where both are present. A nested record without a country but with a
// "registered_country" (an anycast or satellite network) takes that one.
CityRecord ReadCityRecord(const std::map<std::string, std::string>& fields);

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_CITY_RECORD_H_
