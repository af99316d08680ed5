#pragma once
#include <windows.h>

#include "framework/BarLayout.h"
#include "framework/CommandIds.h"
#include "framework/Geometry.h"
#include "framework/RuntimeClass.h"
#include "framework/Wnd.h"

class CDockBar;
class CFrameWnd;

// Bar styles: they ride in the low bits of the style given to a bar's Create and are kept
// by the bar, not by its window.
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_BORDER_LEFT = 0x0100;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_RIGHT = 0x0400;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_BORDER_ANY = 0x0F00;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;
constexpr DWORD CBRS_FLYBY = 0x0020;
constexpr DWORD CBRS_FLOAT_MULTI = 0x0040;
constexpr DWORD CBRS_BORDER_3D = 0x0080;
constexpr DWORD CBRS_HIDE_INPLACE = 0x0008;
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;
constexpr DWORD CBRS_SIZE_FIXED = 0x0002;
constexpr DWORD CBRS_FLOATING = 0x0001;
constexpr DWORD CBRS_GRIPPER = 0x00400000;
constexpr DWORD CBRS_ORIENT_HORZ = CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM;
constexpr DWORD CBRS_ORIENT_VERT = CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT;
constexpr DWORD CBRS_ORIENT_ANY = CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT;
constexpr DWORD CBRS_ALL = 0x0040FFFF;
constexpr DWORD CBRS_NOALIGN = 0;
constexpr DWORD CBRS_LEFT = CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_RIGHT = CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;

// Modes of CalcDynamicLayout.
constexpr DWORD LM_STRETCH = 0x01;   // fill the given length
constexpr DWORD LM_HORZ = 0x02;      // horizontal, else vertical
constexpr DWORD LM_MRUWIDTH = 0x04;  // the width used last
constexpr DWORD LM_HORZDOCK = 0x08;  // docked at the top or bottom
constexpr DWORD LM_VERTDOCK = 0x10;  // docked at the left or right
constexpr DWORD LM_LENGTHY = 0x20;   // the length is a height, not a width
constexpr DWORD LM_COMMIT = 0x40;    // remember the result as the width to use next

// Ids of the standard bars and of the frame's dock bars.
constexpr UINT AFX_IDW_CONTROLBAR_FIRST = 0xE800;
constexpr UINT AFX_IDW_CONTROLBAR_LAST = 0xE8FF;
constexpr UINT AFX_IDW_TOOLBAR = 0xE800;
constexpr UINT AFX_IDW_DIALOGBAR = 0xE805;
constexpr UINT AFX_IDW_DOCKBAR_TOP = 0xE81B;
constexpr UINT AFX_IDW_DOCKBAR_LEFT = 0xE81C;
constexpr UINT AFX_IDW_DOCKBAR_RIGHT = 0xE81D;
constexpr UINT AFX_IDW_DOCKBAR_BOTTOM = 0xE81E;
constexpr UINT AFX_IDW_DOCKBAR_FLOAT = 0xE81F;

// A frame asks its bars for the status-line prompt of a command: wParam is the command id,
// or 0 with lParam the text itself.
constexpr UINT WM_SETMESSAGESTRING = 0x0362;

// The side (CBRS_ALIGN_*) a dock bar id stands for; 0 for anything else.
DWORD DockBarAlignment(UINT dockBarId);
// The frame edge of a CBRS_ALIGN_* side (the top for none).
BarSide BarSideOf(DWORD alignment);

// A strip attached to a frame's edge (a tool bar, the status bar, a dialog bar), or one that
// floats in a small frame of its own. It answers the frame's layout request with the size
// it wants, updates its items through the command route at idle time, and hands the
// commands and notifications it does not handle itself to its owner frame.
class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)

public:
    CControlBar();
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD style);
    // Extra room inside the bar's borders, in pixels.
    void SetBorders(int left, int top, int right, int bottom);
    void SetBorders(const RECT& borders) { SetBorders(borders.left, borders.top, borders.right, borders.bottom); }
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }

    // The sides (CBRS_ALIGN_*) the bar may dock at; 0 keeps it where it is.
    void EnableDocking(DWORD dockStyle);
    DWORD GetDockStyle() const { return m_dwDockStyle; }
    BOOL IsFloating() const;
    BOOL IsHorz() const;
    // Whether the bar is (or is about to be) shown.
    BOOL IsVisible() const;
    // The frame whose dock bars the bar docks in, and the dock bar holding it now (null when
    // it sits straight in the frame, like the status bar).
    CFrameWnd* GetDockingFrame() const { return m_pDockSite; }
    CDockBar* GetDockBar() const { return m_pDockBar; }

    // The window commands and notifications go to; the parent frame unless set.
    void SetOwner(CWnd* owner) { m_hWndOwner = owner != nullptr ? owner->m_hWnd : nullptr; }
    CWnd* GetOwner() const;

    // The size the bar wants when docked (horz: at the top or bottom); stretch asks for the
    // whole length of the dock bar.
    virtual CSize CalcFixedLayout(BOOL stretch, BOOL horz);
    // The size for a length in a mode (LM_*); the default is the fixed layout.
    virtual CSize CalcDynamicLayout(int length, DWORD mode);
    // Updates the bar's items through target's command route.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) = 0;
    // Shrinks rect (the bar's window rectangle) to the room inside the borders and gripper.
    virtual void CalcInsideRect(CRect& rect, BOOL horz) const;
    // The bar's size around content of the given size: borders and gripper added, and with
    // stretch the whole length of a dock bar.
    CSize SizeAround(CSize content, BOOL stretch, BOOL horz) const;
    // Shows or hides the bar when the frame next lays itself out.
    virtual void DelayShow(BOOL show);

    // Where the bar goes when a double click docks it again, and where it floats.
    UINT m_mruDockBarId = 0;
    CRect m_mruDockRect;
    CPoint m_floatPoint = CPoint(-1, -1);

    // Applies a pending DelayShow; TRUE when the visibility changed.
    BOOL ApplyDelayedShow();
    // Starts dragging the bar from a point (screen), to dock it elsewhere or float it.
    void StartDrag(CPoint screenPoint);
    // Docks a floating bar again or floats a docked one.
    void ToggleDocking();

protected:
    friend class CDockBar;
    friend class CFrameWnd;
    friend class CMiniDockFrameWnd;

    // Creates the bar's window: the CBRS_ bits of style stay with the bar, its WS_ bits and
    // controlStyle (the window class's own low bits) go to the window. The bar joins its
    // frame's list of bars.
    BOOL CreateBar(DWORD exStyle, LPCTSTR className, DWORD style, DWORD controlStyle, CWnd* parent, UINT id);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PostNcDestroy() override;

    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    // Whether a click at a client point lands on the bar's own background (where a drag
    // starts) rather than on one of its items.
    virtual BOOL IsBackgroundPoint(CPoint clientPoint) const;

    DWORD m_dwStyle = 0;
    DWORD m_dwDockStyle = 0;
    int m_cxLeftBorder = 0;
    int m_cxRightBorder = 0;
    int m_cyTopBorder = 0;
    int m_cyBottomBorder = 0;
    HWND m_hWndOwner = nullptr;
    CFrameWnd* m_pDockSite = nullptr;
    CDockBar* m_pDockBar = nullptr;
    // -1: nothing pending; else the visibility DelayShow asked for.
    int m_delayedShow = -1;
    // The bar is made with new by its owner, or is a member: whoever made it frees it.
    BOOL m_bAutoDelete = FALSE;

    DECLARE_MESSAGE_MAP()
};
