#include "framework/PreviewLayout.h"
#include "framework/PrintInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintPageRangeTest, ChosenRangeStaysInsideTheDocument)
{
    struct Case {
        UINT from, to, minPage, maxPage, wantFrom, wantTo;
    };
    const Case cases[] = {
        {1, 3, 1, 3, 1, 3},          // the whole document
        {2, 9, 1, 5, 2, 5},          // past the end
        {0, 2, 1, 5, 1, 2},          // before the start
        {4, 2, 1, 5, 2, 4},          // typed the wrong way round
        {1, 0xFFFF, 1, 0xFFFF, 1, 0xFFFF},  // length unknown
        {3, 3, 1, 0, 1, 1},          // an empty document still prints its one page
    };
    for (const Case& c : cases) {
        PrintPageRange range = ClampPrintPageRange(c.from, c.to, c.minPage, c.maxPage);
        EXPECT_EQ(range.from, c.wantFrom) << c.from << "-" << c.to;
        EXPECT_EQ(range.to, c.wantTo) << c.from << "-" << c.to;
    }
}

// A4 at 300 dpi on a 96 dpi screen: 793 x 1122 screen pixels at its real size.
PreviewLayoutInput A4(CSize client, int pages, int zoom, CPoint scroll = CPoint())
{
    PreviewLayoutInput input;
    input.client = client;
    input.paper = CSize(2479, 3508);
    input.printerDpi = CSize(300, 300);
    input.screenDpi = CSize(96, 96);
    input.pages = pages;
    input.zoom = zoom;
    input.scroll = scroll;
    return input;
}

TEST(PreviewLayoutTest, PagesFitCentredOrZoomAndScroll)
{
    struct Case {
        const char* name;
        PreviewLayoutInput input;
        int pageCount;
        CRect first;
        CSize extent;
    };
    const Case cases[] = {
        // Height limits: 584 px tall, 412 wide (584 * 793 / 1122), centred across 800.
        {"one page fits the height", A4(CSize(800, 600), 1, 0), 1, CRect(194, 8, 606, 592), CSize(428, 600)},
        // Width limits: two pages of 388 px share the width between three margins.
        {"two pages side by side", A4(CSize(800, 600), 2, 0), 2, CRect(8, 26, 396, 574), CSize(800, 564)},
        // A narrow window: 184 px wide pages, centred vertically.
        {"narrow window", A4(CSize(200, 600), 1, 0), 1, CRect(8, 170, 192, 430), CSize(200, 276)},
        {"real size scrolls", A4(CSize(800, 600), 2, 1, CPoint(0, 100)), 1, CRect(8, -92, 801, 1030),
         CSize(809, 1138)},
        {"scroll kept inside", A4(CSize(800, 600), 1, 2, CPoint(5000, 5000)), 1, CRect(-794, -1652, 792, 592),
         CSize(1602, 2260)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PreviewLayout layout = LayOutPreview(c.input);
        EXPECT_EQ(layout.pageCount, c.pageCount);
        EXPECT_EQ(layout.pages[0], c.first);
        EXPECT_EQ(layout.extent, c.extent);
    }
    PreviewLayout two = LayOutPreview(A4(CSize(800, 600), 2, 0));
    EXPECT_EQ(two.pages[1], CRect(404, 26, 792, 574));
}

} // namespace
