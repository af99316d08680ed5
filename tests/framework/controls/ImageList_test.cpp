#include "framework/Dc.h"
#include "framework/ImageList.h"

#include "ControlsTestResources.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);

// Draws one image transparently on white and reads the pixel at (x, y).
COLORREF DrawnPixel(CImageList& images, int image, int x, int y)
{
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen, 16, 16);
    ScopedSelectObject select(dc, bitmap);
    dc.FillSolidRect(0, 0, 16, 16, kWhite);
    images.Draw(&dc, image, CPoint(0, 0), ILD_TRANSPARENT);
    return dc.GetPixel(x, y);
}

} // namespace

TEST(ImageListTest, FromABitmapWithMaskColourSplitsImagesAndDropsTheMask)
{
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_ARROWS, 9, 1, kMagenta));
    EXPECT_EQ(3, images.GetImageCount());
    IMAGEINFO info;
    ASSERT_TRUE(images.GetImageInfo(2, &info));
    EXPECT_EQ(9, info.rcImage.right - info.rcImage.left);
    EXPECT_EQ(9, info.rcImage.bottom - info.rcImage.top);
    EXPECT_NE(nullptr, info.hbmMask);

    struct Case {
        int image;
        COLORREF centre;
    } cases[] = {{0, RGB(255, 0, 0)}, {1, RGB(0, 160, 0)}, {2, RGB(0, 0, 255)}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.centre, DrawnPixel(images, c.image, 4, 4)) << c.image;
        // The magenta border is transparent: the white below shows through.
        EXPECT_EQ(kWhite, DrawnPixel(images, c.image, 0, 0)) << c.image;
        EXPECT_EQ(kWhite, DrawnPixel(images, c.image, 8, 8)) << c.image;
    }
}

TEST(ImageListTest, ExtractIconGivesAnIconOnlyInRange)
{
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_ARROWS, 9, 1, kMagenta));
    HICON icon = images.ExtractIcon(2);
    ASSERT_NE(nullptr, icon);
    ::DestroyIcon(icon);
    EXPECT_EQ(nullptr, images.ExtractIcon(3));
    EXPECT_EQ(nullptr, images.ExtractIcon(-1));
#ifdef NDEBUG
    // Drawing without a DC is a caller's fault that assertions stop; without them it is refused.
    EXPECT_FALSE(images.Draw(nullptr, 0, CPoint(0, 0), ILD_NORMAL));
#endif
}

TEST(ImageListTest, MissingBitmapOrTooWideImageFails)
{
    CImageList missing;
    EXPECT_FALSE(missing.Create(9999, 9, 1, kMagenta));
    EXPECT_EQ(nullptr, missing.GetSafeHandle());
    CImageList tooWide;
    EXPECT_FALSE(tooWide.Create(IDB_ARROWS, 28, 1, kMagenta));
    EXPECT_EQ(0, tooWide.GetImageCount());
}

TEST(ImageListTest, DetachedListSurvivesItsObject)
{
    HIMAGELIST handle;
    {
        CImageList images;
        ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
        handle = images.Detach();
    }
    EXPECT_EQ(0, ImageList_GetImageCount(handle));
    CImageList owner;
    ASSERT_TRUE(owner.Attach(handle));
}
