#include "editor/shell/DockingGeometry.h"

#include <gtest/gtest.h>

namespace {

bool Equal(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST(DockingGeometry, EdgeFacesTheClientAreaOnEverySide)
{
    const RECT window = {0, 0, 200, 100};
    struct Case {
        DockSide side;
        RECT edge, client;
        bool borders[4];
    };
    const Case cases[] = {
        {DockSide::top, {0, 94, 200, 100}, {0, 0, 200, 94}, {true, true, true, false}},
        {DockSide::left, {194, 0, 200, 100}, {0, 0, 194, 100}, {true, true, false, true}},
        {DockSide::right, {0, 0, 6, 100}, {6, 0, 200, 100}, {false, true, true, true}},
        {DockSide::bottom, {0, 0, 200, 6}, {0, 6, 200, 100}, {true, false, true, true}},
        {DockSide::floating, {0, 0, 0, 0}, {0, 0, 200, 100}, {true, true, true, true}},
    };
    for (const Case& c : cases) {
        DockEdgeLayout layout = LayoutDockEdge(c.side, window);
        EXPECT_TRUE(Equal(layout.edge, c.edge)) << (int)c.side;
        EXPECT_TRUE(Equal(layout.client, c.client)) << (int)c.side;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(layout.borders[i], c.borders[i]) << (int)c.side << " border " << i;
    }
    // Re-docked from the left to the bottom: the edge moves from the right strip to the top
    // strip, the window keeps its size.
    EXPECT_TRUE(Equal(LayoutDockEdge(DockSide::bottom, {0, 0, 200, 480}).edge, {0, 0, 200, 6}));
}

TEST(DockingGeometry, DraggedSizeStaysBetweenMinimumAndClientExtent)
{
    struct Case {
        DockSide side;
        int size, start, end, client, expected;
    };
    const Case cases[] = {
        {DockSide::left, 200, 197, 247, 800, 250},    // dragged into the client area
        {DockSide::left, 200, 197, -500, 800, 32},    // far to the left: the minimum
        {DockSide::left, 200, 197, 5000, 800, 1000},  // past the client area: size + client
        {DockSide::right, 200, 603, 553, 800, 250},
        {DockSide::top, 100, 97, 57, 600, 60},
        {DockSide::bottom, 100, 503, 453, 600, 150},
        {DockSide::bottom, 100, 503, 900, 600, 32},
        {DockSide::floating, 100, 0, 400, 600, 100},  // no edge while floating
    };
    for (const Case& c : cases)
        EXPECT_EQ(DraggedDockSize(c.side, c.size, c.start, c.end, c.client), c.expected)
            << (int)c.side << " " << c.start << "->" << c.end;

    // The pointer is shifted by the edge width toward the client area on the right and bottom.
    EXPECT_EQ(DockTrackingPosition(DockSide::bottom, {10, 20}), 26);
    EXPECT_EQ(DockTrackingPosition(DockSide::right, {10, 20}), 16);
    EXPECT_EQ(DockTrackingPosition(DockSide::top, {10, 20}), 20);
    EXPECT_EQ(DockTrackingPosition(DockSide::left, {10, 20}), 10);
}

TEST(DockingGeometry, DockedAndFloatingSizes)
{
    const SIZE horizontal = {640, 100}, vertical = {200, 480};
    struct Docked {
        bool horizontal, stretch;
        SIZE expected;
    };
    const Docked docked[] = {
        {true, false, {804, 100}},
        {true, true, {32767, 100}},
        {false, false, {200, 604}},
        {false, true, {200, 32767}},
    };
    for (const Docked& c : docked) {
        SIZE size = DockedPaneSize(c.horizontal, c.stretch, horizontal, vertical, 800, 600);
        EXPECT_EQ(size.cx, c.expected.cx) << c.horizontal << c.stretch;
        EXPECT_EQ(size.cy, c.expected.cy) << c.horizontal << c.stretch;
    }

    struct Floating {
        FloatingRequest request;
        int length;
        SIZE answer, stored;
    };
    const Floating floating[] = {
        {FloatingRequest::mostRecent, 999, {200, 150}, {200, 150}},
        {FloatingRequest::width, 10, {32, 150}, {200, 150}},  // asked about, not stored
        {FloatingRequest::width, 300, {300, 150}, {200, 150}},
        {FloatingRequest::height, 5, {200, 32}, {200, 32}},
        {FloatingRequest::height, 260, {200, 260}, {200, 260}},
        {FloatingRequest::commit, 420, {420, 150}, {420, 150}},
    };
    for (const Floating& c : floating) {
        SIZE stored = {200, 150};
        SIZE answer = FloatingPaneSize(stored, c.request, c.length);
        EXPECT_EQ(answer.cx, c.answer.cx) << (int)c.request << " " << c.length;
        EXPECT_EQ(answer.cy, c.answer.cy) << (int)c.request << " " << c.length;
        EXPECT_EQ(stored.cx, c.stored.cx) << (int)c.request << " " << c.length;
        EXPECT_EQ(stored.cy, c.stored.cy) << (int)c.request << " " << c.length;
    }
}
