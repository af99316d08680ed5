// The view's printing commands: the print loop and the preparation it shares with the preview.
#include "framework/CommonDialogs.h"
#include "framework/Dc.h"
#include "framework/Document.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "framework/PreviewView.h"
#include "framework/PrinterChoice.h"
#include "framework/PrintingDialog.h"
#include "framework/View.h"

namespace {

// Ends the job on every path: EndDoc when all pages went out, AbortDoc otherwise (a page
// failed, the user cancelled, or a printing virtual threw).
class PrintJobGuard {
public:
    explicit PrintJobGuard(CDC& dc) : m_dc(dc) {}
    ~PrintJobGuard()
    {
        if (m_completed)
            m_dc.EndDoc();
        else
            m_dc.AbortDoc();
    }
    PrintJobGuard(const PrintJobGuard&) = delete;
    PrintJobGuard& operator=(const PrintJobGuard&) = delete;
    void Complete() { m_completed = true; }

private:
    CDC& m_dc;
    bool m_completed = false;
};

// Calls OnEndPrinting when the job's scope ends, however it ends.
class EndPrintingGuard {
public:
    EndPrintingGuard(CView& view, CDC& dc, CPrintInfo& info) : m_view(view), m_dc(dc), m_info(info) {}
    ~EndPrintingGuard() { m_view.OnEndPrinting(&m_dc, &m_info); }
    EndPrintingGuard(const EndPrintingGuard&) = delete;
    EndPrintingGuard& operator=(const EndPrintingGuard&) = delete;

private:
    CView& m_view;
    CDC& m_dc;
    CPrintInfo& m_info;
};

} // namespace

BOOL CView::DoPreparePrinting(CPrintInfo* info)
{
    PRINTDLG& pd = info->m_pPD->m_pd;
    if (pd.nMinPage > pd.nMaxPage)
        pd.nMaxPage = pd.nMinPage;
    CPrinterChoice& printer = AfxGetPrinterChoice();
    if (info->m_bPreview || info->m_bDirect) {
        if (!printer.GetDefaults(pd)) {
            AfxMessageBox(PrintText::kNoPrinter, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
    } else {
        pd.nFromPage = static_cast<WORD>(info->GetMinPage());
        pd.nToPage = static_cast<WORD>(info->GetMaxPage());
        if (!printer.UpdateDefaults()) {
            AfxMessageBox(PrintText::kNoPrinter, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
        if (printer.DoPrintDialog(*info->m_pPD) != IDOK)
            return FALSE;
    }
    // The loop and the preview take the DC from here; the dialog returns one, the defaults do not.
    if (pd.hDC == nullptr) {
        CDC dc;
        if (!printer.CreatePrinterDC(dc)) {
            AfxMessageBox(PrintText::kNoPrinter, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
        pd.hDC = dc.Detach();
    }
    return TRUE;
}

void CView::OnFilePrint()
{
    CPrintInfo info;
    PrintWith(info);
}

void CView::OnFilePrintDirect()
{
    CPrintInfo info;
    info.m_bDirect = TRUE;
    PrintWith(info);
}

void CView::OnFilePrintPreview()
{
    CPreviewView::Start(this);
}

void CView::PrintWith(CPrintInfo& info)
{
    if (!OnPreparePrinting(&info))
        return;
    CDC dc;
    dc.Attach(info.m_pPD->m_pd.hDC);
    info.m_pPD->m_pd.hDC = nullptr;
    if (dc.GetSafeHdc() == nullptr)
        return;
    dc.m_bPrinting = TRUE;
    RunPrintLoop(dc, info);
}

BOOL CView::RunPrintLoop(CDC& dc, CPrintInfo& info)
{
    CString title = m_pDocument != nullptr ? m_pDocument->GetTitle() : CString();
    OnBeginPrinting(&dc, &info);
    EndPrintingGuard endPrinting(*this, dc, info);

    CPrintingDialog progress;
    progress.Create(GetParentFrame() != nullptr ? static_cast<CWnd*>(GetParentFrame()) : this, title,
                    AfxGetPrinterChoice().GetDeviceName());
    dc.SetAbortProc(&AfxAbortProc);
    if (dc.StartDoc(title) <= 0) {
        // The driver asks the abort procedure already while starting: a Cancel pressed
        // then is no failure.
        BOOL cancelled = progress.UserAborted();
        progress.Close();
        if (!cancelled)
            AfxMessageBox(PrintText::kPrintFailed, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    PrintJobGuard job(dc);
    PrintPageRange range = ClampPrintPageRange(info.GetFromPage(), info.GetToPage(), info.GetMinPage(),
                                               info.GetMaxPage());
    for (info.m_nCurPage = range.from; info.m_nCurPage <= range.to; ++info.m_nCurPage) {
        OnPrepareDC(&dc, &info);
        if (!info.m_bContinuePrinting)
            break;
        progress.SetPage(info.m_nCurPage);
        if (!progress.PumpMessages())
            return FALSE;
        info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        dc.DPtoLP(&info.m_rectDraw);
        if (dc.StartPage() <= 0)
            return FALSE;
        OnPrint(&dc, &info);
        if (dc.EndPage() <= 0 || progress.UserAborted())
            return FALSE;
    }
    job.Complete();
    return TRUE;
}
