#include "editor/inputaids/PromptTables.h"

#include "cpu_time.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <direct.h>
#endif

#include <cctype>
#include <string>
#include <vector>

namespace {

using Matches = std::vector<const PromptEntry*>;

void AddLines(CPromptTables& tables, int table, const std::vector<std::string>& lines, int levelBase = 0)
{
    for (const std::string& line : lines)
        ASSERT_TRUE(tables.AddLine(table, line.data(), line.size(), levelBase)) << line;
}

// The display texts of the matches, in order.
std::vector<std::string> Find(const CPromptTables& tables, const char* prefix, int table = 0)
{
    Matches matches;
    int count = tables.FindPromptMatches(prefix, table, matches);
    EXPECT_EQ(count, (int)matches.size());
    std::vector<std::string> displays;
    for (const PromptEntry* entry : matches)
        displays.push_back(entry->display);
    return displays;
}

using Strings = std::vector<std::string>;

class PromptTablesTest : public ::testing::Test {
protected:
    // Loads the table from files, so entries go through the same sort as at start-up.
    void Load(int table, const std::string& text, int levelBase = 0)
    {
        std::string path = m_dir.WriteFile("table" + std::to_string(m_files++) + ".txt", text);
        PromptFileReport report = m_tables.LoadFile(table, path, levelBase);
        ASSERT_TRUE(report.opened);
        ASSERT_TRUE(report.skippedLines.empty());
        ASSERT_TRUE(m_tables.Check());
    }

    TempDir m_dir;
    CPromptTables m_tables;
    int m_files = 0;
};

} // namespace

TEST_F(PromptTablesTest, ExampleEntryMatchesItsAbbreviationAndPrefix)
{
    Load(0, "0 如果 如果（）:2 rg:*\r\n");
    for (const char* prefix : {"r", "rg"}) {
        Matches matches;
        ASSERT_EQ(m_tables.FindPromptMatches(prefix, 0, matches), 1) << prefix;
        EXPECT_EQ(FormatPromptListLine(*matches[0]), "☆ 如果");
        EXPECT_STREQ(matches[0]->insert, "如果（）");
        EXPECT_EQ(matches[0]->CaretOffset(), 2);
    }
    EXPECT_EQ(Find(m_tables, "rgx"), Strings{});
    EXPECT_EQ(Find(m_tables, "g"), Strings{});
    EXPECT_EQ(Find(m_tables, "rg", 1), Strings{});
}

TEST_F(PromptTablesTest, LevelsAddTheFileBase)
{
    Load(0, "0 函数 函数 hanshu:+:3\n", 20);
    for (const char* prefix : {"ha", "han", "hans", "hansh", "hanshu"}) {
        Matches matches;
        ASSERT_EQ(m_tables.FindPromptMatches(prefix, 0, matches), 1) << prefix;
        EXPECT_EQ(matches[0]->Level(), 23);
        EXPECT_EQ(matches[0]->FullKeyLength(), 6);
    }
    EXPECT_EQ(Find(m_tables, "h"), Strings{});
}

TEST_F(PromptTablesTest, LongPrefixAlsoListsLongerKeys)
{
    Load(0, "0 A a abcdefgh\n0 B b abcdefghij\n0 C c abcdefghxy\n0 D d abcdefgi\n0 E e abcdefg\n");
    EXPECT_EQ(Find(m_tables, "abcdefgh"), (Strings{"A", "B", "C"}));
    EXPECT_EQ(Find(m_tables, "abcdefghx"), (Strings{"C"}));
    // Below 8 bytes only exact keys are listed.
    EXPECT_EQ(Find(m_tables, "abcdefg"), (Strings{"E"}));
}

TEST_F(PromptTablesTest, EqualKeysOrderByKindLevelThenFileOrder)
{
    Load(0, "2 K2L3 t zs:3\n0 K0L5 t zs:5\n1 first t zs\n0 K0L1 t zs\n1 second t zs\n");
    EXPECT_EQ(Find(m_tables, "zs"), (Strings{"K0L1", "K0L5", "first", "second", "K2L3"}));
    // Later files come after earlier ones on a complete tie.
    Load(0, "1 third t zs\n");
    EXPECT_EQ(Find(m_tables, "zs"), (Strings{"K0L1", "K0L5", "first", "second", "third", "K2L3"}));
}

