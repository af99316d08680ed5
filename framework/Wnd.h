#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/CmdTarget.h"
#include "framework/Geometry.h"

class CDC;
class CCmdUI;
class CDataExchange;
class CFont;
class CMenu;
class COleDropTarget;
class CRgn;

// A window: wraps an HWND and receives its messages through the message map. One static
// window procedure finds the object in the thread's handle map; a creation hook attaches
// the object before CreateWindowEx returns, so it sees WM_NCCREATE and WM_CREATE itself.
//
// Objects made by FromHandle for windows the framework does not own are temporary: they
// live until the thread's next idle time and never destroy the window.
class CWnd : public CCmdTarget {
public:
    CWnd();
    // Destroys the window if this object still owns one.
    ~CWnd() override;

    HWND m_hWnd = nullptr;
    // The drop target registered on the window; revoked when the window is destroyed.
    COleDropTarget* m_pDropTarget = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // The permanent object of a window, or a temporary one when it has none; null for null.
    static CWnd* FromHandle(HWND hWnd);
    // The object attached to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Releases the temporary objects FromHandle made (done at idle time).
    static void DeleteTempMap();

    BOOL Attach(HWND hWnd);
    HWND Detach();

    // Routes the window's messages through this object (its old procedure becomes the
    // default); PreSubclassWindow runs first.
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Creation. Create makes a child window (WS_CHILD is added); CreateEx makes any. A null
    // class name means the framework's own window class.
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // Hooks for derived classes.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    // Gets each message of the pump first (the target window, then its parents up to the
    // top-level window); TRUE means handled, it is then not dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Called after the window is gone (WM_NCDESTROY): the place for "delete this".
    virtual void PostNcDestroy();

    // Messages.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL deep = TRUE);
    // The current message passed to the default procedure.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Looks the message up in the map chain; FALSE when no entry handled it.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    // A child's notification or drawing request offered back to the child first.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static BOOL ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    // Command user interface of a dialog-like window's controls.
    void UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler);

    // Text and identity.
    void SetWindowText(LPCTSTR text);
    int GetWindowText(LPTSTR buffer, int maxChars) const;
    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON icon, BOOL big);

    // Relatives.
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* newParent);
    CWnd* GetOwner() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int id) const;
    CWnd* GetWindow(UINT relation) const;
    CWnd* GetNextDlgTabItem(CWnd* control, BOOL previous = FALSE) const;
    BOOL IsChild(const CWnd* window) const;
    static CWnd* GetFocus();
    static CWnd* GetActiveWindow();
    static CWnd* GetForegroundWindow();
    static CWnd* GetDesktopWindow();
    static CWnd* FindWindow(LPCTSTR className, LPCTSTR windowName);
    CWnd* SetFocus();
    CWnd* SetActiveWindow();
    BOOL SetForegroundWindow();

    // State.
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    BOOL ShowWindow(int showCommand);
    BOOL EnableWindow(BOOL enable = TRUE);

    // Size and place.
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
    void CenterWindow(CWnd* alternateOwner = nullptr);
    void BringWindowToTop();

    // Painting.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void InvalidateRgn(CRgn* region, BOOL erase = TRUE);
    void ValidateRect(LPCRECT rect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT update = nullptr, CRgn* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();
    void SetRedraw(BOOL redraw = TRUE);

    // Timers, capture, caret.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC timerProc = nullptr);
    BOOL KillTimer(UINT_PTR id);
    CWnd* SetCapture();
    static CWnd* GetCapture();
    void CreateSolidCaret(int width, int height);
    void CreateGrayCaret(int width, int height);
    void ShowCaret();
    void HideCaret();
    static void SetCaretPos(POINT point);
    static CPoint GetCaretPos();

    // Scrolling.
    BOOL SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask = SIF_ALL) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollPos(int bar) const;
    void SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw = TRUE);
    void GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const;
    int GetScrollLimit(int bar) const;
    void ShowScrollBar(UINT bar, BOOL show = TRUE);
    void ScrollWindow(int dx, int dy, LPCRECT scroll = nullptr, LPCRECT clip = nullptr);
    int ScrollWindowEx(int dx, int dy, LPCRECT scroll, LPCRECT clip, CRgn* update, LPRECT updateRect, UINT flags);

    // A borrowed device context of the client area, released with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

    // Menus of top-level windows.
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* menu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL revert) const;

    // Dialog items.
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId) const;
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void DragAcceptFiles(BOOL accept = TRUE);

    // Data exchange between the controls and the members: save TRUE reads and validates the
    // controls; FALSE (after a failed validation, too) when a DDX/DDV call failed.
    BOOL UpdateData(BOOL save = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

    // The framework's window class with the given look; the name stays valid for the process.
    static LPCTSTR RegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr,
                                    HICON icon = nullptr);

protected:
    // Default handlers the message-map entries of derived classes call on.
    int OnCreate(LPCREATESTRUCT createStruct);
    void OnDestroy();
    void OnClose();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnSize(UINT type, int cx, int cy);
    void OnMove(int x, int y);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnShowWindow(BOOL show, UINT status);
    void OnTimer(UINT_PTR id);
    void OnSetFocus(CWnd* oldFocus);
    void OnKillFocus(CWnd* newFocus);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnKeyUp(UINT key, UINT repeat, UINT flags);
    void OnSysKeyDown(UINT key, UINT repeat, UINT flags);
    void OnSysKeyUp(UINT key, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
    BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    LRESULT OnNcHitTest(CPoint point);
    void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
    void OnVScroll(UINT code, UINT pos, CWnd* scrollBar);
    void OnContextMenu(CWnd* window, CPoint point);
    void OnDropFiles(HDROP drop);
    void OnActivate(UINT state, CWnd* other, BOOL minimized);
    UINT OnGetDlgCode();
    void OnNcDestroy();
    void OnActivateApp(BOOL active, DWORD threadId);
    int OnMouseActivate(CWnd* topParent, UINT hitTest, UINT message);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnCaptureChanged(CWnd* newCapture);
    void OnWindowPosChanging(WINDOWPOS* position);
    void OnWindowPosChanged(WINDOWPOS* position);
    void OnNcCalcSize(BOOL calcValidRects, NCCALCSIZE_PARAMS* params);
    void OnNcPaint();
    void OnNcLButtonDown(UINT hitTest, CPoint point);
    void OnNcLButtonDblClk(UINT hitTest, CPoint point);
    void OnDrawItem(int id, LPDRAWITEMSTRUCT drawItem);
    void OnMeasureItem(int id, LPMEASUREITEMSTRUCT measureItem);
    // Offers the colour request to the control first (reflection), else the default brush.
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor);
    // Updates the popup's items through CCmdUI before it opens (top-level windows).
    void OnInitMenuPopup(HMENU popup, UINT index, BOOL sysMenu);

    // The object's window procedure before subclassing; the default procedure is called on it.
    WNDPROC m_superProc = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    friend class WndCreateHook;
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);

    LRESULT RouteMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnNcDestroyed();

    bool m_temporary = false;
};

// The static window procedure of every framework window.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Hooks the next window created on this thread so that it is attached to window before
// CreateWindowEx returns; undone when the hook object goes.
class WndCreateHook {
public:
    explicit WndCreateHook(CWnd* window);
    ~WndCreateHook();
    WndCreateHook(const WndCreateHook&) = delete;
    WndCreateHook& operator=(const WndCreateHook&) = delete;

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
};
