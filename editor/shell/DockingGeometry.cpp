#include "editor/shell/DockingGeometry.h"

#include <algorithm>

DockEdgeLayout LayoutDockEdge(DockSide side, const RECT& window)
{
    DockEdgeLayout layout = {};
    layout.client = window;
    RECT& edge = layout.edge;
    RECT& client = layout.client;
    switch (side) {
    case DockSide::top:
        edge = {window.left, window.bottom - kDockEdgeWidth, window.right, window.bottom};
        client.bottom = edge.top;
        break;
    case DockSide::left:
        edge = {window.right - kDockEdgeWidth, window.top, window.right, window.bottom};
        client.right = edge.left;
        break;
    case DockSide::right:
        edge = {window.left, window.top, window.left + kDockEdgeWidth, window.bottom};
        client.left = edge.right;
        break;
    case DockSide::bottom:
        edge = {window.left, window.top, window.right, window.top + kDockEdgeWidth};
        client.top = edge.bottom;
        break;
    case DockSide::floating:
        break;
    }
    // The border on the edge's side is left out: the edge's own 3-D frame stands there.
    layout.borders[0] = side != DockSide::right;
    layout.borders[1] = side != DockSide::bottom;
    layout.borders[2] = side != DockSide::left;
    layout.borders[3] = side != DockSide::top;
    return layout;
}

int DockTrackingPosition(DockSide side, POINT mouse)
{
    switch (side) {
    case DockSide::bottom:
        return mouse.y + kDockEdgeWidth;
    case DockSide::right:
        return mouse.x + kDockEdgeWidth;
    case DockSide::top:
        return mouse.y;
    default:
        return mouse.x;
    }
}

int DraggedDockSize(DockSide side, int size, int start, int end, int clientExtent)
{
    int moved = 0;
    switch (side) {
    case DockSide::top:
    case DockSide::left:
        moved = end - start;
        break;
    case DockSide::right:
    case DockSide::bottom:
        moved = start - end;
        break;
    case DockSide::floating:
        return size;
    }
    return std::max(kDockMinimumSize, std::min(size + moved, size + clientExtent));
}

SIZE DockedPaneSize(bool horizontal, bool stretch, SIZE horizontalSize, SIZE verticalSize, int topDockWidth,
                    int leftDockHeight)
{
    const int kStretched = 32767;
    if (horizontal)
        return {stretch ? kStretched : topDockWidth + 4, horizontalSize.cy};
    return {verticalSize.cx, stretch ? kStretched : leftDockHeight + 4};
}

SIZE FloatingPaneSize(SIZE& floating, FloatingRequest request, int length)
{
    switch (request) {
    case FloatingRequest::commit:
        floating.cx = length;
        break;
    case FloatingRequest::height:
        floating.cy = std::max(length, kDockMinimumSize);
        break;
    case FloatingRequest::width:
        return {std::max(length, kDockMinimumSize), floating.cy};
    case FloatingRequest::mostRecent:
        break;
    }
    return floating;
}
