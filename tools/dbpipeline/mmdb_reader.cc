#include "tools/dbpipeline/mmdb_reader.h"

#include <cstring>
#include <utility>

namespace quorvane::dbpipeline {

namespace {

constexpr std::uint8_t kMetadataMarker[] = {0xAB, 0xCD, 0xEF, 'M', 'a', 'x', 'M',
                                            'i',  'n',  'd',  '.', 'c', 'o', 'm'};
// Nested containers deeper than this are treated as malformed rather than recursed into.
constexpr int kMaxDepth = 32;
// Added to the depth of a stack entry that is a leaf record rather than a node.
constexpr int kLeafMark = 256;
// Pointers let small data expand without bound (a map whose entries all point at one large map,
// nested); a record of the pipeline's sources holds a few hundred values.
constexpr std::size_t kMaxDecodedValues = 100000;

enum Type : int {
    kExtended = 0,
    kPointer = 1,
    kUtf8 = 2,
    kDouble = 3,
    kBytes = 4,
    kUint16 = 5,
    kUint32 = 6,
    kMap = 7,
    kInt32 = 8,
    kUint64 = 9,
    kUint128 = 10,
    kArray = 11,
    kContainer = 12,
    kEndMarker = 13,
    kBoolean = 14,
    kFloat = 15,
};

// The most bytes a number of the type may take.
std::size_t MaxNumberSize(int type) {
    switch (type) {
        case kUint16:
            return 2;
        case kFloat:
        case kInt32:
        case kUint32:
            return 4;
        case kUint128:
            return 16;
        default:  // double, uint64
            return 8;
    }
}

// Joins neighbouring networks with the same record into one block, handing each block to sink
// once the next one no longer joins it (the last one at Flush).
template <typename Address, typename Block>
class BlockJoiner {
  public:
    explicit BlockJoiner(const std::function<void(const Block&)>& sink) : m_sink(sink) {}

    void Add(Address start, Address end, std::uint32_t dataOffset) {
        if (m_have && m_block.dataOffset == dataOffset && m_block.end + 1 == start) {
            m_block.end = end;
            return;
        }
        Flush();
        m_block = {start, end, dataOffset};
        m_have = true;
    }

    void Flush() {
        if (m_have) {
            m_sink(m_block);
        }
        m_have = false;
    }

  private:
    const std::function<void(const Block&)>& m_sink;
    Block m_block;
    bool m_have = false;
};

}  // namespace

struct MmdbReader::Value {
    int type = 0;
    std::string text;
    std::uint64_t number = 0;
    // Maps only, key i naming value i. Two vectors rather than one of pairs: a pair needs Value
    // complete where a vector of Value does not.
    std::vector<std::string> keys;
    std::vector<Value> values;
};

MmdbReader::MmdbReader(std::vector<std::uint8_t> image) : m_image(std::move(image)) {}

bool MmdbReader::Open(std::string& error) {
    // The marker is searched from the end: the format puts the metadata last.
    const std::size_t markerSize = sizeof kMetadataMarker;
    if (m_image.size() < markerSize) {
        error = "file too small";
        return false;
    }
    std::size_t found = std::string::npos;
    for (std::size_t i = m_image.size() - markerSize + 1; i-- > 0;) {
        if (std::memcmp(&m_image[i], kMetadataMarker, markerSize) == 0) {
            found = i;
            break;
        }
    }
    if (found == std::string::npos) {
        error = "no metadata marker";
        return false;
    }
    // Metadata is decoded with m_dataStart = its own start, so pointers in it (if any) resolve
    // within it.
    m_dataStart = found + markerSize;
    m_dataEnd = m_image.size();
    std::size_t pos = m_dataStart;
    Value meta;
    std::size_t budget = kMaxDecodedValues;
    if (!Decode(pos, meta, 0, budget, error)) {
        return false;
    }
    if (meta.type != kMap) {
        error = "metadata is not a map";
        return false;
    }
    for (std::size_t i = 0; i < meta.keys.size(); ++i) {
        const std::string& key = meta.keys[i];
        const Value& value = meta.values[i];
        if (key == "node_count") {
            m_nodeCount = static_cast<std::uint32_t>(value.number);
        } else if (key == "record_size") {
            m_recordSize = static_cast<std::uint32_t>(value.number);
        } else if (key == "ip_version") {
            m_ipVersion = static_cast<std::uint32_t>(value.number);
        } else if (key == "build_epoch") {
            m_buildEpoch = value.number;
        } else if (key == "database_type") {
            m_databaseType = value.text;
        }
    }
    if (m_recordSize != 24 && m_recordSize != 28 && m_recordSize != 32) {
        error = "unsupported record size " + std::to_string(m_recordSize);
        return false;
    }
    if (m_ipVersion != 4 && m_ipVersion != 6) {
        error = "unsupported ip_version " + std::to_string(m_ipVersion);
        return false;
    }
    const std::uint64_t treeSize = std::uint64_t{m_recordSize} * 2 / 8 * m_nodeCount;
    if (treeSize + 16 > found) {
        error = "search tree runs past the metadata";
        return false;
    }
    m_dataStart = static_cast<std::size_t>(treeSize) + 16;
    m_dataEnd = found;
    return true;
}

bool MmdbReader::ReadNodeRecord(std::uint32_t node, int bit, std::uint32_t& record) const {
    const std::size_t nodeBytes = m_recordSize / 4;
    const std::size_t at = std::size_t{node} * nodeBytes;
    if (node >= m_nodeCount || at + nodeBytes > m_image.size()) {
        return false;
    }
    const std::uint8_t* p = &m_image[at];
    switch (m_recordSize) {
        case 24:
            p += bit * 3;
            record = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
            break;
        case 28:
            if (bit == 0) {
                record = (std::uint32_t{p[3] & 0xF0u} << 20) | (std::uint32_t{p[0]} << 16) |
                         (std::uint32_t{p[1]} << 8) | p[2];
            } else {
                record = (std::uint32_t{p[3] & 0x0Fu} << 24) | (std::uint32_t{p[4]} << 16) |
                         (std::uint32_t{p[5]} << 8) | p[6];
            }
            break;
        default:
            p += bit * 4;
            record = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) |
                     (std::uint32_t{p[2]} << 8) | p[3];
            break;
    }
    return true;
}

