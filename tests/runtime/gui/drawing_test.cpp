#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "display_fixture.h"
#include "temp_dir.h"
#include "runtime/源码/图形.h"
#include "runtime/源码/图形支持.h"
#include "runtime/源码/视窗.h"
#include "runtime/源码/视窗支持.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

uint32_t Read32(const std::string& bytes, size_t at)
{
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8
        | static_cast<uint8_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

uint16_t Read16(const std::string& bytes, size_t at)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
}

class DrawingTest : public DisplayTest {
protected:
    // The canvas pixels of a rectangle, row by row.
    std::vector<COLORREF> Pixels(int left, int top, int right, int bottom)
    {
        std::vector<COLORREF> pixels;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                pixels.push_back(GetPixel(State().memoryDC, x, y));
        return pixels;
    }
    // Whether any pixel of the rectangle is not white.
    bool HasInk(int left, int top, int right, int bottom)
    {
        for (COLORREF c : Pixels(left, top, right, bottom))
            if (c != kWhite)
                return true;
        return false;
    }
    void ClearCanvas()
    {
        RECT all = {0, 0, State().canvasWidth, State().canvasHeight};
        FillRect(State().memoryDC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    TempDir m_temp;
};

TEST_F(DrawingTest, ClosedDisplayAnswersMinusOne)
{
    GfxPenRecord pen = {PS_SOLID, 1, kRed};
    GfxBrushRecord brush = {0, 0, kRed};
    RECT rect = {0, 0, 5, 5};
    EXPECT_EQ(GfxSetPen(&pen), -1);
    EXPECT_EQ(GfxSetBrush(&brush), -1);
    EXPECT_EQ(GfxRectangle(0, 0, 5, 5), -1);
    EXPECT_EQ(GfxLineTo(3, 3), -1);
    EXPECT_EQ(GfxFillRect(&rect, &brush), -1);
    EXPECT_EQ(GfxTextOut(0, 0, "x"), -1);
    EXPECT_EQ(GfxSetBkColor(kRed), -1);
    EXPECT_EQ(GfxSaveBitmap(m_temp.WriteFile("x.bmp", "").c_str(), 0, 0, 3, 3), -1);
    EXPECT_EQ(GfxGetDrawDC(), nullptr);
}

TEST_F(DrawingTest, SecondPenDeletesTheFirstAndResetBringsBackTheInitialPen)
{
    OpenDisplay();
    HGDIOBJ stockPen = GetCurrentObject(State().memoryDC, OBJ_PEN);
    GfxPenRecord red = {PS_SOLID, 3, kRed}, blue = {PS_DASH, 1, kBlue};
    ASSERT_EQ(GfxSetPen(&red), 0);
    HGDIOBJ firstPen = GetCurrentObject(State().memoryDC, OBJ_PEN);
    EXPECT_EQ(State().initialPen, stockPen);
    ASSERT_EQ(GfxSetPen(&blue), 0);
    HGDIOBJ secondPen = GetCurrentObject(State().memoryDC, OBJ_PEN);
    EXPECT_EQ(State().initialPen, stockPen);
    EXPECT_EQ(GetObjectType(firstPen), 0u) << "the first program pen is deleted";

    GfxPenRecord read = {};
    ASSERT_EQ(GfxGetPen(&read), 0);
    EXPECT_EQ(read.style, PS_DASH);
    EXPECT_EQ(read.width, 1);
    EXPECT_EQ(read.colour, kBlue);
    EXPECT_EQ(GfxGetPenColor(), static_cast<int>(kBlue));

    EXPECT_EQ(GfxResetPen(), 0);
    EXPECT_EQ(GetCurrentObject(State().memoryDC, OBJ_PEN), stockPen);
    EXPECT_EQ(State().initialPen, nullptr);
    EXPECT_EQ(GetObjectType(secondPen), 0u) << "the reset frees the program pen";
}

TEST_F(DrawingTest, PenWidthZeroReadsAsOneAndPenColourChangesOnlyTheColour)
{
    OpenDisplay();
    GfxPenRecord thin = {PS_DOT, 0, kRed};
    ASSERT_EQ(GfxSetPen(&thin), 0);
    EXPECT_EQ(GfxSetPenColor(kBlue), static_cast<int>(kRed));
    GfxPenRecord read = {};
    ASSERT_EQ(GfxGetPen(&read), 0);
    EXPECT_EQ(read.style, PS_DOT);
    EXPECT_EQ(read.width, 1);
    EXPECT_EQ(read.colour, kBlue);
}

TEST_F(DrawingTest, BrushesSolidHatchedAndRefused)
{
    OpenDisplay();
    GfxBrushRecord read = {};
    ASSERT_EQ(GfxGetBrush(&read), 0);
    EXPECT_EQ(read.style, 0);
    EXPECT_EQ(read.colour, kWhite);

    GfxBrushRecord hatched = {1, HS_CROSS, kRed};
    ASSERT_EQ(GfxSetBrush(&hatched), 0);
    ASSERT_EQ(GfxGetBrush(&read), 0);
    EXPECT_EQ(read.style, 1);
    EXPECT_EQ(read.hatch, HS_CROSS);
    EXPECT_EQ(GfxSetBrushColor(kBlue), static_cast<int>(kRed));
    EXPECT_EQ(GfxGetBrushColor(), static_cast<int>(kBlue));

    HGDIOBJ before = GetCurrentObject(State().memoryDC, OBJ_BRUSH);
    GfxBrushRecord pattern = {2, 0, kRed};
    EXPECT_EQ(GfxSetBrush(&pattern), -2);
    EXPECT_EQ(GetCurrentObject(State().memoryDC, OBJ_BRUSH), before);

    SelectObject(State().memoryDC, GetStockObject(NULL_BRUSH));
    ASSERT_EQ(GfxGetBrush(&read), 0);
    EXPECT_EQ(read.style, -1);
    SelectObject(State().memoryDC, before);
    EXPECT_EQ(GfxResetBrush(), 0);
}

TEST_F(DrawingTest, FontsAreKeptLikePensAndReadBack)
{
    OpenDisplay();
    HGDIOBJ consoleFont = GetCurrentObject(State().memoryDC, OBJ_FONT);
    LOGFONTA font = {};
    font.lfHeight = 20;
    std::strcpy(font.lfFaceName, "黑体");
    ASSERT_EQ(GfxSetFont(&font), 0);
    EXPECT_EQ(State().initialFont, consoleFont);
    LOGFONTA read = {};
    ASSERT_EQ(GfxGetFont(&read), 0);
    EXPECT_EQ(read.lfHeight, 20);
    EXPECT_STREQ(read.lfFaceName, "黑体");
    EXPECT_EQ(GfxGetFont(nullptr), -2);
    EXPECT_EQ(GfxGetCurrentObject(), GetCurrentObject(State().memoryDC, OBJ_FONT));

    TEXTMETRICA metrics = {};
    EXPECT_EQ(GfxGetTextMetrics(&metrics), 0);
    EXPECT_GT(metrics.tmHeight, 0);
    EXPECT_EQ(GfxGetTextMetrics(nullptr), -2);
    char face[LF_FACESIZE] = {};
    EXPECT_GT(GfxGetTextFace(face, sizeof face), 0);

    EXPECT_EQ(GfxResetFont(), 0);
    EXPECT_EQ(GetCurrentObject(State().memoryDC, OBJ_FONT), consoleFont);
    HFONT loose = GfxCreateFontIndirect(&font);
    EXPECT_NE(loose, nullptr);
    EXPECT_EQ(GetCurrentObject(State().memoryDC, OBJ_FONT), consoleFont);
    DeleteObject(loose);
}

TEST_F(DrawingTest, ShapesSetTheRepaintBitAndDrawWithPenAndBrush)
{
    OpenDisplay();
    State().repaintBits = 0;
    GfxBrushRecord red = {0, 0, kRed};
    GfxSetBrush(&red);
    EXPECT_EQ(GfxRectangle(10, 10, 20, 20), 0);
    EXPECT_TRUE(State().repaintBits & kRepaintDrawn);
    EXPECT_EQ(GetPixel(State().memoryDC, 15, 15), kRed);
    EXPECT_EQ(GetPixel(State().memoryDC, 10, 10), RGB(0, 0, 0));  // the stock black pen
    EXPECT_EQ(GetPixel(State().memoryDC, 25, 25), kWhite);

    EXPECT_EQ(GfxCircle(50, 50, 5), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 50, 50), kRed);
    EXPECT_EQ(GfxRoundRect(60, 60, 80, 80, 2, 2), 0);
    POINT triangle[] = {{100, 100}, {120, 100}, {110, 115}};
    EXPECT_EQ(GfxPolygon(triangle, 3), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 110, 105), kRed);

