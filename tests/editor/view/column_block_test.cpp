#include <gtest/gtest.h>

#include "EditTestSupport.h"

namespace {

// GBK 中: in the fixed-pitch fake it spans two 8-pixel cells.
const std::string kZhong = "\xD6\xD0";

struct ColumnFixture : EditFixture {
    ColumnFixture() { modes.columnMode = true; }
    int CaretCell() const { return view.GetCaretX() / view.GetAverageCharWidth(); }
    int AnchorCell() const { return view.GetAnchorX() / view.GetAverageCharWidth(); }
};

TEST(ColumnBlockTest, ZeroWidthBlockTakesTypingOnEveryLineAndStaysABlock)
{
    ColumnFixture f;
    f.Load({"abcd", "ab", "abcd"});
    f.Block(3, 0, 3, 2);
    f.Act([&] { f.commands.DoTypeChar('x'); });
    EXPECT_EQ((Texts{"abcxd", "ab x", "abcxd"}), f.Lines());
    EXPECT_TRUE(f.view.IsSelectionActive());
    EXPECT_EQ(4, f.CaretCell());
    EXPECT_EQ(4, f.AnchorCell());
    f.Act([&] { f.commands.DoTypeChar('y'); });
    EXPECT_EQ((Texts{"abcxyd", "ab xy", "abcxyd"}), f.Lines());
    EXPECT_TRUE(f.view.Check());
    ASSERT_TRUE(f.Undo());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"abcd", "ab", "abcd"}), f.Lines());
}

TEST(ColumnBlockTest, TypingOverABlockWithWidthReplacesItOnEachLine)
{
    ColumnFixture f;
    f.Load({"abcdef", "abcdef"});
    f.Block(1, 0, 3, 1);
    f.Act([&] { f.commands.DoTypeChar('x'); });
    EXPECT_EQ((Texts{"axdef", "axdef"}), f.Lines());
    EXPECT_TRUE(f.view.IsSelectionActive());
}

TEST(ColumnBlockTest, BackspaceAndDeleteOnAZeroWidthBlock)
{
    ColumnFixture f;
    f.Load({"abcd", "abcd", "ab"});
    f.Block(2, 0, 2, 2);
    f.Act([&] { f.commands.DoBackspaceKey(); });
    EXPECT_EQ((Texts{"acd", "acd", "a"}), f.Lines());
    EXPECT_EQ(1, f.CaretCell());
    EXPECT_EQ(1, f.AnchorCell());
    EXPECT_TRUE(f.view.IsSelectionActive());
    f.Act([&] { f.commands.DoDeleteKey(); });
    EXPECT_EQ((Texts{"ad", "ad", "a"}), f.Lines());
    EXPECT_TRUE(f.view.Check());
}

TEST(ColumnBlockTest, EdgesThatCutADoubleByteCharacterLeaveBlanks)
{
    ColumnFixture f;
    // Cells: a | 中 中 | b | c
    f.Load({"a" + kZhong + "bc", "a" + kZhong + "bc"});
    f.Block(2, 0, 4, 1);
    f.Act([&] { f.actions.DeleteColumnBlock(); });
    // The left edge cut 中: it goes with the block and its left half stays as a blank.
    EXPECT_EQ((Texts{"a c", "a c"}), f.Lines());
    EXPECT_EQ(2, f.CaretCell());
}

TEST(ColumnBlockTest, DeleteToLineEndAndStartInColumnBlock)
{
    ColumnFixture f;
    f.Load({"abcdef", "ab"});
    f.Block(3, 0, 3, 1);
    f.Act([&] { f.actions.DeleteToLineEndInColumnBlock(); });
    EXPECT_EQ((Texts{"abc", "ab"}), f.Lines());
    f.Load({"abcdef", "ab"});
    f.Block(3, 0, 3, 1);
    f.Act([&] { f.actions.DeleteToLineStartInColumnBlock(); });
    EXPECT_EQ((Texts{"def", ""}), f.Lines());
    EXPECT_EQ(0, f.CaretCell());
}

