#include "editor/app/ChildFrame.h"

#include "editor/res/resource.h"
#include "editor/viewwindow/WrenView.h"
#include "editor/app/MainFrame.h"
#include "framework/Document.h"
#include "framework/MessageBox.h"
#include "framework/View.h"
#include "framework/WinApp.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CChildFrame, CMDIChildWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_WINDOW_CLOSE, OnWindowClose)
END_MESSAGE_MAP()

namespace {

CMainFrame* TheMainFrame()
{
    return AfxGetApp() != nullptr ? dynamic_cast<CMainFrame*>(AfxGetApp()->GetMainWnd()) : nullptr;
}

void InvalidateAllBut(const CSplitterWnd& splitter, CWnd* except, int row, int col, bool rowOnly)
{
    for (int r = 0; r < splitter.GetRowCount(); ++r)
        for (int c = 0; c < splitter.GetColumnCount(); ++c) {
            bool inLine = r == row || (!rowOnly && c == col);
            CWnd* pane = splitter.GetPane(r, c);
            if (inLine && pane != nullptr && pane != except)
                pane->Invalidate(TRUE);
        }
}

CViewEngine* EngineOf(CWnd* pane)
{
    auto* view = dynamic_cast<CWrenView*>(pane);
    return view != nullptr ? view->GetEngine() : nullptr;
}

}  // namespace

bool CFrameSplitter::FirstColumnWraps() const
{
    for (int row = 0; row < GetRowCount(); ++row) {
        auto* pane = dynamic_cast<CWrenView*>(GetPane(row, 0));
        if (pane != nullptr && pane->GetEngine() != nullptr && pane->GetEngine()->IsWordWrap())
            return true;
    }
    return false;
}

BOOL CFrameSplitter::SplitColumn(int cxBefore)
{
    if (FirstColumnWraps()) {
        AfxMessageBox(IDS_SPLIT_COLUMNS_IN_WRAP);
        return FALSE;
    }
    return CSplitterWnd::SplitColumn(cxBefore);
}

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context)
{
    return m_splitter.Create(this, 2, 2, CSize(10, 10), context);
}

int CChildFrame::OnCreate(LPCREATESTRUCT createStruct)
{
    if (CMDIChildWnd::OnCreate(createStruct) == -1)
        return -1;
    if (CMainFrame* main = TheMainFrame())
        main->RegisterChildWindow(this);
    return 0;
}

void CChildFrame::OnDestroy()
{
    if (CMainFrame* main = TheMainFrame())
        main->UnregisterChildWindow(this);
    CMDIChildWnd::OnDestroy();
}

void CChildFrame::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated)
{
    CMDIChildWnd::OnMDIActivate(activate, activated, deactivated);
    if (activate)
        if (CMainFrame* main = TheMainFrame())
            main->OnChildActivated(this);
}

void CChildFrame::OnUpdateFrameTitle(BOOL addToTitle)
{
    CMDIChildWnd::OnUpdateFrameTitle(addToTitle);
    if (CMainFrame* main = TheMainFrame())
        main->UpdateChildTitle(this);
}

void CChildFrame::OnWindowClose()
{
    CDocument* document = GetActiveDocument();
    if (document == nullptr || document->CanCloseFrame(this))
        MDIDestroy();
}

CWnd* CChildFrame::GetSiblingPane(CWnd* view) const
{
    int row = 0;
    int col = 0;
    if (!m_splitter.IsChildPane(view, &row, &col))
        return view;
    if (col > 0)
        return m_splitter.GetPane(row, col - 1);
    if (row > 0)
        return m_splitter.GetPane(row - 1, col);
    return view;
}

void CChildFrame::SyncPanes(CWnd* view, int x, int y)
{
    int row = 0;
    int col = 0;
    if (!m_splitter.IsChildPane(view, &row, &col))
        return;
    for (int r = 0; r < m_splitter.GetRowCount(); ++r)
        if (CViewEngine* engine = EngineOf(m_splitter.GetPane(r, col)))
            engine->SetScrollX(x);
    for (int c = 0; c < m_splitter.GetColumnCount(); ++c)
        if (CViewEngine* engine = EngineOf(m_splitter.GetPane(row, c)))
            engine->SetScrollY(y);
}

void CChildFrame::InvalidateRowPanes(CWnd* view)
{
    int row = 0;
    int col = 0;
    if (m_splitter.IsChildPane(view, &row, &col))
        InvalidateAllBut(m_splitter, view, row, col, true);
}

void CChildFrame::InvalidateRowAndColumnPanes(CWnd* view)
{
    int row = 0;
    int col = 0;
    if (m_splitter.IsChildPane(view, &row, &col))
        InvalidateAllBut(m_splitter, view, row, col, false);
}
