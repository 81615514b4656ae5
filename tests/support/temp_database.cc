#include "tests/support/temp_database.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <utility>

namespace quorvane::test {

using dbwriter::BuildDatabase;

TempDatabase::TempDatabase(const std::vector<Range>& ranges, const BuildOptions& options) {
    std::vector<std::uint8_t> image;
    if (BuildDatabase(ranges, options, image, m_error)) {
        WriteImage(image);
    }
}

TempDatabase TempDatabase::FromImage(const std::vector<std::uint8_t>& image) {
    TempDatabase database;
    database.WriteImage(image);
    return database;
}

TempDatabase::~TempDatabase() {
    Remove();
}

TempDatabase::TempDatabase(TempDatabase&& other) noexcept
    : m_path(std::exchange(other.m_path, {})), m_error(std::move(other.m_error)) {}

TempDatabase& TempDatabase::operator=(TempDatabase&& other) noexcept {
    if (this != &other) {
        Remove();
        m_path = std::exchange(other.m_path, {});
        m_error = std::move(other.m_error);
    }
    return *this;
}

void TempDatabase::WriteImage(const std::vector<std::uint8_t>& image) {
    std::string name;
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100 && name.empty() && !error; ++attempt) {
        const std::filesystem::path candidate = folder / ("quorvane-" + std::to_string(random()) +
                                                          "-" + std::to_string(counter++) + ".db");
        if (!std::filesystem::exists(candidate, error)) {
            name = candidate.string();
        }
    }
    if (name.empty()) {
        m_error = "cannot choose a temporary file name: " + error.message();
        return;
    }
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    out.close();
    if (out.fail()) {
        m_error = "cannot write " + name;
        std::filesystem::remove(name, error);
        return;
    }
    m_path = std::move(name);
}

void TempDatabase::Remove() {
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
        m_path.clear();
    }
}

}  // namespace quorvane::test
