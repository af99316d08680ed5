#pragma once
#include <windows.h>
#include <commctrl.h>

#include "framework/CString.h"
#include "framework/ControlBar.h"

#include <vector>

// Pane styles: the control's drawing flags, and two of the bar's own.
constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = SBT_NOBORDERS;
constexpr UINT SBPS_POPOUT = SBT_POPOUT;
constexpr UINT SBPS_OWNERDRAW = SBT_OWNERDRAW;
constexpr UINT SBPS_DISABLED = 0x04000000;  // the text is kept but not drawn
constexpr UINT SBPS_STRETCH = 0x08000000;   // the pane takes the room the others leave

// The message pane in a list of indicator ids; the standard panes' ids (ID_INDICATOR_OVR and
// the like) are the framework's standard ids.
constexpr UINT ID_SEPARATOR = 0;

// The frame's status line: a row of panes, each named by an indicator id whose string gives
// its width; pane 0 is the message pane (the window text), the others are updated through
// the command route at idle time. A derived bar may paint panes itself after the base
// painting, using GetItemRect.
class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)

public:
    CStatusBar();

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* parent, DWORD ctrlStyle = 0, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT id = AFX_IDW_STATUS_BAR);

    // One pane per id, each as wide as its id's string (id 0: the stretching message pane);
    // FALSE when an id other than 0 has no string. Null ids: count panes of id 0, to be set
    // up with SetPaneInfo. Pane texts start empty.
    BOOL SetIndicators(const UINT* ids, int count);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    // The pane's rectangle in the bar's client area; empty for a pane that does not exist.
    void GetItemRect(int index, LPRECT rect) const;

    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    UINT GetPaneStyle(int index) const;
    void SetPaneStyle(int index, UINT style);
    CString GetPaneText(int index) const;
    void GetPaneText(int index, CString& text) const { text = GetPaneText(index); }
    BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);

    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
    // Paints an SBPS_OWNERDRAW pane (itemID is its index); the default paints nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT drawItem);

protected:
    struct Pane {
        UINT id = 0;
        UINT style = SBPS_NORMAL;
        int width = 0;
        CString text;
    };

    BOOL IsBackgroundPoint(CPoint) const override { return FALSE; }
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItemReflected(WPARAM wParam, LPARAM lParam);

    // Gives the control the pane edges for the bar's width.
    void UpdatePaneEdges();
    // Gives the control one pane's text and drawing style.
    void UpdatePaneText(int index);
    int TextWidth(const CString& text) const;

    std::vector<Pane> m_panes;

    DECLARE_MESSAGE_MAP()
};
