#include "framework/MdiFrameWnd.h"

#include "framework/AppState.h"
#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/Debug.h"
#include "framework/DocTemplate.h"
#include "framework/DocViewHost.h"
#include "framework/Document.h"
#include "framework/View.h"

namespace {

// The window commands whose popup lists the child windows.
constexpr UINT kFirstWindowCommand = 0xE130;
constexpr UINT kLastWindowCommand = 0xE13F;

} // namespace

IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_SIZE()
    ON_COMMAND(ID_WINDOW_ARRANGE, OnWindowArrange)
    ON_COMMAND(ID_WINDOW_CASCADE, OnWindowCascade)
    ON_COMMAND(ID_WINDOW_TILE_HORZ, OnWindowTileHorz)
    ON_COMMAND(ID_WINDOW_TILE_VERT, OnWindowTileVert)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateWindowCommand)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateWindowCommand)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateWindowCommand)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateWindowCommand)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext*)
{
    return CreateClient(createStruct, GetWindowMenuPopup(m_hMenuDefault));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, HMENU windowMenu)
{
    CLIENTCREATESTRUCT client = {};
    client.hWindowMenu = windowMenu;
    client.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL | WS_VSCROLL |
                  MDIS_ALLCHILDSTYLES;
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, style, 0, 0, 0, 0, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                        AfxGetInstanceHandle(), &client);
    return m_hWndMDIClient != nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* maximized) const
{
    BOOL isMaximized = FALSE;
    HWND active = m_hWndMDIClient != nullptr
                      ? reinterpret_cast<HWND>(::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0,
                                                              reinterpret_cast<LPARAM>(&isMaximized)))
                      : nullptr;
    auto* child = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandlePermanent(active));
    if (maximized != nullptr)
        *maximized = child != nullptr && isMaximized;
    return child;
}

void CMDIFrameWnd::MDIActivate(CWnd* child)
{
    if (child != nullptr && m_hWndMDIClient != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDINext(BOOL previous)
{
    if (m_hWndMDIClient != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, previous);
}

void CMDIFrameWnd::MDIMaximize(CWnd* child)
{
    if (child != nullptr && m_hWndMDIClient != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* child)
{
    if (child != nullptr && m_hWndMDIClient != nullptr)
        ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child->GetSafeHwnd()), 0);
}

void CMDIFrameWnd::MDICascade()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDITile(UINT how)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, how, 0);
}

