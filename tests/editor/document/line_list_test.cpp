#include "editor/document/LineList.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

void Fill(CLineList& lines, int count)
{
    for (int i = 0; i < count; ++i) {
        std::string text = std::to_string(i);
        lines.AddTail(text.c_str(), (int)text.size());
    }
}

} // namespace

TEST(LineList, EmptyListHasNoLine)
{
    CLineList lines;
    EXPECT_EQ(nullptr, lines.GetLine(0));
    EXPECT_TRUE(lines.Check());
}

TEST(LineList, OutOfRangeIndexGivesLastLine)
{
    CLineList lines;
    Fill(lines, 3);
    EXPECT_STREQ("2", lines.GetLine(-1)->GetText());
    EXPECT_STREQ("2", lines.GetLine(3)->GetText());
    EXPECT_STREQ("1", lines.GetLine(1)->GetText());
}

TEST(LineList, LinesKeepTheirAddressWhenOthersMove)
{
    CLineList lines;
    Fill(lines, 3000);
    CTextLine* held = lines.GetLine(2500);
    for (int i = 0; i < 2000; ++i)
        lines.InsertLine(10, "x", 1);
    lines.RemoveLines(0, 1500);
    EXPECT_EQ(held, lines.GetLine(3000));
    EXPECT_STREQ("2500", held->GetText());
    EXPECT_TRUE(lines.Check());
}

// The list against a plain vector model over random inserts and removals, with the
// invariant checked after every change.
TEST(LineList, MatchesModelUnderRandomEdits)
{
    CLineList lines;
    std::vector<std::string> model;
    std::mt19937 random(7);
    for (int step = 0; step < 4000; ++step) {
        const int count = (int)model.size();
        if (count < 10 || random() % 3 != 0) {
            const int at = (int)(random() % (unsigned)(count + 1));
            const std::string text = "s" + std::to_string(step);
            lines.InsertLine(at, text.c_str(), (int)text.size());
            model.insert(model.begin() + at, text);
        } else {
            const int at = (int)(random() % (unsigned)count);
            const int n = 1 + (int)(random() % 1500u);
            lines.RemoveLines(at, n);
            model.erase(model.begin() + at, model.begin() + std::min(count, at + n));
        }
        ASSERT_TRUE(lines.Check()) << "step " << step;
        ASSERT_EQ((int)model.size(), lines.GetCount());
        if (!model.empty()) {
            const int probe = (int)(random() % model.size());
            ASSERT_EQ(model[probe], lines.GetLine(probe)->GetText());
        }
    }
    for (int i = 0; i < (int)model.size(); ++i)
        ASSERT_EQ(model[i], lines.GetLine(i)->GetText());
}

TEST(LineList, RemoveRangeIsCutToTheList)
{
    CLineList lines;
    Fill(lines, 5);
    lines.RemoveLines(3, 100);
    EXPECT_EQ(3, lines.GetCount());
    lines.RemoveLines(-2, 3);
    EXPECT_EQ(2, lines.GetCount());
    EXPECT_STREQ("1", lines.GetLine(0)->GetText());
    EXPECT_TRUE(lines.Check());
}

TEST(LineList, OverlongFlagIsFound)
{
    CLineList lines;
    Fill(lines, 10);
    EXPECT_FALSE(lines.HasOverlongLine());
    // Only a line longer than the lexer's reach can be overlong; its analysis says whether
    // it is.
    const std::string longText(kMaxAnalysedColumn + 1, 'a');
    lines.GetLine(7)->Assign(longText.data(), (int)longText.size());
    EXPECT_FALSE(lines.HasOverlongLine());
    lines.GetLine(7)->SetFlags(kLineOverlong);
    EXPECT_TRUE(lines.HasOverlongLine());
}
