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

    // ForEachIpv4Block over the whole tree of an IPv6 file (ip_version 6), in IPv6 addresses,
    // leaving out the IPv4 part: the subtree at ::/96 (the node reached by 96 zero bits) and
    // every other path to that node. Files of both families point ::ffff:0:0/96 (IPv4-mapped)
    // and 2002::/16 (6to4) at it, so those addresses carry the IPv4 answers, which ip2region.db
    // gives; walking them would repeat the IPv4 data three times over. A file of IPv6 data only
    // has no node there, and nothing is left out. False with error set on a malformed tree or an
    // IPv4 file. A tree whose paths reach nodes more often than it has nodes (shared other than
    // as above) is refused as malformed.
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
    bool HoldsIpv6() const { return m_ipVersion == 6; }
    std::uint64_t BuildEpoch() const { return m_buildEpoch; }
    const std::string& DatabaseType() const { return m_databaseType; }

  private:
    struct Value;
    // Decodes the value at pos into out and moves pos past it. budget: how many more values this
    // record may decode (pointers can repeat data).
    bool Decode(std::size_t& pos, Value& out, int depth, std::size_t& budget,
                std::string& error) const;
    // False, with the error, when n bytes from pos run past the data section.
    bool Need(std::size_t pos, std::size_t n, std::string& error) const;
    // Decode's steps after the control byte ctrl: a pointer's target value; the type and size
    // (extended type and size bytes read from pos); a number's bytes; a map's entries or an
    // array's elements (out.type says which).
    bool FollowPointer(std::size_t& pos, std::uint8_t ctrl, Value& out, int depth,
                       std::size_t& budget, std::string& error) const;
    bool ReadTypeAndSize(std::size_t& pos, std::uint8_t ctrl, int& type, std::size_t& size,
                         std::string& error) const;
    bool DecodeNumber(std::size_t& pos, int type, std::size_t size, Value& out,
                      std::string& error) const;
    bool DecodeContainer(std::size_t& pos, std::size_t size, Value& out, int depth,
                         std::size_t& budget, std::string& error) const;
    // Decodes the record at dataOffset, which must be a map.
    bool DecodeRecord(std::uint32_t dataOffset, Value& value, std::string& error) const;
    // The record's top-level strings, and with nested set every string below them too.
    bool ReadFields(std::uint32_t dataOffset, bool nested,
                    std::map<std::string, std::string>& fields, std::string& error) const;
    static void Flatten(const std::string& path, Value& value,
                        std::map<std::string, std::string>& fields);
    bool ReadNodeRecord(std::uint32_t node, int bit, std::uint32_t& record) const;
    // Both records of node.
    bool ReadNode(std::uint32_t node, std::uint32_t records[2], std::string& error) const;
    // The record reached from the root by 96 zero bits: the IPv4 subtree's node when it is below
    // node_count. Meaningful in an IPv6 tree only.
    bool FindIpv4Root(std::uint32_t& root, std::string& error) const;
    // Walks the tree below root in ascending address order, joining neighbouring networks with
    // the same record into one block. Every path to node skipped (unless 0, the root) is left
    // out.
    template <typename Address, typename Block>
    bool WalkBlocks(std::uint32_t root, const std::function<void(const Block&)>& sink,
                    std::string& error, std::uint32_t skipped = 0);

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
