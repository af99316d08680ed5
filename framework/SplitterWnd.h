#pragma once
#include <windows.h>

#include "framework/BarLayout.h"
#include "framework/CommandIds.h"
#include "framework/RuntimeClass.h"
#include "framework/View.h"
#include "framework/Wnd.h"

#include <vector>

// The splitter's own style bit: panes are added and removed by the user.
constexpr DWORD SPLS_DYNAMIC_SPLIT = 0x0001;

// Ids of the shared scroll bars: one horizontal bar per column, one vertical per row.
constexpr UINT AFX_IDW_HSCROLL_FIRST = 0xEA00;
constexpr UINT AFX_IDW_VSCROLL_FIRST = 0xEA10;

// A window divided into rows and columns of panes, each pane a view (pane ids
// AFX_IDW_PANE_FIRST + 16 × row + column). A static splitter has its panes from the start;
// a dynamic one starts with one pane, and the user splits it with the split boxes (at most
// maxRows × maxCols panes, each new one a view of the same class on the same document) and
// removes a row or column by dragging its split bar to the edge. The panes of a column
// share one horizontal scroll bar and the panes of a row one vertical bar; a shared bar's
// scroll messages reach every pane of its column or row.
class CSplitterWnd : public CWnd, public CScrollBarLender {
    DECLARE_DYNAMIC(CSplitterWnd)

public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    // A dynamic splitter whose first pane is a view of context->m_pNewViewClass on
    // context->m_pCurrentDoc. style: WS_HSCROLL and WS_VSCROLL ask for shared bars.
    BOOL Create(CWnd* parent, int maxRows, int maxCols, SIZE sizeMin, CCreateContext* context,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT,
                UINT id = AFX_IDW_PANE_FIRST);
    // A static splitter of rows × columns; its panes are made with CreateView.
    BOOL CreateStatic(CWnd* parent, int rows, int cols, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT id = AFX_IDW_PANE_FIRST);
    // Makes the pane at row, col a view of viewClass (context: its document; null takes the
    // document of the first pane). The view is in place, and GetPane finds it, before any
    // initial update reaches it.
    virtual BOOL CreateView(int row, int col, const CRuntimeClass* viewClass, SIZE initialSize,
                            CCreateContext* context);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetMaxRowCount() const { return m_nMaxRows; }
    int GetMaxColumnCount() const { return m_nMaxCols; }
    // Current and minimum size of a row or column; SetRowInfo and SetColumnInfo take the
    // wanted size, applied at the next RecalcLayout.
    void GetRowInfo(int row, int& current, int& minimum) const;
    void SetRowInfo(int row, int ideal, int minimum);
    void GetColumnInfo(int col, int& current, int& minimum) const;
    void SetColumnInfo(int col, int ideal, int minimum);

    CWnd* GetPane(int row, int col) const;
    // Whether window is one of the panes, and where.
    BOOL IsChildPane(const CWnd* window, int* row, int* col) const;
    int IdFromRowCol(int row, int col) const;
    // The frame's active view when it is one of the panes, else the pane with the focus.
    CWnd* GetActivePane(int* row = nullptr, int* col = nullptr) const;
    void SetActivePane(int row, int col, CWnd* window = nullptr);

    // Add a row (or column) after the last, the rows before it keeping cyBefore (cxBefore)
    // pixels; FALSE refuses the split.
    virtual BOOL SplitRow(int cyBefore);
    virtual BOOL SplitColumn(int cxBefore);
    // Remove a row or column and its views; the document stays.
    virtual void DeleteRow(int row);
    virtual void DeleteColumn(int col);

    // Places panes, bars and boxes for the window's size.
    virtual void RecalcLayout();

    HWND GetPaneScrollBar(int bar, const CWnd* pane) const override;

    // The splitter's geometry now, in client coordinates.
    SplitterLayout GetLayout() const;

protected:
    struct Extent {
        int ideal = 0;
        int minimum = 0;
        int current = 0;
    };

    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* newCapture);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);

    // The splitter's own window with the shared scroll bars of style.
    BOOL CreateSplitterWindow(CWnd* parent, DWORD style, UINT id);
    SplitterMetrics Metrics() const;
    // Makes or removes shared scroll bars so there is one per column and one per row.
    void SyncScrollBars();
    // Sends a shared bar's scroll message to each pane it serves.
    void ScrollPanes(UINT message, UINT code, UINT pos, HWND bar);
    // Applies a tracked drag whose bar or box ended with its top left corner at point;
    // EndTrackingAlong does it for rows or columns: the bar below or right of index (-1: the
    // split box) now starts at position.
    void EndTracking(CPoint point);
    void EndTrackingAlong(bool rows, int index, int position, const SplitterLayout& layout);
    void DrawTracker();
    CRect TrackerRect() const;
    // Rows (rows true) or columns alike: the pane at index along that axis and other across
    // it; adding one after the last; removing one.
    CWnd* PaneAt(bool rows, int index, int other) const;
    BOOL SplitAt(bool rows, int sizeBefore);
    void DeleteAt(bool rows, int index);
    CCreateContext ContextFromPane(int row, int col) const;

    BOOL m_bDynamic = FALSE;
    BOOL m_bHasHScroll = FALSE;
    BOOL m_bHasVScroll = FALSE;
    int m_nMaxRows = 1;
    int m_nMaxCols = 1;
    int m_nRows = 0;
    int m_nCols = 0;
    std::vector<Extent> m_rowInfo;
    std::vector<Extent> m_colInfo;
    const CRuntimeClass* m_pDynamicViewClass = nullptr;
    std::vector<HWND> m_hScrollBars;
    std::vector<HWND> m_vScrollBars;

    // A split bar or box being dragged: what, where the mouse holds it, and where its top
    // left corner is now.
    SplitterHit m_tracking;
    BOOL m_bTracking = FALSE;
    CSize m_trackGrab;
    CPoint m_trackPoint;
    BOOL m_bTrackerShown = FALSE;
    CRect m_trackerShown;

    DECLARE_MESSAGE_MAP()
};
