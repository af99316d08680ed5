#pragma once
#include "framework/Document.h"
#include "framework/MdiFrameWnd.h"
#include "framework/View.h"

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

// The PDFs the PDF printer writes for this user, read back with the platform's pdftotext.
namespace PdfJobs {
// The printer's output folder as seen from here.
std::string Folder();
// Waits up to a minute for the job titled title to be written; its path, or "" when none came.
std::string WaitFor(const std::string& title);
// The text of each page (GBK), split where pdftotext puts form feeds.
std::vector<std::string> PagesOf(const std::string& path);
} // namespace PdfJobs

// A title that no earlier job had, so that a test finds its own PDF.
std::string UniqueJobTitle(const char* stem);
