#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "EditTestSupport.h"
#include "ViewTestSupport.h"
#include "temp_dir.h"

namespace {

// Fixed pitch, line numbers on: gutter (4 × 4 + 2) × 8 / 4 = 36, so a 200-pixel client
// wraps at W = 200 − 16 − 36 = 148 with I = 32 and M = 64.
const int kNarrowWidth = 200;

std::string RandomText(std::mt19937& random)
{
    static const char* const kPieces[] = {"a", "bc ", "中文", "\t", "  ", "x,y", "词", "longerword"};
    std::string text;
    const int pieces = random() % 4 + 1;
    for (int i = 0; i < pieces; ++i)
        text += kPieces[random() % 8];
    return text;
}

// Applies random edits through the document, checking the invariant after each one.
void RunRandomEdits(ViewFixture& f, unsigned seed, int edits)
{
    DocumentEditor editor(f.document);
    std::mt19937 random(seed);
    for (int i = 0; i < edits; ++i) {
        const int lines = f.document.GetLineCount();
        const LineIndex line = random() % lines;
        const int length = f.document.GetLine(line)->GetLength();
        // Columns on character boundaries: the document keeps double-byte pairs whole.
        ByteColumn column = length ? (ByteColumn)(random() % (length + 1)) : 0;
        const char* text = f.document.GetLine(line)->GetText();
        for (ByteColumn c = 0; c < length;) {
            const int step = GbkText::IsLeadByte((unsigned char)text[c]) ? 2 : 1;
            if (c + step > column) {
                column = c + (column > c ? step : 0);
                break;
            }
            c += step;
        }
        switch (random() % 6) {
        case 0:
            editor.InsertString(column, line, RandomText(random));
            break;
        case 1:
            if (column < length)
                editor.DeleteString(column, line,
                                    GbkText::IsLeadByte((unsigned char)text[column]) ? 2 : 1);
            break;
        case 2:
            editor.SplitLine(column, line);
            break;
        case 3:
            if (line + 1 < lines)
                editor.JoinLines(line);
            break;
        case 4: {
            CStringLineList block;
            block.AddTail(CString(RandomText(random).c_str()));
            block.AddTail(CString(RandomText(random).c_str()));
            block.AddTail(CString(RandomText(random).c_str()));
            editor.InsertBlock(column, line, block);
            break;
        }
        case 5:
            if (line + 2 < lines)
                editor.DeleteBlock(column, line, 0, line + 2);
            break;
        }
        ASSERT_TRUE(f.view.Check()) << "after edit " << i;
    }
}

// Every display line laid out so far equals a fresh layout of its document line (the layout's
// own check, which lays out nothing it does not keep). Returns how many display lines are
// laid out, or -1 when one differs.
int CheckLaidOutLines(const CViewEngine& view)
{
    return view.GetLayout().Check() ? view.GetLayout().CountLaidOut() : -1;
}

// What a paint reads: the segments of every display line in the client area.
void ReadVisibleLines(const CViewEngine& view)
{
    for (PixelY y = view.GetScrollY(); y < view.GetScrollY() + view.GetClientHeight();
         y += view.GetLineHeight())
        view.GetDisplayLineAtY(y)->GetSegmentCount();
}

}  // namespace

class ViewLayoutTest : public ::testing::TestWithParam<bool> {};

TEST_P(ViewLayoutTest, DisplayLinesAgreeWithAFreshLayoutAfterEveryEdit)
{
    const bool wrap = GetParam();
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"整数 计数 = 0;  // 计数器", "\tif (a > b) return c;", "", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"},
           kNarrowWidth, 160, wrap);
    ASSERT_TRUE(f.view.Check());
    f.view.SetCaretToDocPosition(3, 1);
    RunRandomEdits(f, wrap ? 11u : 12u, 400);
}

TEST_P(ViewLayoutTest, TwoViewsOfOneDocumentFollowEveryEdit)
{
    ProportionalMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"第一行 text", "second line that is rather long and wraps in a narrow pane", "x"},
           kNarrowWidth, 160, GetParam());
    CViewEngine other(f.document, metrics, f.host, f.clipboard, f.settings, f.modes);
    other.SetClientSize(300, 200);
    other.InitialUpdate(&f.view);
    other.SetWordWrap(!GetParam());
    other.ReformatDocument();
    RunRandomEdits(f, 5u, 200);
    EXPECT_TRUE(other.Check());
}

