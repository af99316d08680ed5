#include "editor/document/LangSpec.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace {

struct RangeCase {
    const char* text;
    RangeCondition expected;
};

TEST(ParseRangeConditionTest, AcceptsEveryTextOverItsOwnLength)
{
    const RangeCase cases[] = {
        {"范围1", kRangeInside1},          {"范围2", kRangeInside2},
        {"!1&2", kRangeOutside1Inside2},   {"!范围1", kRangeOutside1},
        {"!范围2", kRangeOutside2},        {"1||2", kRangeInside1Or2},
        {"RANGE1", kRangeInside1},         {"range2]", kRangeInside2},
        {"!R1&R2", kRangeOutside1Inside2}, {"!rnge1", kRangeOutside1},
        {"!RNGE2", kRangeOutside2},        {"R1||R2", kRangeInside1Or2},
        {"!RANGE1", kRangeNone},           {"", kRangeNone},
        {"范围", kRangeNone},              {"]", kRangeNone},
    };
    for (const RangeCase& c : cases)
        EXPECT_EQ(c.expected, ParseRangeCondition(c.text)) << c.text;
    EXPECT_EQ(kRangeNone, ParseRangeCondition(nullptr));
}

class LangSpecTest : public ::testing::Test {
protected:
    CLangSpec Load(const std::string& content, SkippedLines* skipped = nullptr)
    {
        CLangSpec spec;
        EXPECT_TRUE(spec.Load(m_dir.WriteFile("test.spc", content).c_str(), skipped));
        return spec;
    }
    TempDir m_dir;
};

TEST_F(LangSpecTest, ResetGivesTheDefaults)
{
    CLangSpec spec;
    EXPECT_TRUE(spec.m_caseSensitive);
    EXPECT_EQ(30u, spec.m_delimiters.size());
    EXPECT_EQ(66u, spec.m_fullWidthDelimiters.size());
    EXPECT_EQ(0, spec.m_quote[0]);
    EXPECT_TRUE(spec.m_lineComment[0].empty());
}

TEST_F(LangSpecTest, MissingFileKeepsTheDefaults)
{
    CLangSpec spec;
    spec.m_hexMark = "0x";
    EXPECT_FALSE(spec.Load((m_dir / "missing.spc").c_str()));
    EXPECT_TRUE(spec.m_hexMark.empty());
    EXPECT_EQ(std::string(CLangSpec::kDefaultDelimiters), spec.m_delimiters);
}

TEST_F(LangSpecTest, ByteAndPairFieldsTakeTheFirstCharacter)
{
    CLangSpec spec = Load("$QUOTATIONMARK1=\"abc\n"
                          "$中文引号符号1=“”\n"
                          "$中文缩进开始=｛\n"
                          "$中文缩进结束=｝\n");
    EXPECT_EQ('"', spec.m_quote[0]);
    EXPECT_EQ('\xA1', spec.m_fullWidthQuote[0].lead);
    EXPECT_EQ('\xB0', spec.m_fullWidthQuote[0].trail);
    EXPECT_EQ(std::string("｛"), std::string(1, spec.m_fullWidthIndentOn.lead) + spec.m_fullWidthIndentOn.trail);
    EXPECT_EQ(std::string("｝"), std::string(1, spec.m_fullWidthIndentOff.lead) + spec.m_fullWidthIndentOff.trail);
}

TEST_F(LangSpecTest, FlagsInBothSpellings)
{
    struct FlagCase {
        const char* line;
        bool expected;
    };
    const FlagCase cases[] = {
        {"$CASESENSITIVE=yes", true}, {"$CaseSensitive=Y", true}, {"$CASESENSITIVE=No", false},
        {"$区分大小写=是", true},     {"$区分大小写=否", false},  {"$区分大小写=yes", false},
    };
    for (const FlagCase& c : cases) {
        CLangSpec spec = Load(std::string("$CASESENSITIVE=N\n") + c.line + "\n");
        EXPECT_EQ(c.expected, spec.m_caseSensitive) << c.line;
    }
}

