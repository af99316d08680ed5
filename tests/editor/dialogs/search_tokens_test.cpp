#include "editor/dialogs/SearchHistory.h"
#include "editor/dialogs/SearchTokens.h"
#include "editor/res/resource.h"

#include <gtest/gtest.h>

TEST(SearchTokensTest, InsertsAtTheRememberedSelectionClampedToTheText)
{
    const SearchToken& notInRange = *FindSearchToken(ID_TOKEN_NOT_IN_RANGE);
    const struct {
        const char* text;
        int start, end;
        const char* expected;
        int caret;
    } cases[] = {
        {"", 0, 0, "[^]", 2},
        {"abc", 1, 2, "a[^]c", 3},
        {"abc", 2, 1, "a[^]c", 3},        // a selection made leftwards
        {"ab", 7, 9, "ab[^]", 4},         // the text got shorter since
        {"中文", 1, 1, "[^]中文", 2},      // inside the first character
        {"中文", 2, 3, "中[^]文", 4},      // an end inside a character keeps it whole
        {"x", -3, 0, "[^]x", 2},
    };
    for (const auto& c : cases) {
        int caret = -1;
        EXPECT_STREQ(c.expected, InsertSearchToken(c.text, c.start, c.end, notInRange, caret))
            << c.text << " " << c.start << "-" << c.end;
        EXPECT_EQ(c.caret, caret) << c.text;
    }
}

TEST(SearchTokensTest, PositionsConvertBetweenCharactersAndBytes)
{
    const CString text = "中a文";
    const int bytes[] = {0, 2, 3, 5, 5};
    for (int characters = 0; characters < 5; ++characters)
        EXPECT_EQ(bytes[characters], CharacterToBytePosition(text, characters)) << characters;
    const int characters[] = {0, 1, 1, 2, 3, 3, 3};
    for (int byte = 0; byte < 7; ++byte)
        EXPECT_EQ(characters[byte], ByteToCharacterPosition(text, byte)) << byte;
}

TEST(SearchTokensTest, EveryMenuCommandHasItsTokenAndCaret)
{
    const struct {
        UINT command;
        const char* text;
        int caret;
        bool replacement;
    } cases[] = {
        {ID_TOKEN_TAB, "\\t", 2, false},         {ID_TOKEN_ANY, ".", 1, false},
        {ID_TOKEN_OR, "|", 1, false},            {ID_TOKEN_IN_RANGE, "[]", 1, false},
        {ID_TOKEN_GROUP, "()", 1, false},        {ID_TOKEN_HEX_DIGIT, "\\h", 2, false},
        {ID_TOKEN_BLANK, "\\s", 2, false},       {ID_TOKEN_REPLACE_TAB, "\\t", 2, true},
        {ID_TOKEN_WHOLE_MATCH, "\\0", 2, true},  {ID_TOKEN_GROUP_1 + 4, "\\5", 2, true},
        {ID_TOKEN_GROUP_9, "\\9", 2, true},
    };
    for (const auto& c : cases) {
        const SearchToken* token = FindSearchToken(c.command);
        ASSERT_NE(nullptr, token) << c.command;
        EXPECT_STREQ(c.text, token->text);
        EXPECT_EQ(c.caret, token->caretOffset);
        EXPECT_EQ(c.replacement, token->forReplacement);
    }
    EXPECT_EQ(nullptr, FindSearchToken(IDOK));
}

TEST(SearchHistoryTest, RememberMovesToTheFrontAndKeepsTheCapacity)
{
    CSearchHistory history(30);
    for (int n = 0; n < 31; ++n) {
        CString text;
        text.Format("t%d", n);
        history.Remember(text);
    }
    ASSERT_EQ(30u, history.GetCount());
    EXPECT_STREQ("t30", history.Latest());
    EXPECT_STREQ("t1", history.Entries().back());
    history.Remember("t5");
    EXPECT_EQ(30u, history.GetCount()) << "no duplicate";
    EXPECT_STREQ("t5", history.Entries()[0]);
    EXPECT_STREQ("t30", history.Entries()[1]);

    history.Remember("");
    EXPECT_STREQ("t5", history.Latest()) << "an empty text is never added";
}

TEST(SearchHistoryTest, KeepingPlaceLeavesAKnownEntryWhereItIs)
{
    CSearchHistory history(30, {"a", "b", "c"});
    history.RememberKeepingPlace("c");
    EXPECT_STREQ("c", history.Entries()[2]);
    history.RememberKeepingPlace("d");
    EXPECT_STREQ("d", history.Entries()[0]);
    EXPECT_EQ(4u, history.GetCount());
}
