#include "framework/Geometry.h"

#include <gtest/gtest.h>

TEST(GeometryTest, RectMeasuresAndNormalizes)
{
    CRect rect(30, 40, 10, 20);
    EXPECT_EQ(-20, rect.Width());
    EXPECT_TRUE(rect.IsRectEmpty());
    rect.NormalizeRect();
    EXPECT_EQ(CRect(10, 20, 30, 40), rect);
    EXPECT_EQ(CSize(20, 20), rect.Size());
    EXPECT_EQ(CPoint(20, 30), rect.CenterPoint());
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(30, 40)));
}

TEST(GeometryTest, RectInflateOffsetIntersectUnion)
{
    CRect rect(10, 10, 20, 20);
    rect.InflateRect(2, 3);
    EXPECT_EQ(CRect(8, 7, 22, 23), rect);
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(9, 9, 19, 19), rect);
    rect.OffsetRect(CPoint(1, -9));
    EXPECT_EQ(CRect(10, 0, 20, 10), rect);
    EXPECT_EQ(CRect(15, 5, 20, 10), rect & CRect(15, 5, 30, 30));
    EXPECT_EQ(CRect(0, 0, 20, 10), rect | CRect(0, 0, 5, 5));
    EXPECT_TRUE((rect & CRect(50, 50, 60, 60)).IsRectNull());
}

TEST(GeometryTest, PointFromMouseMessageKeepsNegativeCoordinates)
{
    CPoint point((DWORD)MAKELONG(-5, -7));
    EXPECT_EQ(CPoint(-5, -7), point);
    EXPECT_EQ(CSize(-15, -27), point - CPoint(10, 20));
    EXPECT_EQ(CPoint(0, 0), point + CSize(5, 7));
}
