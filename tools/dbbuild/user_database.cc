#include "tools/dbbuild/user_database.h"

#include <filesystem>

#include "tools/dbcheck/db_check.h"
#include "tools/dbpipeline/build_ranges.h"

namespace quorvane::dbbuild {

namespace {

bool LoadSources(const UserSources& paths, dbpipeline::PipelineSources& sources, std::string& file,
                 std::string& error) {
    file = paths.tables + "/" + kCountryNamesFile;
    if (!dbpipeline::LoadCountryNames(file, sources.countryNames, error)) {
        return false;
    }
    file = paths.tables + "/" + kPlaceTableFile;
    if (!dbpipeline::LoadPlaceTable(file, sources.cityTable, error)) {
        return false;
    }
    file = paths.providers;
    if (!file.empty() && !dbpipeline::LoadProviders(file, sources.asn, error)) {
        return false;
    }
    file = paths.city;
    return dbpipeline::LoadMmdb(file, sources.cities, error);
}

}  // namespace

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