TEST_F(LangSpecTest, EnglishAndChineseNumberingOfComments)
{
    CLangSpec spec = Load("$LINECOMMENT=//\n"
                          "$LINECOMMENT2=REM\n"
                          "$行注释2=；\n"
                          "$BLOCKCOMMENT2ON=(*\n"
                          "$BLOCKCOMMENT2OFF=*)\n"
                          "$块注释2开=【\n"
                          "$块注释2关=】\n"
                          "$LINECOMMENT2ONFIRSTPOSITION=*\n");
    EXPECT_EQ("//", spec.m_lineComment[0]);
    EXPECT_EQ("REM", spec.m_lineComment[1]);
    EXPECT_EQ("；", spec.m_lineComment[2]);
    EXPECT_EQ("(*", spec.m_blockCommentOn[1]);
    EXPECT_EQ("*)", spec.m_blockCommentOff[1]);
    EXPECT_EQ("【", spec.m_blockCommentOn[2]);
    EXPECT_EQ("】", spec.m_blockCommentOff[2]);
    EXPECT_EQ("*", spec.m_firstColumnComment[1]);
}

TEST_F(LangSpecTest, LaterLinesOverwriteAndCommentsAndUnknownKeysAreSkipped)
{
    SkippedLines skipped;
    CLangSpec spec = Load("; comment\n"
                          "$HEXADECIMALMARK=0x\n"
                          "$HEXADECIMALMARK=&H\n"
                          "$NOSUCHKEY=1\n"
                          "$PAIRS1\n"
                          "$PAIRS2=\n"
                          "$RANGE1BEG=<%\n"
                          "$QUOTATIONMARKRANGE=RANGE1\n",
                          &skipped);
    EXPECT_EQ("&H", spec.m_hexMark);
    EXPECT_EQ("<%", spec.m_range1Begin);
    EXPECT_EQ(kRangeInside1, spec.m_quoteRange);
    ASSERT_EQ(3u, skipped.size());
    EXPECT_EQ(4, skipped[0].lineNumber);
    EXPECT_EQ(5, skipped[1].lineNumber);
    EXPECT_EQ(6, skipped[2].lineNumber);
}

TEST_F(LangSpecTest, TrailingCarriageReturnIsNotPartOfTheValue)
{
    CLangSpec spec = Load("$LINECOMMENT=REM\r\n$BLOCKCOMMENTON=/*\r\n$PAIRS1=()\r");
    EXPECT_EQ("REM", spec.m_lineComment[0]);
    EXPECT_EQ("/*", spec.m_blockCommentOn[0]);
    EXPECT_EQ("()", spec.m_pairs[0]);
}

TEST_F(LangSpecTest, FullWidthPairsVanishWhenAnotherSpecIsLoaded)
{
    CLangSpec spec = Load("$中文逻辑块1=（）\n");
    EXPECT_EQ("（）", spec.m_fullWidthPairs[0]);
    EXPECT_TRUE(spec.Load(m_dir.WriteFile("plain.spc", "$PAIRS1=()\n").c_str()));
    EXPECT_TRUE(spec.m_fullWidthPairs[0].empty());
    EXPECT_EQ("()", spec.m_pairs[0]);
}

TEST_F(LangSpecTest, OverlongLineIsSkippedWhole)
{
    SkippedLines skipped;
    CLangSpec spec = Load("$DELIMITERS=" + std::string(5000, '+') + "\n$HEXADECIMALMARK=0x\n",
                          &skipped);
    EXPECT_EQ(std::string(CLangSpec::kDefaultDelimiters), spec.m_delimiters);
    EXPECT_EQ("0x", spec.m_hexMark);
    ASSERT_EQ(1u, skipped.size());
    EXPECT_EQ(1, skipped[0].lineNumber);
}

} // namespace
