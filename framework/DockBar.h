#pragma once
#include <windows.h>

#include "framework/BarLayout.h"
#include "framework/ControlBar.h"

#include <vector>

// One edge of a frame where control bars dock, or the inside of a floating bar's small
// frame: holds its bars in rows, each bar at an offset along its row, and lays them out
// when the frame asks for its size.
class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)

public:
    explicit CDockBar(BOOL floating = FALSE);

    // style: the side's CBRS_ALIGN_* bit; id: one of the AFX_IDW_DOCKBAR_* ids.
    BOOL Create(CWnd* parent, DWORD style, UINT id);

    // Docks bar here. rect (screen) says where: the row it overlaps (a new row when it
    // lies beyond the rows) and the offset along it; without rect the bar starts a new
    // last row at offset 0.
    void DockControlBar(CControlBar* bar, LPCRECT rect = nullptr);
    // Docks bar into row (a new row is inserted at row when newRow, or when row is past the
    // last) at offset pos.
    void InsertBar(CControlBar* bar, int row, int pos, BOOL newRow);
    // Takes bar out of its row; an emptied row goes too.
    void RemoveControlBar(CControlBar* bar);
    // The row and offset of bar; FALSE when it is not here.
    BOOL FindBar(const CControlBar* bar, int* row, int* pos) const;
    int GetRowCount() const { return static_cast<int>(m_rows.size()); }
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    // The bars of row, in order.
    std::vector<CControlBar*> GetRowBars(int row) const;

    BOOL IsFloatingDockBar() const { return m_bFloating; }

    // Measures the rows; while the frame lays out (layout set), also places the bars.
    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}

    // Places the bars in a dock bar of the given length and returns its thickness.
    int PlaceBars(int length, BOOL apply);

protected:
    struct Slot {
        CControlBar* bar = nullptr;
        int pos = 0;
    };

    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    BOOL IsBackgroundPoint(CPoint) const override { return FALSE; }
    // The size bar wants in this dock bar.
    CSize BarSize(CControlBar* bar) const;
    // The rows as the layout sees them: each bar's length along the row (at most length),
    // its thickness, its offset and whether it shows.
    std::vector<std::vector<DockRowItem>> RowItems(BOOL horz, int length) const;

    BOOL m_bFloating = FALSE;
    std::vector<std::vector<Slot>> m_rows;

    DECLARE_MESSAGE_MAP()
};

// The small top-level frame a floating bar lives in: owned by the frame the bar docks in,
// captioned with the bar's text, sized to the bar; dragging its caption can dock the bar
// again and a double click on it does.
class CMiniDockFrameWnd : public CWnd {
public:
    CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

    BOOL Create(CFrameWnd* dockSite, CControlBar* bar);
    // Sizes the window around its bar (a size-dynamic bar keeps its last width).
    void RecalcLayout();
    CControlBar* GetBar() const;

    CDockBar m_wndDockBar;

protected:
    void PostNcDestroy() override;
    void OnSize(UINT type, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnClose();
    LRESULT OnSizing(WPARAM edge, LPARAM rect);
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    BOOL m_inLayout = FALSE;
    // Made with new, the window frees the object once Create has succeeded.
    BOOL m_bAutoDelete = FALSE;

    DECLARE_MESSAGE_MAP()
};