    EXPECT_EQ(GfxDrawLine(0, 30, 9, 30), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 5, 30), RGB(0, 0, 0));
    POINT position = {};
    EXPECT_EQ(GfxGetPosition(&position), 0);
    EXPECT_EQ(position.x, 9);
    EXPECT_EQ(GfxRectangleOutline(130, 10, 140, 20), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 135, 10), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(State().memoryDC, 135, 15), kWhite);

    EXPECT_EQ(GfxSetPixel(1, 1, kBlue), static_cast<int>(kBlue));
    EXPECT_EQ(GfxGetPixel(1, 1), static_cast<int>(kBlue));
}

TEST_F(DrawingTest, AttributeSettersReturnTheOldValue)
{
    OpenDisplay();
    int oldText = GfxGetTextColor();
    EXPECT_EQ(GfxSetTextColor(kRed), oldText);
    EXPECT_EQ(GfxGetTextColor(), static_cast<int>(kRed));
    int oldBk = GfxGetBkColor();
    EXPECT_EQ(GfxSetBkColor(kBlue), oldBk);
    EXPECT_EQ(GfxGetBkColor(), static_cast<int>(kBlue));
    int oldMode = GfxGetBkMode();
    EXPECT_EQ(GfxSetBkMode(TRANSPARENT), oldMode);
    EXPECT_EQ(GfxGetBkMode(), TRANSPARENT);
    EXPECT_EQ(GfxSetRop2(R2_NOT), R2_COPYPEN);
    EXPECT_EQ(GfxGetRop2(), R2_NOT);
    EXPECT_EQ(GfxSetTextAlign(TA_BASELINE), TA_TOP);
    EXPECT_EQ(GfxGetTextAlign(), TA_BASELINE);
}