bool MmdbReader::ForEachIpv4Block(const std::function<void(const MmdbBlock&)>& sink,
                                  std::string& error) {
    std::uint32_t root = 0;
    // In a tree that also holds IPv6, IPv4 lives under ::/96: follow 96 zero bits first.
    if (m_ipVersion == 6) {
        if (!FindIpv4Root(root, error)) {
            return false;
        }
        if (root >= m_nodeCount) {
            return true;  // the whole IPv4 space is one record; treated as no data
        }
    }
    return WalkBlocks<std::uint32_t, MmdbBlock>(root, sink, error);
}

bool MmdbReader::ForEachIpv6Block(const std::function<void(const MmdbBlock6&)>& sink,
                                  std::string& error) {
    if (m_ipVersion != 6) {
        error = "not an IPv6 tree";
        return false;
    }
    std::uint32_t ipv4Root = 0;
    if (!FindIpv4Root(ipv4Root, error)) {
        return false;
    }
    // A leaf there is a data record other blocks may share, not a subtree to leave out.
    return WalkBlocks<Address6, MmdbBlock6>(0, sink, error, ipv4Root < m_nodeCount ? ipv4Root : 0);
}

bool MmdbReader::FindIpv4Root(std::uint32_t& root, std::string& error) const {
    root = 0;
    for (int i = 0; i < 96 && root < m_nodeCount; ++i) {
        if (!ReadNodeRecord(root, 0, root)) {
            error = "node past the end of the tree";
            return false;
        }
    }
    return true;
}

bool MmdbReader::ReadNode(std::uint32_t node, std::uint32_t records[2], std::string& error) const {
    if (!ReadNodeRecord(node, 0, records[0]) || !ReadNodeRecord(node, 1, records[1])) {
        error = "node past the end of the tree";
        return false;
    }
    return true;
}

