#pragma once
#include <windows.h>
#include <commctrl.h>

// Static per-class message maps. Each entry holds a small function that calls the class's
// handler with its real signature, so a handler of the wrong type fails to compile.

class CCmdTarget;

// The framework's own messages.
constexpr UINT WM_IDLEUPDATECMDUI = 0x0363;  // wParam: disable commands without handler
constexpr UINT WM_KICKIDLE = 0x036A;         // sent to a modal dialog while its loop is idle
// A control notification sent back to the control itself is WM_REFLECT_BASE + message.
constexpr UINT WM_REFLECT_BASE = 0xBC00;
// All WM_CTLCOLORxxx messages arrive in maps as WM_CTLCOLOR with the control type.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// One message as a handler thunk sees it.
struct MessageCall {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT id = 0;         // command or control id
    int code = 0;        // notification code
    void* extra = nullptr;  // CCmdUI* for update handlers, NMHDR* for notifications
    LRESULT result = 0;
};

using MessageThunk = void (*)(CCmdTarget* target, MessageCall& call);

// One entry of a class's table; the table ends with an entry without thunk. Window-message
// entries have code 0 and the id range 0 to 0.
struct MessageMapEntry {
    UINT message = 0;            // 0 for ON_REGISTERED_MESSAGE, whose number is known at run time
    int code = 0;                // command code, control or notify code
    UINT firstId = 0;
    UINT lastId = 0;
    const UINT* registeredMessage = nullptr;
    MessageThunk thunk = nullptr;
};

struct MessageMap {
    const MessageMap* (*base)();  // null at the root
    const MessageMapEntry* entries;
};

// Declares the class's table; like the classic macro it leaves the access at protected.
#define DECLARE_MESSAGE_MAP()                                   \
protected:                                                      \
    static const MessageMap* GetThisMessageMap();               \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                       \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap()                                  \
    {                                                                                \
        using ThisClass [[maybe_unused]] = theClass;                                 \
        using TheBaseClass = baseClass;                                              \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                      \
            MessageMapEntry{}                                                  \
        };                                                                     \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
        return &map;                                                           \
    }

#define AFX_THIS(t) static_cast<ThisClass*>(t)

// Commands and their user interface.
#define ON_COMMAND(id, fn) \
    MessageMapEntry{WM_COMMAND, 0, (id), (id), nullptr, [](CCmdTarget* t, MessageCall&) { AFX_THIS(t)->fn(); }},
#define ON_COMMAND_RANGE(firstId, lastId, fn) \
    MessageMapEntry{WM_COMMAND, 0, (firstId), (lastId), nullptr, [](CCmdTarget* t, MessageCall& c) { AFX_THIS(t)->fn(c.id); }},
#define ON_UPDATE_COMMAND_UI(id, fn)                                            \
    MessageMapEntry{WM_COMMAND, -1, (id), (id), nullptr,                        \
        [](CCmdTarget* t, MessageCall& c) { AFX_THIS(t)->fn(static_cast<CCmdUI*>(c.extra)); }},
#define ON_UPDATE_COMMAND_UI_RANGE(firstId, lastId, fn)                         \
    MessageMapEntry{WM_COMMAND, -1, (firstId), (lastId), nullptr,               \
        [](CCmdTarget* t, MessageCall& c) { AFX_THIS(t)->fn(static_cast<CCmdUI*>(c.extra)); }},

// Control notifications carried by WM_COMMAND.
#define ON_CONTROL(code, id, fn) \
    MessageMapEntry{WM_COMMAND, (code), (id), (id), nullptr, [](CCmdTarget* t, MessageCall&) { AFX_THIS(t)->fn(); }},
#define ON_CONTROL_RANGE(code, firstId, lastId, fn) \
    MessageMapEntry{WM_COMMAND, (code), (firstId), (lastId), nullptr, [](CCmdTarget* t, MessageCall& c) { AFX_THIS(t)->fn(c.id); }},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
// A static control sends these only with the SS_NOTIFY style.
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)

// WM_NOTIFY: handlers take (NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, fn)                                                  \
    MessageMapEntry{WM_NOTIFY, static_cast<int>(code), (id), (id), nullptr,      \
        [](CCmdTarget* t, MessageCall& c) { AFX_THIS(t)->fn(static_cast<NMHDR*>(c.extra), &c.result); }},
#define ON_NOTIFY_RANGE(code, firstId, lastId, fn)                               \
    MessageMapEntry{WM_NOTIFY, static_cast<int>(code), (firstId), (lastId), nullptr, \
        [](CCmdTarget* t, MessageCall& c) { AFX_THIS(t)->fn(c.id, static_cast<NMHDR*>(c.extra), &c.result); }},

