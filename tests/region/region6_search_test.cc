// The region6.db reader and writer together: what the writer lays out the reader finds, address
// by address, singly and many at once; and the reader's check refuses every broken layout
// before a search could read outside the file.
#include "region6_search.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "region6_format.h"
#include "tests/support/region6_memory_source.h"
#include "tools/dbwriter/region6_writer.h"

namespace quorvane::test {
namespace {

using dbwriter::Range6;
using namespace format6;

constexpr std::uint64_t kMax = UINT64_MAX;

bool AtOrBelow(const Region6Address& a, const Region6Address& b) {
    return a.high < b.high || (a.high == b.high && a.low <= b.low);
}

std::vector<std::uint8_t> Build(const std::vector<Range6>& ranges,
                                std::uint32_t blockBits = kRegion6BlockBits) {
    std::vector<std::uint8_t> image;
    std::string error;
    EXPECT_TRUE(dbwriter::BuildRegion6(ranges, image, error, blockBits)) << error;
    return image;
}

// The text the file gives address, or nullopt; opened on an exact-size copy so that
// AddressSanitizer catches any read past the end. Every search is also made in a compact copy of
// the file (in a block of exactly its size) and in the copy Region6Load makes by sections, which
// must answer the same; Region6Load must refuse exactly what Region6Open refuses, saying the same.
class Opened {
  public:
    explicit Opened(const std::vector<std::uint8_t>& image)
        : m_copy(image.begin(), image.end()),
          m_ok(Region6Open(m_copy.data(), m_copy.size(), &m_db, &m_reason) != 0) {
        const char* loadReason = nullptr;
        unsigned char* loaded = nullptr;
        const int status = Region6Load(ReadFromVector, &m_copy, m_copy.size(), Allocate, &loaded,
                                       &m_loaded, &loadReason);
        m_loadedBlock.reset(loaded);
        EXPECT_EQ(status, m_ok ? kRegion6Loaded : kRegion6Invalid)
            << (loadReason ? loadReason : "");
        EXPECT_EQ(loaded != nullptr, m_ok);
        if (!m_ok) {
            EXPECT_STREQ(loadReason, m_reason);
        }
        if (m_ok) {
            m_block.resize(Region6CompactSize(&m_db));
            Region6Compact(&m_db, m_block.data(), &m_compact);
        }
    }

    bool Ok() const { return m_ok; }
    const char* Reason() const { return m_reason; }
    const Region6Image& Db() const { return m_db; }

    std::optional<std::string> Find(Region6Address address) const {
        const std::uint32_t record = Region6FindRecord(&m_db, address);
        EXPECT_EQ(Region6FindRecord(&m_compact, address), record)
            << std::hex << address.high << ":" << address.low;
        EXPECT_EQ(Region6FindRecord(&m_loaded, address), record)
            << std::hex << address.high << ":" << address.low;
        return TextOf(record);
    }

    std::optional<std::string> TextOf(std::uint32_t record) const {
        if (record == REGION6_NO_RECORD) {
            return std::nullopt;
        }
        std::size_t length = 0;
        const unsigned char* text = Region6RecordText(&m_db, record, &length);
        return std::string(reinterpret_cast<const char*>(text), length);
    }

