#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace quorvane::test {

ScratchDir::ScratchDir(std::string_view prefix) {
    // A folder that did not exist before is ours alone: creating it is the exclusive step.
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate =
            folder / (std::string(prefix) + "-" + std::to_string(random()) + "-" +
                      std::to_string(counter++));
        if (std::filesystem::create_directory(candidate)) {
            m_dir = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot make a scratch folder in " + folder.string());
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_dir, ignored);
}

std::u16string ScratchDir::Wide(std::string_view name) const {
    return Widen(Path(name).string());
}

std::string ScratchDir::Write(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path path = Path(name);
    WriteBytes(path, bytes);
    return path.string();
}

std::u16string Widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    EXPECT_FALSE(out.fail()) << "cannot write " << path;
}

}  // namespace quorvane::test