TEST(ColumnBlockTest, CopyGivesOneEntryPerLineWithCutCharactersAsBlanks)
{
    ColumnFixture f;
    f.Load({"a" + kZhong + "bc", "abcde", "a"});
    f.Block(2, 0, 4, 2);
    CStringLineList lines;
    f.actions.CopyColumnBlock(lines);
    ASSERT_EQ(3, lines.GetCount());
    EXPECT_STREQ(" b", lines.GetAt(0));
    EXPECT_STREQ("cd", lines.GetAt(1));
    EXPECT_STREQ("", lines.GetAt(2));
}

// In a proportional font the block's edges fall on each row's nearest character boundary:
// copying and cutting take whole characters, the same ones on every action.
TEST(ColumnBlockTest, ProportionalRowsTakeWholeCharactersNearestTheEdges)
{
    ProportionalMetrics metrics;  // "m" 12, "i" 3, other letters 7
    EditFixture f(metrics);
    f.modes.columnMode = true;
    f.Load({"abcd", "mmmm", "iiiiii", "ab"});
    // From x 0 to x 14 (behind "ab") over all four rows.
    f.view.SelectPixels({0, 0}, {14, 3 * f.view.GetLineHeight()});
    CStringLineList lines;
    f.actions.CopyColumnBlock(lines);
    ASSERT_EQ(4, lines.GetCount());
    EXPECT_STREQ("ab", lines.GetAt(0));
    EXPECT_STREQ("m", lines.GetAt(1));      // 12 is nearer to 14 than 24
    EXPECT_STREQ("iiiii", lines.GetAt(2));  // 15 is the nearest boundary
    EXPECT_STREQ("ab", lines.GetAt(3));
    f.Act([&] { f.actions.DeleteColumnBlock(); });
    EXPECT_EQ((Texts{"cd", "mmm", "i", ""}), f.Lines());
}

TEST(ColumnBlockTest, PastePadsEntriesAndShortLines)
{
    ColumnFixture f;
    f.Load({"ab", "", "ab"});
    f.Caret(1, 0);
    CStringLineList lines;
    lines.AddTail("12");
    lines.AddTail("3");
    lines.AddTail("45");
    f.Act([&] { f.actions.PasteColumn(lines); });
    EXPECT_EQ((Texts{"a12b", " 3 ", "a45b"}), f.Lines());
    EXPECT_EQ(3, f.CaretCell());
    EXPECT_EQ(0, f.CaretAt().line);
    EXPECT_TRUE(f.view.Check());
}

TEST(ColumnBlockTest, PastePastTheDocumentEndMakesLines)
{
    ColumnFixture f;
    f.Load({"ab"});
    f.Caret(1, 0);
    CStringLineList lines;
    lines.AddTail("1");
    lines.AddTail("2");
    f.Act([&] { f.actions.PasteColumn(lines); });
    EXPECT_EQ((Texts{"a1b", " 2"}), f.Lines());
    ASSERT_TRUE(f.Undo());
    EXPECT_EQ((Texts{"ab"}), f.Lines());
    EXPECT_TRUE(f.view.Check());
}

TEST(ColumnBlockTest, PasteOverZeroWidthBlockGoesToItsTopLine)
{
    ColumnFixture f;
    f.Load({"ab", "ab", "ab"});
    f.clipboard.has = true;
    f.clipboard.text = "X";
    f.Block(1, 2, 1, 0);  // anchor below, caret on top... then swapped: caret at the bottom
    f.view.SelectPixels({8, 0}, {8, 2 * f.view.GetLineHeight()});
    f.Act([&] { f.commands.DoPaste(0); });
    EXPECT_EQ((Texts{"aXb", "ab", "ab"}), f.Lines());
    EXPECT_FALSE(f.view.IsSelectionActive());
}

} // namespace
