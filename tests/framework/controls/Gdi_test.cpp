#include "framework/Dc.h"
#include "framework/Gdi.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A memory DC with a bitmap of the screen's format selected, put back on destruction.
class MemoryCanvas {
public:
    MemoryCanvas(int width, int height) : m_screen(nullptr)
    {
        m_dc.CreateCompatibleDC(&m_screen);
        m_bitmap.CreateCompatibleBitmap(&m_screen, width, height);
        m_previous = ::SelectObject(m_dc, m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, RGB(255, 255, 255));
    }
    ~MemoryCanvas() { ::SelectObject(m_dc, m_previous); }

    CDC& Dc() { return m_dc; }

    int CountPixelsNot(COLORREF color, const CRect& area)
    {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                count += m_dc.GetPixel(x, y) != color;
        return count;
    }

private:
    CClientDC m_screen;
    CDC m_dc;
    CBitmap m_bitmap;
    HGDIOBJ m_previous;
};

int PixelsPerInchY()
{
    CClientDC screen(nullptr);
    return screen.GetDeviceCaps(LOGPIXELSY);
}

} // namespace

TEST(GdiTest, PointFontHeightIsNegativePixelsOfTheScreen)
{
    struct Case {
        int tenths;
    } cases[] = {{90}, {105}, {120}, {360}};
    for (const Case& c : cases) {
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(c.tenths, "宋体"));
        LOGFONT logFont;
        ASSERT_EQ((int)sizeof logFont, font.GetLogFont(&logFont));
        EXPECT_EQ(-::MulDiv(PixelsPerInchY(), c.tenths, 720), logFont.lfHeight) << c.tenths;
        EXPECT_STREQ("宋体", logFont.lfFaceName);
    }
}

TEST(GdiTest, PointFontHeightFollowsTheMappingModeOfTheDc)
{
    MemoryCanvas canvas(4, 4);
    canvas.Dc().SetMapMode(MM_LOMETRIC);
    canvas.Dc().SetWindowOrg(100, 200);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "宋体", &canvas.Dc()));
    LOGFONT logFont;
    font.GetLogFont(&logFont);
    // 12 points are 4.23 mm: about 42 tenths of a millimetre, whatever the origin.
    int pixels = ::MulDiv(PixelsPerInchY(), 120, 720);
    int expected = ::MulDiv(pixels, 254, PixelsPerInchY());
    EXPECT_NEAR(-expected, logFont.lfHeight, 1);
}

TEST(GdiTest, SelectObjectReturnsThePreviousObjectAndTheGuardPutsItBack)
{
    MemoryCanvas canvas(4, 4);
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    HGDIOBJ original = ::GetCurrentObject(canvas.Dc(), OBJ_PEN);
    {
        ScopedSelectObject selectRed(canvas.Dc(), red);
        CPen* previous = canvas.Dc().SelectObject(&blue);
        ASSERT_NE(nullptr, previous);
        EXPECT_EQ((HGDIOBJ)red, previous->GetSafeHandle());
        EXPECT_EQ((HGDIOBJ)blue, canvas.Dc().GetCurrentPen()->GetSafeHandle());
        canvas.Dc().SelectObject(previous);
    }
    EXPECT_EQ(original, ::GetCurrentObject(canvas.Dc(), OBJ_PEN));
}

TEST(GdiTest, BorrowedWrappersNeverDeleteTheirHandles)
{
    CBrush brush(RGB(1, 2, 3));
    CBrush* borrowed = CBrush::FromHandle(brush);
    EXPECT_EQ(borrowed, CBrush::FromHandle(brush));
    CGdiObject::DeleteTempMap();
    LOGBRUSH logBrush;
    ASSERT_EQ((int)sizeof logBrush, brush.GetLogBrush(&logBrush));
    EXPECT_EQ(RGB(1, 2, 3), logBrush.lbColor);

    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    EXPECT_EQ(memory.GetSafeHdc(), CDC::FromHandle(memory)->GetSafeHdc());
    CDC::DeleteTempMap();
    EXPECT_NE(0, memory.GetDeviceCaps(BITSPIXEL));
}