INSTANTIATE_TEST_SUITE_P(WrapOffAndOn, ViewLayoutTest, ::testing::Bool());

// Without wrap a view lays out only the lines that are read (painted, or under the caret);
// what it lays out agrees with a full layout after edits far from the view and in it, a
// jump to the end, a resize and wrap toggled on and off again.
TEST(ViewLayoutTest2, LazyLayoutMakesOnlyTheLinesReadAndAgreesWithAFullOne)
{
    ProportionalMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"x"}, 400, 160, false);
    std::mt19937 random(3);
    CStringLineList block;
    for (int i = 0; i < 3000; ++i)
        block.AddTail(CString(RandomText(random).c_str()));
    DocumentEditor editor(f.document);
    editor.InsertBlock(0, 0, block);
    const int visible = f.view.GetVisibleLineCount() + 1;
    // A screenful, plus the caret's line and one the edit reported to the view.
    const int bound = visible + 2;

    f.view.ReformatDocument();
    ASSERT_LE(CheckLaidOutLines(f.view), 2);
    ReadVisibleLines(f.view);
    EXPECT_GE(CheckLaidOutLines(f.view), visible - 1);

    editor.InsertString(0, 2500, "far below 中文\t");
    editor.SplitLine(3, 2600);
    editor.InsertString(2, 3, "在视图里 ");
    editor.DeleteBlock(1, 1, 2, 2);
    ReadVisibleLines(f.view);
    int laidOut = CheckLaidOutLines(f.view);
    EXPECT_GE(laidOut, visible - 1);
    EXPECT_LE(laidOut, bound);
    EXPECT_FALSE(f.view.GetLayout().IsLaidOut(2500));

    f.view.SetCaretToDocPosition(0, f.view.GetLastLineIndex());
    f.view.EnsureCaretVisible();
    ReadVisibleLines(f.view);
    laidOut = CheckLaidOutLines(f.view);
    EXPECT_LE(laidOut, 2 * bound);
    f.view.SetClientSize(250, 100);
    ReadVisibleLines(f.view);
    EXPECT_EQ(laidOut, CheckLaidOutLines(f.view));

    f.view.SaveLayoutPositions();
    f.view.SetWordWrap(true);
    f.view.ReformatDocument();
    f.view.RestoreLayoutPositions();
    ASSERT_TRUE(f.view.Check());
    f.view.SaveLayoutPositions();
    f.view.SetWordWrap(false);
    f.view.ReformatDocument();
    f.view.RestoreLayoutPositions();
    ReadVisibleLines(f.view);
    laidOut = CheckLaidOutLines(f.view);
    EXPECT_GE(laidOut, f.view.GetVisibleLineCount());
    EXPECT_LE(laidOut, bound);
    EXPECT_EQ((DocPosition{0, f.view.GetLastLineIndex()}), f.view.GetCaretDocPosition());
    EXPECT_TRUE(f.view.Check());
}

TEST(ViewLayoutTest2, SoftBreakColumnBelongsToTheContinuationLine)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({std::string(30, 'a')}, kNarrowWidth, 160, true);
    ASSERT_EQ(2, f.view.GetDisplayLineCount());
    const CDisplayLineRef first = f.view.GetLayout().LineAt(0);
    EXPECT_EQ(18, first->GetEndColumn());
    const int h = f.view.GetLineHeight();
    EXPECT_EQ(0, f.view.GetYOfPosition(17, 0));
    EXPECT_EQ(h, f.view.GetYOfPosition(18, 0));
    EXPECT_EQ(h, f.view.GetYOfPosition(30, 0));
    // The continuation starts at the wrap indent: 4 blanks of 8.
    EXPECT_EQ(32, f.view.GetLayout().NextLine(*first)->GetStartX());
    EXPECT_EQ(1, f.view.GetDocumentLineAtY(h) + 1);
}

