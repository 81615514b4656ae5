// A reader of our own for MaxMind DB files: only what the pipeline needs, namely the IPv4 or IPv6
// search tree walked in address order and the string fields of each network's data map.
#ifndef QUORVANE_TOOLS_DBPIPELINE_MMDB_READER_H_
#define QUORVANE_TOOLS_DBPIPELINE_MMDB_READER_H_

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quorvane::dbpipeline {

// One block of IPv4 addresses [start, end] whose data record starts at dataOffset (relative to
// the data section). Blocks come in ascending order and never overlap; addresses without data
// appear in no block.
struct MmdbBlock {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t dataOffset = 0;
};

// An IPv6 address as one number (the pipeline is built with GCC or Clang only).
using Address6 = unsigned __int128;

// One block of IPv6 addresses, as MmdbBlock.
struct MmdbBlock6 {
    Address6 start = 0;
    Address6 end = 0;
    std::uint32_t dataOffset = 0;
};

class MmdbReader {
  public:
    // Takes the whole file image. Call Open before anything else.
    explicit MmdbReader(std::vector<std::uint8_t> image);

    // Parses the metadata. False with error set when the file is not a MaxMind DB we can read
    // (unknown record size, tree or data section past the end of the image).
    bool Open(std::string& error);

    // Walks the IPv4 part of the tree in ascending address order and calls sink for every block
    // (adjacent networks with the same data record are joined into one block). False with error
    // set on a malformed tree.
    // REQUIRES: Open succeeded.
    bool ForEachIpv4Block(const std::function<void(const MmdbBlock&)>& sink, std::string& error);

    // ForEachIpv4Block over the whole tree of an IPv6 file (ip_version 6), in IPv6 addresses.
    // False with error set on a malformed tree or an IPv4 file. A tree that reaches one node by two
    // paths (IPv4 aliases) is refused as malformed.
    // REQUIRES: Open succeeded.
    bool ForEachIpv6Block(const std::function<void(const MmdbBlock6&)>& sink, std::string& error);

    // Decodes the map at dataOffset and returns its top-level string values by key (numbers,
    // nested maps and arrays are skipped). False with error set on malformed data: a size larger
    // than the bytes left, a number wider than its type, a pointer to a pointer, extended type 0,
    // or more than 100,000 values reached through pointers. Never reserves memory for more than
    // the file can hold.
    // REQUIRES: Open succeeded.
    bool ReadStringFields(std::uint32_t dataOffset, std::map<std::string, std::string>& fields,
                          std::string& error) const {
        return ReadFields(dataOffset, false, fields, error);
    }

    // Decodes the map at dataOffset like ReadStringFields, but every string however deep, keyed
    // by its path: map keys and array indexes joined by '.' ("country.iso_code",
    // "subdivisions.0.names.zh-CN"). False with error set as ReadStringFields.
    // REQUIRES: Open succeeded.
    bool ReadFlattenedFields(std::uint32_t dataOffset, std::map<std::string, std::string>& fields,
                             std::string& error) const {
        return ReadFields(dataOffset, true, fields, error);
    }

    // Metadata values, valid after Open.
    std::uint64_t BuildEpoch() const { return m_buildEpoch; }
    const std::string& DatabaseType() const { return m_databaseType; }

  private:
    struct Value;
    // budget: how many more values this record may decode (pointers can repeat data).
    bool Decode(std::size_t& pos, Value& out, int depth, std::size_t& budget,
                std::string& error) const;
    // Decodes the record at dataOffset, which must be a map.
    bool DecodeRecord(std::uint32_t dataOffset, Value& value, std::string& error) const;
    // The record's top-level strings, and with nested set every string below them too.
    bool ReadFields(std::uint32_t dataOffset, bool nested,
                    std::map<std::string, std::string>& fields, std::string& error) const;
    static void Flatten(const std::string& path, Value& value,
                        std::map<std::string, std::string>& fields);
    bool ReadNodeRecord(std::uint32_t node, int bit, std::uint32_t& record) const;
    // Walks the tree below root in ascending address order, joining neighbouring networks with
    // the same record into one block.
    template <typename Address, typename Block>
    bool WalkBlocks(std::uint32_t root, const std::function<void(const Block&)>& sink,
                    std::string& error);

    std::vector<std::uint8_t> m_image;
    std::uint32_t m_nodeCount = 0;
    std::uint32_t m_recordSize = 0;
    std::uint32_t m_ipVersion = 0;
    std::uint64_t m_buildEpoch = 0;
    std::string m_databaseType;
    std::size_t m_dataStart = 0;
    std::size_t m_dataEnd = 0;
};

}  // namespace quorvane::dbpipeline

#endif  // QUORVANE_TOOLS_DBPIPELINE_MMDB_READER_H_
