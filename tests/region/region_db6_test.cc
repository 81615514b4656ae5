// The engine's interface over region6.db files: the family is told by the content, the answers
// are the IPv6 reader's, a search of one family on the other's file finds nothing, and every file
// that is no sound region6.db is refused with a status. Run under ASan to catch stray reads.
#include <quorvane/region_db.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "region6_format.h"
#include "tests/region/test_db.h"
#include "tests/support/scratch_dir.h"
#include "tools/dbwriter/region6_writer.h"

namespace quorvane::test {
namespace {

using Db = std::unique_ptr<quorvane_db, decltype(&quorvane_db_close)>;
using Address6 = std::array<unsigned char, 16>;

Db OpenBytes(const std::vector<std::uint8_t>& image, int* status) {
    quorvane_db* db = nullptr;
    *status = quorvane_db_open_bytes(image.data(), image.size(), &db);
    return Db(db, quorvane_db_close);
}

Db OpenPath(const std::string& path, int* status) {
    quorvane_db* db = nullptr;
    *status = quorvane_db_open(path.c_str(), &db);
    return Db(db, quorvane_db_close);
}

std::string TextOf(const quorvane_db* db, quorvane_db_record record) {
    std::size_t length = 0;
    const char* text = quorvane_db_text(db, record, &length);
    return text == nullptr ? std::string() : std::string(text, length);
}

// The interface's view of an array of addresses (std::array holds exactly its elements).
const unsigned char (*Rows(const std::vector<Address6>& addresses))[16] {
    return reinterpret_cast<const unsigned char(*)[16]>(addresses.data());
}

Address6 Bytes(Region6Address address) {
    Address6 bytes{};
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(address.high >> (56 - 8 * i));
        bytes[i + 8] = static_cast<unsigned char>(address.low >> (56 - 8 * i));
    }
    return bytes;
}

// Ranges with gaps between them, texts shared, some cut below a /64 (their low halves differ).
std::vector<dbwriter::Range6> SomeRanges() {
    std::vector<dbwriter::Range6> ranges;
    for (std::uint64_t i = 1; i < 2000; ++i) {
        const std::uint64_t high = 0x2001000000000000u + (i << 20);
        const std::string text = "国家" + std::to_string(i % 40) + "|0|省|市|ISP";
        if (i % 5 == 0) {  // two halves of one /64
            ranges.push_back({{high, 0}, {high, 0x7FFFFFFFFFFFFFFFu}, text});
            ranges.push_back({{high, 0x8000000000000000u}, {high, UINT64_MAX}, "low|0|0|0|0"});
        } else if (i % 3 != 0) {
            ranges.push_back({{high, 0}, {high + 0xFFFF, UINT64_MAX}, text});
        }
    }
    return ranges;
}

std::vector<std::uint8_t> Build(const std::vector<dbwriter::Range6>& ranges) {
    std::vector<std::uint8_t> image;
    std::string error;
    EXPECT_TRUE(dbwriter::BuildRegion6(ranges, image, error, 3)) << error;
    return image;
}

// Addresses at every range's edges, just outside them and between them.
std::vector<std::pair<Address6, std::string>> Probes(const std::vector<dbwriter::Range6>& ranges) {
    std::vector<std::pair<Address6, std::string>> probes = {{Address6{}, ""}};
    for (const dbwriter::Range6& r : ranges) {
        probes.push_back({Bytes(r.start), r.text});
        probes.push_back({Bytes(r.end), r.text});
        probes.push_back({Bytes({r.start.high, r.start.low + 1}), r.text});
        if (r.end.low == UINT64_MAX) {
            probes.push_back({Bytes({r.end.high + 1, 0}), ""});  // a gap follows every range
        }
    }
    return probes;
}

// The interface answers as the ranges say, one at a time and many side by side, from a path and
// from bytes; records are numbered from 1 and their number is their own.
TEST(RegionDb6Test, AnswersAsTheRangesSay) {
    const std::vector<dbwriter::Range6> ranges = SomeRanges();
    const std::vector<std::uint8_t> image = Build(ranges);
    ScratchDir dir("quorvane-db6");
    const std::string path =
        dir.Write("region6.db", std::string(image.begin(), image.end()));
    int status = -1;
    const Db fromPath = OpenPath(path, &status);
    ASSERT_EQ(status, QUORVANE_DB_OK) << quorvane_db_strerror(status);
    const Db fromBytes = OpenBytes(image, &status);
    ASSERT_EQ(status, QUORVANE_DB_OK);
    EXPECT_EQ(quorvane_db_get_family(fromPath.get()), QUORVANE_DB_IPV6);

    const std::vector<std::pair<Address6, std::string>> probes = Probes(ranges);
    std::vector<Address6> addresses;
    for (const auto& probe : probes) {
        addresses.push_back(probe.first);
    }
    std::vector<quorvane_db_record> many(addresses.size(), 77);
    quorvane_db_find6_many(fromPath.get(), Rows(addresses), many.data(), addresses.size());
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const quorvane_db_record record = quorvane_db_find6(fromPath.get(), addresses[i].data());
        const std::string text = TextOf(fromPath.get(), record);
        EXPECT_EQ(text, probes[i].second) << i;
        EXPECT_EQ(record == 0, text.empty()) << i;
        EXPECT_EQ(many[i], record) << i;
        EXPECT_EQ(quorvane_db_find6(fromBytes.get(), addresses[i].data()), record) << i;
        EXPECT_EQ(quorvane_db_record_number(fromPath.get(), record), record) << i;
    }
    EXPECT_EQ(quorvane_db_find6(fromPath.get(), Address6{}.data()), 0u);  // :: holds no data
    Address6 last;
    last.fill(0xFF);
    EXPECT_EQ(quorvane_db_find6(fromPath.get(), last.data()), 0u);
}

