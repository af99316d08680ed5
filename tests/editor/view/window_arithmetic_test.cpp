#include <gtest/gtest.h>

#include "ViewTestSupport.h"

TEST(WindowArithmeticTest, VerticalBarScaleGrowsWithTheDisplayLines)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"x"}, 800, 100);
    CLineList& lines = f.document.GetLines();
    struct Case {
        int lines;
        int scale;
    };
    for (const Case& c : {Case{32767, 1}, Case{32768, 2}, Case{65536, 4}, Case{262144, 16},
                          Case{600000, 32}}) {
        while (lines.GetCount() < c.lines)
            lines.AddTail("", 0);
        f.document.AnalyzeAllLines(0, lines.GetCount());
        f.view.ReformatDocument();
        EXPECT_EQ(c.scale, f.view.GetVerticalScrollScale()) << c.lines;
    }
    const int h = f.view.GetLineHeight();
    f.view.SetScrollY(320 * h);
    const CViewEngine::ScrollBarState bar = f.view.UpdateVerticalScrollBar();
    EXPECT_EQ(0, bar.page);  // five visible lines / 32
    EXPECT_EQ(599999 / 32 - 1, bar.maximum);
    EXPECT_EQ(10, bar.position);
    EXPECT_EQ(320 * h, f.view.ScrollYFromThumb(10));
}

TEST(WindowArithmeticTest, HorizontalBarOffersColumnsBeyondThePage)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"x"}, 836, 100);  // text area 800: 100 columns
    f.view.SetScrollX(-5);
    f.view.SetScrollX(80);
    const CViewEngine::ScrollBarState bar = f.view.UpdateHorizontalScrollBar();
    EXPECT_EQ(100, bar.page);
    EXPECT_EQ(100 + 4094, bar.maximum);
    EXPECT_EQ(10, bar.position);
}

TEST(WindowArithmeticTest, CaretIsParkedOutsideTheClientAndWideInOverwriteMode)
{
    FixedPitchMetrics metrics;
    ViewFixture f(metrics);
    f.Load({"a中b", "2", "3", "4", "5", "6", "7"}, 800, 100);
    CViewEngine::CaretPlacement caret = f.view.GetCaretPlacement();
    EXPECT_EQ(36, caret.x);
    EXPECT_EQ(1, caret.y);
    EXPECT_EQ(2, caret.width);  // 25% of 8
    EXPECT_EQ(15, caret.height);
    f.modes.overwriteMode = true;
    f.view.SetCaretToDocPosition(1, 0);
    EXPECT_EQ(16, f.view.GetCaretPlacement().width);  // the double-byte character
    f.view.SetCaretToDocPosition(0, 6);
    caret = f.view.GetCaretPlacement();
    EXPECT_EQ(-10000, caret.x);  // line 6 lies below the client area
    EXPECT_EQ(-10000, caret.y);
    EXPECT_EQ(2, f.view.GetDropCaretPlacement().width);
}