TEST(ViewLayoutTest2, ResizingAWrappedViewKeepsCaretAnchorAndTopLine)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({std::string(60, 'a'), std::string(60, 'b'), std::string(60, 'c'), "d"}, 400, 48, true);
    f.view.SetAnchorToDocPosition(5, 1);
    f.view.SetCaretToDocPosition(50, 2);
    f.view.SetScrollY(f.view.GetYOfPosition(0, 1));
    f.view.SetClientSize(kNarrowWidth, 48);
    EXPECT_TRUE(f.view.Check());
    EXPECT_EQ((DocPosition{50, 2}), f.view.GetCaretDocPosition());
    EXPECT_EQ((DocPosition{5, 1}), f.view.GetAnchorDocPosition());
    EXPECT_EQ(f.view.GetCaretX(), f.view.GetDesiredX());
    EXPECT_EQ(f.view.GetYOfPosition(0, 1), f.view.GetScrollY());
}

// Reads every display line of a view from the top, so every line is laid out.
static void LayOutEveryLine(const CViewEngine& view)
{
    for (DisplayLineIndex k = 0; k < view.GetDisplayLineCount(); ++k)
        view.GetLayout().LineAt(k);
}

// A wrapped view of a large document lays out only the lines around the screen after a wrap
// toggle, a resize or an edit far from the view; what it shows is what a full layout shows
// at the same top line, the caret stays on its text, and once every line is read the counts
// and positions are a full layout's.
TEST(ViewLayoutTest2, WrappedLayoutIsLazyAndAgreesWithAFullOne)
{
    struct Case {
        const char* name;
        std::function<void(CViewEngine&, DocumentEditor&)> act;
        int topShift;   // document lines the text on top moves by
        int lineDelta;  // document lines the action adds
    };
    const int kLines = 3000;
    const int kBlock = 200;  // lines of a far edit: more than a pass lays out at once
    CStringLineList block;
    for (int i = 0; i < kBlock; ++i)
        block.AddTail(CString(std::string(i % 90, 'b').c_str()));
    auto toggle = [](CViewEngine& v, bool wrap) {
        v.SaveLayoutPositions();
        v.SetWordWrap(wrap);
        v.ReformatDocument();
        v.RestoreLayoutPositions();
    };
    const Case cases[] = {
        {"wrap turned on", [&](CViewEngine& v, DocumentEditor&) { toggle(v, false); toggle(v, true); }, 0, 0},
        {"narrower", [](CViewEngine& v, DocumentEditor&) { v.SetClientSize(kNarrowWidth - 40, 160); }, 0, 0},
        {"wider", [](CViewEngine& v, DocumentEditor&) { v.SetClientSize(kNarrowWidth + 300, 160); }, 0, 0},
        {"block far below", [&](CViewEngine&, DocumentEditor& e) { e.InsertBlock(0, 2800, block); }, 0, kBlock - 1},
        {"block far above", [&](CViewEngine&, DocumentEditor& e) { e.InsertBlock(0, 10, block); }, kBlock - 1, kBlock - 1},
        {"lines far above go", [](CViewEngine&, DocumentEditor& e) { e.DeleteBlock(0, 20, 0, 20 + kBlock); }, -kBlock, -kBlock},
        {"typing far above", [](CViewEngine&, DocumentEditor& e) { e.InsertString(0, 5, std::string(300, 'x')); }, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProportionalMetrics metrics;
        ViewFixture f(metrics);
        std::vector<std::string> texts;
        std::mt19937 random(9);
        for (int i = 0; i < kLines; ++i)
            texts.push_back(std::string(random() % 7 == 0 ? 60 + random() % 200 : random() % 20, 'a' + i % 26));
        SetDocumentLines(f.document, {});
        CLineList& lines = f.document.GetLines();
        lines.RemoveAll();
        for (const std::string& t : texts)
            lines.AddTail(t.data(), (int)t.size());
        f.document.AnalyzeAllLines(0, kLines);
        f.view.SetClientSize(kNarrowWidth, 160);
        f.view.InitialUpdate(nullptr);
        f.view.SetWordWrap(true);
        f.view.ReformatDocument();
        f.view.SetCaretToDocPosition(3, 1500);
        f.view.ScrollCaretToTop();
        f.view.LayOutVisibleLines();
        ASSERT_TRUE(f.view.Check());
        const LineIndex top = f.view.GetDocumentLineAtY(f.view.GetScrollY());
        const DocPosition caret = f.view.GetCaretDocPosition();
        const int visible = f.view.GetVisibleLineCount();

        DocumentEditor editor(f.document);
        const int linesBefore = f.document.GetLineCount();
        c.act(f.view, editor);
        EXPECT_EQ(linesBefore + c.lineDelta, f.document.GetLineCount());
        f.view.LayOutVisibleLines();
        ASSERT_TRUE(f.view.Check());
        const int laidOut = f.document.GetLineCount() - f.view.GetLayout().CountPending();
        EXPECT_LE(laidOut, 6 * visible + CDisplayLayout::kExactPassLines);
        EXPECT_EQ(top + c.topShift, f.view.GetDocumentLineAtY(f.view.GetScrollY()));
        const DocPosition caretNow = f.view.GetCaretDocPosition();
        EXPECT_EQ(caret.line + c.topShift, caretNow.line);

        // The screen against a full layout of the same document at the same top line.
        CViewEngine full(f.document, metrics, f.host, f.clipboard, f.settings, f.modes);
        full.SetClientSize(f.view.GetClientWidth(), 160);
        full.InitialUpdate(&f.view);
        full.ReformatDocument();
        LayOutEveryLine(full);
        const int h = f.view.GetLineHeight();
        const CDisplayLineRef first = f.view.GetDisplayLineAtY(f.view.GetScrollY());
        const DisplayLineIndex fullTop =
            full.GetLayout().IndexOfFirst(first->GetDocLine()) + first->GetContinuationIndex();
        for (int r = 0; r < visible; ++r) {
            const CDisplayLineRef a = f.view.GetDisplayLineAtY(f.view.GetScrollY() + r * h);
            const CDisplayLineRef b = full.GetLayout().LineAt(fullTop + r);
            ASSERT_TRUE(a && b);
            EXPECT_EQ(b->GetDocLine(), a->GetDocLine()) << "row " << r;
            EXPECT_EQ(b->GetStartColumn(), a->GetStartColumn()) << "row " << r;
        }

        LayOutEveryLine(f.view);
        EXPECT_TRUE(f.view.Check());
        EXPECT_EQ(0, f.view.GetLayout().CountPending());
        EXPECT_EQ(full.GetDisplayLineCount(), f.view.GetDisplayLineCount());
        EXPECT_EQ(caretNow, f.view.GetCaretDocPosition());
        EXPECT_EQ(full.GetYOfPosition(caretNow.column, caretNow.line), f.view.GetCaretY());
    }
}

TEST(ViewLayoutTest2, LongReformatShowsThrottledProgress)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    SetDocumentLines(f.document, {});
    CLineList& lines = f.document.GetLines();
    lines.RemoveAll();
    for (int i = 0; i < 1001; ++i)
        lines.AddTail("x", 1);
    f.document.AnalyzeAllLines(0, 1001);
    f.view.SetClientSize(400, 200);
    // Wrapped: the pass estimates every line's display lines.
    f.view.SetWordWrap(true);
    f.view.ReformatDocument();
    EXPECT_EQ("Formatting...", f.host.progressText);
    EXPECT_EQ(1, f.host.progressEnded);
    ASSERT_EQ(50u, f.host.progress.size());  // every 20th of 1001 lines
    EXPECT_EQ(1, f.host.progress.front());   // 20 × 100 / 1001
    // 1000 lines or fewer: no progress.
    f.view.FormatLines(0, 1000);
    EXPECT_EQ(1, f.host.progressBegun);
}

