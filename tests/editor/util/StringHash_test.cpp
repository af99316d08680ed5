#include "editor/util/StringHash.h"

#include <gtest/gtest.h>

namespace {

TEST(StringHash, MatchesTheTableHash)
{
    const struct {
        const char* text;
        uint32_t hash;
    } cases[] = {
        {"", 0u},
        {"a", 97u},
        {"ab", 97u * 33u + 98u},
        {"\xFF", 255u},  // bytes count unsigned
        {"中", 0xD6u * 33u + 0xD0u},
    };
    for (const auto& c : cases) EXPECT_EQ(HashString(c.text), c.hash) << c.text;
}

TEST(StringHash, WrapsAtThirtyTwoBits)
{
    const char* text = "abcdefghijklmnopqrstuvwxyz";
    uint64_t expected = 0;
    for (const char* p = text; *p; ++p) expected = (expected * 33 + static_cast<unsigned char>(*p)) & 0xFFFFFFFFu;
    EXPECT_EQ(HashString(text), static_cast<uint32_t>(expected));
}

TEST(StringHash, NullHashesLikeEmpty) { EXPECT_EQ(HashString(nullptr), 0u); }

}  // namespace
