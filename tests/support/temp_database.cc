#include "tests/support/temp_database.h"

#include <exception>
#include <string_view>
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

TempDatabase::TempDatabase(TempDatabase&& other) noexcept
    : m_dir(std::move(other.m_dir)),
      m_path(std::exchange(other.m_path, {})),
      m_error(std::move(other.m_error)) {}

TempDatabase& TempDatabase::operator=(TempDatabase&& other) noexcept {
    m_dir = std::move(other.m_dir);
    m_path = std::exchange(other.m_path, {});
    m_error = std::move(other.m_error);
    return *this;
}

namespace {

std::string_view Bytes(const std::vector<std::uint8_t>& image) {
    return std::string_view(reinterpret_cast<const char*>(image.data()), image.size());
}

}  // namespace

void TempDatabase::WriteImage(const std::vector<std::uint8_t>& image) {
    try {
        m_path = m_dir.Write("ip2region.db", Bytes(image));
    } catch (const std::exception& error) {
        m_error = error.what();
    }
}

void TempDatabase::Rewrite(const std::vector<std::uint8_t>& image) const {
    WriteBytes(m_path, Bytes(image));
}

}  // namespace quorvane::test
