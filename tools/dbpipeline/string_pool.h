// Interned strings: the pipeline handles every value as a small id, 0 being "no value".
#ifndef QUORVANE_TOOLS_DBPIPELINE_STRING_POOL_H_
#define QUORVANE_TOOLS_DBPIPELINE_STRING_POOL_H_

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorvane::dbpipeline {

class StringPool {
  public:
    StringPool() { m_strings.emplace_back(); }

    // The id of text, added on first sight; 0 for the empty text.
    std::uint32_t Intern(const std::string& text) {
        if (text.empty()) {
            return 0;
        }
        const auto [it, inserted] =
            m_ids.try_emplace(text, static_cast<std::uint32_t>(m_strings.size()));
        if (inserted) {
            m_strings.push_back(text);
        }
        return it->second;
    }

    // REQUIRES: id came from Intern.
    const std::string& Get(std::uint32_t id) const { return m_strings[id]; }

  private:
    std::vector<std::string> m_strings;
    std::unordered_map<std::string, std::uint32_t> m_ids;
};

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_STRING_POOL_H_
