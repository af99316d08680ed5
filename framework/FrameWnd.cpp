#include "framework/FrameWnd.h"

#include "framework/AppState.h"
#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/DocManager.h"
#include "framework/DocViewHost.h"
#include "framework/Document.h"
#include "framework/View.h"
#include "framework/WinApp.h"

#include <shellapi.h>

namespace {

constexpr char kIdleMessageText[] = "Ready";

// The window with id below parent, searched depth first; null when there is none. A child
// carrying its parent's id wins over the parent, so the first pane inside a splitter (which
// has the pane id itself) is found rather than the splitter.
HWND FindDescendant(HWND parent, UINT id)
{
    if (HWND child = ::GetDlgItem(parent, static_cast<int>(id))) {
        bool innerHasId = ::GetDlgItem(child, static_cast<int>(id)) != nullptr;
        return innerHasId ? FindDescendant(child, id) : child;
    }
    for (HWND child = ::GetTopWindow(parent); child != nullptr; child = ::GetNextWindow(child, GW_HWNDNEXT)) {
        if (HWND found = FindDescendant(child, id))
            return found;
    }
    return nullptr;
}

} // namespace

IMPLEMENT_DYNAMIC_ROOT(CFrameWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ERASEBKGND()
    ON_WM_DROPFILES()
    ON_COMMAND_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, OnBarCheck)
    ON_UPDATE_COMMAND_UI_RANGE(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, OnUpdateControlBarMenu)
    ON_MESSAGE(WM_MENUSELECT, OnMenuSelect)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd()
{
    if (m_ownsAccelTable && m_hAccelTable != nullptr)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context)
{
    HINSTANCE resources = AfxGetResourceHandle();
    CString full;
    if (full.LoadString(resourceId)) {
        int end = full.Find('\n');
        m_strTitle = end < 0 ? full : full.Left(end);
    }
    m_hIcon = ::LoadIconA(resources, MAKEINTRESOURCEA(resourceId));
    m_hMenuDefault = ::LoadMenuA(resources, MAKEINTRESOURCEA(resourceId));
    HACCEL accelerators = ::LoadAcceleratorsA(resources, MAKEINTRESOURCEA(resourceId));
    if (!CreateEx(0, nullptr, m_strTitle, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  parent != nullptr ? parent->GetSafeHwnd() : nullptr, m_hMenuDefault, context)) {
        // The window took its menu with it, or never had it; the object may be gone.
        if (accelerators != nullptr)
            ::DestroyAcceleratorTable(accelerators);
        return FALSE;
    }
    m_hAccelTable = accelerators;
    m_ownsAccelTable = accelerators != nullptr;
    if (context == nullptr)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR className, LPCTSTR title, DWORD style, const RECT& rect, CWnd* parent, HMENU menu,
                       CCreateContext* context)
{
    return CreateEx(0, className, title, style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    parent != nullptr ? parent->GetSafeHwnd() : nullptr, menu, context);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), m_hIcon);
    // The document's name goes before the frame's own title.
    if (cs.style & FWS_ADDTOTITLE)
        cs.style |= FWS_PREFIXTITLE;
    return cs.lpszClass != nullptr;
}

void CFrameWnd::PostNcDestroy()
{
    // The application ends with its main window.
    CWinApp* application = AfxGetApp();
    if (application != nullptr && application->m_pMainWnd == this) {
        application->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    delete this;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT createStruct)
{
    return OnCreateHelper(createStruct, static_cast<CCreateContext*>(createStruct->lpCreateParams));
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT createStruct, CCreateContext* context)
{
    if (CWnd::OnCreate(createStruct) == -1)
        return -1;
    if (!OnCreateClient(createStruct, context))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context)
{
    if (context != nullptr && context->m_pNewViewClass != nullptr)
        return CreateView(context) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id)
{
    ASSERT(context != nullptr && context->m_pNewViewClass != nullptr);
    CCmdTarget* object = context->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CWnd*>(object);
    if (view == nullptr) {
        delete object;
        return nullptr;
    }
    // A view that fails to create has deleted itself.
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 0, 0), this, id, context))
        return nullptr;
    return view;
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify)
{
    CView* old = m_pViewActive;
    if (view == old)
        return;
    m_pViewActive = view;
    if (notify && old != nullptr)
        old->OnActivateView(FALSE, view, old);
    if (notify && view != nullptr)
        view->OnActivateView(TRUE, view, old);
}

