#include <gtest/gtest.h>

#include <string>

#include "ViewTestSupport.h"

namespace {

// Fixed pitch, line height 20, 800 × 100 (five lines), gutter 36, right margin 16.
struct ScrollFixture : ::testing::Test {
    ScrollFixture() : f(metrics)
    {
        f.Load({std::string(400, 'x'), "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, 800,
               100);
        h = f.view.GetLineHeight();
    }
    FixedPitchMetrics metrics;
    ViewFixture f;
    int h = 0;
};

}  // namespace

TEST_F(ScrollFixture, NarrowFollowKeepsTheCaretJustInsideTheRightMargin)
{
    f.view.SetCaretToDocPosition(250, 0);  // x 2000
    f.view.EnsureCaretVisibleNarrow();
    EXPECT_EQ(36 + 2000 + 16 - 800, f.view.GetScrollX());
    EXPECT_TRUE(f.view.IsCaretInView());
    f.view.SetCaretToDocPosition(10, 0);
    f.view.EnsureCaretVisibleNarrow();
    EXPECT_EQ(80, f.view.GetScrollX());
    f.view.SetCaretToDocPosition(0, 11);
    f.view.EnsureCaretVisibleNarrow();
    EXPECT_EQ(7 * h, f.view.GetScrollY());
    EXPECT_EQ((PixelPosition{0, 7 * h}), f.host.scrolledTo);
}

TEST_F(ScrollFixture, DropPointKeepsALineOfRoomAboveAndBelow)
{
    // Line "10": x 12 lies halfway across "0", and only a strictly nearer start wins.
    f.view.SetDropFromPoint(36 + 12, 10 * h + 5);
    EXPECT_EQ(10 * h, f.view.GetDropY());
    EXPECT_EQ(16, f.view.GetDropX());
    f.view.EnsureDropPointVisible();
    // 100 % 20 = 0 < 10: the last two rows do not count.
    EXPECT_EQ(10 * h - 3 * h, f.view.GetScrollY());
    f.view.SetDropFromPoint(36, -f.view.GetScrollY());
    f.view.EnsureDropPointVisible();
    EXPECT_EQ(0, f.view.GetScrollY());
}

TEST_F(ScrollFixture, GutterSelectionEndsAtTheStartOfTheNextLine)
{
    f.view.SelectPixels({0, h}, {8, 2 * h});
    f.view.ExtendGutterSelectionEnd();
    EXPECT_EQ((PixelPosition{0, 3 * h}), (PixelPosition{f.view.GetCaretX(), f.view.GetCaretY()}));
    f.view.MoveCaretTo({0, 11 * h});  // the last line: its end
    f.view.ExtendGutterSelectionEnd();
    EXPECT_EQ((PixelPosition{16, 11 * h}), (PixelPosition{f.view.GetCaretX(), f.view.GetCaretY()}));
    f.view.UpdateSelectionActive();
    EXPECT_TRUE(f.view.IsPointInSelection(36 + 4, 5 * h + 3));
    EXPECT_FALSE(f.view.IsPointInSelection(36 + 4, 3));
}

TEST_F(ScrollFixture, NewPaneCopiesItsNeighbourOrStartsFromTheSettings)
{
    f.view.SetCaretToDocPosition(5, 0);
    f.view.SetScrollY(2 * h);
    f.view.SetWordWrap(true);
    f.view.ReformatDocument();
    CViewEngine pane(f.document, metrics, f.host, f.clipboard, f.settings, f.modes);
    pane.SetClientSize(800, 100);
    pane.InitialUpdate(&f.view);
    EXPECT_TRUE(pane.IsWordWrap());
    EXPECT_EQ(f.view.GetCaretX(), pane.GetCaretX());
    EXPECT_EQ(2 * h, pane.GetScrollY());
    EXPECT_TRUE(pane.Check());

    f.settings.wrapOnOpen = 1;
    CViewEngine fresh(f.document, metrics, f.host, f.clipboard, f.settings, f.modes);
    fresh.InitialUpdate(nullptr);
    EXPECT_TRUE(fresh.IsWordWrap());
    EXPECT_EQ(0, fresh.GetCaretX());
    f.modes.columnMode = true;  // column mode opens without wrap
    fresh.InitialUpdate(nullptr);
    EXPECT_FALSE(fresh.IsWordWrap());
    fresh.ResetLayout();
    EXPECT_EQ(0, fresh.GetScrollY());
    EXPECT_TRUE(fresh.Check());
}