// Notifications reflected back to the control that sent them.
#define ON_CONTROL_REFLECT(code, fn) \
    MessageMapEntry{WM_REFLECT_BASE + WM_COMMAND, (code), 0, 0, nullptr, [](CCmdTarget* t, MessageCall&) { AFX_THIS(t)->fn(); }},
#define ON_NOTIFY_REFLECT(code, fn)                                              \
    MessageMapEntry{WM_REFLECT_BASE + WM_NOTIFY, static_cast<int>(code), 0, 0, nullptr, \
        [](CCmdTarget* t, MessageCall& c) { AFX_THIS(t)->fn(static_cast<NMHDR*>(c.extra), &c.result); }},
// HBRUSH CtlColor(CDC* dc, UINT ctlColor); a null brush lets the parent's answer stand.
#define ON_WM_CTLCOLOR_REFLECT()                                                 \
    MessageMapEntry{WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, nullptr,             \
        [](CCmdTarget* t, MessageCall& c) {                                      \
            c.result = reinterpret_cast<LRESULT>(AFX_THIS(t)->CtlColor(          \
                CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)), static_cast<UINT>(c.code))); }},

// Any message by number: LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(message, fn)                                                  \
    MessageMapEntry{(message), 0, 0, 0, nullptr,                                 \
        [](CCmdTarget* t, MessageCall& c) { c.result = AFX_THIS(t)->fn(c.wParam, c.lParam); }},
#define ON_REGISTERED_MESSAGE(messageVariable, fn)                               \
    MessageMapEntry{0, 0, 0, 0, &(messageVariable),                              \
        [](CCmdTarget* t, MessageCall& c) { c.result = AFX_THIS(t)->fn(c.wParam, c.lParam); }},

// Window messages with the classic cracked handler signatures.
#define AFX_WM_ENTRY(message, body) \
    MessageMapEntry{(message), 0, 0, 0, nullptr, [](CCmdTarget* t, MessageCall& c) { (void)c; body; }},
#define AFX_POINT_FROM(l) POINT{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))}

#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, c.result = AFX_THIS(t)->OnCreate(reinterpret_cast<LPCREATESTRUCT>(c.lParam)))
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AFX_THIS(t)->OnDestroy())
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AFX_THIS(t)->OnClose())
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AFX_THIS(t)->OnPaint())
#define ON_WM_ERASEBKGND() \
    AFX_WM_ENTRY(WM_ERASEBKGND, c.result = AFX_THIS(t)->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam))))
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AFX_THIS(t)->OnSize(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AFX_THIS(t)->OnMove(static_cast<short>(LOWORD(c.lParam)), static_cast<short>(HIWORD(c.lParam))))
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, AFX_THIS(t)->OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(c.lParam)))
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AFX_THIS(t)->OnShowWindow(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam)))
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AFX_THIS(t)->OnTimer(static_cast<UINT>(c.wParam)))
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AFX_THIS(t)->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam))))
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AFX_THIS(t)->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam))))
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AFX_THIS(t)->OnKeyDown(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AFX_THIS(t)->OnKeyUp(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, AFX_THIS(t)->OnSysKeyDown(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, AFX_THIS(t)->OnSysKeyUp(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AFX_THIS(t)->OnChar(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AFX_THIS(t)->OnMouseMove(static_cast<UINT>(c.wParam), AFX_POINT_FROM(c.lParam)))
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AFX_THIS(t)->OnLButtonDown(static_cast<UINT>(c.wParam), AFX_POINT_FROM(c.lParam)))
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AFX_THIS(t)->OnLButtonUp(static_cast<UINT>(c.wParam), AFX_POINT_FROM(c.lParam)))
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AFX_THIS(t)->OnLButtonDblClk(static_cast<UINT>(c.wParam), AFX_POINT_FROM(c.lParam)))
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AFX_THIS(t)->OnRButtonDown(static_cast<UINT>(c.wParam), AFX_POINT_FROM(c.lParam)))
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AFX_THIS(t)->OnRButtonUp(static_cast<UINT>(c.wParam), AFX_POINT_FROM(c.lParam)))
#define ON_WM_MOUSEWHEEL()                                                       \
    AFX_WM_ENTRY(WM_MOUSEWHEEL, c.result = AFX_THIS(t)->OnMouseWheel(LOWORD(c.wParam), \
        static_cast<short>(HIWORD(c.wParam)), AFX_POINT_FROM(c.lParam)))
