#include "editor/document/KeywordTable.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {

class KeywordTableTest : public ::testing::Test {
protected:
    void Load(const std::string& content, bool caseSensitive = true,
              SkippedLines* skipped = nullptr)
    {
        EXPECT_TRUE(m_table.LoadKeywords(m_dir.WriteFile("test.key", content).c_str(),
                                         caseSensitive, skipped));
        EXPECT_TRUE(m_table.Check());
    }
    // The stored value of a word, -1 when absent.
    int ValueOf(const char* word) const
    {
        const CKeywordTable::Node* node = m_table.Lookup(word);
        return node ? node->value : -1;
    }

    TempDir m_dir;
    CKeywordTable m_table;
};

TEST_F(KeywordTableTest, GroupHeadersGiveKindAndCondition)
{
    struct HeaderCase {
        const char* header;
        int expected;
    };
    const HeaderCase cases[] = {
        {"[KEYWORDS3:RANGE1]", 0x0118}, {"[KEYWORDS0:RANGE2]", 0x0215},
        {"[keywords9:]", 30},           {"[关键词9:范围1]", 0x011E},
        {"【关键词4:!范围2】", 0x0519}, {"[KEYWORDS5]", 26},
    };
    for (const HeaderCase& c : cases) {
        Load(std::string(c.header) + "\nword\n");
        EXPECT_EQ(c.expected, ValueOf("word")) << c.header;
    }
}

TEST_F(KeywordTableTest, NonDigitGroupNumberEndsTheGroupInsteadOfMakingAKindPastTheTable)
{
    SkippedLines skipped;
    Load("[KEYWORDS1:]\nbefore\n[KEYWORDSX:RANGE1]\nafter\n[KEYWORDS:]\nlast\n", true, &skipped);
    EXPECT_EQ(22, ValueOf("before"));
    EXPECT_EQ(-1, ValueOf("after"));
    EXPECT_EQ(-1, ValueOf("last"));
    EXPECT_EQ(1, m_table.GetCount());
    ASSERT_EQ(4u, skipped.size());
    EXPECT_EQ(3, skipped[0].lineNumber);
}

TEST_F(KeywordTableTest, CommentsAndGroupEndsCloseTheGroup)
{
    SkippedLines skipped;
    Load("#comment\n[KEYWORDS0:]\nif else\n#while\n[-COMMENT]\nloose\n[关键词1:]\nfor\n【注释】\nnone\n",
         true, &skipped);
    EXPECT_EQ(21, ValueOf("if"));
    EXPECT_EQ(21, ValueOf("else"));
    EXPECT_EQ(-1, ValueOf("#while"));
    EXPECT_EQ(22, ValueOf("for"));
    EXPECT_EQ(-1, ValueOf("loose"));
    ASSERT_EQ(2u, skipped.size());
    EXPECT_EQ("loose", skipped[0].text);
    EXPECT_EQ("none", skipped[1].text);
}

TEST_F(KeywordTableTest, FirstGroupOfAWordWins)
{
    Load("[KEYWORDS1:]\nshared\n[KEYWORDS2:]\nshared other\n");
    EXPECT_EQ(22, ValueOf("shared"));
    EXPECT_EQ(23, ValueOf("other"));
    EXPECT_EQ(2, m_table.GetCount());
}

TEST_F(KeywordTableTest, CaseInsensitiveLanguageStoresLowerCaseWithoutFoldingTrailBytes)
{
    // 癆 is B0 41: its trail byte is an ASCII 'A' and must stay as it is.
    Load("[KEYWORDS0:]\nBegin \xB0\x41Z\n", false);
    EXPECT_EQ(21, ValueOf("begin"));
    EXPECT_EQ(-1, ValueOf("Begin"));
    EXPECT_EQ(21, ValueOf("\xB0\x41z"));
}

TEST_F(KeywordTableTest, WordsSplitAtBlanksAndTrailingCarriageReturnIsDropped)
{
    Load("[KEYWORDS0:RANGE1]\r\n  alpha\tbeta  \r\ngamma\r\n");
    EXPECT_EQ(0x0115, ValueOf("alpha"));
    EXPECT_EQ(0x0115, ValueOf("beta"));
    EXPECT_EQ(0x0115, ValueOf("gamma"));
    EXPECT_EQ(-1, ValueOf("gamma\r"));
}

TEST_F(KeywordTableTest, LoadingEmptiesTheTableAndMissingFileLeavesItEmpty)
{
    Load("[KEYWORDS0:]\nold\n");
    Load("[KEYWORDS0:]\nnew\n");
    EXPECT_EQ(-1, ValueOf("old"));
    EXPECT_FALSE(m_table.LoadKeywords((m_dir / "missing.key").c_str(), true));
    EXPECT_EQ(0, m_table.GetCount());
    EXPECT_TRUE(m_table.Check());
}

TEST_F(KeywordTableTest, OverlongWordIsSkipped)
{
    SkippedLines skipped;
    Load("[KEYWORDS0:]\n" + std::string(1100, 'x') + " short\n", true, &skipped);
    EXPECT_EQ(21, ValueOf("short"));
    EXPECT_EQ(1, m_table.GetCount());
    EXPECT_EQ(1u, skipped.size());
}

TEST(KeywordTableNodesTest, NodesComeFromBlocksAndLookupReportsTheBucket)
{
    CKeywordTable table(7);
    for (int i = 0; i < 25; ++i)
        EXPECT_TRUE(table.Add(("w" + std::to_string(i)).c_str(), (uint16_t)i));
    EXPECT_FALSE(table.Add("w3", 99));
    EXPECT_EQ(25, table.GetCount());
    EXPECT_TRUE(table.Check());
    int bucket = -1;
    EXPECT_EQ(nullptr, table.Lookup("absent", &bucket));
    EXPECT_GE(bucket, 0);
    EXPECT_LT(bucket, 7);
    ASSERT_NE(nullptr, table.Lookup("w3"));
    EXPECT_EQ(3, table.Lookup("w3")->value);
    table.RemoveAll();
    EXPECT_EQ(0, table.GetCount());
    EXPECT_EQ(7, table.GetBucketCount());
    EXPECT_TRUE(table.Check());
}

} // namespace
