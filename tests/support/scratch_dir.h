// A private folder for tests and benchmarks that read and write real files, and whole-file
// helpers. The one place that makes temporary files: everything else asks it for a path.
#ifndef QUORVANE_TESTS_SUPPORT_SCRATCH_DIR_H_
#define QUORVANE_TESTS_SUPPORT_SCRATCH_DIR_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane::test {

// A fresh folder of its own under $TMPDIR (or /tmp; %TEMP% on Windows), removed with everything in
// it when the object goes. prefix is UTF-8 and may hold characters of any script, so a test can
// put a path outside the narrow character set under the code it checks.
// Throws std::runtime_error, which fails the test, when the folder cannot be made.
class ScratchDir {
  public:
    explicit ScratchDir(std::string_view prefix = "quorvane-test");
    ~ScratchDir();
    // A moved-from folder is empty and removes nothing.
    ScratchDir(ScratchDir&& other) noexcept;
    ScratchDir& operator=(ScratchDir&& other) noexcept;
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Dir() const { return m_dir; }
    // name (UTF-8) inside the folder; nothing is created.
    std::filesystem::path Path(std::string_view name) const;
    // The same path as the UTF-16 text a window hands over.
    std::u16string Wide(std::string_view name) const;
    // Replaces name's content with bytes and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const;

  private:
    void Remove() noexcept;

    std::filesystem::path m_dir;
};

// Each byte of ascii as one UTF-16 unit.
std::u16string Widen(std::string_view ascii);
// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
// Replaces the file's content with bytes (the same file: a handle open on it sees the new bytes).
// Throws std::runtime_error, which fails the test, when the write fails.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_SCRATCH_DIR_H_