#define ON_WM_SETCURSOR()                                                        \
    AFX_WM_ENTRY(WM_SETCURSOR, c.result = AFX_THIS(t)->OnSetCursor(               \
        CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, c.result = AFX_THIS(t)->OnNcHitTest(AFX_POINT_FROM(c.lParam)))
#define ON_WM_HSCROLL()                                                          \
    AFX_WM_ENTRY(WM_HSCROLL, AFX_THIS(t)->OnHScroll(LOWORD(c.wParam), HIWORD(c.wParam), \
        CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam))))
#define ON_WM_VSCROLL()                                                          \
    AFX_WM_ENTRY(WM_VSCROLL, AFX_THIS(t)->OnVScroll(LOWORD(c.wParam), HIWORD(c.wParam), \
        CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam))))
#define ON_WM_CONTEXTMENU() \
    AFX_WM_ENTRY(WM_CONTEXTMENU, AFX_THIS(t)->OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), AFX_POINT_FROM(c.lParam)))
#define ON_WM_INITMENUPOPUP()                                                    \
    AFX_WM_ENTRY(WM_INITMENUPOPUP, AFX_THIS(t)->OnInitMenuPopup(reinterpret_cast<HMENU>(c.wParam), \
        LOWORD(c.lParam), static_cast<BOOL>(HIWORD(c.lParam))))
#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, AFX_THIS(t)->OnDropFiles(reinterpret_cast<HDROP>(c.wParam)))
#define ON_WM_ACTIVATE()                                                         \
    AFX_WM_ENTRY(WM_ACTIVATE, AFX_THIS(t)->OnActivate(LOWORD(c.wParam),          \
        CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)), static_cast<BOOL>(HIWORD(c.wParam))))
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, c.result = AFX_THIS(t)->OnGetDlgCode())
#define ON_WM_DRAWITEM() \
    AFX_WM_ENTRY(WM_DRAWITEM, AFX_THIS(t)->OnDrawItem(static_cast<int>(c.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam)))
#define ON_WM_MEASUREITEM() \
    AFX_WM_ENTRY(WM_MEASUREITEM, AFX_THIS(t)->OnMeasureItem(static_cast<int>(c.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam)))
// HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT ctlColor); every WM_CTLCOLORxxx arrives here.
#define ON_WM_CTLCOLOR()                                                         \
    AFX_WM_ENTRY(WM_CTLCOLOR, c.result = reinterpret_cast<LRESULT>(AFX_THIS(t)->OnCtlColor( \
        CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)), CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)), \
        static_cast<UINT>(c.code))))
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AFX_THIS(t)->OnNcDestroy())
#define ON_WM_ACTIVATEAPP() \
    AFX_WM_ENTRY(WM_ACTIVATEAPP, AFX_THIS(t)->OnActivateApp(static_cast<BOOL>(c.wParam), static_cast<DWORD>(c.lParam)))
#define ON_WM_MOUSEACTIVATE()                                                    \
    AFX_WM_ENTRY(WM_MOUSEACTIVATE, c.result = AFX_THIS(t)->OnMouseActivate(      \
        CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam)))
#define ON_WM_SYSCOMMAND() \
    AFX_WM_ENTRY(WM_SYSCOMMAND, AFX_THIS(t)->OnSysCommand(static_cast<UINT>(c.wParam), c.lParam))
#define ON_WM_CAPTURECHANGED() \
    AFX_WM_ENTRY(WM_CAPTURECHANGED, AFX_THIS(t)->OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam))))
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AFX_THIS(t)->OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(c.lParam)))
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AFX_THIS(t)->OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(c.lParam)))
// Non-client area, for windows that draw their own borders.
#define ON_WM_NCCALCSIZE()                                                       \
    AFX_WM_ENTRY(WM_NCCALCSIZE, AFX_THIS(t)->OnNcCalcSize(static_cast<BOOL>(c.wParam), \
        reinterpret_cast<NCCALCSIZE_PARAMS*>(c.lParam)))
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, AFX_THIS(t)->OnNcPaint())
#define ON_WM_NCLBUTTONDOWN() \
    AFX_WM_ENTRY(WM_NCLBUTTONDOWN, AFX_THIS(t)->OnNcLButtonDown(static_cast<UINT>(c.wParam), AFX_POINT_FROM(c.lParam)))
#define ON_WM_NCLBUTTONDBLCLK() \
    AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, AFX_THIS(t)->OnNcLButtonDblClk(static_cast<UINT>(c.wParam), AFX_POINT_FROM(c.lParam)))