TEST_F(DrawingTest, PolyShapesDrawAndRefuseMissingPoints)
{
    OpenDisplay();
    POINT line[] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    DWORD lineCounts[] = {2, 2};
    INT polygonCounts[] = {4};
    RECT box = {10, 10, 40, 40};
    POINT from = {40, 25}, to = {10, 25};
    const std::pair<const char*, std::function<int()>> cases[] = {
        {"polyline", [&] { return GfxPolyline(line, 4, 0); }},
        {"polyline from the position", [&] { return GfxPolyline(line, 4, 0x101); }},
        {"poly-polyline", [&] { return GfxPolyPolyline(line, lineCounts, 2); }},
        {"Bezier", [&] { return GfxPolyBezier(line, 4, 0); }},
        {"Bezier from the position", [&] { return GfxPolyBezier(line + 1, 3, 1); }},
        {"poly-polygon", [&] { return GfxPolyPolygon(line, polygonCounts, 1); }},
        {"chord", [&] { return GfxChord(&box, &from, &to, 0); }},
        {"pie", [&] { return GfxPie(&box, &from, &to, 1); }},
    };
    for (const auto& c : cases) {
        ClearCanvas();
        GfxMoveTo(10, 10, nullptr);
        EXPECT_EQ(c.second(), 0) << c.first;
        EXPECT_TRUE(HasInk(8, 8, 43, 43)) << c.first;
    }
    EXPECT_EQ(GfxPolyline(nullptr, 4, 0), 1);
    EXPECT_EQ(GfxPolygon(line, 0), 1);
    EXPECT_EQ(GfxPolyPolyline(line, nullptr, 2), 1);
    EXPECT_EQ(GfxChord(nullptr, &from, &to, 0), 1);
}

