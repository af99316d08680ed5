#include "framework/View.h"

#include "framework/CommandIds.h"
#include "framework/Dc.h"
#include "framework/Debug.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"

IMPLEMENT_DYNAMIC_ROOT(CView)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_MESSAGE(WM_MOUSEACTIVATE, OnMouseActivate)
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrintDirect)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
END_MESSAGE_MAP()

CView::CView() = default;

CView::~CView()
{
    if (m_pDocument != nullptr)
        m_pDocument->RemoveView(this);
}

CFrameWnd* CView::GetParentFrame() const
{
    for (HWND parent = ::GetParent(m_hWnd); parent != nullptr; parent = ::GetParent(parent)) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(parent)))
            return frame;
    }
    return nullptr;
}

BOOL CView::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = RegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    // A view draws a sunken edge rather than a flat border.
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return cs.lpszClass != nullptr;
}

HWND CView::GetScrollBarCtrl(int bar) const
{
    const auto* lender = dynamic_cast<const CScrollBarLender*>(CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
    return lender != nullptr ? lender->GetPaneScrollBar(bar, this) : nullptr;
}

BOOL CView::SetScrollInfo(int bar, LPSCROLLINFO info, BOOL redraw)
{
    if (HWND shared = GetScrollBarCtrl(bar)) {
        ::SetScrollInfo(shared, SB_CTL, info, redraw);
        return TRUE;
    }
    return CWnd::SetScrollInfo(bar, info, redraw);
}

BOOL CView::GetScrollInfo(int bar, LPSCROLLINFO info, UINT mask) const
{
    if (HWND shared = GetScrollBarCtrl(bar)) {
        info->cbSize = sizeof(SCROLLINFO);
        info->fMask = mask;
        return ::GetScrollInfo(shared, SB_CTL, info);
    }
    return CWnd::GetScrollInfo(bar, info, mask);
}

int CView::SetScrollPos(int bar, int pos, BOOL redraw)
{
    if (HWND shared = GetScrollBarCtrl(bar))
        return ::SetScrollPos(shared, SB_CTL, pos, redraw);
    return CWnd::SetScrollPos(bar, pos, redraw);
}

int CView::GetScrollPos(int bar) const
{
    if (HWND shared = GetScrollBarCtrl(bar))
        return ::GetScrollPos(shared, SB_CTL);
    return CWnd::GetScrollPos(bar);
}

void CView::OnActivateView(BOOL activate, CView* activateView, CView*)
{
    // The active view of the active frame takes the focus.
    if (activate && activateView == this) {
        CFrameWnd* frame = GetParentFrame();
        if (frame != nullptr && ::GetActiveWindow() == frame->GetTopLevelParent()->m_hWnd &&
            ::GetFocus() != m_hWnd)
            SetFocus();
    }
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

void CView::OnInitialUpdate()
{
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, void*)
{
    Invalidate(TRUE);
}

void CView::OnPrepareDC(CDC*, CPrintInfo* info)
{
    // With the length unknown, a job prints one page.
    if (info != nullptr && info->GetMaxPage() == 0xFFFF)
        info->m_bContinuePrinting = info->m_nCurPage == 1;
}

BOOL CView::OnPreparePrinting(CPrintInfo* info)
{
    return DoPreparePrinting(info);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* dc, CPrintInfo*)
{
    OnDraw(dc);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

BOOL CView::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    if (CWnd::OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(id, code, extra, handlerInfo);
}

BOOL CView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    if (lParam != 0)
        return FALSE;
    CWnd* top = GetTopLevelParent();
    if (top == nullptr || top == this || dynamic_cast<CFrameWnd*>(top) == nullptr)
        return FALSE;
    return top->OnCommand(wParam, lParam);
}

void CView::PostNcDestroy()
{
    delete this;
}

int CView::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CWnd::OnCreate(createStruct) == -1)
        return -1;
    auto* context = static_cast<CCreateContext*>(createStruct->lpCreateParams);
    if (context != nullptr && context->m_pCurrentDoc != nullptr)
        context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* frame = GetParentFrame();
    if (frame != nullptr && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

LRESULT CView::OnMouseActivate(WPARAM, LPARAM)
{
    LRESULT result = Default();
    if (result == MA_NOACTIVATE || result == MA_NOACTIVATEANDEAT)
        return result;
    // A click makes the view its frame's active view, and takes the keys back from a pane
    // that had them while the view stayed active.
    if (CFrameWnd* frame = GetParentFrame()) {
        HWND focus = ::GetFocus();
        if (frame->GetActiveView() != this)
            frame->SetActiveView(this);
        else if (focus != m_hWnd && !::IsChild(m_hWnd, focus))
            SetFocus();
    }
    return result;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM)
{
    OnInitialUpdate();
    return 0;
}
