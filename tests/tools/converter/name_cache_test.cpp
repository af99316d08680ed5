#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tools/converter/NameCache.h"

// Far more words than the cache holds: every answer is the word's own name or none.
TEST(NameCache, GivesTheStoredNameOrNoneAcrossRestarts)
{
    auto cache = std::make_unique<NameCache>();
    EXPECT_EQ(nullptr, NameCacheFind(cache.get(), "a"));
    const int kWords = 3 * kNameCacheSlots;
    int found = 0;
    for (int i = 0; i < kWords; ++i) {
        std::string word = "w" + std::to_string(i);
        NameCacheAdd(cache.get(), word.c_str(), ("name" + word).c_str());
        for (int j = i; j >= 0 && j > i - 50; --j) {
            std::string earlier = "w" + std::to_string(j);
            const char* name = NameCacheFind(cache.get(), earlier.c_str());
            if (name != nullptr) {
                ASSERT_EQ("name" + earlier, name);
                ++found;
            }
        }
        ASSERT_STREQ(("name" + word).c_str(), NameCacheFind(cache.get(), word.c_str()));
    }
    EXPECT_GT(found, kWords);
    // A long name fills the text store sooner; the cache starts afresh and keeps working.
    std::string longName(1000, 'x');
    for (int i = 0; i < 600; ++i) {
        std::string word = "long" + std::to_string(i);
        NameCacheAdd(cache.get(), word.c_str(), longName.c_str());
        ASSERT_EQ(longName, NameCacheFind(cache.get(), word.c_str()));
    }
}