  private:
    std::vector<unsigned char> m_copy;
    std::vector<unsigned char> m_block;
    std::unique_ptr<unsigned char, decltype(&std::free)> m_loadedBlock{nullptr, &std::free};
    Region6Image m_db{};
    Region6Image m_compact{};
    Region6Image m_loaded{};
    const char* m_reason = nullptr;
    bool m_ok;
};

// The answer a plain scan of the ranges gives.
std::optional<std::string> Expected(const std::vector<Range6>& ranges, Region6Address address) {
    for (const Range6& r : ranges) {
        if (AtOrBelow(r.start, address) && AtOrBelow(address, r.end)) {
            return r.text;
        }
    }
    return std::nullopt;
}

const std::vector<Range6> kSample = {
    {{0, 1}, {0, 1}, "本机地址"},
    {{0x2001000000000000, 0}, {0x2001000000000000, 0xFF}, "美国|0|加利福尼亚|洛杉矶|Example"},
    {{0x2001000000000000, 0x100}, {0x20010001FFFFFFFF, kMax}, "美国|0|加利福尼亚|洛杉矶|Example"},
    {{0x2400000000000000, 0}, {0x2400FFFFFFFFFFFF, kMax}, "中国|0|广东省|深圳市|电信"},
    {{0x2401000000000000, 0}, {0x2401000000000000, 0}, ""},
    {{0xFFFF000000000000, 0}, {kMax, kMax}, "last"},
};

TEST(Region6Test, FindsEveryRangeAtItsEdgesAndNothingInTheGaps) {
    const Opened db(Build(kSample));
    ASSERT_TRUE(db.Ok()) << db.Reason();
    // The two ranges with one text next to each other became one; the gaps are ranges too.
    EXPECT_EQ(db.Db().record_count, 5u);
    EXPECT_EQ(db.Db().range_count, 9u);
    EXPECT_EQ(db.Find({0, 0}), std::nullopt);
    EXPECT_EQ(db.Find({0, 1}), "本机地址");
    EXPECT_EQ(db.Find({0, 2}), std::nullopt);
    EXPECT_EQ(db.Find({0x2001000000000000, 0}), kSample[1].text);
    EXPECT_EQ(db.Find({0x2001000000000000, 0x100}), kSample[1].text);
    EXPECT_EQ(db.Find({0x20010001FFFFFFFF, kMax}), kSample[1].text);
    EXPECT_EQ(db.Find({0x2001000200000000, 0}), std::nullopt);
    EXPECT_EQ(db.Find({0x23FFFFFFFFFFFFFF, kMax}), std::nullopt);
    EXPECT_EQ(db.Find({0x2400123400000000, 42}), kSample[3].text);
    EXPECT_EQ(db.Find({0x2401000000000000, 0}), "");
    EXPECT_EQ(db.Find({0x2401000000000000, 1}), std::nullopt);
    EXPECT_EQ(db.Find({0xFFFF000000000000, 0}), "last");
    EXPECT_EQ(db.Find({kMax, kMax}), "last");
}

TEST(Region6Test, EmptyAndWholeSpaceFiles) {
    const Opened empty(Build({}));
    ASSERT_TRUE(empty.Ok()) << empty.Reason();
    EXPECT_EQ(empty.Find({0x2001000000000000, 0}), std::nullopt);
    const Opened whole(Build({{{0, 0}, {kMax, kMax}, "all"}}));
    ASSERT_TRUE(whole.Ok()) << whole.Reason();
    EXPECT_EQ(whole.Db().range_count, 1u);
    EXPECT_EQ(whole.Find({0, 0}), "all");
    EXPECT_EQ(whole.Find({kMax, kMax}), "all");
}

// Ranges bunched and spread, and one /64 cut into more ranges than several blocks hold: single and
// side-by-side searches agree with a scan at every range edge and at random addresses, whatever
// the block size; so do the searches of a compact copy, made in a block of exactly its size (so
// that AddressSanitizer catches a read past it) after the file's image is gone.
class Region6BlockTest : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(Region6BlockTest, ManyAtOnceAgreesWithSingleAndWithAScan) {
    std::mt19937_64 random(6);
    std::vector<Range6> ranges;
    std::uint64_t high = 0x2000000000000000;
    for (int i = 0; i < 3000; ++i) {
        high += (i % 500 == 0) ? (std::uint64_t{1} << 50) : 1 + random() % 0x10000;
        if (i == 1500) {
            for (std::uint64_t k = 0; k < 300; ++k) {
                ranges.push_back(
                    {{high, k * 1000}, {high, k * 1000 + 10}, "cut" + std::to_string(k % 3)});
            }
            continue;
        }
        const std::uint64_t low = random() % 4 == 0 ? random() : 0;
        const std::uint64_t endLow = low + random() % 1000;
        ranges.push_back({{high, low}, {high, endLow}, "t" + std::to_string(random() % 40)});
    }
    const Opened db(Build(ranges, GetParam()));
    ASSERT_TRUE(db.Ok()) << db.Reason();
    std::vector<Region6Address> probes;
    for (const Range6& r : ranges) {
        probes.push_back(r.start);
        probes.push_back(r.end);
        probes.push_back({r.end.high, r.end.low + 1});
        probes.push_back({r.start.high, r.start.low - 1});
    }
    for (int i = 0; i < 2000; ++i) {
        probes.push_back({0x2000000000000000 + (random() >> 3), random()});
    }
    std::vector<std::uint32_t> many(probes.size());
    Region6FindRecords(&db.Db(), probes.data(), many.data(), probes.size());
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const std::uint32_t single = Region6FindRecord(&db.Db(), probes[i]);
        ASSERT_EQ(many[i], single) << i;
        ASSERT_EQ(db.TextOf(single), Expected(ranges, probes[i])) << i;
    }