template <typename Address, typename Block>
bool MmdbReader::WalkBlocks(std::uint32_t root, const std::function<void(const Block&)>& sink,
                            std::string& error, std::uint32_t skipped) {
    constexpr int kBits = sizeof(Address) * 8;
    constexpr Address kAll = ~Address{0};
    struct Pending {
        std::uint32_t node;
        Address prefix;
        int depth;
    };
    std::vector<Pending> stack{{root, 0, 0}};
    std::uint64_t expanded = 0;
    BlockJoiner<Address, Block> blocks(sink);
    while (!stack.empty()) {
        const Pending cur = stack.back();
        stack.pop_back();
        if (cur.depth >= kLeafMark) {
            // A leaf: no data (equal to node_count) or a pointer into the data section.
            if (cur.node > m_nodeCount) {
                if (std::size_t{cur.node} - m_nodeCount - 16 >= m_dataEnd - m_dataStart) {
                    error = "data pointer past the data section";
                    return false;
                }
                const int depth = cur.depth - kLeafMark;
                const Address end = cur.prefix | (depth == kBits ? Address{0} : (kAll >> depth));
                blocks.Add(cur.prefix, end, cur.node - m_nodeCount - 16);
            }
            continue;
        }
        const int depth = cur.depth + 1;
        if (depth > kBits) {
            error = "tree deeper than the address";
            return false;
        }
        // In a tree every node is reached once; shared nodes would make the walk exponential
        // (2^32 paths through one node per level).
        if (++expanded > m_nodeCount) {
            error = "tree shares nodes";
            return false;
        }
        std::uint32_t records[2];
        if (!ReadNode(cur.node, records, error)) {
            return false;
        }
        const Address childStart[2] = {cur.prefix, cur.prefix | (Address{1} << (kBits - depth))};
        // The right child goes on the stack first so that the lower addresses come out first
        // and blocks are produced in ascending order.
        for (int bit = 1; bit >= 0; --bit) {
            if (records[bit] != skipped || skipped == 0) {
                const bool leaf = records[bit] >= m_nodeCount;
                stack.push_back({records[bit], childStart[bit], leaf ? depth + kLeafMark : depth});
            }
        }
    }
    blocks.Flush();
    return true;
}

bool MmdbReader::Need(std::size_t pos, std::size_t n, std::string& error) const {
    if (pos + n > m_dataEnd) {
        error = "data runs past its section";
        return false;
    }
    return true;
}

bool MmdbReader::Decode(std::size_t& pos, Value& out, int depth, std::size_t& budget,
                        std::string& error) const {
    if (depth > kMaxDepth) {
        error = "data nested too deeply";
        return false;
    }
    if (!Need(pos, 1, error)) {
        return false;
    }
    const std::uint8_t ctrl = m_image[pos++];
    if (ctrl >> 5 == kPointer) {
        return FollowPointer(pos, ctrl, out, depth, budget, error);
    }
    int type = 0;
    std::size_t size = 0;
    if (!ReadTypeAndSize(pos, ctrl, type, size, error)) {
        return false;
    }
    if (budget == 0) {
        error = "data record too large to decode";
        return false;
    }
    --budget;
    out.type = type;
    switch (type) {
        case kUtf8:
        case kBytes:
            if (!Need(pos, size, error)) {
                return false;
            }
            out.text.assign(reinterpret_cast<const char*>(&m_image[pos]), size);
            pos += size;
            return true;
        case kDouble:
        case kFloat:
        case kInt32:
        case kUint16:
        case kUint32:
        case kUint64:
        case kUint128:
            return DecodeNumber(pos, type, size, out, error);
        case kBoolean:
            out.number = size;
            return true;
        case kMap:
        case kArray:
            return DecodeContainer(pos, size, out, depth, budget, error);
        default:
            error = "unsupported data type " + std::to_string(type);
            return false;
    }
}

bool MmdbReader::FollowPointer(std::size_t& pos, std::uint8_t ctrl, Value& out, int depth,
                               std::size_t& budget, std::string& error) const {
    const int ss = (ctrl >> 3) & 3;
    const std::uint32_t vvv = ctrl & 7u;
    if (!Need(pos, static_cast<std::size_t>(ss) + 1, error)) {
        return false;
    }
    std::uint32_t target = 0;
    const std::uint8_t* b = &m_image[pos];
    switch (ss) {
        case 0:
            target = (vvv << 8) | b[0];
            break;
        case 1:
            target = 2048 + ((vvv << 16) | (std::uint32_t{b[0]} << 8) | b[1]);
            break;
        case 2:
            target = 526336 + ((vvv << 24) | (std::uint32_t{b[0]} << 16) |
                               (std::uint32_t{b[1]} << 8) | b[2]);
            break;
        default:
            target = (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) |
                     (std::uint32_t{b[2]} << 8) | b[3];
            break;
    }
    pos += static_cast<std::size_t>(ss) + 1;
    std::size_t at = m_dataStart + target;
    if (at >= m_dataEnd) {
        error = "pointer past the data section";
        return false;
    }
    // The format lets a pointer name any value but another pointer: chains of them would cost a
    // decode per link and could loop.
    if (m_image[at] >> 5 == kPointer) {
        error = "pointer to a pointer";
        return false;
    }
    return Decode(at, out, depth + 1, budget, error);
}

