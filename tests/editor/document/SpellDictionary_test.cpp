#include "editor/document/SpellDictionary.h"

#include "RecordingProgress.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

namespace {

class SpellDictionaryTest : public ::testing::Test {
protected:
    TempDir m_dir;
    CSpellDictionary m_dictionary;
    CRecordingProgress m_progress;
};

TEST_F(SpellDictionaryTest, WordOfBothFilesIsStoredOnceAndCaseIsIgnored)
{
    m_dir.WriteFile(CSpellDictionary::kSystemFileName, "Apple\r\nbanana  cherry\tapple\n");
    m_dir.WriteFile(CSpellDictionary::kUserFileName, "BANANA\r\nmoyu\r\n");
    ASSERT_TRUE(m_dictionary.Load(m_dir.Path(), &m_progress));
    EXPECT_TRUE(m_dictionary.IsCheckOn());
    EXPECT_EQ(4, m_dictionary.Words().GetCount());
    EXPECT_TRUE(m_dictionary.Words().Check());
    for (const char* word : {"apple", "APPLE", "Banana", "cherry", "MoYu"})
        EXPECT_TRUE(m_dictionary.Contains(word, (int)strlen(word))) << word;
    EXPECT_FALSE(m_dictionary.Contains("durian", 6));
    ASSERT_NE(nullptr, m_dictionary.Words().Lookup("apple"));
    EXPECT_EQ(31, m_dictionary.Words().Lookup("apple")->value);
    EXPECT_EQ("begin:Loading Dictionary...", m_progress.m_calls.front());
    EXPECT_EQ("end", m_progress.m_calls.back());
}

// A second load reads the files as they are now: their words replace the earlier ones. A
// load that fails keeps the words in force.
TEST_F(SpellDictionaryTest, LoadingAgainReplacesTheWordsUnlessItFails)
{
    m_dir.WriteFile(CSpellDictionary::kSystemFileName, "apple\n");
    m_dir.WriteFile(CSpellDictionary::kUserFileName, "wrold\n");
    ASSERT_TRUE(m_dictionary.Load(m_dir.Path(), &m_progress));
    m_dir.WriteFile(CSpellDictionary::kUserFileName, "moyu\n");
    ASSERT_TRUE(m_dictionary.Load(m_dir.Path(), &m_progress));
    EXPECT_TRUE(m_dictionary.Contains("moyu", 4));
    EXPECT_FALSE(m_dictionary.Contains("wrold", 5)) << "a word taken out of the file is gone";
    EXPECT_EQ(2, m_dictionary.Words().GetCount());

    m_dir.WriteFile(CSpellDictionary::kSystemFileName, "apple\ncherry\n");
    ASSERT_EQ(0, std::remove((m_dir.Path() + "\\" + CSpellDictionary::kUserFileName).c_str()));
    EXPECT_FALSE(m_dictionary.Load(m_dir.Path(), &m_progress));
    EXPECT_TRUE(m_dictionary.IsCheckOn());
    EXPECT_TRUE(m_dictionary.Contains("apple", 5) && m_dictionary.Contains("moyu", 4));
    EXPECT_FALSE(m_dictionary.Contains("cherry", 6)) << "nothing of the failed load was added";
    EXPECT_TRUE(m_dictionary.Words().Check());
}

TEST_F(SpellDictionaryTest, EmptySystemDictionaryLoadsWithoutAProgressStep)
{
    m_dir.WriteFile(CSpellDictionary::kSystemFileName, "");
    m_dir.WriteFile(CSpellDictionary::kUserFileName, "");
    EXPECT_TRUE(m_dictionary.Load(m_dir.Path(), &m_progress));
    EXPECT_TRUE(m_dictionary.IsCheckOn());
    EXPECT_EQ(0, m_progress.Count("draw:"));
    EXPECT_EQ(1, m_progress.Count("end"));
}

TEST_F(SpellDictionaryTest, ProgressIsEndedWhenALoadFails)
{
    struct FailureCase {
        bool systemPresent;
        bool userPresent;
    };
    for (FailureCase c : {FailureCase{false, true}, FailureCase{true, false}, FailureCase{false, false}}) {
        TempDir dir;
        if (c.systemPresent)
            dir.WriteFile(CSpellDictionary::kSystemFileName, "word\n");
        if (c.userPresent)
            dir.WriteFile(CSpellDictionary::kUserFileName, "other\n");
        CSpellDictionary dictionary;
        CRecordingProgress progress;
        EXPECT_FALSE(dictionary.Load(dir.Path(), &progress));
        EXPECT_FALSE(dictionary.IsCheckOn());
        EXPECT_EQ(1, progress.Count("begin:"));
        EXPECT_EQ("end", progress.m_calls.back());
    }
}

TEST_F(SpellDictionaryTest, ProgressEveryHundredWordsAddedReachesTheEnd)
{
    std::string words;
    for (int i = 0; i < 250; ++i)
        words += "w" + std::to_string(i) + "\n";
    m_dir.WriteFile(CSpellDictionary::kSystemFileName, words);
    m_dir.WriteFile(CSpellDictionary::kUserFileName, "");
    ASSERT_TRUE(m_dictionary.Load(m_dir.Path(), &m_progress));
    // After the 100th and the 200th word.
    ASSERT_EQ(2, m_progress.Count("draw:"));
    size_t afterHundredth = words.find("w99\n") + 3;
    EXPECT_EQ("draw:" + std::to_string(afterHundredth * 100 / words.size()), m_progress.m_calls[1]);
}

TEST_F(SpellDictionaryTest, WordHoldingAZeroByteIsNotItsPrefix)
{
    m_dir.WriteFile(CSpellDictionary::kSystemFileName, "ab\n");
    m_dir.WriteFile(CSpellDictionary::kUserFileName, "");
    ASSERT_TRUE(m_dictionary.Load(m_dir.Path(), nullptr));
    EXPECT_TRUE(m_dictionary.Contains("ab", 2));
    EXPECT_FALSE(m_dictionary.Contains("ab\0cd", 5));
}

TEST_F(SpellDictionaryTest, LongWordsAreNotLookedUp)
{
    std::string longWord(300, 'a');
    m_dir.WriteFile(CSpellDictionary::kSystemFileName, longWord + "\n");
    m_dir.WriteFile(CSpellDictionary::kUserFileName, "");
    ASSERT_TRUE(m_dictionary.Load(m_dir.Path(), nullptr));
    EXPECT_FALSE(m_dictionary.Contains(longWord.data(), (int)longWord.size()));
}

} // namespace