CDocument* CFrameWnd::GetActiveDocument()
{
    return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

CFrameWnd* CFrameWnd::GetActiveFrame()
{
    return this;
}

void CFrameWnd::InitialUpdateFrame(CDocument* document, BOOL makeVisible)
{
    CView* view = nullptr;
    if (m_pViewActive == nullptr) {
        view = dynamic_cast<CView*>(CWnd::FromHandlePermanent(FindDescendant(m_hWnd, AFX_IDW_PANE_FIRST)));
        if (view != nullptr)
            SetActiveView(view, FALSE);
    }
    if (makeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
        if (view != nullptr)
            view->OnActivateFrame(WA_INACTIVE, this);
        ActivateFrame();
        if (view != nullptr)
            view->OnActivateView(TRUE, view, view);
    }
    if (document != nullptr)
        document->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int showCommand)
{
    if (showCommand == -1) {
        if (!IsWindowVisible())
            showCommand = SW_SHOWNORMAL;
        else if (IsIconic())
            showCommand = SW_RESTORE;
    }
    if (showCommand != -1)
        ShowWindow(showCommand);
    BringWindowToTop();
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::RepositionBars(UINT firstId, UINT lastId, UINT paneId, CRect* clientLeft)
{
    AFX_SIZEPARENTPARAMS layout;
    ::GetClientRect(m_hWnd, &layout.rect);
    layout.hDWP = clientLeft == nullptr ? ::BeginDeferWindowPos(8) : nullptr;
    HWND pane = nullptr;
    for (HWND child = ::GetTopWindow(m_hWnd); child != nullptr; child = ::GetNextWindow(child, GW_HWNDNEXT)) {
        UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        if (id == paneId)
            pane = child;
        else if (id >= firstId && id <= lastId)
            ::SendMessageA(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if (clientLeft != nullptr) {
        *clientLeft = CRect(layout.rect);
        return;
    }
    if (pane != nullptr && layout.hDWP != nullptr) {
        const RECT& room = layout.rect;
        layout.hDWP = ::DeferWindowPos(layout.hDWP, pane, nullptr, room.left, room.top, room.right - room.left,
                                       room.bottom - room.top, SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL addToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* document = GetActiveDocument();
    if (addToTitle && document != nullptr)
        UpdateFrameTitleForDocument(document->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR documentName)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CString text;
    CString name = documentName ? documentName : "";
    if (!name.IsEmpty() && m_nWindow > 0) {
        CString number;
        number.Format(":%d", m_nWindow);
        name += number;
    }
    if (GetStyle() & FWS_PREFIXTITLE) {
        if (!name.IsEmpty())
            text = name + " - ";
        text += m_strTitle;
    } else {
        text = m_strTitle;
        if (!name.IsEmpty())
            text += " - " + name;
    }
    CString current;
    GetWindowText(current);
    if (current != text)
        SetWindowText(text);
}

void CFrameWnd::SetMessageText(LPCTSTR text)
{
    HWND statusBar = ::GetDlgItem(m_hWnd, static_cast<int>(AFX_IDW_STATUS_BAR));
    if (statusBar != nullptr)
        ::SendMessageA(statusBar, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
}

void CFrameWnd::SetMessageText(UINT id)
{
    CString text;
    if (id != 0)
        GetMessageString(id, text);
    if (id == AFX_IDS_IDLEMESSAGE && text.IsEmpty())
        text = kIdleMessageText;
    SetMessageText(text);
}

void CFrameWnd::GetMessageString(UINT id, CString& message) const
{
    message.Empty();
    CString full;
    if (!full.LoadString(id))
        return;
    int end = full.Find('\n');
    message = end < 0 ? full : full.Left(end);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg)
{
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && m_hAccelTable != nullptr)
        return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, msg);
    return FALSE;
}

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    if (!RoutesToApplication())
        return FALSE;
    DocViewHost* host = GetDocViewHost();
    if (host == nullptr)
        return FALSE;
    CCmdTarget* application = host->GetCommandTarget();
    if (application != nullptr && application->OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    CDocManager* manager = host->GetDocManager();
    return manager != nullptr && manager->OnCmdMsg(id, code, extra, handlerInfo);
}

void CFrameWnd::OnDestroy()
{
    // The menu shown last may be a template's: give the window back its own to destroy.
    if (m_hMenuDefault != nullptr && ::GetMenu(m_hWnd) != m_hMenuDefault && (GetStyle() & WS_CHILD) == 0)
        ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose()
{
    if (m_lpfnCloseProc != nullptr) {
        m_lpfnCloseProc(this);
        return;
    }
    // Only the frame's own active document is asked here; the main window asks them all.
    CDocument* document = m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
    if (document != nullptr && !document->CanCloseFrame(this))
        return;
    if (GetHostMainWnd() == this) {
        CDocManager* manager = GetHostDocManager();
        if (manager != nullptr) {
            if (document == nullptr && !manager->SaveAllModified())
                return;
            manager->CloseAllDocuments(FALSE);
        }
    }
    // The document's last frame closes the document, which destroys the frame.
    if (document != nullptr && document->m_bAutoDelete) {
        BOOL otherFrame = FALSE;
        for (POSITION position = document->GetFirstViewPosition(); position != nullptr;) {
            if (document->GetNextView(position)->GetParentFrame() != this)
                otherFrame = TRUE;
        }
        if (!otherFrame) {
            document->OnCloseDocument();
            return;
        }
        document->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    if (type != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* oldFocus)
{
    if (m_pViewActive != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(oldFocus);
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* dc)
{
    // The active view covers the client area.
    if (m_pViewActive != nullptr)
        return TRUE;
    return CWnd::OnEraseBkgnd(dc);
}

void CFrameWnd::OnDropFiles(HDROP drop)
{
    ::SetActiveWindow(m_hWnd);
    UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    DocViewHost* host = GetDocViewHost();
    for (UINT i = 0; i < count; ++i) {
        char name[MAX_PATH] = {};
        // A name too long for the buffer is not opened cut short.
        UINT length = ::DragQueryFileA(drop, i, nullptr, 0);
        if (length == 0 || length >= sizeof name)
            continue;
        ::DragQueryFileA(drop, i, name, sizeof name);
        if (host != nullptr)
            host->OpenDocumentFile(name);
        else if (CDocManager* manager = GetHostDocManager())
            manager->OpenDocumentFile(name);
    }
    ::DragFinish(drop);
}

LRESULT CFrameWnd::OnMenuSelect(WPARAM wParam, LPARAM lParam)
{
    UINT id = LOWORD(wParam);
    UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0)
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;  // the menu closed
    else if (id == 0 || (flags & (MF_SEPARATOR | MF_POPUP)) != 0 || id >= AFX_IDM_FIRST_MDICHILD)
        m_nIDTracking = 0;
    else
        m_nIDTracking = id;
    SetMessageText(m_nIDTracking);
    return Default();
}