// A search of one family on the other's database finds nothing, singly and many at once.
TEST(RegionDb6Test, EachFamilysSearchFindsNothingInTheOther) {
    int status = -1;
    const Db v6 = OpenBytes(Build({{{0, 0}, {UINT64_MAX, UINT64_MAX}, "all|0|0|0|0"}}), &status);
    ASSERT_EQ(status, QUORVANE_DB_OK);
    const Db v4 = OpenBytes(BuildImage({{0, 0xFFFFFFFFu, "all"}}, 8), &status);
    ASSERT_EQ(status, QUORVANE_DB_OK);
    EXPECT_EQ(quorvane_db_get_family(v4.get()), QUORVANE_DB_IPV4);

    const Address6 address = {0x20, 0x01, 0x0d, 0xb8};
    EXPECT_NE(quorvane_db_find6(v6.get(), address.data()), 0u);
    EXPECT_EQ(quorvane_db_find6(v4.get(), address.data()), 0u);
    EXPECT_NE(quorvane_db_find4(v4.get(), 0x01020304u), 0u);
    EXPECT_EQ(quorvane_db_find4(v6.get(), 0x01020304u), 0u);

    const std::vector<Address6> addresses(100, address);
    const std::vector<std::uint32_t> numbers(100, 0x01020304u);
    std::vector<quorvane_db_record> records(100, 9);
    quorvane_db_find6_many(v4.get(), Rows(addresses), records.data(), records.size());
    EXPECT_EQ(records, std::vector<quorvane_db_record>(100, 0));
    records.assign(100, 9);
    quorvane_db_find4_many(v6.get(), numbers.data(), records.data(), records.size());
    EXPECT_EQ(records, std::vector<quorvane_db_record>(100, 0));
}

// Whatever is no sound region6.db is refused with a status, never searched: an empty file, the
// magic alone, garbage behind it, a file cut short or padded, a header that lies. The size rule
// is the family's: an IPv6 file may be larger than any IPv4 file, but not without bound.
TEST(RegionDb6Test, RefusesDamagedAndOversizedFiles) {
    const std::vector<std::uint8_t> sound = Build(SomeRanges());
    const std::string magic(REGION6_MAGIC, format6::kRegion6MagicSize);
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases = {
        {"empty", {}},
        {"magic alone", {magic.begin(), magic.end()}},
        {"cut short", {sound.begin(), sound.end() - 1}},
        {"cut in half", {sound.begin(), sound.begin() + sound.size() / 2}},
        {"header alone", {sound.begin(), sound.begin() + format6::kRegion6HeaderSize}},
    };
    std::vector<std::uint8_t> garbage(magic.begin(), magic.end());
    for (int i = 0; i < 5000; ++i) {
        garbage.push_back(static_cast<std::uint8_t>(i * 131 + 7));
    }
    cases.push_back({"garbage behind the magic", garbage});
    std::vector<std::uint8_t> padded = sound;
    padded.push_back(0);
    cases.push_back({"padded", padded});
    std::vector<std::uint8_t> lying = sound;
    format6::Region6WriteU32(lying.data() + format6::kRegion6RangeCountAt, 0x7FFFFFFFu);
    cases.push_back({"range count past the file", lying});
    for (const auto& [name, image] : cases) {
        int status = -1;
        EXPECT_EQ(OpenBytes(image, &status), nullptr) << name;
        EXPECT_EQ(status, QUORVANE_DB_INVALID) << name << ": " << quorvane_db_strerror(status);
    }

    ScratchDir dir("quorvane-db6-size");
    // Between the two families' limits: too large for IPv4, merely damaged for IPv6.
    const auto sized = [&](const char* name, const std::string& head, std::uint64_t size) {
        const std::string path = dir.Write(name, head);
        std::filesystem::resize_file(path, size);  // sparse: nothing more written
        int status = -1;
        EXPECT_EQ(OpenPath(path, &status), nullptr) << name;
        return status;
    };
    EXPECT_EQ(sized("v4.db", "", QUORVANE_DB_IPV4_MAX_BYTES + 1), QUORVANE_DB_TOO_LARGE);
    EXPECT_EQ(sized("v6.db", magic, QUORVANE_DB_IPV4_MAX_BYTES + 1), QUORVANE_DB_INVALID);
    EXPECT_EQ(sized("huge6.db", magic, QUORVANE_DB_IPV6_MAX_BYTES + 1), QUORVANE_DB_TOO_LARGE);
}

}  // namespace
}  // namespace quorvane::test
