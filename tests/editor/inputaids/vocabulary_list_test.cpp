#include "editor/inputaids/VocabularyList.h"

#include <gtest/gtest.h>

#include <string>

TEST(VocabularyList, KeysAndNormalisedTexts)
{
    struct Case { const char* entry; const char* key; const char* text; } cases[] = {
        {"整数 取绝对值（整数 x）", "取绝对值", "整数 取绝对值（整数 x）"},
        {"【数学】 取整(x)", "取整", " 数学 取整(x)"},
        {"整数\t \t打印〔串 s〕", "打印", "整数 打印〔串 s〕"},
        {"无类型　清屏()", "清屏", "无类型　清屏()"},
        {"【窗口】显示(窗口 w) ", "显示", " 窗口 显示(窗口 w) "},
        {"f(a, (b))", "f", "f(a, (b))"},
        {"g(x) { }", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        CVocabularyList list;
        int added = list.Add(c.entry, 1);
        if (!c.key) {
            EXPECT_EQ(added, 0) << c.entry;
            continue;
        }
        EXPECT_EQ(added, 1) << c.entry;
        const char* text = list.Lookup(c.key);
        ASSERT_NE(text, nullptr) << c.entry;
        EXPECT_STREQ(text, c.text);
    }
}

TEST(VocabularyList, EntriesThatDoNotQualify)
{
    const char* entries[] = {
        "", "打印", "打印(", "打印)", "(x)", "整数 (x)", "结构 点(x) {", "{ f(x)", "｛ f(x)",
        "f) (", "f（x〕 ｛",
    };
    CVocabularyList list;
    for (const char* entry : entries)
        EXPECT_EQ(list.Add(entry, 1), 0) << entry;
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Add(nullptr, 1), 0);
}

TEST(VocabularyList, OrderAndEqualKeys)
{
    CVocabularyList list;
    const char* entries[] = {"b(1)", "a(1)", "中(1)", "b(2)", "B(1)", "a(2)", "ab(1)"};
    int table = 1;
    for (const char* entry : entries)
        ASSERT_EQ(list.Add(entry, table++), 1);
    EXPECT_TRUE(list.Check());
    // The first of equal keys is found; a later one never shadows it.
    EXPECT_STREQ(list.Lookup("b"), "b(1)");
    EXPECT_STREQ(list.Lookup("a"), "a(1)");
    EXPECT_STREQ(list.Lookup("B"), "B(1)");
    EXPECT_STREQ(list.Lookup("中"), "中(1)");
    EXPECT_EQ(list.Lookup("c"), nullptr);
    EXPECT_EQ(list.Lookup(""), nullptr);
    // Order: B a a ab b b 中 (bytes unsigned, so the double-byte key comes last).
    int expectedTables[] = {5, 2, 6, 7, 1, 4, 3};
    for (size_t i = 0; i < 7; ++i)
        EXPECT_EQ(list.TableNumberAt(i), expectedTables[i]) << i;
}

TEST(VocabularyList, LookupBeforeACall)
{
    CVocabularyList list;
    list.Add("无类型 打印(串 s)", 1);
    struct Case { const char* text; bool found; } cases[] = {
        {"打印(", false}, {"打印(x)", true}, {"  打印（\"你好\"）", true}, {"a=打印(x)", false},
        {"x 打印〔1〕", true}, {"打印(x) {", false}, {"打印 (x)", false}, {"", false},
    };
    for (const auto& c : cases) {
        const char* tip = list.LookupBefore(c.text);
        if (c.found)
            EXPECT_STREQ(tip, "无类型 打印(串 s)") << c.text;
        else
            EXPECT_EQ(tip, nullptr) << c.text;
    }
    std::string longName(255, 'n');
    list.Add((longName + "(x)").c_str(), 1);
    EXPECT_NE(list.Lookup(longName.c_str()), nullptr);
    EXPECT_EQ(list.LookupBefore((longName + "(x)").c_str()), nullptr);
}

TEST(VocabularyList, EmptyListFindsNothing)
{
    CVocabularyList list;
    EXPECT_EQ(list.Lookup("打印"), nullptr);
    EXPECT_EQ(list.LookupBefore("打印(x)"), nullptr);
    EXPECT_EQ(list.Lookup(nullptr), nullptr);
}

TEST(VocabularyList, TrailByteIsNotReadAsABrace)
{
    // 0xB0 0x7B is one character whose trail byte is "{".
    CVocabularyList list;
    EXPECT_EQ(list.Add("f(x) \xB0\x7B", 1), 1);
    EXPECT_EQ(list.Add("\xB0\x7B(x)", 1), 1);
    EXPECT_NE(list.Lookup("\xB0\x7B"), nullptr);
}

TEST(VocabularyList, LoneTrailingLeadByteIsNotReadPast)
{
    // Each text ends in a lead byte with no trail; the byte behind the terminator must not be
    // taken as its trail (it would make "）" and qualify the text).
    char buffer[] = {'f', '(', 'x', '\xA3', '\0', '\xA9', ')', '\0'};
    CVocabularyList list;
    EXPECT_EQ(list.Add(buffer, 1), 0);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.LookupBefore(buffer), nullptr);

    char closed[] = {'f', '(', 'x', ')', '\xB0', '\0', '\xA1', '\0'};
    EXPECT_EQ(list.Add(closed, 1), 1);
    EXPECT_STREQ(list.Lookup("f"), "f(x)\xB0");
}

TEST(VocabularyList, ProcessListAndFlag)
{
    FreeVocabularyList();
    EXPECT_EQ(SetVocabularyTreeLoaded(1), 1);
    EXPECT_EQ(IsVocabularyTreeLoaded(), 1);
    EXPECT_EQ(ParseVocabularyEntry("整数 取整(x)", 2), 1);
    EXPECT_EQ(ParseVocabularyEntry("取整"), 0);
    EXPECT_STREQ(LookupVocabulary("取整"), "整数 取整(x)");
    EXPECT_STREQ(LookupVocabularyBefore("取整(3.5)"), "整数 取整(x)");
    EXPECT_EQ(SetVocabularyTreeLoaded(0), 0);
    FreeVocabularyList();
    EXPECT_EQ(LookupVocabulary("取整"), nullptr);
}
