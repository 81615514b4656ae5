#include "tools/dbpipeline/city_record.h"

#include <string_view>

namespace quorvane::dbpipeline {

namespace {

std::string Get(const std::map<std::string, std::string>& fields, const std::string& key) {
    const auto found = fields.find(key);
    return found == fields.end() ? std::string() : found->second;
}

// The first non-empty value among the keys.
std::string First(const std::map<std::string, std::string>& fields,
                  std::initializer_list<std::string_view> keys) {
    for (std::string_view key : keys) {
        std::string value = Get(fields, std::string(key));
        if (!value.empty()) {
            return value;
        }
    }
    return {};
}

}  // namespace

CityRecord ReadCityRecord(const std::map<std::string, std::string>& fields) {
    CityRecord record;
    record.countryCode =
        First(fields, {"country_code", "country.iso_code", "registered_country.iso_code"});
    record.state = First(fields, {"state1", "subdivisions.0.names.en"});
    record.city = First(fields, {"city", "city.names.en"});
    const bool ownCountry = !Get(fields, "country.iso_code").empty();
    record.zhCountry =
        Get(fields, ownCountry ? "country.names.zh-CN" : "registered_country.names.zh-CN");
    record.zhState = Get(fields, "subdivisions.0.names.zh-CN");
    record.zhCity = Get(fields, "city.names.zh-CN");
    return record;
}

}  // namespace quorvane::dbpipeline