TEST(GdiTest, OwnersDeleteTheirHandles)
{
    HGDIOBJ handle;
    {
        CPen pen(PS_DOT, 1, RGB(0, 0, 0));
        handle = pen.GetSafeHandle();
        ASSERT_NE(nullptr, handle);
    }
    EXPECT_EQ(0, ::GetObjectType(handle));

    CPen detached(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ kept = detached.Detach();
    EXPECT_NE(0u, ::GetObjectType(kept));
    ::DeleteObject(kept);
}

TEST(GdiTest, MemoryDcFillsBlitsAndInverts)
{
    MemoryCanvas source(8, 8);
    source.Dc().FillSolidRect(CRect(2, 2, 6, 6), RGB(255, 0, 0));
    EXPECT_EQ(RGB(255, 255, 255), source.Dc().GetBkColor());

    MemoryCanvas target(8, 8);
    target.Dc().BitBlt(0, 0, 8, 8, &source.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(RGB(255, 0, 0), target.Dc().GetPixel(3, 3));
    EXPECT_EQ(RGB(255, 255, 255), target.Dc().GetPixel(1, 1));
    target.Dc().InvertRect(CRect(0, 0, 2, 2));
    EXPECT_EQ(RGB(0, 0, 0), target.Dc().GetPixel(1, 1));
    EXPECT_EQ(16, target.CountPixelsNot(RGB(255, 255, 255), CRect(2, 2, 6, 6)));
}

TEST(GdiTest, ExcludedClipRectIsNotPainted)
{
    MemoryCanvas canvas(10, 10);
    canvas.Dc().ExcludeClipRect(0, 0, 5, 10);
    CBrush black(RGB(0, 0, 0));
    canvas.Dc().FillRect(CRect(0, 0, 10, 10), &black);
    EXPECT_EQ(0, canvas.CountPixelsNot(RGB(255, 255, 255), CRect(0, 0, 5, 10)));
    EXPECT_EQ(50, canvas.CountPixelsNot(RGB(255, 255, 255), CRect(5, 0, 10, 10)));
}

TEST(GdiTest, SizeConversionIgnoresTheOrigins)
{
    MemoryCanvas canvas(4, 4);
    canvas.Dc().SetMapMode(MM_LOMETRIC);
    canvas.Dc().SetViewportOrg(50, 60);
    CSize size(PixelsPerInchY(), PixelsPerInchY());
    canvas.Dc().DPtoLP(&size);
    // One inch is 254 tenths of a millimetre; y grows upwards in this mode.
    EXPECT_NEAR(254, size.cx, 1);
    EXPECT_NEAR(-254, size.cy, 1);
    canvas.Dc().LPtoDP(&size);
    EXPECT_NEAR(PixelsPerInchY(), size.cx, 1);
}

TEST(GdiTest, RegionsCombine)
{
    CRgn a, b, both;
    a.CreateRectRgn(0, 0, 10, 10);
    b.CreateRectRgn(5, 5, 15, 15);
    both.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&a, &b, RGN_OR));
    EXPECT_TRUE(both.PtInRegion(12, 12));
    EXPECT_FALSE(both.PtInRegion(12, 2));
    EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&a, &b, RGN_AND));
    CRect box;
    both.GetRgnBox(&box);
    EXPECT_EQ(CRect(5, 5, 10, 10), box);

#ifdef NDEBUG
    // Combining into a region never created is a caller's fault that assertions stop;
    // without them it fails.
    CRgn empty;
    EXPECT_EQ(ERROR, empty.CombineRgn(&a, &b, RGN_OR));
#endif
}

TEST(GdiTest, ChineseTextMeasuresFullWidthInTheCjkFont)
{
    MemoryCanvas canvas(4, 4);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "宋体"));
    ScopedSelectObject selectFont(canvas.Dc(), font);
    CString face;
    canvas.Dc().GetTextFace(face);
    EXPECT_FALSE(face.IsEmpty());

    CSize one = canvas.Dc().GetTextExtent("中", 2);
    CSize two = canvas.Dc().GetTextExtent(CString("中文"));
    CSize ascii = canvas.Dc().GetTextExtent("a", 1);
    EXPECT_GT(one.cx, ascii.cx);
    EXPECT_EQ(2 * one.cx, two.cx);
    TEXTMETRIC metrics;
    ASSERT_TRUE(canvas.Dc().GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight, two.cy);
    EXPECT_EQ(CSize(0, 0), canvas.Dc().GetTextExtent("", 0));
    EXPECT_EQ(CSize(0, 0), canvas.Dc().GetTextExtent(nullptr, 3));
}
