#pragma once
#include "editor/shell/DockingGeometry.h"
#include "framework/Controls.h"
#include "framework/ControlBar.h"

// The resizable docking window both large panes of the main frame derive from (the
// workspace bar and the output window): a control bar that docks on any side or floats,
// keeps a size for each mode, and is resized by dragging a 6-pixel edge on the side that
// faces the frame's client area.
class CDockingPaneBar : public CControlBar {
public:
    CDockingPaneBar();

    // Creates the bar in the frame with all three sizes width × height; the frame docks it
    // afterwards.
    virtual BOOL Create(CWnd* parent, int width, int height, UINT id, DWORD style);

    // The layout restore puts back the sizes saved with the frame's bar state.
    void SetHorzSize(int width, int height) { m_horzSize = CSize(width, height); }
    void SetVertSize(int width, int height) { m_vertSize = CSize(width, height); }
    void SetFloatSize(int width, int height) { m_floatSize = CSize(width, height); }
    CSize GetHorzSize() const { return m_horzSize; }
    CSize GetVertSize() const { return m_vertSize; }
    CSize GetFloatSize() const { return m_floatSize; }

    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    CSize CalcDynamicLayout(int length, DWORD mode) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

    // The side of the frame the bar is docked at now, or floating.
    DockSide GetDockSide() const;
    // The sizing edge in window coordinates; empty while floating.
    CRect GetEdgeRect() const { return m_edgeRect; }
    bool IsTracking() const { return m_tracking; }

protected:
    void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnCaptureChanged(CWnd* window);
    void OnWindowPosChanged(WINDOWPOS* pos);

    DECLARE_MESSAGE_MAP()

private:
    void StartTracking();
    void StopTracking(bool apply);
    // The tracking position (y for a horizontal bar, x for a vertical one) of a client point.
    int TrackingPositionOf(CPoint clientPoint) const;
    void InvertTracker();

    CSize m_minSize{kDockMinimumSize, kDockMinimumSize};
    CSize m_horzSize{200, 200};
    CSize m_vertSize{200, 200};
    CSize m_floatSize{200, 200};
    CRect m_edgeRect;
    CRect m_trackRect;   // window coordinates of the bar
    DockSide m_dockSide = DockSide::floating;
    int m_trackStart = 0;
    bool m_tracking = false;
    bool m_inPosChange = false;
};

// A static control that draws its caption rotated by 90 degrees, rising from the bottom.
class CVerticalLabel : public CStatic {
protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnSize(UINT type, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