TEST_F(DrawingTest, FillAndInvertRectangles)
{
    OpenDisplay();
    RECT rect = {5, 5, 15, 15};
    GfxBrushRecord blue = {0, 0, kBlue};
    HGDIOBJ selected = GetCurrentObject(State().memoryDC, OBJ_BRUSH);
    EXPECT_EQ(GfxFillRect(&rect, &blue), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 10, 10), kBlue);
    EXPECT_EQ(GetCurrentObject(State().memoryDC, OBJ_BRUSH), selected);
    GfxBrushRecord odd = {3, 0, kBlue};
    EXPECT_EQ(GfxFillRect(&rect, &odd), -2);
    EXPECT_EQ(GfxInvertRect(&rect), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 10, 10), RGB(255, 255, 0));
    GfxBrushRecord red = {0, 0, kRed};
    GfxSetBrush(&red);
    EXPECT_EQ(GfxClearTargetRect(0, 0, 3, 3), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 1, 1), kRed);
    EXPECT_EQ(GfxClearTarget(), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 100, 100), kRed);
}

TEST_F(DrawingTest, ArcDirectionOneDrawsTheComplementaryArc)
{
    OpenDisplay();
    RECT box = {10, 10, 70, 70};
    POINT right = {70, 40}, top = {40, 10};
    ClearCanvas();
    ASSERT_EQ(GfxArc(&box, &right, &top, 0), 0);
    std::vector<COLORREF> forward = Pixels(0, 0, 80, 80);
    ClearCanvas();
    ASSERT_EQ(GfxArc(&box, &right, &top, 1), 0);
    std::vector<COLORREF> backward = Pixels(0, 0, 80, 80);
    ClearCanvas();
    ASSERT_EQ(GfxEllipseOutline(10, 10, 70, 70), 0);
    std::vector<COLORREF> whole = Pixels(0, 0, 80, 80);

    // Away from the two end points each pixel of the ellipse belongs to one of the arcs.
    int forwardOnly = 0, backwardOnly = 0, missing = 0;
    for (size_t i = 0; i < whole.size(); ++i) {
        int x = static_cast<int>(i % 80), y = static_cast<int>(i / 80);
        bool nearEnd = (std::abs(x - 70) < 4 && std::abs(y - 40) < 4)
            || (std::abs(x - 40) < 4 && std::abs(y - 10) < 4);
        if (nearEnd || whole[i] == kWhite)
            continue;
        bool f = forward[i] != kWhite, b = backward[i] != kWhite;
        forwardOnly += f && !b;
        backwardOnly += b && !f;
        missing += !f && !b;
    }
    EXPECT_GT(forwardOnly, 0);
    EXPECT_GT(backwardOnly, 2 * forwardOnly) << "the quarter and its three-quarter complement";
    EXPECT_EQ(missing, 0);
}

