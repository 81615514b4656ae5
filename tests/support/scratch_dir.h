// A private folder for tests that read and write real files, and whole-file helpers.
#ifndef QUORVANE_TESTS_SUPPORT_SCRATCH_DIR_H_
#define QUORVANE_TESTS_SUPPORT_SCRATCH_DIR_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvane::test {

// A fresh folder of its own under $TMPDIR (or /tmp; %TEMP% on Windows), removed with everything in
// it when the object goes. Throws std::runtime_error, which fails the test, when it cannot be made.
class ScratchDir {
  public:
    explicit ScratchDir(std::string_view prefix = "quorvane-test");
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Dir() const { return m_dir; }
    // name inside the folder; nothing is created.
    std::filesystem::path Path(std::string_view name) const { return m_dir / name; }
    // The same path as the UTF-16 text a window hands over (ASCII paths only).
    std::u16string Wide(std::string_view name) const;
    // Replaces name's content with bytes and returns its path.
    std::string Write(std::string_view name, std::string_view bytes) const;

  private:
    std::filesystem::path m_dir;
};

// Each byte of ascii as one UTF-16 unit.
std::u16string Widen(std::string_view ascii);
// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
// Replaces the file's content with bytes; a write that fails fails the current test.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quorvane::test

#endif  // QUORVANE_TESTS_SUPPORT_SCRATCH_DIR_H_
