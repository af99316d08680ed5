#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/Collections.h"
#include "framework/CommandIds.h"
#include "framework/ControlBar.h"
#include "framework/Menu.h"
#include "framework/RuntimeClass.h"
#include "framework/Wnd.h"

#include <string>

class CDockBar;
class CDocument;
class CView;
struct CPrintPreviewState;

// Frame styles in the low word of the window style.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;
constexpr DWORD FWS_PREFIXTITLE = 0x00004000;

// What a frame hands each control bar in WM_SIZEPARENT: the room still free, which the bar
// shrinks by what it takes (hDWP null: only measure).
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP = nullptr;
    RECT rect = {};
    SIZE sizeTotal = {};
    BOOL bStretch = TRUE;
};

// A top-level or MDI child frame: loads its menu, accelerators, icon and title from one
// resource id, lays out its control bars and its client pane, keeps its active view and
// routes commands: the active view (and so its document), the frame, then the application.
class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)

public:
    CFrameWnd();
    ~CFrameWnd() override;

    // Creates the frame from resource resourceId: the menu, accelerators and icon of that id,
    // and as title the first part (before '\n') of its string. context, when given, makes
    // the client: a view of context->m_pNewViewClass on context->m_pCurrentDoc.
    virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* parent = nullptr, CCreateContext* context = nullptr);
    // Creates the frame with the given menu (null: none); context goes to OnCreateClient.
    BOOL Create(LPCTSTR className, LPCTSTR title, DWORD style, const RECT& rect, CWnd* parent,
                HMENU menu, CCreateContext* context);

    // The active view; null when the frame has none.
    CView* GetActiveView() const { return m_pViewActive; }
    // Makes view the active one, telling the old and new views when notify is set.
    void SetActiveView(CView* view, BOOL notify = TRUE);
    virtual CDocument* GetActiveDocument();
    // The frame that holds the active view: this frame, or for an MDI frame its active child.
    virtual CFrameWnd* GetActiveFrame();

    // Sends the views their initial update, then shows and activates the frame.
    void InitialUpdateFrame(CDocument* document, BOOL makeVisible);
    // Shows (showCommand -1: SW_SHOW) and brings the frame to the top.
    virtual void ActivateFrame(int showCommand = -1);

    // Places the control bars (WM_SIZEPARENT) and gives the client pane what is left.
    virtual void RecalcLayout(BOOL notify = TRUE);
    void RepositionBars(UINT firstId, UINT lastId, UINT paneId, CRect* clientLeft = nullptr);

    // Title: the frame's own part (from the resource string) and the active document's.
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR title) { m_strTitle = title ? title : ""; }
    virtual void OnUpdateFrameTitle(BOOL addToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR documentName);

    // Status line: the text of the status bar's first pane.
    void SetMessageText(LPCTSTR text);
    void SetMessageText(UINT id);
    // The status-line prompt of command id: its string resource up to the first '\n'.
    virtual void GetMessageString(UINT id, CString& message) const;

    // Control bars. EnableDocking makes the dock bars of the given sides (CBRS_ALIGN_*);
    // DockControlBar docks a bar at one of them (0: the first side the bar allows), at rect
    // (screen) or in a new last row; FloatControlBar puts it in a small frame of its own at
    // point (screen). ShowControlBar shows or hides a bar now or, with delay, at the next
    // idle time, as DelayRecalcLayout lays the frame out then.
    void EnableDocking(DWORD dockStyle);
    void DockControlBar(CControlBar* bar, UINT dockBarId = 0, LPCRECT rect = nullptr);
    void FloatControlBar(CControlBar* bar, CPoint point, DWORD style = CBRS_ALIGN_TOP);
    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);
    void DelayRecalcLayout(BOOL notify = TRUE);
    // The bar with control id id (docked, floating or straight in the frame); null if none.
    CControlBar* GetControlBar(UINT id) const;
    // The frame's dock bar of a side, by its AFX_IDW_DOCKBAR_* id; null before EnableDocking.
    CDockBar* GetDockBar(UINT dockBarId) const;
    // The dock bar (id) a bar dropped at a screen point joins: one of the sides the bar may
    // dock at whose edge lies within margin pixels; 0 when it floats there.
    UINT DockBarAtPoint(const CControlBar* bar, CPoint point, int margin) const;
    // The first of the frame's dock bars (top, bottom, left, right) among the sides given.
    UINT CanDockAt(const CControlBar* bar, DWORD sides) const;
    // Every bar with an id keeps its visibility, side, row, offset and floating point in
    // the application's profile, in sections named after section. Loading a state that
    // names a bar the frame does not have, or holds values out of range, changes nothing.
    void SaveBarState(LPCTSTR section) const;
    void LoadBarState(LPCTSTR section);
    // Bars join and leave the list when their windows are made and destroyed.
    void AddControlBar(CControlBar* bar);
    void RemoveControlBar(CControlBar* bar);
    // Every control bar of the frame, dock bars included (CControlBar*). Print preview
    // hides and restores them through ShowControlBar.
    CPtrList m_listControlBars;

    // Print preview: entering hides the control bars (all but the status bar), the menu, the
    // accelerators and the client pane, whose place the preview takes; leaving puts back what
    // state recorded.
    virtual void OnSetPreviewMode(BOOL preview, CPrintPreviewState* state);
    BOOL IsInPreviewMode() const { return m_lpfnCloseProc != nullptr; }
    // Set while a preview is shown: closing the frame calls it, which ends only the preview.
    void (*m_lpfnCloseProc)(CFrameWnd* frame) = nullptr;

    HACCEL GetAccelerators() const { return m_hAccelTable; }
    // The number of this frame among the document's frames (0 when it is the only one).
    int m_nWindow = 0;
    HMENU GetDefaultMenu() const { return m_hMenuDefault; }

    // The frame's accelerators translate keys for all its windows.
    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    // Answers tool tips of tool-bar buttons: the part of the command's string after '\n'.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    // Frames are made with new and delete themselves.
    void PostNcDestroy() override;
    // Makes the client pane from the context: the first view.
    virtual BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context);
    CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);
    // Part of OnCreate for derived frames that create differently.
    int OnCreateHelper(LPCREATESTRUCT createStruct, CCreateContext* context);
    // Whether commands end at the application; MDI children leave that to their frame.
    virtual BOOL RoutesToApplication() const { return TRUE; }

    int OnCreate(LPCREATESTRUCT createStruct);
    void OnDestroy();
    void OnClose();
    void OnSize(UINT type, int cx, int cy);
    void OnSetFocus(CWnd* oldFocus);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnDropFiles(HDROP drop);
    // The standard bar commands (工具条, 状态栏, ...): a command with a bar's id shows the
    // bar when hidden and hides it when shown; its menu item is checked while it shows.
    void OnBarCheck(UINT id);
    void OnUpdateControlBarMenu(CCmdUI* cmdUI);
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    // Lays out what DelayRecalcLayout asked for and updates the floating bars, which are
    // not the frame's descendants.
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    BOOL OnToolTipText(NMHDR* header, LRESULT* result);

    CString m_strTitle;
    HACCEL m_hAccelTable = nullptr;
    // The menu the frame shows when no document window gives its own.
    HMENU m_hMenuDefault = nullptr;
    HICON m_hIcon = nullptr;
    // The accelerators are the frame's own (not a template's it borrows).
    BOOL m_ownsAccelTable = FALSE;
    UINT m_nIDTracking = 0;

    DECLARE_MESSAGE_MAP()

private:
    CView* m_pViewActive = nullptr;
    BOOL m_bInRecalcLayout = FALSE;
    BOOL m_bDelayedLayout = FALSE;
    // Tool-tip texts live until the tip has copied them.
    CString m_toolTipText;
    std::wstring m_toolTipTextW;
};
