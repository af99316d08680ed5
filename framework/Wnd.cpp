#include "framework/Wnd.h"

#include "framework/AppState.h"
#include "framework/CmdUI.h"
#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/Exceptions.h"
#include "framework/Gdi.h"
#include "framework/Menu.h"
#include "framework/MessageBox.h"
#include "framework/Ole.h"
#include "framework/WaitCursor.h"
#include "framework/WndThreadState.h"

#include <cstdio>
#include <exception>
#include <list>
#include <string>

WndThreadState& CurrentWndThreadState()
{
    thread_local WndThreadState state;
    return state;
}

namespace {

constexpr char kDefaultClassPrefix[] = "Moyu:";

bool IsImeClass(HWND hWnd)
{
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    return ::lstrcmpiA(className, "IME") == 0;
}

bool IsCtlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// The result a window procedure gives for a message whose handler threw.
LRESULT ResultAfterException(HWND hWnd, UINT message)
{
    if (message == WM_CREATE || message == WM_NCCREATE)
        return message == WM_CREATE ? -1 : FALSE;
    if (message == WM_PAINT)
        ::ValidateRect(hWnd, nullptr);
    return 0;
}

} // namespace

// Attaches the window being created to its object at the first sign of it, before
// WM_NCCREATE, and routes its messages through the framework.
LRESULT CALLBACK WndCreateHook::HookProc(int code, WPARAM wParam, LPARAM lParam)
{
    WndThreadState& state = CurrentWndThreadState();
    if (code == HCBT_CREATEWND && state.pendingCreate != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        if (!IsImeClass(hWnd)) {
            CWnd* window = state.pendingCreate;
            state.pendingCreate = nullptr;
            window->Attach(hWnd);
            window->PreSubclassWindow();
            WNDPROC old = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
            if (old != &AfxWndProc)
                window->m_superProc = old;
        }
    }
    return ::CallNextHookEx(state.createHook, code, wParam, lParam);
}

void ReportWindowProcedureException()
{
    try {
        throw;
    } catch (CUserException* e) {
        // The user has been told already.
        e->Delete();
    } catch (CException* e) {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
    } catch (const std::exception& e) {
        AfxMessageBox(e.what(), MB_ICONSTOP);
    } catch (...) {
        AfxMessageBox("发生了意外错误。", MB_ICONSTOP);
    }
}

WndCreateHook::WndCreateHook(CWnd* window)
{
    WndThreadState& state = CurrentWndThreadState();
    ASSERT(state.pendingCreate == nullptr);
    state.pendingCreate = window;
    if (state.createHook == nullptr)
        state.createHook = ::SetWindowsHookExA(WH_CBT, &WndCreateHook::HookProc, nullptr, ::GetCurrentThreadId());
}

WndCreateHook::~WndCreateHook()
{
    WndThreadState& state = CurrentWndThreadState();
    state.pendingCreate = nullptr;
    if (state.createHook != nullptr) {
        ::UnhookWindowsHookEx(state.createHook);
        state.createHook = nullptr;
    }
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* window = CWnd::FromHandlePermanent(hWnd);
    if (window == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return window->RouteMessage(message, wParam, lParam);
}

LRESULT CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    WndThreadState& state = CurrentWndThreadState();
    MSG saved = state.current;
    state.current.hwnd = m_hWnd;
    state.current.message = message;
    state.current.wParam = wParam;
    state.current.lParam = lParam;
    HWND hWnd = m_hWnd;
    LRESULT result = 0;
    // Nothing may leave a window procedure: report and give the message's failure result.
    try {
        result = WindowProc(message, wParam, lParam);
    } catch (...) {
        ReportWindowProcedureException();
        result = ResultAfterException(hWnd, message);
    }
    if (message == WM_NCDESTROY)
        OnNcDestroyed();
    state.current = saved;
    return result;
}

void CWnd::OnNcDestroyed()
{
    if (m_pDropTarget != nullptr)
        m_pDropTarget->Revoke();
    HWND hWnd = m_hWnd;
    if (m_superProc != nullptr && hWnd != nullptr &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &AfxWndProc)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    m_superProc = nullptr;
    Detach();
    PostNcDestroy();
}

