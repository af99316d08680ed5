#include <gtest/gtest.h>

#include <string>

#include "ViewTestSupport.h"
#include "editor/view/DateTimeText.h"

namespace {

// ASCII, a tab, two double-byte characters, a blank and a letter.
const char kMixedLine[] = "ab\t中文 xi";

const CDisplayLine& FirstLine(const CViewEngine& view)
{
    return *view.GetLayout().LineAt(0);
}

}  // namespace

class ColumnRoundTripTest : public ::testing::TestWithParam<bool> {};

TEST_P(ColumnRoundTripTest, ColumnsAndPixelsConvertBothWaysOnMixedLines)
{
    FixedPitchMetrics fixed;
    ProportionalMetrics proportional;
    const ITextMetrics& metrics = GetParam() ? (const ITextMetrics&)fixed : proportional;
    ViewFixture f(metrics);
    f.Load({kMixedLine});
    const CDisplayLine& line = FirstLine(f.view);
    const int length = (int)std::string(kMixedLine).size();
    ASSERT_EQ(length, line.GetEndColumn());
    // Every character boundary maps to an x and back.
    for (ByteColumn c : {0, 1, 2, 3, 5, 7, 8, 9, 10}) {
        const PixelX x = f.view.XFromColumn(line, c, true);
        EXPECT_EQ(c, f.view.ColumnFromX(line, x, true)) << "column " << c;
    }
    // Every x maps to a boundary at or left of it, never inside a double-byte character.
    for (PixelX x = 0; x <= line.GetEndX() + 3; ++x) {
        const ByteColumn c = f.view.ColumnFromX(line, x, true);
        EXPECT_NE(4, c);
        EXPECT_NE(6, c);
        EXPECT_LE(f.view.XFromColumn(line, c, true), x) << "x " << x;
    }
    // Past the end: the end with snap, virtual columns by average widths without.
    const int average = metrics.GetAverageCharWidth();
    EXPECT_EQ(length, f.view.ColumnFromX(line, line.GetEndX() + 3 * average + 1, true));
    EXPECT_EQ(length + 3, f.view.ColumnFromX(line, line.GetEndX() + 3 * average + 1, false));
    EXPECT_EQ(line.GetEndX() + 2 * average, f.view.XFromColumn(line, length + 2, false));
    EXPECT_EQ(line.GetEndX(), f.view.XFromColumn(line, length + 2, true));
    // Inside a double-byte character without snap the grid of average widths counts.
    const PixelX dbcsX = f.view.XFromColumn(line, 3, true);
    EXPECT_EQ(3, f.view.ColumnFromX(line, dbcsX + average - 1, false));
    EXPECT_EQ(4, f.view.ColumnFromX(line, dbcsX + average, false));
    EXPECT_EQ(dbcsX + average, f.view.XFromColumn(line, 4, false));
    EXPECT_EQ(dbcsX, f.view.XFromColumn(line, 4, true));
}

INSTANTIATE_TEST_SUITE_P(FixedAndProportional, ColumnRoundTripTest, ::testing::Bool());

TEST(PositionsTest, ClickInEitherHalfOfADoubleByteCharacterLandsOnItsEdge)
{
    ProportionalMetrics metrics;
    ViewFixture f(metrics);
    f.Load({kMixedLine});
    const int gutter = f.view.GetGutterWidth();
    const PixelX start = f.view.XFromColumn(FirstLine(f.view), 3, true);  // 中, 14 wide
    struct Case {
        int dx;
        ByteColumn column;
    };
    for (const Case& c : {Case{0, 3}, Case{6, 3}, Case{7, 5}, Case{13, 5}}) {
        f.view.SetCaretFromPoint(gutter + start + c.dx, 5);
        EXPECT_EQ(c.column, f.view.GetCaretDocPosition().column) << "dx " << c.dx;
        EXPECT_EQ(f.view.GetCaretX(), f.view.GetDesiredX());
    }
}

TEST(PositionsTest, ClickPastTheEndLandsOnTheGridInColumnModeAndAtTheEndOtherwise)
{
    FixedPitchMetrics metrics;  // average width 8
    ViewFixture f(metrics);
    f.Load({"abc", "x"});
    const int gutter = f.view.GetGutterWidth();
    f.view.SetCaretFromPoint(gutter + 51, 0);
    EXPECT_EQ(24, f.view.GetCaretX());
    f.modes.columnMode = true;
    f.view.SetCaretFromPoint(gutter + 51, 0);  // 51 / 8 = 6.4: grid point 48
    EXPECT_EQ(48, f.view.GetCaretX());
    f.view.SetCaretFromPoint(gutter + 52, 0);  // a tie goes up
    EXPECT_EQ(56, f.view.GetCaretX());
    EXPECT_EQ(7, f.view.GetCaretDocPosition().column);
}

