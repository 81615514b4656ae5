#include "tests/ui/test_files.h"

#include <gtest/gtest.h>

namespace quorvane::test {

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

}  // namespace quorvane::test