// --- Handle maps ---------------------------------------------------------------------------

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    if (m_temporary || m_hWnd == nullptr)
        return;
    if (FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    // A window that went without telling this object must not stay in the map.
    if (m_hWnd != nullptr)
        Detach();
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hWnd))
        return permanent;
    auto& temporary = CurrentWndThreadState().temporary;
    auto found = temporary.find(hWnd);
    if (found != temporary.end())
        return found->second.get();
    auto wrapper = std::make_unique<CWnd>();
    wrapper->m_hWnd = hWnd;
    wrapper->m_temporary = true;
    CWnd* result = wrapper.get();
    temporary.emplace(hWnd, std::move(wrapper));
    return result;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    auto& permanent = CurrentWndThreadState().permanent;
    auto found = permanent.find(hWnd);
    return found == permanent.end() ? nullptr : found->second;
}

void CWnd::DeleteTempMap()
{
    auto& temporary = CurrentWndThreadState().temporary;
    for (auto& entry : temporary)
        entry.second->m_hWnd = nullptr;
    temporary.clear();
}

BOOL CWnd::Attach(HWND hWnd)
{
    ASSERT(m_hWnd == nullptr);
    if (hWnd == nullptr || m_hWnd != nullptr || !::IsWindow(hWnd))
        return FALSE;
    auto& permanent = CurrentWndThreadState().permanent;
    if (permanent.count(hWnd) != 0)
        return FALSE;
    permanent[hWnd] = this;
    m_hWnd = hWnd;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr) {
        auto& permanent = CurrentWndThreadState().permanent;
        auto found = permanent.find(hWnd);
        if (found != permanent.end() && found->second == this)
            permanent.erase(found);
    }
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (old == nullptr) {
        Detach();
        return FALSE;
    }
    if (old != &AfxWndProc)
        m_superProc = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    ASSERT(parent != nullptr && parent->m_hWnd != nullptr);
    if (parent == nullptr || parent->m_hWnd == nullptr)
        return FALSE;
    HWND control = ::GetDlgItem(parent->m_hWnd, static_cast<int>(id));
    return control != nullptr && SubclassWindow(control);
}

HWND CWnd::UnsubclassWindow()
{
    ASSERT(m_hWnd != nullptr);
    if (m_hWnd == nullptr)
        return nullptr;
    if (m_superProc != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    m_superProc = nullptr;
    return Detach();
}

// --- Creation ------------------------------------------------------------------------------

LPCTSTR CWnd::RegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    // Class names must outlive every window of the class; std::list keeps them in place.
    static std::list<std::string> names;
    char name[64];
    std::snprintf(name, sizeof name, "%s%x:%p:%p:%p", kDefaultClassPrefix, classStyle,
                  static_cast<void*>(cursor), static_cast<void*>(background), static_cast<void*>(icon));
    for (const std::string& known : names)
        if (known == name)
            return known.c_str();
    WNDCLASSA windowClass = {};
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = &AfxWndProc;
    windowClass.hInstance = AfxGetInstanceHandle();
    windowClass.hCursor = cursor;
    windowClass.hbrBackground = background;
    windowClass.hIcon = icon;
    windowClass.lpszClassName = name;
    WNDCLASSA existing = {};
    if (!::GetClassInfoA(windowClass.hInstance, name, &existing) && !::RegisterClassA(&windowClass))
        return nullptr;
    names.push_back(name);
    return names.back().c_str();
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return cs.lpszClass != nullptr;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param)
{
    ASSERT(parent != nullptr || (style & WS_CHILD) == 0);
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id, param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), param);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd != nullptr)
        return FALSE;
    CREATESTRUCT cs = {};
    cs.dwExStyle = exStyle;
    cs.lpszClass = className;
    cs.lpszName = windowName;
    cs.style = style;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.hwndParent = parent;
    cs.hMenu = idOrMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = param;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd;
    {
        WndCreateHook hook(this);
        hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                 cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    }
    ASSERT(hWnd == nullptr || hWnd == m_hWnd);
    return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    if (m_temporary || FromHandlePermanent(m_hWnd) != this) {
        // Only the window's own procedure clears a wrapper; a borrowed one lets go here.
        BOOL destroyed = ::DestroyWindow(m_hWnd);
        if (destroyed && !m_temporary)
            m_hWnd = nullptr;
        return destroyed;
    }
    HWND hWnd = m_hWnd;
    BOOL destroyed = ::DestroyWindow(hWnd);
    // A window without the framework's procedure never saw WM_NCDESTROY through it.
    if (destroyed && m_hWnd == hWnd)
        Detach();
    return destroyed;
}