TEST(PositionsTest, WordBoundsTable)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"foo  bar,中文，x"});
    CViewEngine& v = f.view;
    struct Case {
        ByteColumn pos, wordEnd, wordStart, nextWord, prevWord, boundsStart, boundsEnd,
            vocabStart, vocabEnd;
    };
    const Case cases[] = {
        {0, 3, 0, 5, 0, 0, 3, 0, 0},
        {1, 3, 0, 5, 0, 0, 3, 0, 3},    // the whole word around the character before
        {3, 5, 3, 5, 0, 0, 3, 0, 3},    // a blank right after a word: that word
        {4, 5, 3, 5, 0, 4, 4, 4, 4},    // a blank after a blank: nothing
        {5, 8, 5, 8, 5, 5, 8, 5, 5},
        {8, 9, 8, 9, 8, 8, 9, 5, 8},    // a delimiter is one character
        {9, 13, 9, 13, 9, 9, 13, 8, 9},
        {13, 15, 13, 15, 13, 13, 15, 9, 13},  // full-width delimiter: two bytes
        {15, 16, 15, 16, 15, 15, 16, 13, 15},
        {16, 16, 16, 16, 16, 15, 16, 15, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pos);
        EXPECT_EQ(c.wordEnd, v.WordEndFrom(0, c.pos));
        EXPECT_EQ(c.wordStart, v.WordStartFrom(0, c.pos));
        EXPECT_EQ(c.nextWord, v.NextWordStart(0, c.pos));
        EXPECT_EQ(c.prevWord, v.PrevWordStart(0, c.pos));
        ByteColumn start, end;
        v.GetWordBounds(0, c.pos, start, end);
        EXPECT_EQ(c.boundsStart, start);
        EXPECT_EQ(c.boundsEnd, end);
        v.GetVocabularyWordBounds(0, c.pos, start, end);
        EXPECT_EQ(c.vocabStart, start);
        EXPECT_EQ(c.vocabEnd, end);
    }
}

TEST(PositionsTest, StreamSelectionIsNormalisedAndHitTested)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"0123456789", "0123456789", "0123456789", "0123456789"});
    const int h = f.view.GetLineHeight();
    f.view.SelectPixels({40, 2 * h}, {16, 0});
    const PixelSelection rect = f.view.GetSelectionRect();
    EXPECT_EQ(16, rect.startX);
    EXPECT_EQ(0, rect.startY);
    EXPECT_EQ(40, rect.endX);
    EXPECT_EQ(2 * h, rect.endY);
    const DocSelection range = f.view.GetSelectionRange();
    EXPECT_EQ((DocPosition{2, 0}), range.start);
    EXPECT_EQ((DocPosition{5, 2}), range.end);
    EXPECT_EQ(2, f.view.GetSelectionLineSpan());
    struct Case {
        PixelX x;
        PixelY y;
        bool inside;
    };
    for (const Case& c : {Case{15, 0, false}, Case{16, 0, true}, Case{500, 5, true},
                          Case{0, h, true}, Case{39, 2 * h + 3, true}, Case{40, 2 * h, false},
                          Case{0, 3 * h, false}}) {
        EXPECT_EQ(c.inside, f.view.IsInSelection(c.x, c.y)) << c.x << "," << c.y;
    }
    // A gutter selection downwards takes the caret's line whole.
    f.view.SelectPixels({16, 0}, {40, 2 * h});
    f.view.TrackGutterSelection(true);
    const PixelSelection whole = f.view.GetSelectionRect();
    EXPECT_EQ(3 * h, whole.endY);
    EXPECT_EQ(0, whole.endX);
}

TEST(PositionsTest, ColumnModeExtendsFromTheSavedBlockByTable)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"", "", "", "", "", "", ""});
    f.modes.columnMode = true;
    const int h = f.view.GetLineHeight();
    f.view.SelectPixels({80, 2 * h}, {160, 4 * h});
    f.view.SaveSelection();
    ASSERT_TRUE(f.view.IsSelectionSaved());
    struct Case {
        const char* where;
        PixelX mouseX;
        PixelY mouseY;
        PixelPosition anchor;
        PixelPosition caret;
    };
    const PixelY top = 2 * h, bottom = 4 * h, above = h, below = 5 * h, middle = 3 * h;
    const Case cases[] = {
        {"inside", 100, middle, {160, bottom}, {80, top}},
        {"rows inside, left", 40, middle, {160, bottom}, {40, top}},
        {"rows inside, right", 200, middle, {80, top}, {200, bottom}},
        {"above, left", 40, above, {160, bottom}, {40, above}},
        {"above, columns inside", 100, above, {160, bottom}, {80, above}},
        {"above, right", 200, above, {80, bottom}, {200, above}},
        {"below, left", 40, below, {160, top}, {40, below}},
        {"below, columns inside", 100, below, {80, top}, {160, below}},
        {"below, right", 200, below, {80, top}, {200, below}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        f.view.MoveCaretTo({c.mouseX, c.mouseY});
        f.view.ExtendFromSavedSelection();
        EXPECT_EQ(c.anchor, (PixelPosition{f.view.GetAnchorX(), f.view.GetAnchorY()}));
        EXPECT_EQ(c.caret, (PixelPosition{f.view.GetCaretX(), f.view.GetCaretY()}));
    }
}

