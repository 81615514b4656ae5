// Building an ip2region.db from a city database the user holds, with the tables shipped beside
// the command, under the rules of the bundled file.
#ifndef QUORVANE_TOOLS_DBBUILD_USER_DATABASE_H_
#define QUORVANE_TOOLS_DBBUILD_USER_DATABASE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/dbwriter/db_writer.h"

namespace quorvane::dbbuild {

// The files of the tables folder: China's place names (made by tools/dbpipeline/place_table.js)
// and the Chinese country names.
inline constexpr char kPlaceTableFile[] = "places.tsv";
inline constexpr char kCountryNamesFile[] = "countries-zh.json";

// The coarsening of the bundled file: weights of a kept province, city and provider, and how many
// times China's addresses count. Every range spent on China is one the rest of the world loses:
// with China counted twice and all its carrier blocks pinned, China kept 0.8 points more of its
// cities, and the world 0.2 points fewer of its provinces, than with this choice.
inline constexpr std::size_t kProvinceWeight = 16;
inline constexpr std::size_t kCityWeight = 3;
inline constexpr std::size_t kProviderWeight = 6;
inline constexpr std::size_t kChinaFactor = 1;

struct UserSources {
    // A city database in the MaxMind DB format, of either schema.
    std::string city;
    // The AS table (CSV) or an ASN database (MaxMind DB); empty for none.
    std::string providers;
    // The folder holding kPlaceTableFile and kCountryNamesFile.
    std::string tables;
    // A city database of IPv6 networks apart from city (DB-IP ships one per family); empty to
    // take the IPv6 networks of city itself.
    std::string city6;
    // The IPv6 AS table (CSV); empty to take the IPv6 part of providers when that is an ASN
    // database (an AS table in CSV covers IPv4 only).
    std::string providers6;
};

struct UserDatabase {
    std::vector<dbwriter::Range> ranges;
    std::vector<std::uint8_t> image;
    // The coverage report.
    std::string report;
};

// Reads the sources, runs the pipeline, lays out the database and checks it against every rule
// of the format. False with file set to the source at fault (empty when none is) and error to
// what is wrong. Progress goes to standard error.
bool BuildUserDatabase(const UserSources& sources, UserDatabase& out, std::string& file,
                       std::string& error);

struct UserDatabase6 {
    // Empty when the sources hold no IPv6 network: there is no region6.db to write.
    std::vector<std::uint8_t> image;
    // The sizes and the agreement with the sources; why there is no file when there is none.
    std::string report;
};

// Builds the image of region6.db from the IPv6 networks of the sources (city6, else city; the IPv4
// part of a file of both families and its aliases are left out, as ip2region.db answers them)
// under the same naming rules, and checks that the engine opens it. Succeeds with an empty image
// when there are no IPv6 networks. False with file and error set as BuildUserDatabase.
bool BuildUserDatabase6(const UserSources& sources, UserDatabase6& out, std::string& file,
                        std::string& error);

// The tables folder installed with the command: share/quorvane beside the folder of the running
// program (the same layout in the build tree).
std::string InstalledTablesFolder();

}  // namespace quorvane::dbbuild

#endif  // QUORVANE_TOOLS_DBBUILD_USER_DATABASE_H_