TEST(ViewLayoutTest2, PositionsBelowInsertedOrRemovedLinesMoveWithTheirLines)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"0", "1", "2", "3", "4", "5"}, 400, 48);
    const int h = f.view.GetLineHeight();
    f.view.SetCaretToDocPosition(1, 4);
    f.view.SetAnchorToDocPosition(0, 1);
    DocumentEditor editor(f.document);
    editor.SplitLine(1, 2);  // a line appears above the caret
    EXPECT_EQ(5 * h, f.view.GetCaretY());
    EXPECT_EQ(1 * h, f.view.GetAnchorY());
    editor.DeleteBlock(0, 0, 0, 2);  // two lines go
    EXPECT_EQ(3 * h, f.view.GetCaretY());
    EXPECT_EQ(0, f.view.GetAnchorY());
    EXPECT_TRUE(f.view.Check());
}

// An edit elsewhere (another pane, undo) that removes the selected lines leaves anchor and
// caret on one spot: the selection ends rather than staying active and empty.
TEST(ViewLayoutTest2, SelectionEmptiedByAnEditElsewhereEnds)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"aaa", "bbb", "ccc", "ddd"}, 400, 96);
    f.view.SetAnchorToDocPosition(0, 1);
    f.view.SetCaretToDocPosition(0, 2);
    f.view.UpdateSelectionActive();
    ASSERT_TRUE(f.view.IsSelectionActive());
    DocumentEditor editor(f.document);
    editor.DeleteBlock(3, 0, 3, 2);  // lines 1 and 2 go, joined into line 0
    EXPECT_EQ(f.view.GetAnchorY(), f.view.GetCaretY());
    EXPECT_FALSE(f.view.IsSelectionActive());
    EXPECT_TRUE(f.view.Check());
}

