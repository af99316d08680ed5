#include "editor/inputaids/PendingInsert.h"

#include <gtest/gtest.h>

// "\x95\x5C" and "\xDF\x5C" are GBK characters whose trail byte is a backslash.
TEST(PendingInsertTest, HintsAreRemovedByCharacterNotByByte)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"如果(【条件】 ){【语句】\\n}", "如果(  ){ \\n}"},
        {"\\【字面】", "【字面】"},                      // a literal 【 opens no hint
        {"前【没有结尾", "前【没有结尾"},                // no 】 closes it: inserted as written
        {"【", "【"},
        {"【甲】乙【丙\\【丁", " 乙【丙【丁"},
        {"】〖〗", "】〖〗"},
        {"\x95\x5C【提示】", "\x95\x5C "},               // the trail backslash does not escape 【
        {"\xDF\x5C\xA1\xBE", "\xDF\x5C\xA1\xBE"},       // a trail 0x5C, then a 【 that never ends
        {"\xA1\xA1\xBE\xA1\xBF", "\xA1\xA1\xBE\xA1\xBF"}, // A1 BE straddles two characters: no hint
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, RemoveInsertHints(c.text)) << c.text;
}

TEST(PendingInsertTest, MarkersSplitTheTextIntoSteps)
{
    using S = PendingInsertStep;
    struct Case {
        const char* text;
        std::vector<PendingInsertStep> expected;
    };
    const Case cases[] = {
        {"如果(  ){ \\n\\n}\\b//如果\\n",
         {{S::Text, "如果(  ){ "}, {S::Enter, ""}, {S::Enter, ""}, {S::Text, "}"}, {S::Back, ""},
          {S::Text, "//如果"}, {S::Enter, ""}}},
        {"a\\\\n", {{S::Text, "a\\n"}}},
        {"\\x", {{S::Text, "\\x"}}},
        {"\x95\x5Cn\x95\x5C" "b", {{S::Text, "\x95\x5Cn\x95\x5C" "b"}}},  // trail bytes, not markers
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, SplitPendingInsert(c.text)) << c.text;
}