void CWnd::PreSubclassWindow() {}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::PostNcDestroy() {}

// --- Messages ------------------------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

namespace {

void SendToDescendants(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, BOOL deep)
{
    for (HWND child = ::GetTopWindow(parent); child != nullptr; child = ::GetNextWindow(child, GW_HWNDNEXT)) {
        ::SendMessageA(child, message, wParam, lParam);
        if (deep)
            SendToDescendants(child, message, wParam, lParam, TRUE);
    }
}

} // namespace

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL deep)
{
    SendToDescendants(m_hWnd, message, wParam, lParam, deep);
}

LRESULT CWnd::Default()
{
    const MSG& current = CurrentWndThreadState().current;
    ASSERT(current.hwnd == m_hWnd);
    return DefWindowProc(current.message, current.wParam, current.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_superProc != nullptr)
        return ::CallWindowProcA(m_superProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

const MessageMapEntry* CCmdTarget::FindEntry(const MessageMap* map, UINT message, int code, UINT id)
{
    for (; map != nullptr; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->thunk != nullptr; ++entry) {
            if (entry->registeredMessage != nullptr)
                continue;
            if (entry->message == message && static_cast<WORD>(entry->code) == static_cast<WORD>(code) &&
                entry->firstId <= id && id <= entry->lastId)
                return entry;
        }
    }
    return nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    LRESULT unused = 0;
    if (result == nullptr)
        result = &unused;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *result = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        if (header == nullptr || header->hwndFrom == nullptr)
            return FALSE;
        return OnNotify(wParam, lParam, result);
    }
    if (message == WM_SETCURSOR && WaitCursorCount() > 0 && LOWORD(lParam) == HTCLIENT) {
        RestoreWaitCursor();
        *result = TRUE;
        return TRUE;
    }

    const MessageMap* map = GetMessageMap();
    MessageCall call;
    call.message = message;
    call.wParam = wParam;
    call.lParam = lParam;
    const MessageMapEntry* entry = nullptr;
    if (IsCtlColorMessage(message)) {
        call.message = WM_CTLCOLOR;
        call.code = static_cast<int>(message - WM_CTLCOLORMSGBOX);
        entry = FindEntry(map, WM_CTLCOLOR, 0, 0);
        if (entry == nullptr)
            return ReflectChildNotify(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result);
    } else {
        entry = FindEntry(map, message, 0, 0);
        for (const MessageMap* level = map; entry == nullptr && level != nullptr;
             level = level->base ? level->base() : nullptr) {
            for (const MessageMapEntry* candidate = level->entries; candidate->thunk != nullptr; ++candidate)
                if (candidate->registeredMessage != nullptr && *candidate->registeredMessage == message &&
                    message != 0) {
                    entry = candidate;
                    break;
                }
        }
    }
    if (entry == nullptr)
        return FALSE;
    entry->thunk(this, call);
    *result = call.result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    HWND control = reinterpret_cast<HWND>(lParam);
    int code = HIWORD(wParam);
    if (control == nullptr) {
        // Menus and accelerators: a command an update handler disabled does not run.
        if (id == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = id;
        OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_enabled)
            return TRUE;
        code = CN_COMMAND;
    } else {
        if (CurrentWndThreadState().lockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (ReflectChildNotify(control, WM_COMMAND, wParam, lParam, nullptr))
            return TRUE;
    }
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    if (CurrentWndThreadState().lockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectChildNotify(header->hwndFrom, WM_NOTIFY, header->idFrom, lParam, result))
        return TRUE;
    AFX_NOTIFY notify;
    notify.result = result;
    notify.header = header;
    return OnCmdMsg(static_cast<UINT>(header->idFrom), MAKELONG(header->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::ReflectChildNotify(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* control = FromHandlePermanent(child);
    if (control == nullptr)
        return FALSE;
    return control->OnChildNotify(message, wParam, lParam, result);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    MessageCall call;
    call.message = WM_REFLECT_BASE + message;
    call.wParam = wParam;
    call.lParam = lParam;
    const MessageMap* map = GetMessageMap();
    const MessageMapEntry* entry = nullptr;
    if (message == WM_COMMAND) {
        call.code = HIWORD(wParam);
        entry = FindEntry(map, WM_REFLECT_BASE + WM_COMMAND, call.code, 0);
    } else if (message == WM_NOTIFY) {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        call.code = static_cast<int>(header->code);
        call.extra = header;
        entry = FindEntry(map, WM_REFLECT_BASE + WM_NOTIFY, call.code, 0);
    } else if (IsCtlColorMessage(message)) {
        call.message = WM_REFLECT_BASE + WM_CTLCOLOR;
        call.code = static_cast<int>(message - WM_CTLCOLORMSGBOX);
        entry = FindEntry(map, WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0);
    } else {
        entry = FindEntry(map, WM_REFLECT_BASE + message, 0, 0);
    }
    if (entry == nullptr)
        return FALSE;
    entry->thunk(this, call);
    // A control colour handler that gives no brush leaves the parent's answer standing.
    if (IsCtlColorMessage(message) && call.result == 0)
        return FALSE;
    if (result != nullptr)
        *result = call.result;
    return TRUE;
}

void CWnd::UpdateDialogControls(CCmdTarget* target, BOOL disableIfNoHandler)
{
    for (HWND child = ::GetTopWindow(m_hWnd); child != nullptr; child = ::GetNextWindow(child, GW_HWNDNEXT)) {
        CCmdUI state;
        state.m_other = FromHandle(child);
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(child));
        if (state.m_nID == 0 || state.m_nID == 0xFFFF)
            continue;
        if (CCmdTarget::OnCmdMsg(state.m_nID, CN_UPDATE_COMMAND_UI, &state, nullptr))
            continue;
        // Only push buttons are disabled for want of a handler; check boxes, radio buttons
        // and other controls work without one.
        BOOL disable = disableIfNoHandler;
        if (disable) {
            if ((::SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0) {
                disable = FALSE;
            } else {
                UINT buttonStyle = static_cast<UINT>(::GetWindowLongA(child, GWL_STYLE) & 0x0F);
                if (buttonStyle == BS_AUTOCHECKBOX || buttonStyle == BS_AUTO3STATE ||
                    buttonStyle == BS_GROUPBOX || buttonStyle == BS_AUTORADIOBUTTON)
                    disable = FALSE;
            }
        }
        state.DoUpdate(target, disable);
    }
}

// --- Default handlers ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

namespace {

// Offers the current message back to the control it concerns; TRUE when the control took it.
BOOL ReflectCurrentMessage(HWND control, LRESULT* result)
{
    const MSG& current = CurrentWndThreadState().current;
    return CWnd::ReflectChildNotify(control, current.message, current.wParam, current.lParam, result);
}

} // namespace

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}

void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
// The framework's own end-of-window work runs after the message in any case (RouteMessage).
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }

void CWnd::OnHScroll(UINT, UINT, CWnd* scrollBar)
{
    if (scrollBar == nullptr || !ReflectCurrentMessage(scrollBar->m_hWnd, nullptr))
        Default();
}

void CWnd::OnVScroll(UINT, UINT, CWnd* scrollBar)
{
    if (scrollBar == nullptr || !ReflectCurrentMessage(scrollBar->m_hWnd, nullptr))
        Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT drawItem)
{
    if (drawItem->CtlType == ODT_MENU || !ReflectCurrentMessage(drawItem->hwndItem, nullptr))
        Default();
}

void CWnd::OnMeasureItem(int id, LPMEASUREITEMSTRUCT measureItem)
{
    if (measureItem->CtlType == ODT_MENU || !ReflectCurrentMessage(::GetDlgItem(m_hWnd, id), nullptr))
        Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* control, UINT)
{
    LRESULT result = 0;
    if (control != nullptr && ReflectCurrentMessage(control->m_hWnd, &result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnInitMenuPopup(HMENU popup, UINT, BOOL sysMenu)
{
    Default();
    if (!sysMenu && (GetStyle() & WS_CHILD) == 0)
        UpdateMenuCommandUI(popup, this, TRUE);
}

// --- Member wrappers -----------------------------------------------------------------------

void CWnd::SetWindowText(LPCTSTR text)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SetWindowTextA(m_hWnd, text ? text : "");
}

int CWnd::GetWindowText(LPTSTR buffer, int maxChars) const
{
    ASSERT(::IsWindow(m_hWnd));
    if (buffer == nullptr || maxChars <= 0)
        return 0;
    buffer[0] = '\0';
    return ::GetWindowTextA(m_hWnd, buffer, maxChars);
}

void CWnd::GetWindowText(CString& text) const
{
    ASSERT(::IsWindow(m_hWnd));
    int length = ::GetWindowTextLengthA(m_hWnd);
    // The length is an upper bound; the copy is cut to the buffer either way.
    LPTSTR buffer = text.GetBuffer(length);
    int copied = ::GetWindowTextA(m_hWnd, buffer, length + 1);
    text.ReleaseBuffer(copied < 0 ? 0 : copied);
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int id) { return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, id)); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_EXSTYLE)); }

