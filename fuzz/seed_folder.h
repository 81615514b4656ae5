// Where a seed writer puts its seeds: the folder named by its one argument, one file per seed,
// "seed-0", "seed-1", ... in the order they are saved.
#ifndef QUORVANE_FUZZ_SEED_FOLDER_H_
#define QUORVANE_FUZZ_SEED_FOLDER_H_

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace quorvane::fuzz {

class SeedFolder {
  public:
    // Ok() is false, after a usage line on stderr, unless argv names exactly one folder.
    SeedFolder(int argc, char** argv) : m_ok(argc == 2) {
        if (m_ok) {
            m_folder = argv[1];
        } else {
            std::fprintf(stderr, "usage: %s FOLDER\n", argc > 0 ? argv[0] : "seeds");
        }
    }

    void Save(const std::vector<std::uint8_t>& input) {
        std::ofstream out(m_folder + "/seed-" + std::to_string(m_written++),
                          std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(input.data()),
                  static_cast<std::streamsize>(input.size()));
        m_ok = m_ok && static_cast<bool>(out);
    }

    // Whether the arguments were right and every seed was written whole.
    bool Ok() const { return m_ok; }

  private:
    std::string m_folder;
    int m_written = 0;
    bool m_ok;
};

}  // namespace quorvane::fuzz

#endif  // QUORVANE_FUZZ_SEED_FOLDER_H_
