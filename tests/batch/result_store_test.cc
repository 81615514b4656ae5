#include "batch/result_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "batch/record_cache.h"

namespace quorvane {
namespace {

// Pointers of neighbouring records differ in their low bits only, others share every low bit,
// and random ones share home slots. Each must find its own record (null ones included) before and
// after every growth of the table, and no pointer that was never inserted may be found.
TEST(RecordCacheTest, EveryPointerKeepsItsRecordThroughGrowth) {
    std::vector<std::uint32_t> pointers;
    for (std::uint32_t offset = 8200; pointers.size() < 1500; offset += 37) {
        pointers.push_back(40u << 24 | offset);
    }
    for (std::uint32_t length = 4; length < 256; ++length) {
        pointers.push_back(length << 24 | 0x123456u);
    }
    std::mt19937 random(14);
    while (pointers.size() < 4000) {
        const std::uint32_t pointer = static_cast<std::uint32_t>(random()) | 4u << 24;
        if (std::find(pointers.begin(), pointers.end(), pointer) == pointers.end()) {
            pointers.push_back(pointer);
        }
    }
    std::vector<ResultTexts> texts(pointers.size());
    auto recordOf = [&](std::size_t i) { return i % 7 == 3 ? nullptr : &texts[i]; };

    CRecordCache cache;
    const ResultTexts* found = nullptr;
    for (std::size_t i = 0; i < pointers.size(); ++i) {
        ASSERT_FALSE(cache.Find(pointers[i], &found)) << i;
        cache.Insert(pointers[i], recordOf(i));
        // Just before and just after each growth, all so far.
        if ((i & (i + 1)) == 0 || (i & (i - 1)) == 0 || i + 1 == pointers.size()) {
            for (std::size_t j = 0; j <= i; ++j) {
                ASSERT_TRUE(cache.Find(pointers[j], &found)) << j << " after " << i;
                ASSERT_EQ(found, recordOf(j)) << j << " after " << i;
            }
        }
    }
    EXPECT_EQ(cache.Size(), pointers.size());
    for (std::uint32_t absent : {40u << 24 | 8201u, 3u << 24 | 0x123456u, 3u << 24}) {
        EXPECT_FALSE(cache.Find(absent, &found)) << absent;
    }
}

// One record per region text, whichever worker meets it first and however many meet it at once;
// texts whose fields show nothing have none.
TEST(ResultStoreTest, OneRecordPerRegionTextAcrossThreads) {
    std::vector<std::string> texts;
    for (int i = 0; i < 400; ++i) {
        texts.push_back("C" + std::to_string(i % 50) + "|" + std::to_string(i / 50) + "|p|c|isp");
    }
    CResultStore store;
    std::vector<std::vector<const ResultTexts*>> seen(3);
    std::vector<std::thread> threads;
    for (std::uint32_t t = 0; t < 3; ++t) {
        threads.emplace_back([&, t] {
            std::vector<std::size_t> order(texts.size());
            for (std::size_t i = 0; i < order.size(); ++i) {
                order[i] = i;
            }
            std::shuffle(order.begin(), order.end(), std::mt19937(t));
            seen[t].resize(texts.size());
            for (std::size_t i : order) {
                seen[t][i] = store.ForRegionText(texts[i]);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        ASSERT_NE(seen[0][i], nullptr);
        ASSERT_EQ(seen[1][i], seen[0][i]) << texts[i];
        ASSERT_EQ(seen[2][i], seen[0][i]) << texts[i];
        // The second element is not shown, so texts 50 apart show the same fields.
        if (i >= 50) {
            EXPECT_NE(seen[0][i], seen[0][i - 50]);
            EXPECT_EQ(seen[0][i]->exportTail, seen[0][i - 50]->exportTail);
        }
    }

    for (const char* nothing : {"", "0|0|0|0|0", "|||", "0|x|0|0"}) {
        EXPECT_EQ(store.ForRegionText(nothing), nullptr) << nothing;
    }
    const ResultTexts* record = store.ForRegionText("中国|0|广东,省|0|电信");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->country, u"中国");
    EXPECT_EQ(record->province, u"广东,省");
    EXPECT_EQ(record->city, u"");
    EXPECT_EQ(record->provider, u"电信");
    EXPECT_EQ(record->exportTail, ",中国,广东，省,,电信\r\n");
}

// The texts the store keeps as keys fill many blocks, some texts larger than a block: each must
// still name its own record once everything is in, and again after Clear.
TEST(ResultStoreTest, KeptTextsStayIntactAcrossBlocks) {
    std::vector<std::string> texts;
    std::mt19937 random(7);
    for (int i = 0; i < 4000; ++i) {
        const std::size_t padding = i % 997 == 5 ? 20000 + random() % 20000 : random() % 240;
        texts.push_back("C" + std::to_string(i) + "|0|" + std::string(padding, 'p') + "|c|isp");
    }
    CResultStore store;
    for (int round = 0; round < 2; ++round) {
        std::vector<const ResultTexts*> first;
        for (const std::string& text : texts) {
            first.push_back(store.ForRegionText(text));
        }
        for (std::size_t i = 0; i < texts.size(); ++i) {
            ASSERT_EQ(store.ForRegionText(texts[i]), first[i]) << i;
            const std::string country = texts[i].substr(0, texts[i].find('|'));
            ASSERT_EQ(first[i]->exportTail.substr(0, country.size() + 2), "," + country + ",") << i;
        }
        store.Clear();
    }
}

}  // namespace
}  // namespace quorvane