bool MmdbReader::ReadTypeAndSize(std::size_t& pos, std::uint8_t ctrl, int& type, std::size_t& size,
                                 std::string& error) const {
    type = ctrl >> 5;
    if (type == kExtended) {
        if (!Need(pos, 1, error)) {
            return false;
        }
        // Extended types start at 8; a type byte of 0 would spell a map, which has a code of its
        // own.
        if (m_image[pos] == 0) {
            error = "extended type 0";
            return false;
        }
        type = 7 + m_image[pos++];
    }
    size = ctrl & 0x1Fu;
    if (size >= 29) {
        const std::size_t extra = size - 28;
        if (!Need(pos, extra, error)) {
            return false;
        }
        std::size_t v = 0;
        for (std::size_t i = 0; i < extra; ++i) {
            v = (v << 8) | m_image[pos + i];
        }
        pos += extra;
        size = size == 29 ? 29 + v : size == 30 ? 285 + v : 65821 + v;
    }
    return true;
}

bool MmdbReader::DecodeNumber(std::size_t& pos, int type, std::size_t size, Value& out,
                              std::string& error) const {
    if (size > MaxNumberSize(type)) {
        error = "number wider than its type";
        return false;
    }
    if (!Need(pos, size, error)) {
        return false;
    }
    out.number = 0;
    for (std::size_t i = 0; i < size; ++i) {
        out.number = (out.number << 8) | m_image[pos + i];
    }
    pos += size;
    return true;
}

bool MmdbReader::DecodeContainer(std::size_t& pos, std::size_t size, Value& out, int depth,
                                 std::size_t& budget, std::string& error) const {
    // Every size is bounded by the bytes that remain: every map entry or array element needs at
    // least one control byte of its own (two for a map's key and value), so nothing is reserved
    // for data the file cannot hold.
    const bool map = out.type == kMap;
    if (size > (m_dataEnd - pos) / (map ? 2 : 1)) {
        error = map ? "map larger than its section" : "array larger than its section";
        return false;
    }
    if (map) {
        out.keys.reserve(size);
    }
    out.values.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        Value key;
        if (map) {
            if (!Decode(pos, key, depth + 1, budget, error)) {
                return false;
            }
        }
        Value value;
        if (!Decode(pos, value, depth + 1, budget, error)) {
            return false;
        }
        if (map && key.type != kUtf8) {
            error = "map key is not a string";
            return false;
        }
        if (map) {
            out.keys.push_back(std::move(key.text));
        }
        out.values.push_back(std::move(value));
    }
    return true;
}

bool MmdbReader::DecodeRecord(std::uint32_t dataOffset, Value& value, std::string& error) const {
    std::size_t pos = m_dataStart + dataOffset;
    if (pos >= m_dataEnd) {
        error = "data offset past the data section";
        return false;
    }
    std::size_t budget = kMaxDecodedValues;
    if (!Decode(pos, value, 0, budget, error)) {
        return false;
    }
    if (value.type != kMap) {
        error = "data record is not a map";
        return false;
    }
    return true;
}

bool MmdbReader::ReadFields(std::uint32_t dataOffset, bool nested,
                            std::map<std::string, std::string>& fields, std::string& error) const {
    fields.clear();
    Value value;
    if (!DecodeRecord(dataOffset, value, error)) {
        return false;
    }
    for (std::size_t i = 0; i < value.keys.size(); ++i) {
        if (nested || value.values[i].type == kUtf8) {
            Flatten(value.keys[i], value.values[i], fields);
        }
    }
    return true;
}

void MmdbReader::Flatten(const std::string& path, Value& value,
                         std::map<std::string, std::string>& fields) {
    if (value.type == kUtf8) {
        fields[path] = std::move(value.text);
        return;
    }
    for (std::size_t i = 0; i < value.values.size(); ++i) {
        const std::string key = value.type == kMap ? value.keys[i] : std::to_string(i);
        Flatten(path + '.' + key, value.values[i], fields);
    }
}

}  // namespace quorvane::dbpipeline
