// A small JSON reader over a text held in memory: just enough for the locale files of country
// names (objects, strings and lists of strings; other values are skipped). The one JSON route of
// the tools: quorvane-dbbuild reads the shipped countries-zh.json on machines without Node.
#ifndef QUORVANE_TOOLS_DBPIPELINE_JSON_READER_H_
#define QUORVANE_TOOLS_DBPIPELINE_JSON_READER_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace quorvane::dbpipeline {

class JsonReader {
  public:
    explicit JsonReader(std::string text) : m_text(std::move(text)) {}

    // Reads an object: for each member, reads its key and calls member(key), which must read
    // the value (with any of the Read or Skip calls) and return false on failure.
    // Every call here returns false with error "... at byte N" on malformed JSON.
    bool ReadObject(const std::function<bool(const std::string& key)>& member, std::string& error);

    // Reads a string, decoding its escapes (a \u escape may pair with the next into a
    // character beyond U+FFFF) into UTF-8.
    bool ReadString(std::string& out, std::string& error);

    // Reads a string, or a list of strings and keeps the first.
    bool ReadFirstString(std::string& out, std::string& error);

    // Reads any value and drops it.
    bool SkipValue(std::string& error);

  private:
    char Peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    void SkipSpace();
    bool Expect(char c, std::string& error);
    bool Fail(std::string& error, const std::string& what) const;
    bool ReadHex4(std::uint32_t& value, std::string& error);
    // Reads a list, calling item for each element.
    bool ReadList(const std::function<bool()>& item, std::string& error);

    std::string m_text;
    std::size_t m_pos = 0;
};

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_JSON_READER_H_
