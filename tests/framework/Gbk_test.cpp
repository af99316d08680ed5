#include "framework/Gbk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Character lengths forward and backward agree with a walk from the start, also in runs of
// lead-range bytes, where a trail byte looks like a lead byte, and around 0x80, 0xFF and
// zero bytes, which are single bytes.
TEST(GbkText, CharacterStepsAgreeWithAWalkFromTheStart)
{
    const std::string texts[] = {
        "a\xB0\xA1" "b",           // 啊 between ASCII
        "\xB0\xB1\xB2\xB3\xB4",    // pairs whose trail bytes lie in the lead range, then a lone lead
        "\xB0" "A" "\xB0" "B",     // ASCII trail bytes
        "\x80\xFF\xB0\xA1\xFF",    // 0x80 and 0xFF stand alone
        std::string("\xB0\0\xB0\xA1", 4),  // a lead byte before a zero byte stands alone
    };
    for (const std::string& text : texts) {
        const char* p = text.data();
        const int length = (int)text.size();
        std::vector<int> ends;  // character ends from a forward walk
        for (int at = 0; at < length; at += GbkText::CharLength(p, length, at))
            ends.push_back(at + GbkText::CharLength(p, length, at));
        int start = 0;
        for (int end : ends) {
            EXPECT_EQ(end - start, GbkText::CharLengthBefore(p, end)) << "end " << end;
            start = end;
        }
        EXPECT_EQ(0, GbkText::CharLengthBefore(p, 0));
    }
    EXPECT_FALSE(GbkText::IsLeadByte(0x80));
    EXPECT_FALSE(GbkText::IsLeadByte(0xFF));
    EXPECT_TRUE(GbkText::HasHighBit(0xFF)) << "the searches' rule";
    EXPECT_TRUE(GbkText::StartsSetPair(0xFF)) << "the set strings' rule";
    EXPECT_FALSE(GbkText::StartsSetPair(0x80));
}
