#pragma once
#include <windows.h>

// The rectangle arithmetic of the docking pane bars (the workspace bar and the output
// window): the sizing edge on the side that faces the frame's client area, and the new
// size after the edge was dragged. The bar's window code feeds these sizes and applies
// the results.

enum class DockSide { top, left, right, bottom, floating };

constexpr int kDockEdgeWidth = 6;
constexpr int kDockMinimumSize = 32;

struct DockEdgeLayout {
    RECT edge;     // the sizing edge; empty while floating
    RECT client;   // the window rectangle less the edge
    // Borders drawn: left, top, right, bottom.
    bool borders[4];
};

// The edge strip and the remaining client area of a bar whose window rectangle is given.
DockEdgeLayout LayoutDockEdge(DockSide side, const RECT& window);

// True when the bar is laid out along the frame's width (docked top or bottom).
inline bool IsHorizontalDock(DockSide side) { return side == DockSide::top || side == DockSide::bottom; }

// The tracking line's position for a mouse point (x for a vertical bar, y for a horizontal
// one): the point shifted by the edge width toward the client area when docked right or
// at the bottom, so the line stays under the pointer where the edge's far side was.
int DockTrackingPosition(DockSide side, POINT mouse);

// The bar's new size after the edge's middle moved from start to end (tracking positions):
// the horizontal bar's height or the vertical bar's width, grown by the distance moved
// toward the client area, at least kDockMinimumSize and at most size + clientExtent. A
// floating bar has no edge and keeps its size.
int DraggedDockSize(DockSide side, int size, int start, int end, int clientExtent);

// The size a docked bar asks for: the stretched or the dock bars' extent (+ 4) along the
// dock, its own horizontal height or vertical width across it.
SIZE DockedPaneSize(bool horizontal, bool stretch, SIZE horizontalSize, SIZE verticalSize, int topDockWidth,
                    int leftDockHeight);

// What the framework asks of a floating bar.
enum class FloatingRequest {
    mostRecent,  // the floating size as it stands
    commit,      // the size is final: the length becomes the floating width
    height,      // the user drags a horizontal border: the length is the new height
    width,       // the user drags a vertical border: the length is the width asked about
};
// The floating size to answer; floating is updated where the request stores a length.
// Lengths below kDockMinimumSize are raised to it.
SIZE FloatingPaneSize(SIZE& floating, FloatingRequest request, int length);
