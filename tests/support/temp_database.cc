#include "tests/support/temp_database.h"

#include <exception>
#include <stdexcept>
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

void WriteRegion6File(const std::filesystem::path& path,
                      const std::vector<dbwriter::Range6>& ranges) {
    std::vector<std::uint8_t> image;
    std::string error;
    if (!dbwriter::BuildRegion6(ranges, image, error, 3)) {
        throw std::runtime_error("region6.db not built: " + error);
    }
    WriteBytes(path, Bytes(image));
}

std::vector<dbwriter::Range6> SampleRanges6() {
    constexpr std::uint64_t kAll = UINT64_MAX;
    return {
        {{0, 0x0000FFFF00000000u}, {0, 0x0000FFFFFFFFFFFFu}, "映射|0|0|0|0"},
        {{0x20010DB800000000u, 0}, {0x20010DB8FFFFFFFFu, kAll}, "文档|0|0|0|示例"},
        {{0x240E000000000000u, 0}, {0x240E0FFFFFFFFFFFu, kAll}, "中国|0|广东省|深圳市|电信"},
    };
}

}  // namespace quorvane::test
