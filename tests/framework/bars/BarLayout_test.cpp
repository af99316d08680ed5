#include <gtest/gtest.h>

#include "framework/BarLayout.h"
#include "framework/BarState.h"
#include "framework/ControlBar.h"

#include <ostream>

static std::ostream& operator<<(std::ostream& out, const RECT& r)
{
    return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

using Row = std::vector<DockRowItem>;

TEST(SideStripTest, EachSideTakesItsStripAndLeavesTheRest)
{
    struct Case {
        BarSide side;
        int thickness;
        CRect strip;
        CRect rest;
    };
    const Case cases[] = {
        {BarSide::kTop, 20, CRect(0, 0, 300, 20), CRect(0, 20, 300, 200)},
        {BarSide::kBottom, 20, CRect(0, 180, 300, 200), CRect(0, 0, 300, 180)},
        {BarSide::kLeft, 50, CRect(0, 0, 50, 200), CRect(50, 0, 300, 200)},
        {BarSide::kRight, 50, CRect(250, 0, 300, 200), CRect(0, 0, 250, 200)},
        {BarSide::kTop, 500, CRect(0, 0, 300, 200), CRect(0, 200, 300, 200)},
        {BarSide::kRight, -5, CRect(300, 0, 300, 200), CRect(0, 0, 300, 200)},
    };
    for (const Case& c : cases) {
        CRect room(0, 0, 300, 200);
        EXPECT_EQ(TakeSideStrip(&room, c.side, c.thickness), c.strip) << static_cast<int>(c.side) << " " << c.thickness;
        EXPECT_EQ(room, c.rest) << static_cast<int>(c.side) << " " << c.thickness;
    }
}

TEST(DockRowsTest, BarsKeepTheirOrderAndOffsetsWithinTheRowLength)
{
    struct Case {
        const char* name;
        Row row;
        int length;
        std::vector<std::pair<int, int>> expected;  // left, right of each bar
    };
    const Case cases[] = {
        {"at their offsets", {{50, 20, 0}, {30, 20, 100}}, 400, {{0, 50}, {100, 130}}},
        {"pushed by the bar before", {{50, 20, 0}, {30, 20, 20}}, 400, {{0, 50}, {50, 80}}},
        {"pulled back from the end", {{50, 20, 0}, {30, 20, 390}}, 400, {{0, 50}, {370, 400}}},
        {"the end pushes both back", {{50, 20, 340}, {30, 20, 390}}, 400, {{320, 370}, {370, 400}}},
        {"too long a row overflows", {{50, 20, 0}, {60, 20, 0}}, 80, {{0, 50}, {50, 110}}},
        {"negative offset starts at 0", {{50, 20, -30}}, 400, {{0, 50}}},
    };
    for (const Case& c : cases) {
        DockRowsLayout layout = LayoutDockRows({c.row}, c.length);
        ASSERT_EQ(layout.placed.size(), 1u) << c.name;
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(layout.placed[0][i].left, c.expected[i].first) << c.name << " bar " << i;
            EXPECT_EQ(layout.placed[0][i].right, c.expected[i].second) << c.name << " bar " << i;
        }
    }
}

TEST(DockRowsTest, RowsStackByTheirThickestVisibleBar)
{
    DockRowItem hidden{40, 90, 0, false};
    DockRowsLayout layout = LayoutDockRows({{{50, 20, 0}, {30, 26, 60}}, {hidden}, {{70, 24, 0}}}, 400);
    EXPECT_EQ(layout.thickness, 50);
    EXPECT_EQ(layout.placed[0][0], CRect(0, 0, 50, 26));
    EXPECT_EQ(layout.placed[0][1], CRect(60, 0, 90, 26));
    // The row of a hidden bar takes no room, and the hidden bar is not placed.
    EXPECT_TRUE(layout.placed[1][0].IsRectNull());
    EXPECT_EQ(layout.placed[2][0], CRect(0, 26, 70, 50));

    // Dropping across the rows: before them, in each, after them.
    EXPECT_EQ(DockRowAt(layout, -5), -1);
    EXPECT_EQ(DockRowAt(layout, 0), 0);
    EXPECT_EQ(DockRowAt(layout, 25), 0);
    EXPECT_EQ(DockRowAt(layout, 26), 2);
    EXPECT_EQ(DockRowAt(layout, 50), 3);
}

