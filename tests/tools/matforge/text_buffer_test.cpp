#include <gtest/gtest.h>

#include <string>

#include "tools/matforge/TextBuffer.h"

TEST(TextBuffer, GrowsKeepingEverythingAppended)
{
    TextBuffer buffer;
    TextBufferInit(&buffer);
    EXPECT_STREQ("", TextBufferText(&buffer));
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        char byte = (char)('a' + i % 26);
        ASSERT_TRUE(TextBufferAppendByte(&buffer, byte));
        expected += byte;
    }
    ASSERT_TRUE(TextBufferAppendText(&buffer, "end"));
    expected += "end";
    EXPECT_EQ(expected, TextBufferText(&buffer));
    EXPECT_EQ((int)expected.size(), buffer.length);
    EXPECT_GT(buffer.capacity, buffer.length);
    TextBufferFree(&buffer);
}

TEST(TextBuffer, AFailedAppendLeavesTheTextAndIsRemembered)
{
    TextBuffer buffer;
    TextBufferInit(&buffer);
    TextBufferAppendText(&buffer, "abc");
    EXPECT_FALSE(TextBufferAppend(&buffer, "x", -1));
    EXPECT_FALSE(TextBufferAppend(&buffer, "x", 0x7FFFFFFF));
    EXPECT_TRUE(buffer.failed);
    EXPECT_STREQ("abc", TextBufferText(&buffer));
    EXPECT_TRUE(TextBufferAppendText(&buffer, "d"));
    EXPECT_TRUE(buffer.failed);
    TextBufferClear(&buffer);
    EXPECT_FALSE(buffer.failed);
    EXPECT_STREQ("", TextBufferText(&buffer));
    TextBufferFree(&buffer);
}