TEST(PositionsTest, StreamModeKeepsTheSavedWordSelectedOnEitherSide)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"one two three"});
    f.view.SelectPixels({56, 0}, {32, 0});
    f.view.SaveSelection();
    f.view.MoveCaretTo({8, 0});  // before it: the anchor goes to its end
    f.view.ExtendFromSavedSelection();
    EXPECT_EQ(56, f.view.GetAnchorX());
    f.view.MoveCaretTo({96, 0});  // after it: to its start
    f.view.ExtendFromSavedSelection();
    EXPECT_EQ(32, f.view.GetAnchorX());
    f.view.MoveCaretTo({40, 0});  // inside: the saved selection, caret at its start
    f.view.ExtendFromSavedSelection();
    EXPECT_EQ(56, f.view.GetAnchorX());
    EXPECT_EQ(32, f.view.GetCaretX());
}

TEST(PositionsTest, MetricsFollowTheSettings)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"x"});
    EXPECT_EQ(20, f.view.GetLineHeight());  // 16 × 125%
    f.settings.lineSpacingPercent = 150;
    EXPECT_EQ(24, f.view.GetLineHeight());
    EXPECT_EQ(36, f.view.GetGutterWidth());  // (4 × 4 + 2) × 8 / 4
    f.settings.lineNumberDigits = 8;
    EXPECT_EQ(68, f.view.GetGutterWidth());
    f.settings.lineNumberDigits = 4;
    // The gutter widens for line numbers longer than the setting asks for.
    const struct {
        int lines;
        int gutter;
    } counts[] = {{9, 36}, {9999, 36}, {10000, 44}, {2819841, 60}, {9999999, 60}, {10000000, 68}};
    for (const auto& c : counts)
        EXPECT_EQ(c.gutter, f.view.GetMetrics().GetGutterWidth(c.lines)) << c.lines;
    // A view measures with its document's count: the 10,000th line widens it.
    CStringLineList block;
    for (int n = 0; n < 10000; ++n)  // the text ends up on the last of 10,000 lines
        block.AddTail("", 0);
    DocumentEditor(f.document).InsertBlock(0, 0, block);
    EXPECT_EQ(10000, f.document.GetLineCount());
    EXPECT_EQ(44, f.view.GetGutterWidth());
    f.settings.showLineNumbers = 0;
    f.settings.showSelectionMargin = 1;
    EXPECT_EQ(20, f.view.GetGutterWidth());
    f.settings.showSelectionMargin = 0;
    EXPECT_EQ(1, f.view.GetGutterWidth());
    EXPECT_EQ(64, f.view.GetMetrics().NextTabStop(32));  // T = 32, at least a blank ahead
    EXPECT_EQ(32, f.view.GetMetrics().NextTabStop(24));
    EXPECT_EQ(64, f.view.GetMetrics().NextTabStop(25));
    EXPECT_EQ(32, f.view.GetMetrics().PrevTabStop(40));
    EXPECT_EQ(0, f.view.GetMetrics().PrevTabStop(0));
}

namespace {

class ChangingMetrics : public FixedPitchMetrics {
public:
    int GetFontHeight() const override { return height; }
    int height = 16;
};

}  // namespace

TEST(PositionsTest, MetricsAreCachedUntilTheFontsChange)
{
    ChangingMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"x", "y"});
    EXPECT_EQ(16, f.view.GetMetrics().GetFontHeight());
    metrics.height = 32;
    EXPECT_EQ(16, f.view.GetMetrics().GetFontHeight());
    f.view.RefreshViewFonts();
    EXPECT_EQ(32, f.view.GetMetrics().GetFontHeight());
    EXPECT_TRUE(f.view.Check());
}

TEST(PositionsTest, ClipboardCarriesLinesJoinedByCrLf)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"x"});
    CStringLineList lines;
    EXPECT_FALSE(f.view.GetClipboardText(lines));
    lines.AddTail(CString("第一行"));
    lines.AddTail(CString(""));
    ASSERT_TRUE(f.view.SetClipboardText(lines));
    EXPECT_EQ("第一行\r\n", f.clipboard.text);
    f.clipboard.text = "a\r\nb";
    ASSERT_TRUE(f.view.GetClipboardText(lines));
    ASSERT_EQ(2, lines.GetCount());
    EXPECT_STREQ("b", lines.GetAt(1));
}

TEST(PositionsTest, ModifierMaskAndDateTexts)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.host.ctrl = f.host.alt = true;
    EXPECT_EQ(kModifierCtrl | kModifierAlt, f.view.GetModifierMask());
    std::tm when = {};
    when.tm_year = 126;
    when.tm_mon = 11;
    when.tm_mday = 10;
    when.tm_hour = 15;
    when.tm_min = 7;
    when.tm_sec = 9;
    EXPECT_EQ("December 10, 2026", FormatDate(when));
    EXPECT_EQ("03:07:09 PM", FormatTime(when));
}