    Region6Image compact{};
    std::vector<unsigned char> block;
    {
        const Opened file(Build(ranges, GetParam()));
        ASSERT_TRUE(file.Ok());
        block.resize(Region6CompactSize(&file.Db()));
        Region6Compact(&file.Db(), block.data(), &compact);
    }
    EXPECT_EQ(compact.low, nullptr);
    EXPECT_GT(compact.side_count, 300u);
    EXPECT_LT(compact.side_count, compact.range_count);

    // The same made inside the file's own image, then cut to the size it reports.
    std::vector<unsigned char> image(db.Db().image, db.Db().image + db.Db().size);
    Region6Image inPlace{};
    ASSERT_EQ(Region6Open(image.data(), image.size(), &inPlace, nullptr), 1);
    const std::size_t used = Region6CompactInPlace(&inPlace);
    if (used == 0) {
        // Only when the copy would not fit where the file lies: these ranges nearly all cut a /64,
        // so their side lists take almost what the low column frees (not so at the smallest
        // blocks, whose large table is freed as well).
        EXPECT_GT(compact.size + kRegion6Align, image.size() - 64 * image.size() / 1000)
            << compact.size << " " << image.size();
        EXPECT_GT(GetParam(), 1u);  // a table of one entry per range or two always leaves room
        return;
    }
    EXPECT_LE(used, compact.size + kRegion6Align);
    std::vector<unsigned char> cut(image.begin(),
                                   image.begin() + static_cast<std::ptrdiff_t>(used));
    image.assign(image.size(), 0xEE);  // whatever the released tail held is gone
    Region6Move(&inPlace, cut.data());
    EXPECT_EQ(inPlace.side_count, compact.side_count);

