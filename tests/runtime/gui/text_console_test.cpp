#include "display_fixture.h"

#include <string>
#include <vector>

#include "runtime/源码/文本控制台.h"
#include "runtime/源码/系统.h"

namespace {

struct Cursor {
    int x, y;
};

Cursor CursorPixels()
{
    Cursor cursor = {};
    GfxGetCursorPos(&cursor.x, &cursor.y, 0);
    return cursor;
}

// The canvas pixels of a band of rows.
std::vector<COLORREF> Band(HDC dc, int top, int bottom, int width)
{
    std::vector<COLORREF> pixels;
    for (int y = top; y < bottom; y++)
        for (int x = 0; x < width; x++)
            pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

bool AllWhite(const std::vector<COLORREF>& pixels)
{
    for (COLORREF pixel : pixels)
        if (pixel != RGB(255, 255, 255))
            return false;
    return true;
}

}  // namespace

TEST_F(DisplayTest, PrintingMovesTheCursorByTheTextWidth)
{
    OpenDisplay();
    EXPECT_EQ(GfxPutString("ab", -1), 0);
    Cursor cursor = CursorPixels();
    EXPECT_EQ(cursor.x, ConsoleTextWidth(State().memoryDC, "ab"));
    EXPECT_EQ(cursor.y, 0);
    EXPECT_FALSE(AllWhite(Band(State().memoryDC, 0, 18, cursor.x))) << "the text was drawn";
    EXPECT_NE(State().repaintBits & kRepaintDrawn, 0);

    GfxPutString("x\ncd", -1);
    cursor = CursorPixels();
    EXPECT_EQ(cursor.y, kConsoleLineHeight);
    EXPECT_EQ(cursor.x, ConsoleTextWidth(State().memoryDC, "cd"));
    GfxPutChar('\r');
    EXPECT_EQ(CursorPixels().x, 0);
    EXPECT_EQ(CursorPixels().y, kConsoleLineHeight);
}

TEST_F(DisplayTest, NullOrEmptyTextPrintsNothing)
{
    OpenDisplay();
    EXPECT_EQ(GfxPutString(nullptr, -1), 0);
    EXPECT_EQ(GfxPutText("abc", 0), 0);
    EXPECT_EQ(GfxAdvanceText(nullptr, 3), 0);
    EXPECT_EQ(CursorPixels().x, 0);
    EXPECT_EQ(State().repaintBits, 0);
}

TEST_F(DisplayTest, DoubleByteCharacterThatDoesNotFitWrapsWhole)
{
    OpenDisplay(100, 100);
    int width = ConsoleTextWidth(State().memoryDC, "中");
    GfxSetCursorPos(100 - width + 1, 0, 0);
    GfxPutString("中", -1);
    Cursor cursor = CursorPixels();
    EXPECT_EQ(cursor.y, kConsoleLineHeight);
    EXPECT_EQ(cursor.x, width);
    EXPECT_TRUE(AllWhite(Band(State().memoryDC, 0, 18, 100))) << "nothing of it on the first line";
}

TEST_F(DisplayTest, ConsoleLowerThan34PixelsPrintsEveryLineOnRowZero)
{
    OpenDisplay(100, 30);
    EXPECT_EQ(GfxPutString("a\nb\nc", -1), 0);
    EXPECT_EQ(CursorPixels().y, 0);
    EXPECT_EQ(CursorPixels().x, ConsoleTextWidth(State().memoryDC, "c"));
}

TEST_F(DisplayTest, ScrollingMovesOnlyTheLinesBelowTheScrollTop)
{
    // 90 pixels hold the lines at 0, 18, 36, 54 and 72.
    OpenDisplay(120, 90);
    GfxPutString("TOP\n", -1);
    GfxMarkScrollTop();
    ASSERT_EQ(VdConsoleScrollTop(), kConsoleLineHeight);
    std::vector<COLORREF> top = Band(State().memoryDC, 0, 18, 120);
    ASSERT_FALSE(AllWhite(top));

    GfxPutString("1\n2\n3\n4", -1);
    std::vector<COLORREF> lastLineBefore = Band(State().memoryDC, 72, 90, 120);
    EXPECT_EQ(CursorPixels().y, 72);
    EXPECT_EQ(GfxPutString("\n5\n6", -1), 2);
    EXPECT_EQ(CursorPixels().y, 72) << "the cursor stays on the last line";
    EXPECT_EQ(Band(State().memoryDC, 0, 18, 120), top) << "the line above the scroll top stays";
    EXPECT_EQ(Band(State().memoryDC, 36, 54, 120), lastLineBefore)
        << "line 4 moved up two lines";
}

TEST_F(DisplayTest, AdvancingMovesTheCursorWithoutDrawingOrScrolling)
{
    OpenDisplay(100, 40);
    int consumed = GfxAdvanceString("abc\nde\nfg", -1);
    EXPECT_EQ(consumed, 9);
    EXPECT_EQ(CursorPixels().y, kConsoleLineHeight) << "the last line is kept, no scroll";
    EXPECT_EQ(CursorPixels().x, ConsoleTextWidth(State().memoryDC, "fg"));
    EXPECT_TRUE(AllWhite(Band(State().memoryDC, 0, 40, 100)));
    EXPECT_EQ(State().repaintBits, 0);
}

TEST_F(DisplayTest, CursorPositionInCellsOrPixels)
{
    EXPECT_EQ(GfxSetCursorPos(2, 3, 1), 54);
    int x = 0, y = 0;
    GfxGetCursorPos(&x, &y, 0);
    EXPECT_EQ(x, 16);
    EXPECT_EQ(y, 54);
    GfxSetCursorPos(17, 40, 0);
    GfxGetCursorPos(&x, &y, 1);
    EXPECT_EQ(x, 2);
    EXPECT_EQ(y, 2);
    GfxGetCursorPos(nullptr, nullptr, 1);
}

TEST_F(DisplayTest, PrintfFormatsWithTheLanguageDirectives)
{
    OpenDisplay();
    EXPECT_EQ(GfxPrintf("%整-%串", 42, "xy"), 5);
    EXPECT_EQ(CursorPixels().x, ConsoleTextWidth(State().memoryDC, "42-xy"));
    EXPECT_EQ(GfxPrintf(nullptr), 0);
}

TEST_F(DisplayTest, ConsoleOutputOfTheRuntimeReachesTheOpenDisplay)
{
    OpenDisplay();
    SysBanner();
    EXPECT_EQ(CursorPixels().y, 3 * kConsoleLineHeight) << "three banner lines";
}

TEST_F(DisplayTest, ClearDisplayWhitensTheCanvasAndHomesTheCursor)
{
    OpenDisplay(100, 60);
    GfxPutString("abc\nd", -1);
    GfxClearDisplay();
    EXPECT_TRUE(AllWhite(Band(State().memoryDC, 0, 60, 100)));
    EXPECT_EQ(CursorPixels().x, 0);
    EXPECT_EQ(CursorPixels().y, 0);
}

TEST_F(DisplayTest, PrintingOnAClosedDisplayDoesNothing)
{
    EXPECT_EQ(GfxPutString("abc", -1), 0);
    EXPECT_EQ(GfxAdvanceText("abc", -1), 0);
    EXPECT_EQ(GfxScroll(0, 0, 10, 10, 0, 0), -1);
    EXPECT_EQ(CursorPixels().x, 0);
}

TEST_F(DisplayTest, TextCursorMarkFollowsShowAndHide)
{
    OpenDisplay();
    GfxSetCursorPos(24, 36, 0);
    GfxShowTextCursor();
    EXPECT_EQ(State().textCursorState, kCursorShown);
    EXPECT_EQ(State().cursorX, 24);
    EXPECT_EQ(State().cursorY, 36);
    EXPECT_EQ(State().cursorHeight, kConsoleCursorHeight);
    GfxHideTextCursor();
    EXPECT_EQ(State().textCursorState, kCursorOff);
}

TEST_F(DisplayTest, ConsoleFontSetsTheWidthOfWhatIsPrinted)
{
    OpenDisplay();
    GfxPutString("WW", -1);
    int narrow = 0;
    GfxGetCursorPos(&narrow, nullptr, 0);
    LOGFONTA large = {};
    large.lfHeight = 32;
    lstrcpyA(large.lfFaceName, "新宋体");
    GfxSetConsoleFont(&large);
    GfxSetCursorPos(0, 0, 0);
    GfxPutString("WW", -1);
    int wide = 0;
    GfxGetCursorPos(&wide, nullptr, 0);
    EXPECT_GT(wide, narrow);
    HGDIOBJ before = GetCurrentObject(State().memoryDC, OBJ_FONT);
    GfxPutString("x", -1);
    EXPECT_EQ(GetCurrentObject(State().memoryDC, OBJ_FONT), before)
        << "printing puts back the font that was selected";
}
