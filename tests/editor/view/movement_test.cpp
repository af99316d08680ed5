#include <gtest/gtest.h>

#include <string>

#include "ViewTestSupport.h"

namespace {

// Fixed pitch (8 pixels a byte), line height 20, 800 × 100: five visible lines.
struct MovementFixture : ::testing::Test {
    MovementFixture() : f(metrics) {}
    void Load(std::initializer_list<std::string> lines, bool wrap = false, int width = 800)
    {
        f.Load(lines, width, 100, wrap);
        h = f.view.GetLineHeight();
    }
    DocPosition Caret() const { return f.view.GetCaretDocPosition(); }
    bool Key(int key, int modifiers = 0) { return f.view.MoveCaretForKey(key, modifiers); }

    FixedPitchMetrics metrics;
    ViewFixture f;
    int h = 0;
};

}  // namespace

TEST_F(MovementFixture, LeftAtALineStartGoesToThePreviousLineEndInStreamModeOnly)
{
    Load({"abc", "de"});
    f.view.SetCaretToDocPosition(0, 1);
    Key(kKeyLeft);
    EXPECT_EQ((DocPosition{3, 0}), Caret());
    f.modes.columnMode = true;
    f.view.SetCaretToDocPosition(0, 1);
    Key(kKeyLeft);
    EXPECT_EQ((DocPosition{0, 1}), Caret());
}

TEST_F(MovementFixture, RightPastTheEndMovesIntoVirtualSpaceInColumnModeOnly)
{
    Load({"abc", "de"});
    f.view.SetCaretToDocPosition(3, 0);
    Key(kKeyRight);
    EXPECT_EQ((DocPosition{0, 1}), Caret());
    f.modes.columnMode = true;
    f.view.SetCaretToDocPosition(3, 0);
    Key(kKeyRight);
    Key(kKeyRight);
    EXPECT_EQ(40, f.view.GetCaretX());
    EXPECT_EQ((DocPosition{5, 0}), Caret());
    Key(kKeyLeft);
    EXPECT_EQ(32, f.view.GetCaretX());
    Key(kKeyRight, kModifierCtrl);  // Ctrl+Right in virtual space: back to the line end
    EXPECT_EQ(24, f.view.GetCaretX());
}

TEST_F(MovementFixture, CharacterStepsTakeDoubleByteCharactersWhole)
{
    Load({"a中文b"});
    f.view.SetCaretToDocPosition(1, 0);
    Key(kKeyRight);
    EXPECT_EQ(3, Caret().column);
    Key(kKeyRight);
    EXPECT_EQ(5, Caret().column);
    Key(kKeyLeft);
    EXPECT_EQ(3, Caret().column);
    Key(kKeyLeft);
    EXPECT_EQ(1, Caret().column);
}

TEST_F(MovementFixture, HomeAlternatesBetweenFirstTextAndLineStart)
{
    Load({"    text"});
    f.view.SetCaretToDocPosition(6, 0);
    Key(kKeyHome);
    EXPECT_EQ(4, Caret().column);
    Key(kKeyHome);
    EXPECT_EQ(0, Caret().column);
    Key(kKeyHome);
    EXPECT_EQ(4, Caret().column);
    f.settings.homeToFirstPosition = 1;
    f.view.SetCaretToDocPosition(6, 0);
    Key(kKeyHome);
    EXPECT_EQ(0, Caret().column);
}

TEST_F(MovementFixture, VerticalMovesKeepTheDesiredX)
{
    Load({"0123456789", "01", "0123456789"});
    f.view.SetCaretToDocPosition(8, 0);
    Key(kKeyDown);
    EXPECT_EQ((DocPosition{2, 1}), Caret());
    Key(kKeyDown);
    EXPECT_EQ((DocPosition{8, 2}), Caret());
    Key(kKeyDown);  // last line: nothing
    EXPECT_EQ((DocPosition{8, 2}), Caret());
    Key(kKeyUp, kModifierAlt);  // top of the screen
    EXPECT_EQ((DocPosition{8, 0}), Caret());
}