    for (const Region6Image* copy :
         {static_cast<const Region6Image*>(&compact), static_cast<const Region6Image*>(&inPlace)}) {
        std::vector<std::uint32_t> compactMany(probes.size());
        Region6FindRecords(copy, probes.data(), compactMany.data(), probes.size());
        for (std::size_t i = 0; i < probes.size(); ++i) {
            ASSERT_EQ(Region6FindRecord(copy, probes[i]), many[i]) << i;
            ASSERT_EQ(compactMany[i], many[i]) << i;
            if (many[i] != REGION6_NO_RECORD) {
                std::size_t length = 0;
                const unsigned char* text = Region6RecordText(copy, many[i], &length);
                ASSERT_EQ(std::string(reinterpret_cast<const char*>(text), length),
                          db.TextOf(many[i]));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BlockSizes, Region6BlockTest,
                         ::testing::Values(0u, 1u, 4u, kRegion6BlockBits, 16u));

TEST(Region6Test, WriterRefusesRangesTheFileCannotHold) {
    std::vector<std::uint8_t> image;
    std::string error;
    const auto refused = [&](const std::vector<Range6>& ranges, const std::string& what) {
        error.clear();
        EXPECT_FALSE(dbwriter::BuildRegion6(ranges, image, error));
        EXPECT_NE(error.find(what), std::string::npos) << error;
    };
    refused({{{0, 5}, {0, 4}, "a"}}, "range 1: start is above end");
    refused({{{0, 5}, {0, 9}, "a"}, {{0, 9}, {0, 12}, "b"}},
            "range 2: out of order or overlapping");
    refused({{{0, 5}, {0, 9}, "a"}, {{0, 1}, {0, 2}, "b"}}, "range 2: out of order or overlapping");
    refused({{{0, 0}, {kMax, kMax}, "a"}, {{kMax, kMax}, {kMax, kMax}, "b"}}, "range 2");
    refused({{{0, 1}, {0, 1}, std::string(252, 'x')}}, "range 1: region text is 252 bytes");
    refused({{{0, 1}, {0, 1}, "\xC0\x80"}}, "not valid UTF-8");
    refused({{{0, 1}, {0, 1}, std::string("a\0b", 3)}}, "NUL");
}

// A load whose reads fail part way (a file cut short while it is read) or that gets no memory says
// so and keeps nothing (LeakSanitizer sees any block left behind); with every read served it loads.
TEST(Region6Test, LoadReportsFailedReadsAndMissingMemory) {
    struct Source {
        std::vector<unsigned char> image;
        int readsLeft;
    };
    const auto read = [](void* opaque, std::uint64_t offset, void* to, std::size_t bytes) {
        auto* source = static_cast<Source*>(opaque);
        return source->readsLeft-- > 0 ? ReadFromVector(&source->image, offset, to, bytes) : 0;
    };
    Source source{Build(kSample, 1), 0};
    Region6Image db{};
    unsigned char* block = nullptr;
    // The header, the low column, the high column, the records, the text index, the texts, the
    // first-level table.
    constexpr int kReads = 7;
    for (int reads = 0; reads < kReads; ++reads) {
        source.readsLeft = reads;
        EXPECT_EQ(Region6Load(read, &source, source.image.size(), Allocate, &block, &db, nullptr),
                  kRegion6ReadFailed)
            << reads;
        EXPECT_EQ(block, nullptr);
    }
    source.readsLeft = kReads;
    const auto none = [](std::size_t) -> unsigned char* { return nullptr; };
    EXPECT_EQ(Region6Load(read, &source, source.image.size(), none, &block, &db, nullptr),
              kRegion6NoMemory);
    EXPECT_EQ(block, nullptr);
    source.readsLeft = kReads;
    ASSERT_EQ(Region6Load(read, &source, source.image.size(), Allocate, &block, &db, nullptr),
              kRegion6Loaded);
    EXPECT_EQ(Region6FindRecord(&db, {0x2400123400000000, 42}),
              Region6FindRecord(&db, {0x2400000000000000, 0}));
    std::free(block);
}

// A copy of image with the u32 at offset set to value.
std::vector<std::uint8_t> WithU32(std::vector<std::uint8_t> image, std::size_t offset,
                                  std::uint32_t value) {
    Region6WriteU32(image.data() + offset, value);
    return image;
}

std::uint32_t U32(const std::vector<std::uint8_t>& image, std::size_t offset) {
    return Region6ReadU32(image.data() + offset);
}

// The check reads ASCII a word at a time: a NUL or a stray byte at any place of a long ASCII text,
// whatever its alignment in the word, is refused all the same, and the unchanged text is not.
TEST(Region6Test, CheckFindsABadByteAnywhereInAnAsciiText) {
    const std::string ascii = "Example Networks|0|California|Los Angeles|AS64500";
    const std::vector<std::uint8_t> good =
        Build({{{0, 1}, {0, 1}, "中国"}, {{0, 2}, {0, 9}, ascii}});
    ASSERT_TRUE(Opened(good).Ok());
    const std::size_t at = Region6ReadU32(good.data() + kRegion6TextsAt) + std::strlen("中国");
    ASSERT_EQ(std::string(good.begin() + static_cast<std::ptrdiff_t>(at), good.end()), ascii);
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        for (const std::uint8_t bad : {0x00, 0x80, 0xC3, 0xFF}) {
            std::vector<std::uint8_t> broken = good;
            broken[at + i] = bad;
            const Opened db(broken);
            EXPECT_FALSE(db.Ok()) << i << " " << int{bad};
        }
    }
}

TEST(Region6Test, CheckRefusesBrokenLayouts) {
    const std::vector<std::uint8_t> good = Build(kSample, 1);
    ASSERT_TRUE(Opened(good).Ok());
    const std::uint32_t high = U32(good, kRegion6HighAt);
    const std::uint32_t low = U32(good, kRegion6LowAt);
    const std::uint32_t records = U32(good, kRegion6RangeRecordAt);
    const std::uint32_t textIndex = U32(good, kRegion6TextIndexAt);
    const std::uint32_t texts = U32(good, kRegion6TextsAt);
    const std::uint32_t fences = U32(good, kRegion6FencesAt);
    const auto size = static_cast<std::uint32_t>(good.size());
    std::vector<std::uint8_t> badMagic = good;
    badMagic[4] = '\n';  // a CR dropped by a text-mode copy
    std::vector<std::uint8_t> badText = good;
    badText[texts] = 0xFF;
    std::vector<std::uint8_t> nulText = good;
    nulText[texts] = 0;

    const std::vector<std::pair<std::vector<std::uint8_t>, std::string>> cases = {
        {badMagic, "magic"},
        {WithU32(good, kRegion6VersionAt, 2), "version"},
        {WithU32(good, kRegion6ReservedAt, 1), "version"},
        {WithU32(good, kRegion6FileSizeAt, size - 1), "size"},
        {WithU32(good, kRegion6RangeCountAt, 0), "counts"},
        {WithU32(good, kRegion6RangeCountAt, 0x10000000), "outside"},
        {WithU32(good, kRegion6RecordCountAt, 0xFFFFFFFF), "counts"},
        {WithU32(good, kRegion6RecordCountAt, 0xFFFFFFFE), "outside"},
        {WithU32(good, kRegion6BlockBitsAt, 17), "counts"},
        {WithU32(good, kRegion6BlockBitsAt, 0), "table"},
        {WithU32(good, kRegion6FencesAt, 8), "outside"},
        {WithU32(good, kRegion6TextsAt, size), "outside"},
        {WithU32(good, kRegion6TextsSizeAt, 0xFFFFFFFF), "outside"},
        {WithU32(good, low, 1), "first range"},
        {WithU32(good, high + 24 + 4, 0), "ascending"},
        {WithU32(WithU32(good, textIndex + 4, 200), textIndex + 8, 201), "out of order"},
        {WithU32(good, records, 5), "record"},
        {WithU32(good, textIndex, 1), "span"},
        {WithU32(good, textIndex + 4, 300), "too long"},
        {badText, "UTF-8"},
        {nulText, "UTF-8"},
        {WithU32(good, fences + 8 * 2 + 4, 0x2001), "table"},
        {WithU32(good, fences, 1), "table"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Opened db(cases[i].first);
        ASSERT_FALSE(db.Ok()) << "case " << i;
        EXPECT_NE(std::string(db.Reason()).find(cases[i].second), std::string::npos)
            << "case " << i << ": " << db.Reason();
    }
}

TEST(Region6Test, EveryTruncationIsRefused) {
    const std::vector<std::uint8_t> good = Build(kSample);
    for (std::size_t size = 0; size < good.size(); size += 1 + size / 64) {
        const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(size));
        EXPECT_FALSE(Opened(cut).Ok()) << size;
    }
}

TEST(Region6Test, MagicTellsTheFileApart) {
    const std::vector<std::uint8_t> good = Build(kSample);
    EXPECT_TRUE(Region6HasMagic(good.data(), good.size()));
    EXPECT_FALSE(Region6HasMagic(good.data(), 7));
    const unsigned char ipv4Start[8] = {0x08, 0x20, 0, 0, 0x14, 0x20, 0, 0};
    EXPECT_FALSE(Region6HasMagic(ipv4Start, sizeof ipv4Start));
}

}  // namespace
}  // namespace quorvane::test
