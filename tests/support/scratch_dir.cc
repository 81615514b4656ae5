#include "tests/support/scratch_dir.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace quorvane::test {
namespace {

std::filesystem::path FromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace

ScratchDir::ScratchDir(std::string_view prefix) {
    // A folder that did not exist before is ours alone: creating it is the exclusive step.
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path candidate = folder / FromUtf8(prefix);
        candidate += "-" + std::to_string(random()) + "-" + std::to_string(counter++);
        if (std::filesystem::create_directory(candidate)) {
            m_dir = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot make a scratch folder in " + folder.string());
}

ScratchDir::~ScratchDir() {
    Remove();
}

ScratchDir::ScratchDir(ScratchDir&& other) noexcept : m_dir(std::exchange(other.m_dir, {})) {}

ScratchDir& ScratchDir::operator=(ScratchDir&& other) noexcept {
    if (this != &other) {
        Remove();
        m_dir = std::exchange(other.m_dir, {});
    }
    return *this;
}

void ScratchDir::Remove() noexcept {
    if (!m_dir.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }
}

std::filesystem::path ScratchDir::Path(std::string_view name) const {
    return m_dir / FromUtf8(name);
}

std::u16string ScratchDir::Wide(std::string_view name) const {
    return Path(name).u16string();
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
    if (out.fail()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace quorvane::test