TEST_F(MovementFixture, CtrlUpAtTheTopDoesNothingAndAsksForNoRepaint)
{
    Load({"a", "b", "c", "d", "e", "f", "g", "h"});
    EXPECT_FALSE(Key(kKeyUp, kModifierCtrl));
    EXPECT_EQ(0, f.view.GetScrollY());
    EXPECT_TRUE(Key(kKeyDown, kModifierCtrl));
    EXPECT_EQ(h, f.view.GetScrollY());
    EXPECT_EQ(h, f.view.GetCaretY());  // the caret was pushed onto the first visible line
    // Ctrl+Shift+Down: scrolling only, taken back when the caret would leave the window.
    EXPECT_FALSE(Key(kKeyDown, kModifierCtrl | kModifierShift));
    EXPECT_EQ(h, f.view.GetScrollY());
}

TEST_F(MovementFixture, PagesMoveViewAndCaretTogether)
{
    Load({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    EXPECT_FALSE(Key(kKeyPageUp));  // first line: nothing
    f.view.SetCaretToDocPosition(0, 1);
    EXPECT_TRUE(Key(kKeyPageDown));
    EXPECT_EQ(5 * h, f.view.GetScrollY());
    EXPECT_EQ(6, Caret().line);
    EXPECT_TRUE(Key(kKeyPageDown, kModifierAlt));  // half a page: 2 lines
    EXPECT_EQ(7 * h, f.view.GetScrollY());
    EXPECT_EQ(8, Caret().line);
    EXPECT_FALSE(Key(kKeyPageUp, kModifierCtrl));
    Key(kKeyEnd, kModifierCtrl);
    EXPECT_EQ((DocPosition{2, 12}), Caret());
    EXPECT_FALSE(Key(kKeyPageDown));  // last line: nothing
}

TEST_F(MovementFixture, WordStepsAndDocumentLineJumpsCrossWrappedLines)
{
    Load({"alpha beta gamma delta epsilon zeta eta theta iota", "x"}, true, 300);
    ASSERT_GT(f.view.GetDisplayLineCount(), 2);
    f.view.SetCaretToDocPosition(6, 0);
    Key(kKeyRight, kModifierCtrl);
    EXPECT_EQ(11, Caret().column);
    Key(kKeyLeft, kModifierCtrl);
    EXPECT_EQ(6, Caret().column);
    Key(kKeyLeft, kModifierCtrl);
    EXPECT_EQ(0, Caret().column);
    Key(kKeyRight, kModifierAlt);  // the document line's end, on its last display line
    EXPECT_EQ((DocPosition{50, 0}), Caret());
    EXPECT_GT(f.view.GetCaretY(), 0);
    Key(kKeyLeft, kModifierAlt);
    EXPECT_EQ((DocPosition{0, 0}), Caret());
    EXPECT_EQ(0, f.view.GetCaretY());
}

TEST_F(MovementFixture, AJumpFarRightLeavesSixteenAverageWidthsRightOfTheCaret)
{
    Load({std::string(300, 'x')});
    EXPECT_TRUE(Key(kKeyEnd));  // out of view: a full repaint
    f.view.EnsureCaretVisible();
    const int screenX = f.view.GetCaretX() - f.view.GetScrollX() + f.view.GetGutterWidth();
    EXPECT_EQ(800 - 16 * 8, screenX);
    EXPECT_EQ(1, f.host.scrolls);
    EXPECT_TRUE(f.view.IsCaretInView());
    EXPECT_TRUE(Key(kKeyHome));  // back to column 0: out of view again
    f.view.EnsureCaretVisible();
    EXPECT_EQ(0, f.view.GetScrollX());
}

TEST_F(MovementFixture, CaretScrollsToTopCentreAndBottom)
{
    Load({"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    f.view.SetCaretToDocPosition(0, 8);
    f.view.ScrollCaretToTop();
    EXPECT_EQ(8 * h, f.view.GetScrollY());
    f.view.ScrollCaretToCentre();
    EXPECT_EQ(6 * h, f.view.GetScrollY());
    f.view.ScrollCaretToBottom();
    EXPECT_EQ(4 * h, f.view.GetScrollY());
    f.view.SetScrollY(-5);
    EXPECT_EQ(0, f.view.GetScrollY());
    f.view.SetScrollY(3 * h + 7);
    EXPECT_EQ(3 * h, f.view.GetScrollY());
    f.view.SetScrollY(100 * h);
    EXPECT_EQ(12 * h, f.view.GetScrollY());
}
