#include "PrintTestSupport.h"

#include "PrintTestResources.h"

#include "framework/CommandIds.h"
#include "framework/Dc.h"
#include "framework/Gdi.h"

#include <gtest/gtest.h>

IMPLEMENT_DYNCREATE(CPrintTestView, CView)

BOOL CPrintTestView::OnPreparePrinting(CPrintInfo* info)
{
    m_log.push_back("prepare");
    if (m_pages > 0)
        info->SetMaxPage(m_pages);
    if (m_offerSelection) {
        info->m_pPD->m_pd.Flags &= ~PD_NOSELECTION;
        info->m_pPD->m_pd.Flags |= PD_SELECTION;
    }
    return DoPreparePrinting(info);
}

void CPrintTestView::OnBeginPrinting(CDC*, CPrintInfo* info)
{
    m_log.push_back(info->PrintSelection() ? "begin selection" : "begin");
}

void CPrintTestView::OnPrepareDC(CDC* dc, CPrintInfo* info)
{
    CView::OnPrepareDC(dc, info);
    if (info != nullptr) {
        m_log.push_back("preparedc " + std::to_string(info->m_nCurPage));
        if (m_pages == 0)
            info->m_bContinuePrinting = info->m_nCurPage <= m_unknownLength;
    }
}

void CPrintTestView::OnPrint(CDC* dc, CPrintInfo* info)
{
    m_log.push_back("print " + std::to_string(info->m_nCurPage));
    m_printDpi = dc->GetDeviceCaps(LOGPIXELSX);
    m_dcIsPrinting = dc->IsPrinting();
    m_infoIsPreview = info->m_bPreview;
    m_rectDraw = info->m_rectDraw;
    if (m_metricSquare != 0) {
        int saved = ::SaveDC(*dc);
        ::SetMapMode(*dc, MM_LOMETRIC);
        RECT square = {0, 0, m_metricSquare, -m_metricSquare};
        ::FillRect(*dc, &square, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::RestoreDC(*dc, saved);
        return;
    }
    CFont font;
    font.CreatePointFont(240, "宋体", dc);
    ScopedSelectObject selected(*dc, font);
    CString text;
    text.Format("第%u页 Page %u", info->m_nCurPage, info->m_nCurPage);
    dc->TextOut(300, 300, text);
}

void CPrintTestView::OnEndPrinting(CDC*, CPrintInfo*)
{
    m_log.push_back("end");
}

PrintTestWindows::PrintTestWindows()
{
    m_main = new CMDIFrameWnd;
    if (!m_main->LoadFrame(IDR_PRINTFRAME)) {
        ADD_FAILURE() << "main frame not created";
        m_main = nullptr;
        return;
    }
    m_doc = new CPrintTestDoc;
    m_doc->m_bAutoDelete = FALSE;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CPrintTestView);
    context.m_pCurrentDoc = m_doc;
    m_child = new CMDIChildWnd;
    if (!m_child->Create(nullptr, "doc", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), m_main,
                         &context)) {
        ADD_FAILURE() << "document window not created";
        return;
    }
    POSITION position = m_doc->GetFirstViewPosition();
    m_view = static_cast<CPrintTestView*>(m_doc->GetNextView(position));
    m_child->SetActiveView(m_view);
    m_main->SetWindowPos(nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
}

PrintTestWindows::~PrintTestWindows()
{
    if (m_main != nullptr)
        m_main->DestroyWindow();
    delete m_doc;
}