TEST_F(PromptTablesTest, KindMarks)
{
    Load(0, "0 a x k\n1 b x k\n2 c x k\n3 d x k\n7 e x k\n");
    Matches matches;
    ASSERT_EQ(m_tables.FindPromptMatches("k", 0, matches), 5);
    const char* expected[] = {"☆ a", "⊙ b", "◆ c", "▲ d", "   e"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(FormatPromptListLine(*matches[i]), expected[i]);
}

TEST_F(PromptTablesTest, AtMost511Matches)
{
    std::string text;
    for (int i = 0; i < 600; ++i)
        text += "0 d" + std::to_string(i) + " x same\n";
    Load(0, text);
    EXPECT_EQ(Find(m_tables, "same").size(), 511u);
}

TEST_F(PromptTablesTest, EmptyPrefixOrBadTableFindsNothing)
{
    Load(0, "0 a x k\n");
    Matches matches;
    EXPECT_EQ(m_tables.FindPromptMatches("", 0, matches), 0);
    EXPECT_EQ(m_tables.FindPromptMatches(nullptr, 0, matches), 0);
    EXPECT_EQ(m_tables.FindPromptMatches("k", 4, matches), 0);
    EXPECT_EQ(m_tables.FindPromptMatches("k", -1, matches), 0);
}

TEST_F(PromptTablesTest, OrderAndSearchShareOneCollation)
{
    // Two keys of one hash that a case-insensitive order and a byte order put the other way
    // round; a search comparing bytes over a case-insensitively ordered list misses one.
    std::string alphabet = "_";
    for (char c = 'A'; c <= 'Z'; ++c)
        alphabet += std::string(1, c) + (char)tolower((unsigned char)c);
    auto lower = [](std::string s) {
        for (char& c : s)
            c = (char)tolower((unsigned char)c);
        return s;
    };
    std::vector<std::string> buckets[kPromptBucketCount];
    std::string first, second;
    for (char a : alphabet) {
        for (char b : alphabet) {
            std::string key = {a, b};
            std::vector<std::string>& bucket = buckets[PromptKeyHash(key.c_str())];
            for (const std::string& other : bucket)
                if ((lower(other) < lower(key)) != (other < key)) {
                    first = other;
                    second = key;
                }
            bucket.push_back(key);
        }
    }
    ASSERT_FALSE(first.empty());
    Load(0, "0 one x " + first + "\n0 two x " + second + "\n");
    EXPECT_EQ(Find(m_tables, first.c_str()), Strings{"one"});
    EXPECT_EQ(Find(m_tables, second.c_str()), Strings{"two"});
}

TEST_F(PromptTablesTest, CaretOffsetThatDoesNotFitBecomesZero)
{
    std::string insert(1500, 'x');
    Load(0, "0 d " + insert + ":1030 k\n0 e " + insert + ":1023 m\n");
    Matches matches;
    ASSERT_EQ(m_tables.FindPromptMatches("k", 0, matches), 1);
    EXPECT_EQ(matches[0]->CaretOffset(), 0);
    ASSERT_EQ(m_tables.FindPromptMatches("m", 0, matches), 1);
    EXPECT_EQ(matches[0]->CaretOffset(), 1023);
}

TEST_F(PromptTablesTest, FileReportListsSkippedLines)
{
    std::string path = m_dir.WriteFile("mixed.txt",
                                       "0 a x k\r\n"
                                       "\r\n"
                                       "not an entry\r\n"
                                       "   \t\r\n"
                                       "0 \"broken x k\r\n"
                                       "1 b y m");
    PromptFileReport report = m_tables.LoadFile(1, path, 0);
    EXPECT_TRUE(report.opened);
    EXPECT_EQ(report.lineCount, 6);
    EXPECT_EQ(report.entryLineCount, 2);
    EXPECT_EQ(report.skippedLines, (std::vector<int>{3, 5}));
    EXPECT_EQ(Find(m_tables, "m", 1), Strings{"b"});
    EXPECT_EQ(Find(m_tables, "k", 1), Strings{"a"});

    PromptFileReport missing = m_tables.LoadFile(1, m_dir / "nothing.txt", 0);
    EXPECT_FALSE(missing.opened);
}

TEST_F(PromptTablesTest, OverlongLineRestIsNotReadAsALine)
{
    // The line's first 2047 bytes fill the buffer; what follows looks like an entry line.
    std::string line = "0 d i " + std::string(2047 - 6, 'y') + "5 tail tail tailkey";
    Load(0, line + "\n0 next n nextkey\n");
    EXPECT_EQ(Find(m_tables, "tailkey"), Strings{});
    EXPECT_EQ(Find(m_tables, "nextkey"), Strings{"next"});
}

// A zero byte made the line look overlong, and the skip of its "rest" swallowed the next line.
TEST_F(PromptTablesTest, ZeroByteEndsTheLineTextAndKeepsTheNextLine)
{
    std::string path = m_dir.WriteFile("zero.txt", std::string("0 a x k\0junk\n", 13)
                                                       + "0 b y m\n0 c z m\0");
    PromptFileReport report = m_tables.LoadFile(0, path, 0);
    EXPECT_EQ(report.lineCount, 3);
    EXPECT_EQ(report.entryLineCount, 3);
    EXPECT_EQ(Find(m_tables, "k"), Strings{"a"});
    EXPECT_EQ(Find(m_tables, "m"), (Strings{"b", "c"}));
}

TEST_F(PromptTablesTest, SplittingALongLineNeverCutsADoubleByteCharacter)
{
    // "0 d i k1" then " 中" chunks; the 680th 中 straddles the 2047-byte buffer.
    std::string line = "0 d i k1";
    for (int i = 0; i < 680; ++i)
        line += " 中";
    ASSERT_EQ((unsigned char)line[2046], 0xD6);
    Load(0, line + " tailkey\n");
    for (const PromptEntry& entry : m_tables.Entries(0))
        EXPECT_TRUE(entry.key == "k1" || entry.key == "中") << entry.key;
    EXPECT_EQ(Find(m_tables, "中").size(), 511u);
    EXPECT_EQ(Find(m_tables, "\xD6"), Strings{});
}

// Program-folder paths are Windows paths.
#ifdef _WIN32
TEST_F(PromptTablesTest, LoadAllReadsTheEightFilesWithTheirBases)
{
    std::string folder = m_dir / "配置";
    ASSERT_EQ(_mkdir(folder.c_str()), 0);
    m_dir.WriteFile("配置\\一级语法提示.墨", "0 一级 x k\n");
    m_dir.WriteFile("配置\\二级语法提示.墨", "0 二级 x k\n");
    m_dir.WriteFile("配置\\三级语法提示.墨", "0 三级 x k\n");
    m_dir.WriteFile("配置\\一级语法提示.墨双", "0 双 x k\n");
    m_dir.WriteFile("配置\\一级语法提示.构建", "0 构建 x k\n");
    // No assembler file: table 3 stays empty.
    m_tables.AddLine(3, "0 old x k", 9, 0);
    m_tables.LoadAll(m_dir.Path());
    EXPECT_TRUE(m_tables.Check());

    Matches matches;
    struct Case { int table; Strings displays; std::vector<int> levels; } cases[] = {
        {0, {"一级", "二级", "三级"}, {1, 11, 21}},
        {1, {"双", "一级", "二级"}, {1, 11, 21}},
        {2, {"构建"}, {1}},
        {3, {}, {}},
    };
    for (const Case& c : cases) {
        m_tables.FindPromptMatches("k", c.table, matches);
        ASSERT_EQ(matches.size(), c.displays.size()) << c.table;
        for (size_t i = 0; i < matches.size(); ++i) {
            EXPECT_EQ(matches[i]->display, c.displays[i]);
            EXPECT_EQ(matches[i]->Level(), c.levels[i]);
        }
    }
}
#endif

TEST(PromptTables, FirstEntryOfALineOwnsTheTexts)
{
    CPromptTables tables;
    AddLines(tables, 0, {"0 a x ab:* cd"});
    int owners = 0;
    for (const PromptEntry& entry : tables.Entries(0))
        owners += entry.OwnsTexts() ? 1 : 0;
    EXPECT_EQ(tables.Entries(0).size(), 3u);
    EXPECT_EQ(owners, 1);
}

TEST(PromptTables, LinesAddedOneByOneAreFoundInOrder)
{
    CPromptTables tables;
    AddLines(tables, 2, {"1 later x k", "0 earlier x k", "0 other x j"});
    EXPECT_TRUE(tables.Check());
    EXPECT_EQ(Find(tables, "k", 2), (Strings{"earlier", "later"}));
    EXPECT_EQ(Find(tables, "j", 2), (Strings{"other"}));
}

TEST_F(PromptTablesTest, LookupStaysWithinItsBucket)
{
    // A large table: every lookup walks only the entries of its key's hash, so twenty
    // thousand lookups take milliseconds; walking the whole list would take minutes.
    std::string text;
    for (int i = 0; i < 40000; ++i)
        text += "0 d" + std::to_string(i) + " x k" + std::to_string(i) + ":* w" + std::to_string(i) + "\n";
    Load(0, text);
    ASSERT_GT(m_tables.Entries(0).size(), 150000u);
    const double start = ThreadCpuSeconds();
    Matches matches;
    int found = 0;
    for (int i = 0; i < 20000; ++i)
        found += m_tables.FindPromptMatches(("w" + std::to_string(i * 2)).c_str(), 0, matches);
    const double elapsed = ThreadCpuSeconds() - start;
    EXPECT_EQ(found, 20000);
    EXPECT_LT(elapsed, 2.0);
}