TEST_F(DrawingTest, AngleArcIsTheSameWhateverTheAngleOrder)
{
    OpenDisplay();
    ClearCanvas();
    GfxMoveTo(0, 0, nullptr);
    ASSERT_EQ(GfxAngleArc(50, 50, 20, 0, 90, 0), 0);
    std::vector<COLORREF> upwards = Pixels(0, 0, 100, 100);
    POINT position = {};
    GfxGetPosition(&position);
    EXPECT_EQ(position.x, 0) << "without a join the position stays";
    EXPECT_EQ(position.y, 0);
    ClearCanvas();
    ASSERT_EQ(GfxAngleArc(50, 50, 20, 90, 0, 0), 0);
    EXPECT_EQ(Pixels(0, 0, 100, 100), upwards);
    // Counter-clockwise from 0 degrees: the upper right quarter only.
    EXPECT_TRUE(HasInk(51, 25, 75, 50));
    EXPECT_FALSE(HasInk(25, 25, 49, 75));
    EXPECT_FALSE(HasInk(25, 51, 75, 75));

    ClearCanvas();
    ASSERT_EQ(GfxCircleOutline(50, 50, 20), 0);
    EXPECT_TRUE(HasInk(27, 47, 33, 53));
    EXPECT_TRUE(HasInk(67, 47, 73, 53));
    EXPECT_TRUE(HasInk(47, 67, 53, 73)) << "the whole circle";
}

TEST_F(DrawingTest, TextOutDrawsAndMeasures)
{
    OpenDisplay();
    ClearCanvas();
    State().repaintBits = 0;
    EXPECT_NE(GfxTextOut(0, 0, "墨"), 0);
    EXPECT_TRUE(State().repaintBits & kRepaintDrawn);
    EXPECT_NE(Pixels(0, 0, 16, 16), std::vector<COLORREF>(256, kWhite));
    EXPECT_NE(GfxCharOut(20, 0, 0xC4ABu), 0);
    EXPECT_EQ(Pixels(20, 0, 36, 16), Pixels(0, 0, 16, 16)) << "墨 as a character code";
    int width = 0, height = 0;
    EXPECT_EQ(VdGetTextExtent("ab", 2, &width, &height), 1);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    EXPECT_GT(GfxDrawTextBox(0, 40, 200, 40, DT_LEFT, "第一行"), 0);
    RECT rect = {0, 0, 0, 0};
    EXPECT_GT(GfxDrawTextN(&rect, DT_CALCRECT, "abc", 2), 0);
    EXPECT_GT(rect.right, 0);
}

TEST_F(DrawingTest, TargetWindowTakesTheDrawingAndReleaseReturnsToTheCanvas)
{
    OpenDisplay();
    HWND child = WndCreateLabel(nullptr, "", 0, 0, 50, 50, 0, 9);
    ASSERT_NE(child, nullptr);
    HDC target = GfxSelectTargetWindow(child);
    ASSERT_NE(target, nullptr);
    EXPECT_NE(target, State().memoryDC);
    EXPECT_EQ(GfxGetDrawDC(), target);
    EXPECT_EQ(GfxGetDisplayDC(), State().memoryDC);

    GfxPenRecord red = {PS_SOLID, 1, kRed};
    ASSERT_EQ(GfxSetPen(&red), 0);
    EXPECT_NE(State().targetPen, nullptr);
    EXPECT_EQ(State().initialPen, nullptr);
    EXPECT_EQ(GfxReleaseTargetWindow(), 1);
    EXPECT_EQ(State().targetPen, nullptr);
    EXPECT_EQ(State().targetWindow, nullptr);
    EXPECT_EQ(GfxGetDrawDC(), State().memoryDC);
    EXPECT_EQ(GfxReleaseTargetWindow(), 0);

    ASSERT_NE(GfxSelectTargetWindow(child), nullptr);
    EXPECT_EQ(GfxSelectTargetWindow(nullptr), State().memoryDC) << "null returns to the canvas";
    EXPECT_EQ(State().targetWindow, nullptr);
}

