#pragma once
#include <windows.h>

#include "framework/Geometry.h"

#include <vector>

// Rectangle arithmetic of control bars and splitters, free of windows: the window classes
// feed these functions sizes and apply what comes back.

// --- Frame edges -----------------------------------------------------------------------------

enum class BarSide { kTop, kBottom, kLeft, kRight };

// Takes a strip thickness pixels thick (at most what there is) off side of room and returns
// it: how a frame's bars and dock bars take their places one after the other.
CRect TakeSideStrip(CRect* room, BarSide side, int thickness);

// --- Dock rows -------------------------------------------------------------------------------

// One bar in a dock row: its length along the row, its thickness across it, and where the
// user last put it (an offset along the row).
struct DockRowItem {
    int length = 0;
    int thickness = 0;
    int wantedPos = 0;
    bool visible = true;
};

// Where each item of each row goes, as offsets along and across the dock bar, and how thick
// the dock bar is then.
struct DockRowsLayout {
    std::vector<std::vector<CRect>> placed;  // along: left/right, across: top/bottom
    int thickness = 0;
};

// Lays rows out one after the other across the dock bar. In a row, bars keep their order;
// each starts at its wanted offset unless the bar before it is in the way, and bars that
// would stick out past rowLength move back towards the start as far as the ones before them
// allow. Hidden bars take no room; a row with no visible bar takes no thickness.
DockRowsLayout LayoutDockRows(const std::vector<std::vector<DockRowItem>>& rows, int rowLength);

// The row a bar dropped at offset "across" (from the dock bar's start) joins: an existing
// row index, or -1 / rows.size() for a new row before the first or after the last.
int DockRowAt(const DockRowsLayout& layout, int across);

// --- Tool-bar wrapping -----------------------------------------------------------------------

// Which buttons end a line when buttons of the given widths are laid into lines at most
// maxWidth wide: a button that would pass the limit starts a new line (a line always takes
// at least one button). Separators at a line's end are kept on that line.
std::vector<bool> WrapButtons(const std::vector<int>& widths, const std::vector<bool>& separators, int maxWidth);

// --- Status-bar panes ------------------------------------------------------------------------

// The right edges of the panes of a status bar totalWidth wide: each pane gets its width
// plus the gap; stretching panes share whatever is left over.
std::vector<int> StatusPaneEdges(const std::vector<int>& widths, const std::vector<bool>& stretch, int gap,
                                 int totalWidth);

// --- Splitters -------------------------------------------------------------------------------

// What a splitter is made of and how big its parts are.
struct SplitterMetrics {
    int rows = 1;
    int cols = 1;
    std::vector<int> rowHeights;  // wanted heights; the last row takes what is left
    std::vector<int> colWidths;
    bool hScroll = false;         // shared horizontal bars under the columns
    bool vScroll = false;         // shared vertical bars beside the rows
    bool rowSplitBox = false;     // a box above the vertical bars that splits into rows
    bool colSplitBox = false;     // a box left of the horizontal bars that splits into columns
    int gap = 6;                  // width of a split bar between panes, and of a split box
    int cxVScroll = 16;
    int cyHScroll = 16;
};

struct SplitterLayout {
    std::vector<std::vector<CRect>> panes;  // [row][col]
    std::vector<CRect> hScrollBars;         // one per column
    std::vector<CRect> vScrollBars;         // one per row
    std::vector<CRect> colBars;             // the bar right of column c (cols - 1 of them)
    std::vector<CRect> rowBars;             // the bar below row r
    CRect rowSplitBox;
    CRect colSplitBox;
    CRect sizeBox;
};

SplitterLayout LayoutSplitter(const SplitterMetrics& metrics, const CRect& client);

// What lies at a point of a splitter's client area.
struct SplitterHit {
    enum Kind { kNone, kRowSplitBox, kColSplitBox, kRowBar, kColBar, kBarCross } kind = kNone;
    int row = -1;  // the row above a row bar
    int col = -1;  // the column left of a column bar
};

SplitterHit HitTestSplitter(const SplitterLayout& layout, POINT point);
