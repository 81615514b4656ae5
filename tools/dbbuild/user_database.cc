#include "tools/dbbuild/user_database.h"

#include <filesystem>
#include <optional>

#include "region6_search.h"
#include "tools/dbcheck/db_check.h"
#include "tools/dbpipeline/asn_mmdb.h"
#include "tools/dbpipeline/build_ranges.h"
#include "tools/dbpipeline/region6_pipeline.h"

namespace quorvane::dbbuild {

namespace {

bool LoadTables(const UserSources& paths, dbpipeline::PipelineSources& sources, std::string& file,
                std::string& error) {
    file = paths.tables + "/" + kCountryNamesFile;
    if (!dbpipeline::LoadCountryNames(file, sources.countryNames, error)) {
        return false;
    }
    file = paths.tables + "/" + kPlaceTableFile;
    return dbpipeline::LoadPlaceTable(file, sources.cityTable, error);
}

bool LoadSources(const UserSources& paths, dbpipeline::PipelineSources& sources, std::string& file,
                 std::string& error) {
    if (!LoadTables(paths, sources, file, error)) {
        return false;
    }
    file = paths.providers;
    if (!file.empty() && !dbpipeline::LoadProviders(file, sources.asn, error)) {
        return false;
    }
    file = paths.city;
    return dbpipeline::LoadMmdb(file, sources.cities, error);
}

// The IPv6 providers: the IPv6 AS table when one is given, else the IPv6 part of an ASN
// database given for both families. An AS table in CSV gives none: its rows are IPv4 numbers.
bool LoadProviders6(const UserSources& paths, std::vector<dbpipeline::AsnRange6>& asn,
                    std::string& file, std::string& error) {
    file = paths.providers6;
    if (!file.empty()) {
        return dbpipeline::LoadProviders6(file, asn, error);
    }
    file = paths.providers;
    std::optional<dbpipeline::MmdbReader> mmdb;
    if (file.empty() || !dbpipeline::LoadMmdb(file, mmdb, error)) {
        error.clear();
        return true;
    }
    return dbpipeline::ReadAsnMmdb6(*mmdb, asn, error);
}

// The IPv6 city source opened, and whether it holds any IPv6 network.
bool OpenCities6(const UserSources& paths, std::optional<dbpipeline::MmdbReader>& mmdb,
                 bool& holdsNetworks, std::string& file, std::string& error) {
    file = paths.city6.empty() ? paths.city : paths.city6;
    holdsNetworks = false;
    if (!dbpipeline::LoadMmdb(file, mmdb, error)) {
        return false;
    }
    if (!mmdb->HoldsIpv6()) {
        if (paths.city6.empty()) {
            return true;  // an IPv4 file: no IPv6 data, nothing wrong
        }
        error = "not a city database of IPv6 networks (ip_version 4)";
        return false;
    }
    return mmdb->ForEachIpv6Block([&](const dbpipeline::MmdbBlock6&) { holdsNetworks = true; },
                                  error);
}

}  // namespace

bool BuildUserDatabase6(const UserSources& paths, UserDatabase6& out, std::string& file,
                        std::string& error) {
    out = {};
    dbpipeline::PipelineSources sources;
    std::vector<dbpipeline::AsnRange6> asn;
    bool holdsNetworks = false;
    if (!LoadTables(paths, sources, file, error) || !LoadProviders6(paths, asn, file, error) ||
        !OpenCities6(paths, sources.cities, holdsNetworks, file, error)) {
        return false;
    }
    if (!holdsNetworks) {
        out.report = "no IPv6 networks in " + file + ": no region6.db\n";
        file.clear();
        return true;
    }
    const dbpipeline::Region6Sources sources6{&*sources.cities, &sources.countryNames,
                                              &sources.cityTable, &asn};
    if (!dbpipeline::BuildRegion6Image(sources6, out.image, out.report)) {
        error = "cannot build region6.db (the reason is above)";
        out.image.clear();
        return false;
    }
    file.clear();
    Region6Image db;
    const char* reason = nullptr;
    if (Region6Open(out.image.data(), out.image.size(), &db, &reason) == 0) {
        error = std::string("region6.db breaks its format: ") + reason;
        out.image.clear();
        return false;
    }
    return true;
}

bool BuildUserDatabase(const UserSources& paths, UserDatabase& out, std::string& file,
                       std::string& error) {
    dbpipeline::PipelineSources sources;
    if (!LoadSources(paths, sources, file, error)) {
        return false;
    }
    dbpipeline::PipelineSettings settings;
    settings.coarsen.weight = {0, kProvinceWeight, kCityWeight, kProviderWeight};
    settings.chinaFactor = kChinaFactor;
    dbpipeline::BuiltRanges built;
    if (!dbpipeline::BuildRanges(sources, settings, built, error)) {
        file = paths.city;
        return false;
    }
    file.clear();
    if (!dbwriter::BuildDatabase(built.ranges, dbwriter::BuildOptions{}, out.image, error)) {
        return false;
    }
    const dbcheck::CheckResult check = dbcheck::CheckImage(out.image);
    if (!check.Valid()) {
        error = "the database breaks its format: " + check.errors.front();
        return false;
    }
    out.ranges = std::move(built.ranges);
    out.report = std::move(built.report);
    return true;
}

std::string InstalledTablesFolder() {
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) {
        return "share/quorvane";
    }
    return (program.parent_path().parent_path() / "share" / "quorvane").string();
}

}  // namespace quorvane::dbbuild