TEST_F(DrawingTest, SavedBitmapRowsOfThreePixelsArePadded)
{
    OpenDisplay();
    ClearCanvas();
    SetPixel(State().memoryDC, 10, 20, RGB(1, 2, 3));   // top-left of the region
    SetPixel(State().memoryDC, 12, 21, RGB(4, 5, 6));   // bottom-right
    std::string file = m_temp / "三.bmp";
    ASSERT_EQ(GfxSaveBitmap(file.c_str(), 10, 20, 3, 2), 1);
    std::string bytes = TempDir::ReadFile(file);
    ASSERT_EQ(bytes.size(), 54u + 12u * 2u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(Read32(bytes, 2), 54u + 24u);
    EXPECT_EQ(Read32(bytes, 6), 0u);
    EXPECT_EQ(Read32(bytes, 10), 54u);
    EXPECT_EQ(Read32(bytes, 14), 40u);
    EXPECT_EQ(Read32(bytes, 18), 3u);
    EXPECT_EQ(Read32(bytes, 22), 2u);
    EXPECT_EQ(Read16(bytes, 26), 1u);
    EXPECT_EQ(Read16(bytes, 28), 24u);
    EXPECT_EQ(Read32(bytes, 30), 0u);
    EXPECT_EQ(Read32(bytes, 34), 24u);
    // Bottom-up: the first row is the region's lower one; pixels are blue, green, red.
    std::string bottom = bytes.substr(54, 12), top = bytes.substr(66, 12);
    EXPECT_EQ(bottom, std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x06\x05\x04\0\0\0", 12));
    EXPECT_EQ(top, std::string("\x03\x02\x01\xFF\xFF\xFF\xFF\xFF\xFF\0\0\0", 12));
}

TEST_F(DrawingTest, SavedBitmapRowsOfFourPixelsNeedNoPadding)
{
    OpenDisplay();
    ClearCanvas();
    std::string file = m_temp / "four.bmp";
    ASSERT_EQ(GfxSaveBitmap(file.c_str(), 1, 1, 4, 3), 1);
    std::string bytes = TempDir::ReadFile(file);
    ASSERT_EQ(bytes.size(), 54u + 12u * 3u);
    EXPECT_EQ(Read32(bytes, 34), 36u);
    EXPECT_EQ(bytes.substr(54), std::string(36, '\xFF'));
}

TEST_F(DrawingTest, SavingWithoutSizeTakesTheWholeClientArea)
{
    OpenDisplay(64, 32);
    std::string file = m_temp / "whole.bmp";
    ASSERT_EQ(GfxSaveBitmap(file.c_str(), 0, 0, 0, 0), 1);
    std::string bytes = TempDir::ReadFile(file);
    RECT client;
    GetClientRect(Window(), &client);
    EXPECT_EQ(Read32(bytes, 18), static_cast<uint32_t>(client.right));
    EXPECT_EQ(Read32(bytes, 22), static_cast<uint32_t>(client.bottom));
    EXPECT_EQ(WndSaveWindowBitmap(Window(), nullptr, 0, 0, 0, 0, "Z:\\no\\such\\folder\\x.bmp"), 0);
}

TEST_F(DrawingTest, BitmapFromFileAtNaturalSizeAndTransparent)
{
    OpenDisplay();
    ClearCanvas();
    // A 4 x 2 picture: red with one blue pixel, saved from the canvas and drawn back.
    RECT area = {0, 0, 4, 2};
    HBRUSH redBrush = CreateSolidBrush(kRed);
    FillRect(State().memoryDC, &area, redBrush);
    DeleteObject(redBrush);
    SetPixel(State().memoryDC, 1, 0, kBlue);
    std::string file = m_temp / "picture.bmp";
    ASSERT_EQ(GfxSaveBitmap(file.c_str(), 0, 0, 4, 2), 1);

    BITMAP info = {};
    ASSERT_EQ(GfxGetBitmapInfo(0, file.c_str(), &info), 1);
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(GfxGetBitmapInfo(0, (m_temp / "missing.bmp").c_str(), &info), 0);

    EXPECT_NE(GfxDrawBitmap(0, file.c_str(), 100, 100, 0, 0, 0), 0);
    EXPECT_EQ(Pixels(100, 100, 104, 102), Pixels(0, 0, 4, 2));
    EXPECT_EQ(GetPixel(State().memoryDC, 104, 100), kWhite);

    // Red is transparent: only the blue pixel reaches the canvas.
    EXPECT_EQ(GfxDrawBitmapTransparent(0, file.c_str(), 200, 100, 0, 0, 1, -1, kRed), 1);
    EXPECT_EQ(GetPixel(State().memoryDC, 200, 100), kWhite);
    EXPECT_EQ(GetPixel(State().memoryDC, 201, 100), kBlue);
    EXPECT_EQ(GetPixel(State().memoryDC, 203, 101), kWhite);
    // The colour taken from the picture's own pixel (1, 0): blue is transparent.
    EXPECT_EQ(GfxDrawBitmapTransparent(0, file.c_str(), 200, 110, 4, 2, 1, 1, 0), 1);
    EXPECT_EQ(GetPixel(State().memoryDC, 200, 110), kRed);
    EXPECT_EQ(GetPixel(State().memoryDC, 201, 110), kWhite);
}

TEST_F(DrawingTest, BitmapResourceOfTheProgramInstance)
{
    OpenDisplay();
    // The common-controls library stands in for the program: its tool-bar bitmap 120.
    HMODULE library = LoadLibraryA("comctl32.dll");
    ASSERT_NE(library, nullptr);
    HINSTANCE program = State().instance;
    State().instance = library;
    const char* name = MAKEINTRESOURCEA(120);
    BITMAP info = {};
    EXPECT_EQ(GfxGetBitmapInfo(资源, name, &info), 1);
    EXPECT_GT(info.bmWidth, 0);
    EXPECT_GT(info.bmHeight, 0);
    HBITMAP scaled = WndLoadBitmap(1, name, 8, 4);
    ASSERT_NE(scaled, nullptr);
    BITMAP scaledInfo = {};
    GetObjectA(scaled, sizeof scaledInfo, &scaledInfo);
    EXPECT_EQ(scaledInfo.bmWidth, 8);
    EXPECT_EQ(scaledInfo.bmHeight, 4);
    DeleteObject(scaled);
    EXPECT_EQ(GfxGetBitmapInfo(资源, MAKEINTRESOURCEA(9999), &info), 0);
    State().instance = program;
    FreeLibrary(library);
}

TEST_F(DrawingTest, TransparentBltRefusesEmptySizes)
{
    OpenDisplay();
    EXPECT_EQ(WndTransparentBlt(State().memoryDC, 0, 0, 0, 5, State().memoryDC, 0, 0, 5, 5, kRed), 0);
    EXPECT_EQ(WndTransparentBlt(State().memoryDC, 0, 0, 5, 5, State().memoryDC, 0, 0, 5, -1, kRed), 0);
}

TEST_F(DrawingTest, CanvasCopiesARegionAndDrawsItBack)
{
    OpenDisplay();
    ClearCanvas();
    SetPixel(State().memoryDC, 3, 4, kRed);
    WndCanvas* canvas = WndCreateCanvas(1, 3, 4, 10, 10);
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->width, 10);
    EXPECT_NE(WndDrawCanvas(canvas, 1, 50, 60, 0, 0), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 50, 60), kRed);
    EXPECT_EQ(WndFreeCanvas(canvas), 1);
    EXPECT_EQ(WndFreeCanvas(nullptr), 0);
    EXPECT_EQ(WndDrawCanvas(nullptr, 1, 0, 0, 0, 0), 0);
}

TEST_F(DrawingTest, DrawBitmapHandleThroughATemporaryDC)
{
    OpenDisplay();
    ClearCanvas();
    HBITMAP bitmap = CreateCompatibleBitmap(State().memoryDC, 2, 2);
    HDC dc = CreateCompatibleDC(State().memoryDC);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 2, 2};
    HBRUSH blue = CreateSolidBrush(kBlue);
    FillRect(dc, &all, blue);
    DeleteObject(blue);
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_NE(WndDrawBitmap(bitmap, 30, 30, 2, 2, 0), 0);
    EXPECT_EQ(GetPixel(State().memoryDC, 31, 31), kBlue);
    EXPECT_EQ(WndDrawBitmap(nullptr, 30, 30, 2, 2, 0), 0);
    DeleteObject(bitmap);
}

}  // namespace
