#pragma once
#include "framework/Document.h"
#include "framework/MdiFrameWnd.h"
#include "framework/View.h"
#include "pdf_jobs.h"

#include <memory>
#include <string>
#include <vector>

// A document that only has a title, which names its print jobs.
class CPrintTestDoc : public CDocument {};

// A view whose document has m_pages pages (0: a length only OnPrepareDC knows, which ends
// the document after m_unknownLength pages). It logs every printing call with the page, and
// prints "第N页 Page N" large on each page.
class CPrintTestView : public CView {
    DECLARE_DYNCREATE(CPrintTestView)

public:
    UINT m_pages = 3;
    UINT m_unknownLength = 2;
    BOOL m_offerSelection = FALSE;
    // Not 0: each page is only a black square of this side in tenths of a millimetre at its
    // top left, drawn in the metric mapping mode.
    int m_metricSquare = 0;
    std::vector<std::string> m_log;
    // What OnPrint saw last.
    int m_printDpi = 0;
    BOOL m_dcIsPrinting = FALSE;
    BOOL m_infoIsPreview = FALSE;
    CRect m_rectDraw;

    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrepareDC(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;
};

// An MDI main frame with a menu and a Ctrl+P accelerator, and one document window holding a
// CPrintTestView. The frame stays hidden: shown top-level windows are slow to go under Xvfb.
struct PrintTestWindows {
    PrintTestWindows();
    ~PrintTestWindows();

    CMDIFrameWnd* m_main = nullptr;
    CMDIChildWnd* m_child = nullptr;
    CPrintTestView* m_view = nullptr;
    CPrintTestDoc* m_doc = nullptr;
};