namespace {

BOOL ModifyWindowLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT swpFlags)
{
    DWORD style = static_cast<DWORD>(::GetWindowLongA(hWnd, index));
    DWORD newStyle = (style & ~remove) | add;
    if (style == newStyle)
        return FALSE;
    ::SetWindowLongA(hWnd, index, static_cast<LONG>(newStyle));
    if (swpFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    return ModifyWindowLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

HICON CWnd::SetIcon(HICON icon, BOOL big)
{
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::SetParent(CWnd* newParent) { return FromHandle(::SetParent(m_hWnd, newParent ? newParent->m_hWnd : nullptr)); }
CWnd* CWnd::GetOwner() const { return FromHandle(::GetWindow(m_hWnd, GW_OWNER)); }

CWnd* CWnd::GetTopLevelParent() const
{
    HWND top = m_hWnd;
    while (top != nullptr && (::GetWindowLongA(top, GWL_STYLE) & WS_CHILD) != 0)
        top = ::GetParent(top);
    return FromHandle(top);
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
CWnd* CWnd::GetWindow(UINT relation) const { return FromHandle(::GetWindow(m_hWnd, relation)); }

CWnd* CWnd::GetNextDlgTabItem(CWnd* control, BOOL previous) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, control ? control->m_hWnd : nullptr, previous));
}

BOOL CWnd::IsChild(const CWnd* window) const
{
    return window != nullptr && ::IsChild(m_hWnd, window->m_hWnd);
}

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
CWnd* CWnd::GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
CWnd* CWnd::GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
CWnd* CWnd::FindWindow(LPCTSTR className, LPCTSTR windowName) { return FromHandle(::FindWindowA(className, windowName)); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
BOOL CWnd::IsZoomed() const { return ::IsZoomed(m_hWnd); }
BOOL CWnd::ShowWindow(int showCommand) { return ::ShowWindow(m_hWnd, showCommand); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }

void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }
void CWnd::ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }

void CWnd::ClientToScreen(LPRECT rect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::ScreenToClient(LPRECT rect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(rect), 2);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const
{
    placement->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, placement);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement)
{
    WINDOWPLACEMENT copy = *placement;
    copy.length = sizeof copy;
    return ::SetWindowPlacement(m_hWnd, &copy);
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    HWND center = alternateOwner ? alternateOwner->m_hWnd
                                 : ((GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    RECT area;
    if (GetStyle() & WS_CHILD) {
        ::GetClientRect(::GetParent(m_hWnd), &area);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT target = area;
    if (center != nullptr && ::IsWindowVisible(center) && !::IsIconic(center)) {
        ::GetWindowRect(center, &target);
        if (GetStyle() & WS_CHILD)
            ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<LPPOINT>(&target), 2);
    }
    RECT own;
    ::GetWindowRect(m_hWnd, &own);
    int width = own.right - own.left;
    int height = own.bottom - own.top;
    int left = (target.left + target.right - width) / 2;
    int top = (target.top + target.bottom - height) / 2;
    // Keep the window inside the work area (or the parent).
    if (left + width > area.right)
        left = area.right - width;
    if (left < area.left)
        left = area.left;
    if (top + height > area.bottom)
        top = area.bottom - height;
    if (top < area.top)
        top = area.top;
    ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::BringWindowToTop() { ::BringWindowToTop(m_hWnd); }

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }

void CWnd::InvalidateRgn(CRgn* region, BOOL erase)
{
    ::InvalidateRgn(m_hWnd, region ? static_cast<HRGN>(region->m_hObject) : nullptr, erase);
}

void CWnd::ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

BOOL CWnd::RedrawWindow(LPCRECT update, CRgn* region, UINT flags)
{
    return ::RedrawWindow(m_hWnd, update, region ? static_cast<HRGN>(region->m_hObject) : nullptr, flags);
}

BOOL CWnd::LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
void CWnd::UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }
void CWnd::SetRedraw(BOOL redraw) { SendMessage(WM_SETREDRAW, redraw); }

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC timerProc)
{
    ASSERT(::IsWindow(m_hWnd));
    return ::SetTimer(m_hWnd, id, elapse, timerProc);
}

BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
void CWnd::CreateSolidCaret(int width, int height) { ::CreateCaret(m_hWnd, nullptr, width, height); }
void CWnd::CreateGrayCaret(int width, int height) { ::CreateCaret(m_hWnd, reinterpret_cast<HBITMAP>(1), width, height); }
void CWnd::ShowCaret() { ::ShowCaret(m_hWnd); }
void CWnd::HideCaret() { ::HideCaret(m_hWnd); }
void CWnd::SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }

CPoint CWnd::GetCaretPos()
{
    CPoint point;
    ::GetCaretPos(&point);
    return point;
}

BOOL CWnd::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw)
{
    info->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, bar, info, redraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) const
{
    info->cbSize = sizeof(SCROLLINFO);
    info->fMask = mask;
    return ::GetScrollInfo(m_hWnd, bar, info);
}

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw) { return ::SetScrollPos(m_hWnd, bar, pos, redraw); }
int CWnd::GetScrollPos(int bar) const { return ::GetScrollPos(m_hWnd, bar); }

void CWnd::SetScrollRange(int bar, int minPos, int maxPos, BOOL redraw)
{
    ::SetScrollRange(m_hWnd, bar, minPos, maxPos, redraw);
}

void CWnd::GetScrollRange(int bar, LPINT minPos, LPINT maxPos) const
{
    ::GetScrollRange(m_hWnd, bar, minPos, maxPos);
}

int CWnd::GetScrollLimit(int bar) const
{
    SCROLLINFO info = {};
    if (!GetScrollInfo(bar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int page = info.nPage > 0 ? static_cast<int>(info.nPage) - 1 : 0;
    return info.nMax - page;
}

void CWnd::ShowScrollBar(UINT bar, BOOL show) { ::ShowScrollBar(m_hWnd, static_cast<int>(bar), show); }

void CWnd::ScrollWindow(int dx, int dy, LPCRECT scroll, LPCRECT clip)
{
    ::ScrollWindow(m_hWnd, dx, dy, scroll, clip);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT scroll, LPCRECT clip, CRgn* update, LPRECT updateRect, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, scroll, clip, update ? static_cast<HRGN>(update->m_hObject) : nullptr,
                            updateRect, flags);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
int CWnd::ReleaseDC(CDC* dc) { return dc ? ::ReleaseDC(m_hWnd, dc->m_hDC) : 0; }

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->GetSafeHmenu() : nullptr); }
void CWnd::DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
CMenu* CWnd::GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, revert)); }

void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }
void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) { ::CheckRadioButton(m_hWnd, firstId, lastId, checkId); }

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const
{
    for (int id = firstId; id <= lastId; ++id)
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED)
            return id;
    return 0;
}

void CWnd::SetDlgItemText(int id, LPCTSTR text) { ::SetDlgItemTextA(m_hWnd, id, text ? text : ""); }

int CWnd::GetDlgItemText(int id, CString& text) const
{
    text.Empty();
    HWND control = ::GetDlgItem(m_hWnd, id);
    if (control == nullptr)
        return 0;
    FromHandle(control)->GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    return ::GetDlgItemInt(m_hWnd, id, translated, isSigned);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageA(m_hWnd, id, message, wParam, lParam);
}

void CWnd::DragAcceptFiles(BOOL accept) { ::DragAcceptFiles(m_hWnd, accept); }

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    return ShowMessageBox(m_hWnd, text, caption ? caption : AfxGetAppName(), type);
}