TEST(ViewLayoutTest2, InsertedLinesGoToTheHeadForANegativeLineAndToTheTailPastTheEnd)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"one", "two"}, 400, 100);
    f.document.GetLines().InsertLine(0, "zero", 4);
    f.view.InsertDisplayLines(-1, 1);
    f.document.AnalyzeAllLines(0, 1);
    f.view.FormatLines(0, 1);
    EXPECT_TRUE(f.view.Check());
    f.document.GetLines().AddTail("three", 5);
    f.view.InsertDisplayLines(99, 1);  // no such line: after the last one
    f.document.AnalyzeAllLines(3, 1);
    f.view.FormatLines(3, 1);
    EXPECT_TRUE(f.view.Check());
}

TEST(ViewLayoutTest2, FixedWrapWidthIgnoresTheWindowWidth)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.settings.fixedWrapWidth = 20;  // W = 20 × 8 = 160 whatever the client width
    f.Load({std::string(30, 'a')}, 2000, 100, true);
    ASSERT_EQ(2, f.view.GetDisplayLineCount());
    EXPECT_EQ(20, f.view.GetLayout().LineAt(0)->GetEndColumn());
    f.view.SetClientSize(300, 100);  // no rewrap for a fixed width
    EXPECT_EQ(20, f.view.GetLayout().LineAt(0)->GetEndColumn());
    f.settings.fixedWrapWidth = 10;  // W = 80 is not above M + I = 96: no wrapping at all
    f.view.ReformatDocument();
    EXPECT_EQ(1, f.view.GetDisplayLineCount());
}

// Edits that no view made (a replace-all run from one pane, an undo, a reload of the text)
// reach every view of the document, each laid out as a fresh layout would be.
TEST(ViewLayoutTest2, EditsFromElsewhereReachEveryView)
{
    FixedPitchMetrics metrics;
    EditFixture f;
    std::initializer_list<std::string> lines = {"the cat", "第二行 the the", "", "the end"};
    f.Load(lines, true, 160);
    FakeHost otherHost;
    CViewEngine other(f.document, metrics, otherHost, f.clipboard, f.settings, f.modes);
    other.SetClientSize(300, 200);
    other.InitialUpdate(&f.view);

    f.search.DoReplace("the", "一个很长的替换文字 THE", kSearchMatchCase);
    f.Act([&] { f.search.DoReplaceAllInFile(); });
    EXPECT_NE(Texts(lines), f.Lines());
    EXPECT_TRUE(f.view.Check());
    EXPECT_TRUE(other.Check());
    EXPECT_GT(otherHost.invalidations, 0) << "the other pane repaints";

    f.Undo();
    EXPECT_EQ(Texts(lines), f.Lines());
    EXPECT_TRUE(other.Check());

    TempDir dir;
    const std::string path = dir.WriteFile("a.txt", "one\r\ntwo\r\nthree");
    ASSERT_TRUE(f.document.LoadFromFile(path.c_str()));
    f.document.AnalyzeAllLines(0, f.document.GetLineCount());
    f.document.ResetAllViews();
    EXPECT_TRUE(f.view.Check());
    EXPECT_TRUE(other.Check());
    EXPECT_EQ(3, other.GetDisplayLineCount());
}
