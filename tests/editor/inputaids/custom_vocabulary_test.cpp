#include "editor/inputaids/CustomVocabulary.h"

#include "framework/AppEnvironment.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <direct.h>
#endif

#include <string>

namespace {

struct EntryCase {
    int index;
    const char* word;
};

void ExpectEntries(const CCustomVocabulary& table, std::initializer_list<EntryCase> cases)
{
    for (const EntryCase& c : cases)
        EXPECT_STREQ(table.Word(c.index), c.word) << "entry " << c.index;
}

std::string Lines(int count, const char* stem)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += stem + std::to_string(i) + "\n";
    return text;
}

} // namespace

TEST(CustomVocabulary, StartsWithTheReadyMadeWords)
{
    CCustomVocabulary table;
    ExpectEntries(table, {{0, "国家"}, {4, "扁鹊"}, {13, "长度"}, {17, "距离"}, {31, "距离"},
                          {39, "中国"}, {54, "红中"}, {55, ""}, {79, ""}, {80, ""}, {-1, ""}});
}

TEST(CustomVocabulary, FileFillsTheFirstEntriesAndTheRestKeepTheirWords)
{
    TempDir dir;
    // Empty lines are skipped; a line of blanks is a word; CR LF and LF both end a line.
    std::string path = dir.WriteFile("words.txt", "甲\r\n\n乙\r\n  \n丙丁\n戊\n己\n庚\n辛\n壬\n癸\n子");
    CCustomVocabulary table;
    ASSERT_TRUE(table.Load(path.c_str()));
    ExpectEntries(table, {{0, "甲"}, {1, "乙"}, {2, "  "}, {3, "丙丁"}, {9, "癸"}, {10, "子"},
                          {11, "房间"}, {54, "红中"}, {55, ""}});
}

TEST(CustomVocabulary, MissingFileLeavesTheTableUnchanged)
{
    TempDir dir;
    CCustomVocabulary table;
    table.Push("甲");
    EXPECT_FALSE(table.Load((dir / "none.txt").c_str()));
    ExpectEntries(table, {{0, "甲"}, {1, "国家"}, {55, "红中"}});
}

TEST(CustomVocabulary, OnlyTheFirst80WordsAreRead)
{
    TempDir dir;
    std::string path = dir.WriteFile("words.txt", Lines(85, "词"));
    CCustomVocabulary table;
    ASSERT_TRUE(table.Load(path.c_str()));
    ExpectEntries(table, {{0, "词0"}, {79, "词79"}});
}

TEST(CustomVocabulary, SaveKeepsAll80WordsForTheNextStart)
{
    TempDir dir;
    CCustomVocabulary table;
    for (int i = 0; i < CCustomVocabulary::kSize; ++i)
        table.Push(("词" + std::to_string(i)).c_str());
    const std::string path = (dir / "words.txt");
    ASSERT_TRUE(table.Save(path.c_str()));

    CCustomVocabulary next;
    next.InitDefaults();
    ASSERT_TRUE(next.Load(path.c_str()));
    for (int i = 0; i < CCustomVocabulary::kSize; ++i)
        EXPECT_STREQ(next.Word(i), table.Word(i)) << "entry " << i;
    EXPECT_STREQ(next.Word(79), "词0");
}

TEST(CustomVocabulary, SplittingALongLineNeverCutsADoubleByteCharacter)
{
    // Characters start on even offsets, so the 2047 bytes a buffer holds end on a lead byte.
    std::string line;
    for (int i = 0; i < 1100; ++i)
        line += "词";
    TempDir dir;
    std::string path = dir.WriteFile("words.txt", line + "\n尾\n");
    CCustomVocabulary table;
    ASSERT_TRUE(table.Load(path.c_str()));
    std::string first = table.Word(0);
    std::string second = table.Word(1);
    ASSERT_GE(first.size(), 3u);
    EXPECT_LE(first.size(), CCustomVocabulary::kLineBufferSize - 1);
    EXPECT_EQ(first.substr(first.size() - 2), "词");
    EXPECT_EQ(second.substr(0, 2), "词");
    EXPECT_EQ(first + second, line);
    EXPECT_STREQ(table.Word(2), "尾");
}

TEST(CustomVocabulary, PushMovesEveryWordDownAndDropsTheLast)
{
    CCustomVocabulary table;
    for (int i = 0; i < 25; ++i)
        table.Push(("词" + std::to_string(i)).c_str());
    ExpectEntries(table, {{0, "词24"}, {24, "词0"}, {25, "国家"}, {79, "红中"}});
    table.Push("国家");
    // No duplicate test: the word stands twice; the oldest word drops out.
    ExpectEntries(table, {{0, "国家"}, {1, "词24"}, {26, "国家"}, {79, "白板"}});
}

// Program-folder paths are Windows paths.
#ifdef _WIN32
TEST(CustomVocabulary, ProcessTableReadsBelowTheProgramFolder)
{
    TempDir dir;
    ASSERT_EQ(_mkdir((dir / "配置").c_str()), 0);
    dir.WriteFile("配置\\自定词汇.文本", "甲\n乙\n");
    ScopedProgramFolder folder(dir.Path().c_str());

    InitCustomVocabularyDefaults();
    LoadCustomVocabulary();
    PushCustomVocabularyWord("丙");
    ExpectEntries(CustomVocabulary(), {{0, "丙"}, {1, "甲"}, {2, "乙"}, {3, "武器"}});
    InitCustomVocabularyDefaults();
    EXPECT_STREQ(CustomVocabulary().Word(0), "国家");
}
#endif

// A lead byte cut off by a zero byte was pushed back after the line end had been read, so it
// began the next line's word.
TEST(CustomVocabulary, ZeroByteEndsAWordAndTheNextLineKeepsItsOwn)
{
    TempDir dir;
    std::string path = dir.WriteFile("words.txt", std::string("alpha\xB0\0tail\ngamma\nbe\0\n", 22)
                                                      + "delta");
    CCustomVocabulary table;
    ASSERT_TRUE(table.Load(path.c_str()));
    ExpectEntries(table, {{0, "alpha"}, {1, "gamma"}, {2, "be"}, {3, "delta"}, {4, "扁鹊"}});
}