TEST(WrapButtonsTest, LinesEndBeforeTheButtonThatPassesTheWidth)
{
    struct Case {
        const char* name;
        std::vector<int> widths;
        std::vector<bool> separators;
        int maxWidth;
        std::vector<bool> expected;
    };
    const Case cases[] = {
        {"all fit", {23, 23, 23}, {false, false, false}, 100, {false, false, false}},
        {"two per line", {23, 23, 23, 23}, {false, false, false, false}, 50, {false, true, false, false}},
        {"a separator stays on its line", {23, 8, 23}, {false, true, false}, 40, {false, true, false}},
        {"a line holds at least one button", {60, 60}, {false, false}, 10, {true, false}},
        {"one per line", {23, 23, 23}, {false, false, false}, 23, {true, true, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapButtons(c.widths, c.separators, c.maxWidth), c.expected) << c.name;
}

TEST(StatusPaneEdgesTest, StretchingPanesShareWhatIsLeft)
{
    struct Case {
        const char* name;
        std::vector<int> widths;
        std::vector<bool> stretch;
        int total;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"message pane stretches", {1, 50, 20}, {true, false, false}, 200, {118, 174, 200}},
        {"no room left", {1, 50, 20}, {true, false, false}, 50, {7, 63, 89}},
        {"two share, the remainder to the last", {1, 1}, {true, true}, 21, {10, 21}},
        {"nothing stretches", {10, 10}, {false, false}, 100, {16, 32}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StatusPaneEdges(c.widths, c.stretch, 6, c.total), c.expected) << c.name;
}

SplitterMetrics Metrics(int rows, int cols)
{
    SplitterMetrics m;
    m.rows = rows;
    m.cols = cols;
    m.rowHeights = {100, 0};
    m.colWidths = {150, 0};
    m.hScroll = m.vScroll = true;
    m.rowSplitBox = rows < 2;
    m.colSplitBox = cols < 2;
    m.gap = 6;
    m.cxVScroll = m.cyHScroll = 16;
    return m;
}

TEST(SplitterLayoutTest, PanesBarsAndBoxesTileTheClientArea)
{
    const CRect client(0, 0, 400, 300);
    struct Case {
        const char* name;
        int rows, cols;
        std::vector<CRect> panes;
        std::vector<CRect> hBars, vBars;
        CRect rowBox, colBox;
    };
    const Case cases[] = {
        {"one pane with both split boxes", 1, 1, {CRect(0, 0, 384, 284)},
         {CRect(6, 284, 384, 300)}, {CRect(384, 6, 400, 284)}, CRect(384, 0, 400, 6), CRect(0, 284, 6, 300)},
        {"two rows share the horizontal bar", 2, 1, {CRect(0, 0, 384, 100), CRect(0, 106, 384, 284)},
         {CRect(6, 284, 384, 300)}, {CRect(384, 0, 400, 100), CRect(384, 106, 400, 284)}, CRect(), CRect(0, 284, 6, 300)},
        {"two by two", 2, 2,
         {CRect(0, 0, 150, 100), CRect(156, 0, 384, 100), CRect(0, 106, 150, 284), CRect(156, 106, 384, 284)},
         {CRect(0, 284, 150, 300), CRect(156, 284, 384, 300)}, {CRect(384, 0, 400, 100), CRect(384, 106, 400, 284)},
         CRect(), CRect()},
    };
    for (const Case& c : cases) {
        SplitterLayout layout = LayoutSplitter(Metrics(c.rows, c.cols), client);
        size_t i = 0;
        for (int r = 0; r < c.rows; ++r)
            for (int col = 0; col < c.cols; ++col)
                EXPECT_EQ(layout.panes[r][col], c.panes[i++]) << c.name << " pane " << r << "," << col;
        EXPECT_EQ(layout.hScrollBars, c.hBars) << c.name;
        EXPECT_EQ(layout.vScrollBars, c.vBars) << c.name;
        EXPECT_EQ(layout.rowSplitBox, c.rowBox) << c.name;
        EXPECT_EQ(layout.colSplitBox, c.colBox) << c.name;
        EXPECT_EQ(layout.sizeBox, CRect(384, 284, 400, 300)) << c.name;
    }
}

TEST(SplitterLayoutTest, AWantedSizeBeyondTheWindowLeavesTheLastPaneEmptyNotNegative)
{
    SplitterMetrics m = Metrics(2, 1);
    m.rowHeights = {1000, 0};
    SplitterLayout layout = LayoutSplitter(m, CRect(0, 0, 400, 300));
    EXPECT_EQ(layout.panes[0][0], CRect(0, 0, 384, 284));
    EXPECT_EQ(layout.panes[1][0].Height(), 0);
}

TEST(SplitterHitTest, FindsBoxesBarsAndTheirCrossing)
{
    SplitterLayout one = LayoutSplitter(Metrics(1, 1), CRect(0, 0, 400, 300));
    SplitterLayout four = LayoutSplitter(Metrics(2, 2), CRect(0, 0, 400, 300));
    struct Case {
        const SplitterLayout* layout;
        CPoint point;
        SplitterHit::Kind kind;
        int row, col;
    };
    const Case cases[] = {
        {&one, CPoint(390, 3), SplitterHit::kRowSplitBox, -1, -1},
        {&one, CPoint(3, 290), SplitterHit::kColSplitBox, -1, -1},
        {&one, CPoint(200, 150), SplitterHit::kNone, -1, -1},
        {&four, CPoint(50, 103), SplitterHit::kRowBar, 0, -1},
        {&four, CPoint(153, 50), SplitterHit::kColBar, -1, 0},
        {&four, CPoint(153, 103), SplitterHit::kBarCross, 0, 0},
        {&four, CPoint(390, 3), SplitterHit::kNone, -1, -1},
    };
    for (const Case& c : cases) {
        SplitterHit hit = HitTestSplitter(*c.layout, c.point);
        EXPECT_EQ(hit.kind, c.kind) << c.point.x << "," << c.point.y;
        EXPECT_EQ(hit.row, c.row) << c.point.x << "," << c.point.y;
        EXPECT_EQ(hit.col, c.col) << c.point.x << "," << c.point.y;
    }
}

TEST(BarStateTest, AStateIsUsableOnlyWhenEveryEntryFitsItsBar)
{
    const std::vector<BarStateTarget> bars = {{100, CBRS_ALIGN_ANY}, {101, CBRS_ALIGN_TOP}, {102, 0}};
    BarStateEntry docked;
    docked.id = 100;
    docked.dockBarId = AFX_IDW_DOCKBAR_LEFT;
    docked.row = 1;
    docked.pos = 30;
    BarStateEntry floating;
    floating.id = 101;
    floating.floating = 1;
    floating.floatPoint = CPoint(300, 200);
    BarStateEntry status;
    status.id = 102;
    status.visible = 0;
    EXPECT_TRUE(IsUsableBarState({docked, floating, status}, bars));
    EXPECT_TRUE(IsUsableBarState({}, bars));

    struct Case {
        const char* name;
        BarStateEntry entry;
    };
    auto with = [](BarStateEntry e, auto change) {
        change(e);
        return e;
    };
    const Case bad[] = {
        {"a bar the frame lacks", with(docked, [](BarStateEntry& e) { e.id = 999; })},
        {"visible out of range", with(docked, [](BarStateEntry& e) { e.visible = 2; })},
        {"floating out of range", with(docked, [](BarStateEntry& e) { e.floating = -1; })},
        {"not a dock bar", with(docked, [](BarStateEntry& e) { e.dockBarId = 0xE900; })},
        {"a side the bar may not dock at", with(floating, [](BarStateEntry& e) {
             e.floating = 0;
             e.dockBarId = AFX_IDW_DOCKBAR_LEFT;
         })},
        {"negative row", with(docked, [](BarStateEntry& e) { e.row = -1; })},
        {"absurd row", with(docked, [](BarStateEntry& e) { e.row = 5000; })},
        {"negative offset", with(docked, [](BarStateEntry& e) { e.pos = -4; })},
        {"floating far off any screen", with(floating, [](BarStateEntry& e) { e.floatPoint.x = 1 << 30; })},
        {"a fixed bar floating", with(status, [](BarStateEntry& e) { e.floating = 1; })},
    };
    for (const Case& c : bad)
        EXPECT_FALSE(IsUsableBarState({status, c.entry}, bars)) << c.name;
    EXPECT_FALSE(IsUsableBarState({docked, docked}, bars)) << "a bar named twice";
}

} // namespace

#include "framework/ToolBar.h"

namespace {

TEST(ToolBarResourceTest, ReadsBothLayoutsAndRefusesShortOrAbsurdData)
{
    const WORD sixteen[] = {1, 16, 15, 3, 100, 0, 101};
    const DWORD thirtyTwo[] = {24, 22, 2, 200, 0};
    const WORD truncated[] = {1, 16, 15, 9, 100};
    const DWORD countTooLarge[] = {16, 15, 0x40000000, 1};
    const DWORD hugeImages[] = {5000, 15, 1, 1};
    struct Case {
        const char* name;
        const void* data;
        DWORD bytes;
        BOOL ok;
        CSize size;
        std::vector<UINT> ids;
    };
    const Case cases[] = {
        {"16-bit layout", sixteen, sizeof sixteen, TRUE, CSize(16, 15), {100, 0, 101}},
        {"32-bit layout", thirtyTwo, sizeof thirtyTwo, TRUE, CSize(24, 22), {200, 0}},
        {"ids past the end", truncated, sizeof truncated, FALSE, CSize(), {}},
        {"a count past the end", countTooLarge, sizeof countTooLarge, FALSE, CSize(), {}},
        {"absurd image size", hugeImages, sizeof hugeImages, FALSE, CSize(), {}},
        {"too short for a header", sixteen, 6, FALSE, CSize(), {}},
    };
    for (const Case& c : cases) {
        CSize size;
        std::vector<UINT> ids;
        EXPECT_EQ(ParseToolBarResource(c.data, c.bytes, &size, &ids), c.ok) << c.name;
        if (c.ok) {
            EXPECT_EQ(size, c.size) << c.name;
            EXPECT_EQ(ids, c.ids) << c.name;
        }
    }
}

} // namespace