void CMDIFrameWnd::MDISetMenu(HMENU menu, HMENU windowMenu)
{
    if (m_hWndMDIClient == nullptr)
        return;
    if (menu == nullptr)
        menu = m_hMenuDefault;
    ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                   reinterpret_cast<LPARAM>(windowMenu));
    ::DrawMenuBar(m_hWnd);
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU menu)
{
    if (menu == nullptr)
        return nullptr;
    for (int item = ::GetMenuItemCount(menu) - 1; item >= 0; --item) {
        HMENU popup = ::GetSubMenu(menu, item);
        if (popup == nullptr)
            continue;
        int count = ::GetMenuItemCount(popup);
        for (int each = 0; each < count; ++each) {
            UINT id = ::GetMenuItemID(popup, each);
            if (id >= kFirstWindowCommand && id <= kLastWindowCommand)
                return popup;
        }
    }
    return nullptr;
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU alternate)
{
    CMDIChildWnd* child = MDIGetActive();
    HMENU menu = alternate;
    if (menu == nullptr && child != nullptr)
        menu = child->m_hMenuShared;
    if (menu == nullptr)
        menu = m_hMenuDefault;
    MDISetMenu(menu, GetWindowMenuPopup(menu));
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CMDIChildWnd* child = MDIGetActive();
    return child != nullptr ? child->GetActiveDocument() : nullptr;
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* child = MDIGetActive();
    return child != nullptr ? static_cast<CFrameWnd*>(child) : this;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL addToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    // A maximised child shows its title in the frame's caption itself.
    CMDIChildWnd* child = MDIGetActive();
    CDocument* document = child != nullptr ? child->GetActiveDocument() : nullptr;
    if (addToTitle && child != nullptr && (child->GetStyle() & WS_MAXIMIZE) == 0 && document != nullptr)
        UpdateFrameTitleForDocument(document->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    // In print preview the preview view, the frame's own active view, comes first.
    CMDIChildWnd* child = IsInPreviewMode() ? nullptr : MDIGetActive();
    if (child != nullptr && child->OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(id, code, extra, handlerInfo);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* msg)
{
    // No document window's keys while a preview hides them.
    if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST || IsInPreviewMode())
        return FALSE;
    CMDIChildWnd* child = MDIGetActive();
    if (child != nullptr && child->GetAccelerators() != nullptr &&
        ::TranslateAcceleratorA(m_hWnd, child->GetAccelerators(), msg))
        return TRUE;
    if (m_hAccelTable != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg))
        return TRUE;
    if ((msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && m_hWndMDIClient != nullptr &&
        ::TranslateMDISysAccel(m_hWndMDIClient, msg))
        return TRUE;
    return FALSE;
}

void CMDIFrameWnd::OnSize(UINT type, int, int)
{
    // Not the default: it would place the MDI client over the control bars.
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void CMDIFrameWnd::OnWindowArrange()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

void CMDIFrameWnd::OnWindowCascade()
{
    MDICascade();
}

void CMDIFrameWnd::OnWindowTileHorz()
{
    MDITile(MDITILE_HORIZONTAL);
}

void CMDIFrameWnd::OnWindowTileVert()
{
    MDITile(MDITILE_VERTICAL);
}

void CMDIFrameWnd::OnUpdateWindowCommand(CCmdUI* cmdUI)
{
    cmdUI->Enable(MDIGetActive() != nullptr);
}

// --- MDI child -----------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivateMessage)
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    // Parent is the MDI client, whose parent is the frame.
    HWND client = ::GetParent(m_hWnd);
    return dynamic_cast<CMDIFrameWnd*>(CWnd::FromHandlePermanent(client != nullptr ? ::GetParent(client) : nullptr));
}

BOOL CMDIChildWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context)
{
    CString full;
    if (full.LoadString(resourceId)) {
        int end = full.Find('\n');
        m_strTitle = end < 0 ? full : full.Left(end);
    }
    m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(resourceId));
    auto* frame = dynamic_cast<CMDIFrameWnd*>(parent != nullptr ? parent : GetHostMainWnd());
    ASSERT(frame != nullptr);
    if (frame == nullptr)
        return FALSE;
    // The template's shared menu and accelerators serve all its children.
    if (context != nullptr) {
        if (auto* docTemplate = dynamic_cast<CMultiDocTemplate*>(context->m_pNewDocTemplate)) {
            m_hMenuShared = docTemplate->m_hMenuShared;
            m_hAccelTable = docTemplate->m_hAccelTable;
        }
    }
    CRect rect(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);
    if (!Create(nullptr, m_strTitle, style | WS_CHILD, rect, frame, context))
        return FALSE;
    if (context == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCTSTR className, LPCTSTR title, DWORD style, const RECT& rect, CMDIFrameWnd* parent,
                          CCreateContext* context)
{
    if (parent == nullptr)
        parent = dynamic_cast<CMDIFrameWnd*>(GetHostMainWnd());
    ASSERT(parent != nullptr && parent->m_hWndMDIClient != nullptr);
    if (parent == nullptr || parent->m_hWndMDIClient == nullptr)
        return FALSE;

    CREATESTRUCT cs = {};
    cs.lpszClass = className;
    cs.lpszName = title;
    cs.style = style | WS_CHILD;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.right - rect.left;
    cs.cy = rect.left == CW_USEDEFAULT ? CW_USEDEFAULT : rect.bottom - rect.top;
    cs.hwndParent = parent->m_hWndMDIClient;
    cs.hInstance = AfxGetInstanceHandle();
    if (!PreCreateWindow(cs))
        return FALSE;

    // Made hidden; shown (and so activated) below or by ActivateFrame.
    MDICREATESTRUCTA create = {};
    create.szClass = cs.lpszClass;
    create.szTitle = cs.lpszName;
    create.hOwner = cs.hInstance;
    create.x = cs.x;
    create.y = cs.y;
    create.cx = cs.cx;
    create.cy = cs.cy;
    create.style = cs.style & ~(WS_MAXIMIZE | WS_VISIBLE);
    create.lParam = reinterpret_cast<LPARAM>(context);
    HWND client = parent->m_hWndMDIClient;
    HWND child;
    {
        WndCreateHook hook(this);
        child = reinterpret_cast<HWND>(::SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    }
    if (child == nullptr)
        return FALSE;
    if (cs.style & WS_VISIBLE) {
        ::BringWindowToTop(child);
        ShowWindow((cs.style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        parent->MDIActivate(this);
        ::SendMessageA(client, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD;
    return CFrameWnd::PreCreateWindow(cs);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT createStruct)
{
    // The MDI client passes our context inside its own creation record.
    auto* create = static_cast<MDICREATESTRUCTA*>(createStruct->lpCreateParams);
    auto* context = create != nullptr ? reinterpret_cast<CCreateContext*>(create->lParam) : nullptr;
    return OnCreateHelper(createStruct, context);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

void CMDIChildWnd::MDIActivate()
{
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->MDIActivate(this);
}

void CMDIChildWnd::MDIMaximize()
{
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->MDIMaximize(this);
}

void CMDIChildWnd::MDIRestore()
{
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->MDIRestore(this);
}

void CMDIChildWnd::MDIDestroy()
{
    HWND client = ::GetParent(m_hWnd);
    ::SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // This object is gone once the MDI client has destroyed the window.
    CMDIFrameWnd* frame = GetMDIFrame();
    HWND frameWindow = frame != nullptr ? frame->GetSafeHwnd() : nullptr;
    MDIDestroy();
    if (frameWindow != nullptr && ::IsWindow(frameWindow)) {
        frame->OnUpdateFrameMenu(nullptr);
        frame->OnUpdateFrameTitle(TRUE);
    }
    return TRUE;
}

void CMDIChildWnd::ActivateFrame(int showCommand)
{
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame == nullptr)
        return;
    if (showCommand == -1) {
        BOOL maximized = FALSE;
        CMDIChildWnd* active = frame->MDIGetActive(&maximized);
        if ((maximized && active != this) || (GetStyle() & WS_MAXIMIZE) != 0)
            showCommand = SW_SHOWMAXIMIZED;
        else if (!IsWindowVisible())
            showCommand = SW_SHOWNORMAL;
    }
    if (showCommand != -1)
        ShowWindow(showCommand);
    frame->MDIActivate(this);
    ::SendMessageA(frame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL addToTitle)
{
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->OnUpdateFrameTitle(addToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* document = GetActiveDocument();
    if (!addToTitle || document == nullptr)
        return;
    CString title = document->GetTitle();
    if (m_nWindow > 0) {
        CString number;
        number.Format(":%d", m_nWindow);
        title += number;
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG*)
{
    // A child has no menu of its own: its accelerators are translated by the MDI frame.
    return FALSE;
}

LRESULT CMDIChildWnd::OnMDIActivateMessage(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = Default();
    HWND activated = reinterpret_cast<HWND>(lParam);
    HWND deactivated = reinterpret_cast<HWND>(wParam);
    OnMDIActivate(activated == m_hWnd, CWnd::FromHandle(activated), CWnd::FromHandle(deactivated));
    return result;
}

void CMDIChildWnd::OnMDIActivate(BOOL activate, CWnd* activated, CWnd*)
{
    CMDIFrameWnd* frame = GetMDIFrame();
    if (frame != nullptr) {
        // The next child shows its own menu; with none left the frame shows its default.
        if (activate)
            frame->MDISetMenu(m_hMenuShared, frame->GetWindowMenuPopup(m_hMenuShared ? m_hMenuShared : frame->GetDefaultMenu()));
        else if (activated == nullptr)
            frame->MDISetMenu(nullptr, frame->GetWindowMenuPopup(frame->GetDefaultMenu()));
    }
    if (CView* view = GetActiveView())
        view->OnActivateView(activate, view, view);
    // The last child going (even straight through the MDI client) takes its name off the caption.
    if (frame != nullptr && (activate || activated == nullptr))
        frame->OnUpdateFrameTitle(activate);
}
