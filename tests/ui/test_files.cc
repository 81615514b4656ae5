#include "tests/ui/test_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <iterator>

namespace quorvane::testing {

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-frame-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "mkdtemp failed";
    }
    m_dir = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::u16string ScratchDir::Wide(const std::string& name) const {
    return Widen(Path(name).string());
}

std::u16string Widen(const std::string& ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

std::vector<dbwriter::Range> SampleRanges() {
    return {
        {0x01000000u, 0x01FFFFFFu, "中国|0|广东省|广州市|电信"},
        {0x08080800u, 0x080808FFu, "美国|0|加利福尼亚|山景城|谷歌"},
        {0x0A000000u, 0x0AFFFFFFu, "0|0|0|内网IP|内网IP"},
    };
}

std::vector<dbwriter::Range> OneTextRanges(const std::string& text) {
    return {{0u, 0xFFFFFFFFu, text}};
}

void MakeDatabase(const std::filesystem::path& path, const std::vector<dbwriter::Range>& ranges) {
    dbwriter::BuildOptions options;
    options.fillText = "0|0|0|0|0";
    std::string error;
    ASSERT_TRUE(dbwriter::WriteDatabase(ranges, options, path.string(), error)) << error;
}

}  // namespace quorvane::testing
